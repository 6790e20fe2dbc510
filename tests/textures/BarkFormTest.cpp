// The "Bark" form as a person uses it: what it shows when the menu item adds
// the module, and what it stores when a person drags, types and picks.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T013.h"
#include "modules/textures/Prm_T013.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Menus.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class BarkForm : public FormTest<TP_T013, T013_Type> {
 protected:
  BarkForm() : FormTest("Textures > Wood > Bark", P_T013) {}
};

TEST_F(BarkForm, MenuItemShowsTheFormLoadedFromTheInstance) {
  EXPECT_EQ(TypeForm[T013_Type], f);
  EXPECT_TRUE(f->Visible);
  EXPECT_EQ(f->ParamCaptions.at(7), "Orientation");  // listed by the command line
  EXPECT_EQ(f->Caption, "Textures > Wood > Bark");
  EXPECT_EQ(2 * (f->Left - Form1->Left) + f->Width, Form1->Width);  // centred (even sizes)
  EXPECT_EQ(2 * (f->Top - Form1->Top) + f->Height, Form1->Height);
  EXPECT_EQ(f->Aide1.Caption, "Bark texture");

  EXPECT_EQ(f->ComboBox1.Items.size(), 4u);
  EXPECT_EQ(f->ComboBox1.ItemIndex(), 3);
  EXPECT_EQ(f->ComboBox1.Text(), "Top/Rigth Bottom/Left");
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 49));   // hue 0..39
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Sat, 232));  // saturation 0..222
  EXPECT_EQ(f->Ed_Sat_Max.Text, "222");
  EXPECT_EQ(f->Hue_Image.Canvas().Pixel(10, 5), 0x0000FF);  // hue 0: red
  EXPECT_TRUE(MarkerAt(f->Img_Variant, 10));                // 1 of 1..10

  ModuleParams[1].ParamValue[9] = 537;  // units 37, hundreds 5 at 8 pixels
  ModuleParams[1].ParamValue[6] = 4;
  Reactivate();
  EXPECT_TRUE(MarkerAt(f->Img_RndA1, 47));
  EXPECT_TRUE(MarkerAt(f->Img_RndA2, 50));
  EXPECT_TRUE(MarkerAt(f->Img_Variant, 64));  // (4 - 1) x 18
}

// The combo box stores the item index, -1 for a typed text that matches no
// item, and marks the texture changed.
TEST_F(BarkForm, OrientationComboStoresTheItemIndex) {
  f->ComboBox1.Select(1);
  EXPECT_EQ(Param(7), 1);
  EXPECT_EQ(TextureDirty, 1);
  f->ComboBox1.TypeText("Diagonal");
  EXPECT_EQ(Param(7), -1);
  f->ComboBox1.TypeText("Top/Left Bottom/Right");
  EXPECT_EQ(Param(7), 2);
}

TEST_F(BarkForm, SlidersStoreWithinTheirLimits) {
  Drag(f->Img_Variant, 10, 55);  // position 45: 2.5 steps, to even -> 2, above 1
  EXPECT_EQ(Param(6), 3);
  EXPECT_TRUE(MarkerAt(f->Img_Variant, 55));  // the marker stays where it was dragged
  f->Ed_Variant.TypeAndLeave("12");
  EXPECT_EQ(Param(6), 10);

  Drag(f->Scroll_Bar_Sat, 232, 2);  // the high marker pushes the low one to 0
  EXPECT_EQ(Param(3), 0);
  EXPECT_EQ(Param(4), 0);
  f->Ed_Hue_Min.TypeAndLeave("100");  // above the maximum: lifts it
  EXPECT_EQ(Param(1), 100);
  EXPECT_EQ(Param(2), 100);

  f->Ed_RndB.TypeAndLeave("1049");
  EXPECT_EQ(Param(10), 1049);
  Drag(f->Img_RndB2, 10 + 80, 500);  // 10 hundreds, then the units past 50: 1050 at most
  Drag(f->Img_RndB1, 59, 109);
  EXPECT_EQ(Param(10), 1050);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(BarkForm, HelpTextsInBothLanguages) {
  ExpectHelpTexts(
      *f,
      {
          {f->Lbl_Hue_Min, "Minimum hue channel value", "Valeur minimale du canal teinte"},
          {f->Lbl_Hue_Max, "Maximum hue channel value", "Valeur maximale du canal teinte"},
          {f->Lbl_Sat_Min, "Minimum saturation channel value", "Valeur minimale du canal saturation"},
          {f->Lbl_Sat_Max, "Maximum saturation channel value", "Valeur maximale du canal saturation"},
          {f->Lbl_Orientation, "Bark orientation", "Orientation de l'\u00e9corce"},
          {f->Lbl_Variant, "Slightly modify texture appearance", "Modifie l\u00e9g\u00e9rement l'aspect de la texture"},
          {f->Lbl_RndA, "Random generator initial value.",
           "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire."},
          {f->Lbl_RndB, "Random generator initial value.",
           "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire."},
      },
      "Texture d'\u00e9corce");
}

}  // namespace
