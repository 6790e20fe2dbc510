// The form of "Rainbow Bananas" and "Blue Gold Rings" as a person uses it:
// where it opens, what it shows, what it stores when a person drags, types
// and clicks, and its help texts in both languages.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "FormTestSupport.h"
#include "engine/Instances.h"
#include "modules/textures/Fnc_T010.h"
#include "modules/textures/Fnc_T011.h"
#include "modules/textures/Prm_T010.h"
#include "modules/textures/Prm_T011.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Canvas.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class HuePatternForm : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
    const bool bananas = GetParam() == T010_Type;
    TMenuItem* item = FindMenuItem(F_Synthe->MainMenu1, bananas ? "Textures > Periodic > Pack 2 > Rainbow Bananas"
                                                                  : "Textures > Periodic > Pack 2 > Blue Gold Rings");
    ASSERT_NE(item, nullptr);
    item->Click();
    ASSERT_EQ(ModuleParams[1].ModuleType, GetParam());
    TextureDirty = 0;
    f = bananas ? static_cast<THuePatternForm*>(P_T010) : static_cast<THuePatternForm*>(P_T011);
  }
  void TearDown() override { StartApplication(); }
  void Reactivate() {
    f->Hide();
    f->Show();
  }
  int32_t Param(int k) const { return ModuleParams[1].ParamValue[k]; }
  THuePatternForm* f = nullptr;
};

TEST_P(HuePatternForm, OpensLeftOfTheModuleWindowUnderItsCaption) {
  EXPECT_EQ(F_Synthe->ShownForm, f);
  EXPECT_EQ(TypeForm[GetParam()], f);
  EXPECT_EQ(f->Caption, GetParam() == T010_Type ? "Textures > Misc > Rainbow Bananas" : "Textures > Misc > Blue Gold Rings");
  EXPECT_TRUE(f->StayOnTop);
  // The command line lists the values under the form's captions.
  EXPECT_EQ(f->ParamCaptions, (std::map<int, std::string>{{1, "Variant 1"}, {2, "Variant 2"}, {3, "Variant 3"},
                                                          {4, "Variant 4"}, {6, "Shape"}, {8, "Width"},
                                                          {9, "Height"}, {10, "Random Seed 1"}}));
  // Centred over the main window it would end right of the module window's
  // left edge, so it moves to that window's left, 10 pixels apart.
  const int centred = (Form1->Width - f->Width) / 2;
  ASSERT_LT(F_Synthe->Left, centred + f->Width);
  EXPECT_EQ(f->Left, F_Synthe->Left - (f->Width + 10));
  EXPECT_EQ(f->Top, Form1->Top + (Form1->Height - f->Height) / 2);
  // A module window far enough right leaves it centred.
  F_Synthe->Left = centred + f->Width;
  f->Create();
  EXPECT_EQ(f->Left, centred);
}

TEST_P(HuePatternForm, ActivationLoadsEveryControl) {
  auto& p = ModuleParams[1].ParamValue;
  p[2] = 150, p[8] = 7, p[9] = 20, p[10] = 1049, p[6] = 3;
  Reactivate();
  EXPECT_EQ(f->Ed_V2.Text, "150");
  EXPECT_TRUE(MarkerAt(f->Img_V2, 150 - 1 + 10));
  EXPECT_EQ(f->Ed_Width.Text, "7");
  EXPECT_EQ(f->Periods[0].Position, 24);  // (7 - 1) * 4
  EXPECT_TRUE(MarkerAt(f->Img_Width, 34));
  EXPECT_EQ(f->Periods[1].Position, 76);
  EXPECT_EQ(f->Ed_RndA.Text, "1049");
  EXPECT_EQ(f->Seed.UnitsValue, 49);
  EXPECT_EQ(f->Seed.HundredsValue, 10);
  EXPECT_EQ(f->Seed.Position, 80);
  // Box 3 of four green, the others red.
  for (int box = 1; box <= 4; ++box)
    EXPECT_EQ(f->Img_Shape.Canvas().Pixel(15 * box - 5, 5), box == 3 ? 0x8000 : 0xFF) << "box " << box;
}

TEST_P(HuePatternForm, StoresWhatAPersonDragsTypesAndClicksWithoutMarkingTheTexture) {
  Reactivate();
  const int32_t width = Param(8);
  // The width marker dragged to x = 10 + 4 * 5 + 1: Round(21 / 4) + 1 = 6.
  Drag(f->Img_Width, 10 + (width - 1) * 4, 31);
  EXPECT_EQ(Param(8), 6);
  EXPECT_EQ(f->Ed_Width.Text, "6");
  f->Ed_Height.TypeAndLeave("25");  // clamped to 1..20
  EXPECT_EQ(Param(9), 20);
  f->Ed_V4.TypeAndLeave("0");
  EXPECT_EQ(Param(4), 1);
  // The seed goes beyond its stored range up to the form's 1050.
  f->Ed_RndA.TypeAndLeave("1050");
  EXPECT_EQ(Param(10), 1050);
  f->Ed_RndA.TypeAndLeave("1051");
  EXPECT_EQ(Param(10), 1050);
  // The hundreds marker (x = 10 + 10 * 8) dragged to the second hundred.
  Drag(f->Img_RndA2, 90, 10 + 2 * 8);
  EXPECT_EQ(Param(10), 250);
  // Box 2 (x 20..29) chooses shape 2; a click right of the boxes changes nothing.
  f->Img_Shape.MouseDown(TMouseButton::Left, 24, 5);
  EXPECT_EQ(Param(6), 2);
  f->Img_Shape.MouseDown(TMouseButton::Left, 69, 5);
  EXPECT_EQ(Param(6), 2);
  f->Ed_V1.TypeAndLeave("x1");
  EXPECT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_P(HuePatternForm, HelpTextsInBothLanguages) {
  struct Case {
    int Language;
    TLabel THuePatternForm::*Label;
    const char* Aide1;
    const char* Aide2;
  };
  const Case cases[] = {
      {1, nullptr, "Periodic Textures are based on simple periodic functions which are transformed by more or",
       "less complex algorithms."},
      {2, nullptr, "Les textures p\u00e9riodiques sont bas\u00e9es sur des fonctions p\u00e9riodiques simples qui sont",
       "transform\u00e9es par des algorithmes plus ou moins compliqu\u00e9s."},
      {1, &THuePatternForm::Label13, "Unforeseeable effect - just try it !!!", ""},
      {2, &THuePatternForm::Label11, "Effet impr\u00e9visible - \u00e0 essayer !!!", ""},
      {1, &THuePatternForm::Label4,
       "\"Width pediod\" : The unitary pattern width is equal to the image width divided by the period", ""},
      {2, &THuePatternForm::Label4, "\"Width pediod\" :La largeur du motif unitaire est \u00e9gal \u00e0 la largeur",
       "de l'image divis\u00e9e par la p\u00e9riode."},
      {1, &THuePatternForm::Label1,
       "\"Height pediod\" : The unitary pattern height is equal to the image height divided by the period", ""},
      {2, &THuePatternForm::Label1, "\"Height pediod\" : La hauteur du motif unitaire est \u00e9gal \u00e0 la hauteur",
       "de l'image divis\u00e9e par la p\u00e9riode."},
      {1, &THuePatternForm::Label17, "Random generator initial value.", ""},
      {2, &THuePatternForm::Label17, "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire.", ""},
      {1, &THuePatternForm::Label6, "General pattern shape", ""},
      {2, &THuePatternForm::Label6, "Forme g\u00e9n\u00e9rale du motif", ""},
  };
  for (const Case& c : cases) {
    LanguageFlag = c.Language;
    // Both labels hold text before the click, so a stale second line shows.
    f->Aide1.Caption = f->Aide2.Caption = "stale";
    if (c.Label)
      (f->*c.Label).Click();
    else
      Reactivate();
    EXPECT_EQ(f->Aide1.Caption, c.Aide1);
    EXPECT_EQ(f->Aide2.Caption, c.Aide2) << c.Aide1;
  }
}

INSTANTIATE_TEST_SUITE_P(PackTwo, HuePatternForm, ::testing::Values(T010_Type, T011_Type),
                         [](const ::testing::TestParamInfo<int>& i) {
                           return std::string(i.param == T010_Type ? "RainbowBananas" : "BlueGoldRings");
                         });

}  // namespace
