// The forms of the short-chain textures, as a person uses them: placement,
// what activation loads, dragging and typing at the limits, colour panels
// and the help texts in both languages.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/Color.h"
#include "engine/Instances.h"
#include "modules/textures/Fnc_T004.h"
#include "modules/textures/Prm_T004.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Dialogs.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"
#include "FormTestSupport.h"

using namespace quillon;
using quillon::test::Drag;
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

// --- Grass ------------------------------------------------------------------

TEST_F(ShortChainForms, GrassSizeSliderSnapsToWholeUnitsOfTwentyFourPixels) {
  auto* f = static_cast<TP_T004*>(Open("Textures > Nature > Grass", T004_Type));
  ASSERT_NE(f, nullptr);
  Param(1) = 4;
  Reactivate(f);
  EXPECT_EQ(f->Ed_Size.Text, "4");
  EXPECT_EQ(f->Size.Position, 72);
  EXPECT_TRUE(MarkerAt(f->Img_Size, 82));

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
    f->Img_Size.MouseDown(TMouseButton::Left, at + 10, 3);
    f->Img_Size.MouseMove(TMouseButton::Left, m.To, 3);
    EXPECT_EQ(Param(1), m.Value);
    EXPECT_EQ(f->Ed_Size.Text, std::to_string(m.Value));
    f->Img_Size.MouseUp(TMouseButton::Left, m.To, 3);
    EXPECT_EQ(f->Size.Position, m.Position);
    EXPECT_TRUE(MarkerAt(f->Img_Size, m.Position + 10));
    at = m.Position;
  }
  // Too far from the marker: no drag.
  f->Img_Size.MouseDown(TMouseButton::Left, at + 15, 3);
  f->Img_Size.MouseMove(TMouseButton::Left, 200, 3);
  EXPECT_EQ(Param(1), 1);

  const std::pair<const char*, int32_t> typed[] = {{"0", 1}, {"11", 10}, {"6", 6}, {"x6", 6}};
  for (const auto& [text, value] : typed) {
    f->Ed_Size.TypeAndLeave(text);
    EXPECT_EQ(Param(1), value) << text;
  }
  EXPECT_EQ(f->Size.Position, 120);
  EXPECT_EQ(f->Ed_Size.Text, "x6");  // the failed conversion leaves the box as typed
  EXPECT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(ShortChainForms, GrassColourPanelsShowAndPickTheirColours) {
  auto* f = static_cast<TP_T004*>(Open("Textures > Nature > Grass", T004_Type));
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Panel_Color1.Color, 32768);
  EXPECT_EQ(f->Panel_Color1.Hint, "R:0 G:128 B:0");
  EXPECT_EQ(f->Panel_Color2.Color, 0);
  QueueColorAnswer(PackRGB(1, 2, 3));
  f->Panel_Color2.Click();
  EXPECT_EQ(ModuleParams[CurrentInstance].ParamColor[2], PackRGB(1, 2, 3));
  EXPECT_EQ(ModuleParams[CurrentInstance].ParamColor[1], 32768);
  EXPECT_EQ(TextureDirty, 1);
}

void ExpectHelp(TTextureForm* f, TLabel& label, const char* English, const char* French) {
  SCOPED_TRACE(label.Caption);
  f->Aide1.Caption = "stale";
  LanguageFlag = 1;
  label.Click();
  EXPECT_EQ(f->Aide1.Caption, English);
  LanguageFlag = 2;
  label.Click();
  EXPECT_EQ(f->Aide1.Caption, French);
}

TEST_F(ShortChainForms, GrassHelpTextsInBothLanguages) {
  auto* f = static_cast<TP_T004*>(Open("Textures > Nature > Grass", T004_Type));
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Lbl_Size.Caption, "Size");
  EXPECT_EQ(f->Lbl_Color1.Caption, "Main Color");
  EXPECT_EQ(f->Lbl_Color2.Caption, "Secondary Color");
  ExpectHelp(f, f->Lbl_Size, "Size", "Taille");
  ExpectHelp(f, f->Lbl_Color1, "Main color", "Couleur principale");
  ExpectHelp(f, f->Lbl_Color2, "Background color", "Couleur de fond");
  ExpectHelp(f, f->Lbl_Hue, "Hue variant", "Variante de teinte");
  ExpectHelp(f, f->Lbl_RndA, "Random generator initial value.",
             "Valeur initiale du générateur de nombre aléatoire.");
  LanguageFlag = 2;
  Reactivate(f);
  EXPECT_EQ(f->Aide1.Caption, "Texture d'herbe");
}

}  // namespace
