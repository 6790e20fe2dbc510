// The forms of the short-chain textures, as a person uses them: placement,
// what activation loads, dragging and typing at the limits, colour panels
// and the help texts in both languages.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/Color.h"
#include "engine/Instances.h"
#include "modules/textures/Fnc_T004.h"
#include "modules/textures/Prm_T004.h"
#include "modules/textures/Fnc_T005.h"
#include "modules/textures/Prm_T005.h"
#include "modules/textures/Fnc_T008.h"
#include "modules/textures/Prm_T008.h"
#include "modules/textures/Fnc_T009.h"
#include "modules/textures/Prm_T009.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Dialogs.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"
#include "FormTestSupport.h"

using namespace quillon;
using quillon::test::Drag;
using quillon::test::ExpectHelpTexts;
using quillon::test::MarkerAt;

namespace {

class ShortChainForms : public ::testing::Test {
 protected:
  void SetUp() override { StartApplication(); }
  void TearDown() override { StartApplication(); }

  // Adds the module through its menu item, as a person does, and comes back
  // to its form.
  TTextureForm* Open(const char* MenuPath, int Type) {
    TMenuItem* item = FindMenuItem(F_Synthe->MainMenu1, MenuPath);
    EXPECT_NE(item, nullptr) << MenuPath;
    if (!item) return nullptr;
    item->Click();
    EXPECT_EQ(ModuleParams[CurrentInstance].ModuleType, Type);
    TextureDirty = 0;
    ClearMessageLog();
    auto* f = dynamic_cast<TTextureForm*>(TypeForm[Type]);
    EXPECT_EQ(F_Synthe->ShownForm, f);
    return f;
  }
  static void Reactivate(TForm* f) {
    f->Hide();
    f->Show();
  }
  static int32_t& Param(int k) { return ModuleParams[CurrentInstance].ParamValue[k]; }
};

struct FormCase {
  const char* Menu;
  int Type;
  int Width, Height;
  int HueParam, SeedParam;
  int32_t SeedMax, SeedStep;
  // Help on activation, English and French.
  const char* Help[2];
};

const std::vector<FormCase>& Forms() {
  static const std::vector<FormCase> table = {
      {"Textures > Nature > Grass", T004_Type, 403, 215, 3, 10, 1750, 14, {"Grass texture", "Texture d'herbe"}},
      {"Textures > Skin > Snake Skin", T005_Type, 405, 213, 3, 10, 1750, 14,
       {"Could be a kind of snake skin ???", "Pourrait être une espèce de peau de serpent ???"}},
      {"Textures > Materials > Cloth", T008_Type, 404, 167, 1, 3, 1050, 23, {"Cloth texture", "Texture de tissu"}},
      {"Textures > Materials > Rough Paper", T009_Type, 405, 167, 1, 3, 1050, 10,
       {"Rough paper texture", "Texture de papier froissé"}},
  };
  return table;
}

TEST_F(ShortChainForms, MenuItemsShowTheirFormCentredOverTheMainWindow) {
  for (const FormCase& c : Forms()) {
    SCOPED_TRACE(c.Menu);
    StartApplication();
    TTextureForm* f = Open(c.Menu, c.Type);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Caption, c.Menu);
    EXPECT_TRUE(f->Visible);
    EXPECT_TRUE(f->StayOnTop);
    EXPECT_EQ(f->Width, c.Width);
    EXPECT_EQ(f->Height, c.Height);
    // Round(main Left + main Width / 2 - Width / 2): 201.5 and 107.5 round to even.
    EXPECT_EQ(f->Left, static_cast<int>(std::nearbyint(Form1->Left + Form1->Width / 2.0 - c.Width / 2.0)));
    EXPECT_EQ(f->Top, static_cast<int>(std::nearbyint(Form1->Top + Form1->Height / 2.0 - c.Height / 2.0)));
    EXPECT_EQ(f->Aide1.Caption, c.Help[0]);
    // The parameters as the command line lists them.
    EXPECT_EQ(f->ParamCaptions.at(c.HueParam), "Hue Variant");
    EXPECT_EQ(f->ParamCaptions.at(c.SeedParam), "Random Seed");
  }
}

TEST_F(ShortChainForms, HueAndSeedSlidersLoadAndStoreWithinTheirLimits) {
  for (const FormCase& c : Forms()) {
    SCOPED_TRACE(c.Menu);
    StartApplication();
    TTextureForm* f = Open(c.Menu, c.Type);
    ASSERT_NE(f, nullptr);
    Param(c.HueParam) = 100;
    Param(c.SeedParam) = 1234 % (c.SeedMax + 1);
    Reactivate(f);
    EXPECT_EQ(f->Ed_Hue.Text, "100");
    EXPECT_TRUE(MarkerAt(f->Img_Hue, 110));
    const int32_t seed = Param(c.SeedParam);
    EXPECT_EQ(f->Ed_RndA.Text, std::to_string(seed));
    EXPECT_EQ(f->Seed.UnitsValue, seed % 100);
    EXPECT_EQ(f->Seed.Position, seed / 100 * c.SeedStep);

    // The hue: typed beyond the top, dragged to the bottom.
    f->Ed_Hue.TypeAndLeave("360");
    EXPECT_EQ(Param(c.HueParam), 359);
    Drag(f->Img_Hue, 369, 0);
    EXPECT_EQ(Param(c.HueParam), 0);
    EXPECT_EQ(f->Ed_Hue.Text, "0");

    // The seed: the form's limit, above the stored range 0..1000.
    f->Ed_RndA.TypeAndLeave(std::to_string(c.SeedMax));
    EXPECT_EQ(Param(c.SeedParam), c.SeedMax);
    f->Ed_RndA.TypeAndLeave("99999");
    EXPECT_EQ(Param(c.SeedParam), c.SeedMax);
    f->Ed_RndA.TypeAndLeave("-5");
    EXPECT_EQ(Param(c.SeedParam), 0);
    // Hundreds marker dragged past its last hundred, then units to 99: the
    // value stays within the form's limit.
    Drag(f->Img_RndA2, 10, 1000);
    EXPECT_EQ(Param(c.SeedParam), c.SeedMax / 100 * 100);
    Drag(f->Img_RndA1, 10, 109);
    EXPECT_EQ(Param(c.SeedParam), c.SeedMax);
    EXPECT_EQ(f->Ed_RndA.Text, std::to_string(c.SeedMax));

    // Text that is not a number: the conversion error, nothing changes.
    f->Ed_RndA.TypeAndLeave("12a");
    f->Ed_Hue.TypeAndLeave("");
    EXPECT_EQ(Param(c.SeedParam), c.SeedMax);
    EXPECT_EQ(Param(c.HueParam), 0);
    EXPECT_EQ(MessageLog().size(), 2u);
    EXPECT_EQ(TextureDirty, 0);
  }
}

// --- Size sliders, colour panels and help texts ------------------------------

struct SizeCase {
  const char* Menu;
  int Type;
  TLabel& (*Label)(TTextureForm*);
  TImage& (*Image)(TTextureForm*);
  TEdit& (*Edit)(TTextureForm*);
  TParamScaledSlider& (*Slider)(TTextureForm*);
};

template <typename Form>
SizeCase SizeOf(const char* Menu, int Type) {
  return {Menu, Type, [](TTextureForm* f) -> TLabel& { return static_cast<Form*>(f)->Lbl_Size; },
          [](TTextureForm* f) -> TImage& { return static_cast<Form*>(f)->Img_Size; },
          [](TTextureForm* f) -> TEdit& { return static_cast<Form*>(f)->Ed_Size; },
          [](TTextureForm* f) -> TParamScaledSlider& { return static_cast<Form*>(f)->Size; }};
}

TEST_F(ShortChainForms, SizeSlidersSnapToWholeUnitsOfTwentyFourPixels) {
  const SizeCase cases[] = {SizeOf<TP_T004>("Textures > Nature > Grass", T004_Type),
                            SizeOf<TP_T005>("Textures > Skin > Snake Skin", T005_Type)};
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.Menu);
    StartApplication();
    TTextureForm* f = Open(c.Menu, c.Type);
    ASSERT_NE(f, nullptr);
    TImage& image = c.Image(f);
    TEdit& edit = c.Edit(f);
    EXPECT_EQ(c.Label(f).Caption, "Size");
    Param(1) = 4;
    Reactivate(f);
    EXPECT_EQ(edit.Text, "4");
    EXPECT_EQ(c.Slider(f).Position, 72);
    EXPECT_TRUE(MarkerAt(image, 82));

    struct Move {
      int To;            // mouse x while dragging
      int32_t Value;     // value shown and stored
      int32_t Position;  // marker position after mouse up
    };
    // Half units (36 and 60 pixels, 1.5 and 2.5 units) round to even.
    const Move moves[] = {{10 + 36, 3, 48}, {10 + 60, 3, 48},    {10 + 61, 4, 72}, {10 + 11, 1, 0},
                          {10 + 12, 1, 0},  {10 + 500, 10, 216}, {0, 1, 0}};
    int32_t at = 72;
    for (const Move& m : moves) {
      SCOPED_TRACE(m.To);
      image.MouseDown(TMouseButton::Left, at + 10, 3);
      image.MouseMove(TMouseButton::Left, m.To, 3);
      EXPECT_EQ(Param(1), m.Value);
      EXPECT_EQ(edit.Text, std::to_string(m.Value));
      image.MouseUp(TMouseButton::Left, m.To, 3);
      EXPECT_EQ(c.Slider(f).Position, m.Position);
      EXPECT_TRUE(MarkerAt(image, m.Position + 10));
      at = m.Position;
    }
    // Too far from the marker: no drag.
    image.MouseDown(TMouseButton::Left, at + 15, 3);
    image.MouseMove(TMouseButton::Left, 200, 3);
    EXPECT_EQ(Param(1), 1);

    const std::pair<const char*, int32_t> typed[] = {{"0", 1}, {"11", 10}, {"6", 6}, {"x6", 6}};
    for (const auto& [text, value] : typed) {
      edit.TypeAndLeave(text);
      EXPECT_EQ(Param(1), value) << text;
    }
    EXPECT_EQ(c.Slider(f).Position, 120);
    EXPECT_EQ(edit.Text, "x6");  // the failed conversion leaves the box as typed
    EXPECT_EQ(MessageLog().size(), 1u);
    EXPECT_EQ(TextureDirty, 0);
  }
}

TEST_F(ShortChainForms, ColourPanelsShowAndPickTheirColours) {
  struct PanelCase {
    const char* Menu;
    int Type;
    int Slot;
    int32_t Default;
    const char* Hint;
    TPanel& (*Panel)(TTextureForm*);
  };
  const PanelCase cases[] = {
      {"Textures > Nature > Grass", T004_Type, 1, 32768, "R:0 G:128 B:0",
       [](TTextureForm* f) -> TPanel& { return static_cast<TP_T004*>(f)->Panel_Color1; }},
      {"Textures > Nature > Grass", T004_Type, 2, 0, "R:0 G:0 B:0",
       [](TTextureForm* f) -> TPanel& { return static_cast<TP_T004*>(f)->Panel_Color2; }},
      {"Textures > Skin > Snake Skin", T005_Type, 1, 32768, "R:0 G:128 B:0",
       [](TTextureForm* f) -> TPanel& { return static_cast<TP_T005*>(f)->Panel_Color1; }},
      {"Textures > Materials > Rough Paper", T009_Type, 1, 65535, "R:255 G:255 B:0",
       [](TTextureForm* f) -> TPanel& { return static_cast<TP_T009*>(f)->Panel_Color1; }},
  };
  for (const PanelCase& c : cases) {
    SCOPED_TRACE(std::string(c.Menu) + " colour " + std::to_string(c.Slot));
    StartApplication();
    TTextureForm* f = Open(c.Menu, c.Type);
    ASSERT_NE(f, nullptr);
    TPanel& panel = c.Panel(f);
    EXPECT_EQ(panel.Color, c.Default);
    EXPECT_EQ(panel.Hint, c.Hint);
    const auto& colors = ModuleParams[CurrentInstance].ParamColor;
    const auto before = colors;
    QueueColorAnswer(PackRGB(1, 2, 3));
    panel.Click();
    for (int k = 1; k <= 5; ++k)
      EXPECT_EQ(colors[k], k == c.Slot ? PackRGB(1, 2, 3) : before[k]) << "colour " << k;
    EXPECT_EQ(panel.Hint, "R:1 G:2 B:3");
    EXPECT_EQ(TextureDirty, 1);
  }
}

TEST_F(ShortChainForms, LabelsShowTheirHelpInBothLanguages) {
  const char* const seedEn = "Random generator initial value.";
  const char* const seedFr = "Valeur initiale du générateur de nombre aléatoire.";
  auto* grass = static_cast<TP_T004*>(Open("Textures > Nature > Grass", T004_Type));
  ASSERT_NE(grass, nullptr);
  ExpectHelpTexts(*grass,
                  {{grass->Lbl_Size, "Size", "Taille"},
                   {grass->Lbl_Color1, "Main color", "Couleur principale"},
                   {grass->Lbl_Color2, "Background color", "Couleur de fond"},
                   {grass->Lbl_Hue, "Hue variant", "Variante de teinte"},
                   {grass->Lbl_RndA, seedEn, seedFr}},
                  "Texture d'herbe");
  auto* snake = static_cast<TP_T005*>(Open("Textures > Skin > Snake Skin", T005_Type));
  ASSERT_NE(snake, nullptr);
  ExpectHelpTexts(*snake,
                  {{snake->Lbl_Size, "Scale size", "Taille des écailles"},
                   {snake->Lbl_Color1, "Base color", "Couleur de base"},
                   {snake->Lbl_Hue, "Makes a circular shift of the final hue channel",
                    "Effectue un décalage circulaire du canal teinte final"},
                   {snake->Lbl_RndA, seedEn, seedFr}},
                  "Pourrait être une espèce de peau de serpent ???");
  auto* cloth = Open("Textures > Materials > Cloth", T008_Type);
  ASSERT_NE(cloth, nullptr);
  ExpectHelpTexts(*cloth, {{cloth->Lbl_Hue, "Hue variant", "Variante de teinte"}, {cloth->Lbl_RndA, seedEn, seedFr}},
                  "Texture de tissu");
  auto* paper = static_cast<TP_T009*>(Open("Textures > Materials > Rough Paper", T009_Type));
  ASSERT_NE(paper, nullptr);
  ExpectHelpTexts(*paper,
                  {{paper->Lbl_Color1, "Rough paper color", "Couleur du papier"},
                   {paper->Lbl_Hue, "Hue variant", "Variante de teinte"},
                   {paper->Lbl_RndA, seedEn, seedFr}},
                  "Texture de papier froissé");

  // The labels as the form shows them.
  const std::pair<TLabel*, const char*> captions[] = {
      {&grass->Lbl_Size, "Size"},         {&grass->Lbl_Color1, "Main Color"}, {&grass->Lbl_Color2, "Secondary Color"},
      {&snake->Lbl_Color1, "Base color"}, {&paper->Lbl_Color1, "Color"},      {&cloth->Lbl_Hue, "Hue Variant"},
      {&cloth->Lbl_RndA, "Random Seed"}};
  for (const auto& [label, caption] : captions) EXPECT_EQ(label->Caption, caption);
  EXPECT_EQ(grass->ParamCaptions.at(1), "Size");
  EXPECT_EQ(snake->ParamCaptions.at(1), "Size");
  EXPECT_EQ(grass->ColorCaptions, (std::map<int, std::string>{{1, "Main Color"}, {2, "Secondary Color"}}));
  EXPECT_EQ(snake->ColorCaptions, (std::map<int, std::string>{{1, "Base color"}}));
  EXPECT_TRUE(cloth->ColorCaptions.empty());
  EXPECT_EQ(paper->ColorCaptions, (std::map<int, std::string>{{1, "Color"}}));
}

}  // namespace
