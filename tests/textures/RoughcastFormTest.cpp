// The "Roughcast" form as a person uses it: what it shows when the menu item
// adds the module, and what it stores when a person drags and types.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T012.h"
#include "modules/textures/Prm_T012.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Menus.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class RoughcastForm : public FormTest<TP_T012, T012_Type> {
 protected:
  RoughcastForm() : FormTest("Textures > Materials > Roughcast", P_T012) {}
};

TEST_F(RoughcastForm, MenuItemShowsTheFormLoadedFromTheInstance) {
  EXPECT_EQ(TypeForm[T012_Type], f);
  EXPECT_TRUE(f->Visible);
  EXPECT_EQ(f->ParamCaptions.at(10), "Variant 3");  // listed by the command line
  EXPECT_EQ(f->Caption, "Textures > Materials > Roughcast");
  EXPECT_EQ(2 * (f->Left - Form1->Left) + f->Width, Form1->Width);  // centred (even sizes)
  EXPECT_EQ(2 * (f->Top - Form1->Top) + f->Height, Form1->Height);
  EXPECT_EQ(f->Aide1.Caption, "Roughcast texture");

  // Range bars: hue 0..30, saturation and luminosity 0..255.
  EXPECT_EQ(f->Ed_Hue_Max.Text, "30");
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 10));
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 40));
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Sat, 265));
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Lum, 265));
  EXPECT_EQ(f->Hue_Image.Canvas().Pixel(130, 5), 0x00FF00);  // hue 120: green
  EXPECT_NE(f->Lum_Image.Canvas().Pixel(20, 5), f->Lum_Image.Canvas().Pixel(260, 5));

  // Variants: 10 of 1..10 at 11 pixels, 1 of 1..2 at 100, 0 of 0..20 at 5.
  EXPECT_TRUE(MarkerAt(f->Img_V1, 109));
  EXPECT_TRUE(MarkerAt(f->Img_V2, 10));
  EXPECT_TRUE(MarkerAt(f->Img_V3, 10));
  EXPECT_EQ(f->Ed_V1.Text, "10");

  ModuleParams[1].ParamValue[12] = 537;  // units 37, hundreds 5 at 23 pixels
  Reactivate();
  EXPECT_TRUE(MarkerAt(f->Img_RndB1, 47));
  EXPECT_TRUE(MarkerAt(f->Img_RndB2, 125));
  EXPECT_EQ(f->Ed_RndB.Text, "537");
}

// The value is Round(position / pixels per unit) + minimum, ties to even;
// the marker snaps to the value when the button is released.
TEST_F(RoughcastForm, VariantSlidersStoreRoundedStepsAndSnap) {
  const struct {
    TImage& bar;
    int from, to, param, value, snapped;
  } drags[] = {
      {f->Img_V1, 109, 60, 8, 6, 65},    // position 50: 4.55 steps -> 5, above 1
      {f->Img_V2, 10, 60, 9, 1, 10},     // position 50: half a step, to even -> 0
      {f->Img_V2, 10, 61, 9, 2, 110},    // position 51 -> 1
      {f->Img_V3, 10, 22, 10, 2, 20},    // position 12: 2.4 -> 2
      {f->Img_V3, 20, 900, 10, 20, 110}  // the end of the bar
  };
  for (auto& d : drags) {
    Drag(d.bar, d.from, d.to);
    EXPECT_EQ(Param(d.param), d.value) << "p" << d.param << " to " << d.to;
    EXPECT_TRUE(MarkerAt(d.bar, d.snapped)) << "p" << d.param << " to " << d.to;
  }
  f->Ed_V1.TypeAndLeave("0");
  EXPECT_EQ(Param(8), 1);
  EXPECT_TRUE(MarkerAt(f->Img_V1, 10));
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(RoughcastForm, RangeBarsAndSeedsStoreWithinTheirLimits) {
  Drag(f->Scroll_Bar_Hue, 40, 5);  // the high marker pushes the low one down to 0
  EXPECT_EQ(Param(1), 0);
  EXPECT_EQ(Param(2), 0);
  f->Ed_Sat_Min.TypeAndLeave("300");  // clamped to 255, lifting nothing above it
  EXPECT_EQ(Param(3), 255);
  EXPECT_EQ(Param(4), 255);
  f->Ed_Lum_Max.TypeAndLeave("-4");
  EXPECT_EQ(Param(5), 0);
  EXPECT_EQ(Param(6), 0);

  // Both seeds keep to 0..1050, wider than the stored range.
  f->Ed_RndA.TypeAndLeave("2000");
  EXPECT_EQ(Param(11), 1050);
  Drag(f->Img_RndB2, 10, 200);  // 8.26 hundreds -> 8
  EXPECT_EQ(Param(12), 800);
  EXPECT_TRUE(MarkerAt(f->Img_RndB2, 194));
  Drag(f->Img_RndB1, 10, 59);
  EXPECT_EQ(Param(12), 849);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(RoughcastForm, HelpTextsInBothLanguages) {
  ExpectHelpTexts(
      *f,
      {
          {f->Lbl_Hue_Min, "Minimum hue channel value", "Valeur minimale du canal teinte"},
          {f->Lbl_Hue_Max, "Maximum hue channel value", "Valeur maximale du canal teinte"},
          {f->Lbl_Sat_Min, "Minimum saturation channel value", "Valeur minimale du canal saturation"},
          {f->Lbl_Sat_Max, "Maximum saturation channel value", "Valeur maximale du canal saturation"},
          {f->Lbl_Lum_Min, "Minimum luminosity channel value", "Valeur minimale du canal luminosit\u00e9"},
          {f->Lbl_Lum_Max, "Maximum luminosity channel value", "Valeur maximale du canal luminosit\u00e9"},
          {f->Lbl_V1, "Slightly modify texture appearance", "Modifie l\u00e9g\u00e9rement l'aspect de la texture"},
          {f->Lbl_V2, "Slightly modify texture appearance", "Modifie l\u00e9g\u00e9rement l'aspect de la texture"},
          {f->Lbl_V3, "Slightly modify texture appearance", "Modifie l\u00e9g\u00e9rement l'aspect de la texture"},
          {f->Lbl_RndA, "Random generator initial value.",
           "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire."},
          {f->Lbl_RndB, "Random generator initial value.",
           "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire."},
      },
      "Texture de cr\u00e9pis");
}

}  // namespace
