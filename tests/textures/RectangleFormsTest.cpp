// The forms of the rectangle textures as a person uses them: where they
// appear, what they show, what they store when a person drags and types, and
// their help texts in both languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/textures/Fnc_T003.h"
#include "modules/textures/Prm_T003.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Canvas.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;

namespace {

// True when the slider marker (apex (x, 2), base (x - 3..x + 3, 8)) stands at x.
bool MarkerAt(TImage& img, int x) {
  TCanvas& c = img.Canvas();
  return c.Pixel(x, 2) == clBlack && c.Pixel(x - 3, 8) == clBlack && c.Pixel(x + 3, 8) == clBlack;
}

void Drag(TImage& img, int From, int To) {
  img.MouseDown(TMouseButton::Left, From, 5);
  img.MouseMove(TMouseButton::Left, To, 5);
  img.MouseUp(TMouseButton::Left, To, 5);
}

int32_t Param(int k) { return ModuleParams[CurrentInstance].ParamValue[k]; }

// Adds the module through its menu item, as a person does; the form shows.
void AddThroughMenu(const char* Path, int Type) {
  TMenuItem* item = FindMenuItem(F_Synthe->MainMenu1, Path);
  ASSERT_NE(item, nullptr) << Path;
  item->Click();
  ASSERT_EQ(ModuleParams[CurrentInstance].ModuleType, Type);
  TextureDirty = 0;
}

struct HelpRow {
  TLabel* Label;
  const char* English;
  const char* French;
};

void ExpectHelp(TLabel& Aide, const std::vector<HelpRow>& Rows) {
  for (int language : {1, 2}) {
    LanguageFlag = language;
    for (const HelpRow& r : Rows) {
      Aide.Caption = "stale";
      r.Label->Click();
      EXPECT_EQ(Aide.Caption, language == 1 ? r.English : r.French) << r.Label->Caption;
    }
  }
  LanguageFlag = 1;
}

class RectangleForms : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
  }
  void TearDown() override { StartApplication(); }
};

TEST_F(RectangleForms, MicrobesFormShowsCentredAndLoaded) {
  AddThroughMenu("Textures > Misc > Microbes", T003_Type);
  TP_T003* f = P_T003;
  EXPECT_EQ(TypeForm[T003_Type], f);
  EXPECT_TRUE(f->Visible);
  EXPECT_TRUE(f->StayOnTop);
  EXPECT_EQ(f->Caption, "Textures > Misc > Microbes");
  EXPECT_EQ(f->Width, 397);
  EXPECT_EQ(f->Height, 462);
  // Round(main Left + main Width / 2 - 198.5): the half ties to even.
  EXPECT_EQ(f->Left, Round(Form1->Left + Form1->Width / 2.0L - 198.5L));
  EXPECT_EQ(f->Top, Form1->Top + Form1->Height / 2 - 231);
  EXPECT_EQ(f->Aide1.Caption, "Microbes texture ?!?");

  EXPECT_EQ(f->Ed_WF.Text, "9");
  EXPECT_TRUE(MarkerAt(f->Img_WF, (9 - 5) * 10 + 10));
  EXPECT_EQ(f->Ed_Dnst.Text, "1254");
  EXPECT_EQ(f->Density.MaxHundreds, 230);  // 23050 - 50
  EXPECT_TRUE(MarkerAt(f->Img_Dnst1, 54 + 10));
  EXPECT_TRUE(MarkerAt(f->Img_Dnst2, 12 + 10));
  EXPECT_EQ(f->Ed_Hue_Min.Text, "142");
  EXPECT_EQ(f->Ed_Hue_Max.Text, "279");
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 152));
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 289));
  EXPECT_EQ(f->Hue_Image.Canvas().Pixel(130, 5), 0x00FF00);  // hue 120 in line with the bar
  EXPECT_EQ(f->Seed.MaxHundreds, 10);
  EXPECT_TRUE(MarkerAt(f->Img_Rnd2, 5 * 22 + 10));
  EXPECT_EQ(f->Ed_Variant.Text, "0");
}

TEST_F(RectangleForms, MicrobesStoresDragsAndTypedValuesWithoutMarkingTheTexture) {
  AddThroughMenu("Textures > Misc > Microbes", T003_Type);
  TP_T003* f = P_T003;
  // Scaled sliders: the value is the rounded position; the marker snaps to
  // it when the mouse is released.
  Drag(f->Img_WF, 50, 76);  // position 66: 6.6 units above 5
  EXPECT_EQ(Param(1), 12);
  EXPECT_EQ(f->Ed_WF.Text, "12");
  EXPECT_TRUE(MarkerAt(f->Img_WF, 80));
  // The marker goes one pixel past the maximum's position, (15 - 5) * 10,
  // and comes back to it on release.
  f->Img_HF.MouseDown(TMouseButton::Left, 60, 5);
  f->Img_HF.MouseMove(TMouseButton::Left, 900, 5);
  EXPECT_EQ(Param(2), 15);
  EXPECT_TRUE(MarkerAt(f->Img_HF, 111));
  f->Img_HF.MouseUp(TMouseButton::Left, 900, 5);
  EXPECT_TRUE(MarkerAt(f->Img_HF, 110));
  const struct {
    int To, Variant;
  } variants[] = {{47, 0}, {48, 1}, {10, 0}};  // positions 37 and 38 of 75
  for (const auto& v : variants) {
    Drag(f->Img_Variant, f->Variant.Position + 10, v.To);
    EXPECT_EQ(Param(11), v.Variant) << "to x = " << v.To;
  }
  f->Ed_HF.TypeAndLeave("2");
  EXPECT_EQ(Param(2), 5);
  EXPECT_TRUE(MarkerAt(f->Img_HF, 10));

  // The density keeps to its parameter's range.
  const struct {
    const char* Typed;
    int32_t Stored;
  } densities[] = {{"30000", 23050}, {"50", 100}, {"4321", 4321}};
  for (const auto& d : densities) {
    f->Ed_Dnst.TypeAndLeave(d.Typed);
    EXPECT_EQ(Param(3), d.Stored) << d.Typed;
  }
  Drag(f->Img_Dnst2, 43 + 10, 7 + 10);  // 7 hundreds and the 21 units
  EXPECT_EQ(Param(3), 721);
  EXPECT_EQ(f->Ed_Dnst.Text, "721");
  f->Ed_Rnd.TypeAndLeave("2000");
  EXPECT_EQ(Param(13), 1050);

  // The range bar stores both ends after every change.
  Drag(f->Scroll_Bar_Hue, 152, 300);  // the low marker pushes the high one
  EXPECT_EQ(Param(5), 290);
  EXPECT_EQ(Param(6), 290);
  f->Ed_Hue_Max.TypeAndLeave("100");
  EXPECT_EQ(Param(5), 100);
  EXPECT_EQ(Param(6), 100);

  Drag(f->Img_LV2, 36, 20);
  EXPECT_EQ(Param(10), 10);
  f->Ed_HV.TypeAndLeave("x");
  EXPECT_EQ(Param(7), 0);
  EXPECT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(RectangleForms, MicrobesHelpTexts) {
  AddThroughMenu("Textures > Misc > Microbes", T003_Type);
  TP_T003* f = P_T003;
  LanguageFlag = 2;
  f->Hide();
  f->Show();
  EXPECT_EQ(f->Aide1.Caption, "Texture de microbes ?!?");
  ExpectHelp(f->Aide1, {{&f->Lbl_WF, "Microbe Width", "Largeur des microbes"},
                        {&f->Lbl_HF, "Microbe Height", "Hauteur des microbes"},
                        {&f->Lbl_Dnst, "Microbes density", "Densité de microbes"},
                        {&f->Lbl_Variant, "Slightly modify texture appearance", "Modifie légérement l'aspect de la texture"},
                        {&f->Lbl_Hue_Min, "Minimum hue channel value", "Valeur minimale du canal teinte"},
                        {&f->Lbl_Hue_Max, "Maximum hue channel value", "Valeur maximale du canal teinte"},
                        {&f->Lbl_HV, "Hue variant", "Variante de teinte"},
                        {&f->Lbl_LV1, "Luminosity variant", "Variante de luminosité"},
                        {&f->Lbl_LV2, "Luminosity variant", "Variante de luminosité"},
                        {&f->Lbl_Rnd, "Random generator initial value.", "Valeur initiale du générateur de nombre aléatoire."}});
}

}  // namespace
