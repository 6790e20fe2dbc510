// The "Plank" form as a person uses it: what it shows when the menu item adds
// the module, and what it stores when a person drags, types and picks.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T014.h"
#include "modules/textures/Prm_T014.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Menus.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class PlankForm : public FormTest<TP_T014, T014_Type> {
 protected:
  PlankForm() : FormTest("Textures > Wood > Plank", P_T014) {}
};

TEST_F(PlankForm, MenuItemShowsTheFormLoadedFromTheInstance) {
  EXPECT_EQ(TypeForm[T014_Type], f);
  EXPECT_TRUE(f->Visible);
  EXPECT_EQ(f->ParamCaptions.at(7), "Random Seed 2");  // listed by the command line
  EXPECT_EQ(f->Caption, "Textures > Wood > Plank");
  EXPECT_EQ(2 * (f->Left - Form1->Left) + f->Width, Form1->Width);  // centred
  // An odd height leaves half a pixel, rounded to the even top.
  ASSERT_EQ(f->Height % 2, 1);
  EXPECT_EQ(f->Top, Round(Form1->Top + Form1->Height / 2.0L - f->Height / 2.0L));
  EXPECT_EQ(f->Top % 2, 0);
  EXPECT_EQ(f->Aide1.Caption, "Plank texture");

  EXPECT_EQ(f->ComboBox1.Items, (std::vector<std::string>{"Vertical", "Horizontal"}));
  EXPECT_EQ(f->ComboBox1.Text(), "Vertical");
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 30));  // hue 20..50
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 60));
  EXPECT_EQ(f->Ed_Hue_Min.Text, "20");
  EXPECT_TRUE(MarkerAt(f->Img_RndA1, 14));  // seeds 4: units 4, hundreds 0
  EXPECT_TRUE(MarkerAt(f->Img_RndB2, 10));

  ModuleParams[1].ParamValue[4] = 1;
  ModuleParams[1].ParamValue[7] = 1050;  // units 50, hundreds 10 at 8 pixels
  Reactivate();
  EXPECT_EQ(f->ComboBox1.Text(), "Horizontal");
  EXPECT_TRUE(MarkerAt(f->Img_RndB1, 60));
  EXPECT_TRUE(MarkerAt(f->Img_RndB2, 90));
  EXPECT_EQ(f->Ed_RndB.Text, "1050");
}

TEST_F(PlankForm, ControlsStoreWhatAPersonChooses) {
  f->ComboBox1.Select(1);
  EXPECT_EQ(Param(4), 1);
  EXPECT_EQ(TextureDirty, 1);  // the combo box marks the texture changed
  TextureDirty = 0;
  f->ComboBox1.TypeText("Diagonal");
  EXPECT_EQ(Param(4), -1);

  Drag(f->Scroll_Bar_Hue, 31, 400);  // the low marker pushes the high one to 359
  EXPECT_EQ(Param(1), 359);
  EXPECT_EQ(Param(2), 359);
  f->Ed_Hue_Max.TypeAndLeave("100");  // below the minimum: lowers it
  EXPECT_EQ(Param(1), 100);
  EXPECT_EQ(Param(2), 100);

  Drag(f->Img_RndA2, 10, 46);  // position 36: 4.5 hundreds, to even -> 4
  EXPECT_EQ(Param(6), 404);
  f->Ed_RndB.TypeAndLeave("-20");
  EXPECT_EQ(Param(7), 0);
  EXPECT_EQ(TextureDirty, 1);  // still the combo box's mark; the sliders leave it
}

TEST_F(PlankForm, HelpTextsInBothLanguages) {
  ExpectHelpTexts(*f,
                  {
                      {f->Lbl_Hue_Min, "Minimum hue channel value", "Valeur minimale du canal teinte"},
                      {f->Lbl_Hue_Max, "Maximum hue channel value", "Valeur maximale du canal teinte"},
                      {f->Lbl_Orientation, "Plank orientation", "Orientation de la planche"},
                      {f->Lbl_RndA, "Random generator initial value.",
                       "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire."},
                      {f->Lbl_RndB, "Random generator initial value.",
                       "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire."},
                  },
                  "Texture de planche");
}

}  // namespace
