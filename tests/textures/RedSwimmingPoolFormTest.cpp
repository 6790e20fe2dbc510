#include <gtest/gtest.h>

#include "engine/Instances.h"
#include "modules/textures/Fnc_T001.h"
#include "modules/textures/Prm_T001.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;

namespace {

class RedSwimmingPoolForm : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
    TMenuItem* item = FindMenuItem(F_Synthe->MainMenu1, "Textures > Misc > Red Swimming Pool");
    ASSERT_NE(item, nullptr);
    item->Click();
    ASSERT_EQ(CurrentInstance, 1);
    ASSERT_EQ(ModuleParams[1].ModuleType, T001_Type);
    TextureDirty = 0;
    f = P_T001;
    ASSERT_NE(f, nullptr);
  }
  void TearDown() override { StartApplication(); }
  // The form is shown again, as a person comes back to it.
  void Reactivate() {
    f->Hide();
    f->Show();
  }
  int32_t Param(int k) const { return ModuleParams[CurrentInstance].ParamValue[k]; }
  TP_T001* f = nullptr;
};

TEST_F(RedSwimmingPoolForm, TheMenuItemShowsTheFormCentredOverTheMainWindow) {
  EXPECT_EQ(F_Synthe->ShownForm, f);
  EXPECT_TRUE(f->Visible);
  EXPECT_EQ(f->Caption, "Textures > Misc > Red Swimming Pool");
  EXPECT_EQ(f->Width, 398);
  EXPECT_EQ(f->Height, 504);
  EXPECT_TRUE(f->StayOnTop);
  EXPECT_EQ(f->Left, Form1->Left + Form1->Width / 2 - 199);
  EXPECT_EQ(f->Top, Form1->Top + Form1->Height / 2 - 252);
  EXPECT_EQ(TypeForm[T001_Type], f);
}

TEST_F(RedSwimmingPoolForm, ActivationLoadsEverySliderFromTheInstance) {
  ModuleParams[1].ParamValue[2] = 100;
  ModuleParams[1].ParamValue[10] = 1234;
  Reactivate();
  EXPECT_EQ(f->Ed_V1.Text, "215");
  EXPECT_EQ(f->Ed_V2.Text, "100");
  EXPECT_EQ(f->Ed_V4.Text, "159");
  EXPECT_EQ(f->Ed_V6.Text, "211");
  EXPECT_EQ(f->Ed_Rnd.Text, "1234");
  // The marker of value 100 hangs below x = 110 of the hue slider.
  EXPECT_EQ(f->Img_V2.Canvas().Pixel(110, 2), 0);
  EXPECT_EQ(f->Seed.UnitsValue, 34);
  EXPECT_EQ(f->Seed.HundredsValue, 12);
  EXPECT_EQ(f->Seed.Position, 144);
  EXPECT_EQ(f->Aide1.Caption, "Red Swimming Pool texture !?!");
}

TEST_F(RedSwimmingPoolForm, StoresWhatAPersonTypesAndDragsWithoutMarkingTheTexture) {
  Reactivate();
  f->Ed_V3.TypeAndLeave("400");  // clamped to the hue range
  EXPECT_EQ(Param(3), 359);
  EXPECT_EQ(f->Ed_V3.Text, "359");

  // Drag the saturation marker from 159 (x = 169) to x = 20: value 10.
  f->Img_V4.MouseDown(TMouseButton::Left, 171, 3);
  f->Img_V4.MouseMove(TMouseButton::Left, 20, 3);
  f->Img_V4.MouseUp(TMouseButton::Left, 20, 3);
  EXPECT_EQ(Param(5), 10);
  // Too far from the marker: no drag.
  f->Img_V5.MouseDown(TMouseButton::Left, 161 + 10 + 5, 3);
  f->Img_V5.MouseMove(TMouseButton::Left, 30, 3);
  EXPECT_EQ(Param(7), 161);

  // The seed: the form allows 0..2050 although the stored range is 0..1000.
  f->Ed_Rnd.TypeAndLeave("1500");
  EXPECT_EQ(Param(10), 1500);
  f->Ed_Rnd.TypeAndLeave("3000");
  EXPECT_EQ(Param(10), 2050);
  EXPECT_EQ(f->Ed_Rnd.Text, "2050");
  // Drag the hundreds marker (x = 20 * 12 + 10) to the third hundred.
  f->Img_Rnd2.MouseDown(TMouseButton::Left, 250, 3);
  f->Img_Rnd2.MouseMove(TMouseButton::Left, 10 + 3 * 12 + 2, 3);
  EXPECT_EQ(Param(10), 350);
  // Drag the units marker from 50 (x = 60) to 7.
  f->Img_Rnd1.MouseDown(TMouseButton::Left, 60, 3);
  f->Img_Rnd1.MouseMove(TMouseButton::Left, 17, 3);
  EXPECT_EQ(Param(10), 307);
  EXPECT_EQ(f->Ed_Rnd.Text, "307");
  EXPECT_EQ(TextureDirty, 0);
  EXPECT_TRUE(MessageLog().empty());
}

TEST_F(RedSwimmingPoolForm, ATypedNonNumberKeepsTheValueAndShowsTheError) {
  Reactivate();
  f->Ed_V1.TypeAndLeave("12a");
  EXPECT_EQ(Param(1), 215);
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Title, "Fendri Digital Toolkits");
  EXPECT_EQ(MessageLog()[0].Icon, MessageIcon::Stop);
}

TEST_F(RedSwimmingPoolForm, HelpTextsInBothLanguages) {
  LanguageFlag = 2;
  Reactivate();
  EXPECT_EQ(f->Aide1.Caption, "Texture de la piscine rouge !?!");
  f->Lbl_V4.Click();
  EXPECT_EQ(f->Aide1.Caption, "Variante de saturation");
  LanguageFlag = 1;
  f->Lbl_V2.Click();
  EXPECT_EQ(f->Aide1.Caption, "Hue variant");
  f->Lbl_V6.Click();
  EXPECT_EQ(f->Aide1.Caption, "Luminosity variant");
  f->Lbl_Rnd.Click();
  EXPECT_EQ(f->Aide1.Caption, "Random generator initial value.");
}

}  // namespace
