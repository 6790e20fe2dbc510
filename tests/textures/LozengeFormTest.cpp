// The "Lozenge Distortion" form as a person uses it: what it shows when the
// menu item adds the module, and what it stores when a person drags and types.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T017.h"
#include "modules/textures/Prm_T017.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Canvas.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class LozengeForm : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
    FindMenuItem(F_Synthe->MainMenu1, "Textures > Geometric > Lozenge Distortion")->Click();
    ASSERT_EQ(CurrentInstance, 1);
    TextureDirty = 0;
    f = P_T017;
  }
  void TearDown() override { ResetEngine(); }
  int32_t Param(int k) const { return ModuleParams[1].ParamValue[k]; }
  TP_T017* f = nullptr;
};

}  // namespace

TEST_F(LozengeForm, MenuItemShowsTheFormLoadedFromTheInstance) {
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(TypeForm[T017_Type], f);
  EXPECT_EQ(ModuleParams[1].ModuleType, 56);
  EXPECT_TRUE(f->Visible);
  EXPECT_EQ(f->Caption, "Textures > Geometric > Lozenge Distortion");
  EXPECT_EQ(2 * (f->Left - Form1->Left) + f->Width, Form1->Width);  // centred (even widths)
  EXPECT_EQ(2 * (f->Top - Form1->Top) + f->Height, Form1->Height);
  EXPECT_EQ(f->Aide1.Caption, "Lozenge distortion");

  EXPECT_EQ(f->Ed_Hue_Min.Text, "100");
  EXPECT_EQ(f->Ed_Hue_Max.Text, "270");
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 110));
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 280));
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Sat, 265));  // saturation max 255
  EXPECT_EQ(f->Hue_Image.Canvas().Pixel(10, 5), 0x0000FF);  // hue 0: red
  EXPECT_EQ(f->Hue_Image.Canvas().Pixel(130, 5), 0x00FF00);  // hue 120: green

  // Walk steps, 7 pixels per unit above the minimum: 1 (min 0), 5 (min 1), 3 (min 1).
  EXPECT_TRUE(MarkerAt(f->Img_Hue_V, 17));
  EXPECT_TRUE(MarkerAt(f->Img_Sat_V, 38));
  EXPECT_TRUE(MarkerAt(f->Img_Lum_V, 24));
  EXPECT_EQ(f->Ed_Sat_V.Text, "5");

  // 4000: units 0, hundreds 40 at 4 pixels; seed 502: units 2, hundreds 5 at 14 pixels.
  EXPECT_EQ(f->Ed_Min_S.Text, "4000");
  EXPECT_TRUE(MarkerAt(f->Img_Min_S1, 10));
  EXPECT_TRUE(MarkerAt(f->Img_Min_S2, 170));
  EXPECT_TRUE(MarkerAt(f->Img_RndA1, 12));
  EXPECT_TRUE(MarkerAt(f->Img_RndA2, 80));

  // Blur 1: the second of three boxes is green.
  EXPECT_EQ(f->Img_Algo.Canvas().Pixel(5, 5), clRed);
  EXPECT_EQ(f->Img_Algo.Canvas().Pixel(20, 5), clGreen);
  EXPECT_EQ(f->Img_Algo.Canvas().Pixel(35, 5), clRed);
}

TEST_F(LozengeForm, RangeBarsStoreDragsAndTypedBounds) {
  Drag(f->Scroll_Bar_Hue, 111, 300);  // the low marker pushes the high one
  EXPECT_EQ(Param(1), 290);
  EXPECT_EQ(Param(2), 290);
  EXPECT_EQ(f->Ed_Hue_Max.Text, "290");
  f->Scroll_Bar_Hue.MouseMove(TMouseButton::None, 50, 5);  // no drag after the release
  EXPECT_EQ(Param(1), 290);

  f->Ed_Sat_Max.TypeAndLeave("40");
  f->Ed_Sat_Min.TypeAndLeave("90");  // above the maximum: lifts it
  EXPECT_EQ(Param(4), 90);
  EXPECT_EQ(Param(5), 90);
  f->Ed_Lum_Max.TypeAndLeave("999");
  EXPECT_EQ(Param(8), 255);
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Lum, 265));
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(LozengeForm, ScaledSlidersStoreRoundedPositions) {
  Drag(f->Img_Hue_V, 17, 97);  // position 87: 12.43 steps -> 12
  EXPECT_EQ(Param(3), 12);
  EXPECT_EQ(f->Ed_Hue_V.Text, "12");
  EXPECT_TRUE(MarkerAt(f->Img_Hue_V, 97));
  Drag(f->Img_Sat_V, 38, 32);  // position 22: 3.14 -> 3, above the minimum 1
  EXPECT_EQ(Param(6), 4);
  Drag(f->Img_Lum_V, 24, 900);  // the end of the bar
  EXPECT_EQ(Param(9), 50);

  f->Ed_Sat_V.TypeAndLeave("0");
  EXPECT_EQ(Param(6), 1);
  EXPECT_TRUE(MarkerAt(f->Img_Sat_V, 10));
  f->Img_Hue_V.MouseDown(TMouseButton::Left, 200, 5);  // far from the marker: no grab
  f->Img_Hue_V.MouseMove(TMouseButton::Left, 30, 5);
  EXPECT_EQ(Param(3), 12);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(LozengeForm, TwoBarSlidersJoinUnitsAndHundreds) {
  Drag(f->Img_Min_S2, 170, 59);  // position 49: 12.25 hundreds -> 12
  EXPECT_EQ(Param(11), 1200);
  EXPECT_TRUE(MarkerAt(f->Img_Min_S2, 58));  // snapped to the hundred
  Drag(f->Img_Min_S1, 10, 65);
  EXPECT_EQ(Param(11), 1255);
  EXPECT_EQ(f->Ed_Min_S.Text, "1255");

  Drag(f->Img_Max_S2, 170, 10);  // 0 hundreds + 0 units: lifted to the minimum 50
  EXPECT_EQ(Param(12), 50);
  EXPECT_TRUE(MarkerAt(f->Img_Max_S1, 60));
  f->Ed_Max_S.TypeAndLeave("98765");
  EXPECT_EQ(Param(12), 5000);

  // The seed keeps to 0..1050, wider than its stored range 1..1000.
  f->Ed_RndA.TypeAndLeave("1049");
  EXPECT_EQ(Param(14), 1049);
  Drag(f->Img_RndA1, 59, 200);
  EXPECT_EQ(Param(14), 1050);
  f->Ed_RndA.TypeAndLeave("-3");
  EXPECT_EQ(Param(14), 0);

  f->Ed_Min_S.TypeAndLeave("lots");  // not a number: the error box, nothing stored
  EXPECT_EQ(Param(11), 1255);
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Icon, MessageIcon::Stop);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(LozengeForm, BlurBoxesAndHelpTextsInBothLanguages) {
  f->Img_Algo.MouseDown(TMouseButton::Left, 37, 5);
  EXPECT_EQ(Param(13), 2);
  EXPECT_EQ(f->Img_Algo.Canvas().Pixel(35, 5), clGreen);
  f->Img_Algo.MouseDown(TMouseButton::Left, 49, 5);  // past the last box
  EXPECT_EQ(Param(13), 2);
  f->Img_Algo.MouseDown(TMouseButton::Left, 3, 5);
  EXPECT_EQ(Param(13), 0);

  f->Lbl_Min_S.Click();
  EXPECT_EQ(f->Aide1.Caption, "Lozenge minimum size");
  f->Lbl_Hue_Min.Click();
  EXPECT_EQ(f->Aide1.Caption, "Minimum hue channel value");
  f->Lbl_RndA.Click();
  EXPECT_EQ(f->Aide1.Caption, "Random generator initial value.");
  LanguageFlag = 2;
  f->Lbl_Max_S.Click();
  EXPECT_EQ(f->Aide1.Caption, "Taille maximale des losanges");
  f->Lbl_Algo.Click();
  EXPECT_EQ(f->Aide1.Caption, "Effet de flou");
  f->Lbl_Lum_V.Click();
  EXPECT_EQ(f->Aide1.Caption, "Variante de luminosit\u00e9");
  f->Hide();
  f->Show();
  EXPECT_EQ(f->Aide1.Caption, "Distorsion de losanges");
}

// What the form stored is what the next Process computes with.
TEST_F(LozengeForm, StoredValuesReachTheComputation) {
  ImageWidth = 40, ImageHeight = 30;
  f->Ed_Hue_Min.TypeAndLeave("5");
  f->Ed_Hue_Max.TypeAndLeave("5");
  f->Img_Algo.MouseDown(TMouseButton::Left, 3, 5);
  f->Ed_Min_S.TypeAndLeave("60");
  ComputeChain();
  EXPECT_EQ(T017Work.HueMin, 5);
  EXPECT_EQ(T017Work.BlurRadius, 0);
  EXPECT_EQ(T017Work.MinSize, 60);
  for (int x = 1; x <= 40; ++x)
    for (int y = 1; y <= 30; ++y) ASSERT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, x, y), 5);
}
