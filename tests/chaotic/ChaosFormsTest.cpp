// The chaotic functions' parameter forms as a person sees and uses them:
// what the bars show, what typing and dragging store, the help lines, and
// where the forms place themselves.
#include <gtest/gtest.h>

#include <string>

#include "engine/Instances.h"
#include "modules/chaotic/Prm_K1M1.h"
#include "modules/chaotic/Prm_K2M3.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"
#include "textures/FormTestSupport.h"

using namespace quillon;
using quillon::test::Drag;
using quillon::test::MarkerAt;

namespace {

class ChaosForms : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
  }
  void TearDown() override { StartApplication(); }

  // Adds a module from the menu; its form is shown and active.
  template <class F>
  F* Add(const char* MenuPath, F* Form) {
    TMenuItem* item = FindMenuItem(F_Synthe->MainMenu1, MenuPath);
    EXPECT_NE(item, nullptr);
    if (item) item->Click();
    EXPECT_EQ(F_Synthe->ShownForm, Form);
    TextureDirty = 0;
    return Form;
  }
  TP_K1M1* One() { return Add("Functions > Chaotic functions > 1 Modifier > Fx 1 A", P_K1M1); }
  TP_K2M3* Two() { return Add("Functions > Chaotic functions > 2 Modifiers > Fx 2 C", P_K2M3); }
  int32_t Param(int k) const { return ModuleParams[CurrentInstance].ParamValue[k]; }
};

// The marker of a two-bar control's hundreds bar stands at its position.
void ExpectSplit(TChaosSplit& s, int32_t Value, int32_t Units, int32_t Hundreds, int32_t Position) {
  EXPECT_EQ(s.Ed.Text, std::to_string(Value));
  EXPECT_EQ(s.Units, Units);
  EXPECT_EQ(s.Hundreds, Hundreds);
  EXPECT_EQ(s.Position, Position);
  EXPECT_TRUE(MarkerAt(s.Img1, Units + 10));
  EXPECT_TRUE(MarkerAt(s.Img2, Position + 10));
}

TEST_F(ChaosForms, EachMemberIsItsTemplateWithItsCaption) {
  TP_K1M1* one = One();
  EXPECT_EQ(one->Caption, "Fx > Chaotic Fx > 1 modifier > Fx 1 A");
  EXPECT_EQ(one->Width, 367);
  EXPECT_EQ(one->Height, 703);
  EXPECT_EQ(TypeForm[92], one);
  ASSERT_EQ(one->Titles.size(), 10u);
  EXPECT_EQ(one->Titles[2]->Caption, "Variant");
  EXPECT_EQ(one->Titles[9]->Caption, "Height - Bottom Offset");
  EXPECT_EQ(one->ParamCaptions.at(1), "Width Effect");

  TP_K2M3* two = Two();
  EXPECT_EQ(two->Caption, "Fx > Chaotic Fx > 2 modifiers > Fx 2 C");
  EXPECT_EQ(two->Width, 482);
  EXPECT_EQ(two->Height, 665);
  EXPECT_EQ(TypeForm[69], two);
  ASSERT_EQ(two->Titles.size(), 11u);
  EXPECT_EQ(two->Titles[3]->Caption, "Height Effect 2");
  EXPECT_EQ(two->Rnd.Ed.Text, "0");
}

TEST_F(ChaosForms, ActivationLoadsTheSelectedInstance) {
  TP_K1M1* f = One();
  ModuleParams[1].ParamValue[1] = -250;
  ModuleParams[1].ParamValue[4] = 17;
  ModuleParams[1].ParamValue[11] = -100;
  f->Hide();
  f->Show();
  ExpectSplit(f->WE, -250, 50, -2, 80);
  EXPECT_EQ(f->Vrnt.Ed.Text, "17");
  EXPECT_TRUE(MarkerAt(f->Vrnt.Img, 17 - 1 + 10));
  EXPECT_TRUE(MarkerAt(f->WLO.Img, 10));
  // Details 1000: hundreds 10 of 0..100, two pixels each.
  ExpectSplit(f->Dtl, 1000, 0, 10, 20);
  EXPECT_EQ(f->Dtl.Ed.Width, 40);
  EXPECT_EQ(f->WE.Ed.Width, 35);
}

// The effect bars mark hundreds 0 with a red tick at the middle of their
// 200 pixels; the other bars have none.
TEST_F(ChaosForms, EffectBarsHaveARedCentreTick) {
  TP_K2M3* f = Two();
  for (TChaosSplit* s : {&f->WE, &f->HE, &f->WEB, &f->HEB}) {
    EXPECT_EQ(s->Img2.Canvas().Pixel(110, 0), clRed);
    EXPECT_EQ(s->Img2.Canvas().Pixel(110, 1), clRed);
  }
  for (TChaosSplit* s : {&f->Dtl, &f->Lum, &f->Rnd})
    for (int x = 0; x < s->Img2.Width; ++x) ASSERT_NE(s->Img2.Canvas().Pixel(x, 0), clRed) << x;
}

TEST_F(ChaosForms, TypedValuesAreSplitJoinedAndClamped) {
  TP_K1M1* f = One();
  struct Case {
    TChaosSplit* Control;
    const char* Typed;
    int32_t Value, Units, Hundreds, Position;
  };
  const Case cases[] = {
      {&f->WE, "5000", 1000, 0, 10, 200},  {&f->WE, "-250", -250, 50, -2, 80},
      {&f->WE, "-1000", -1000, 0, -10, 0}, {&f->WE, "-42", -42, 42, 0, 100},  // the sign is kept
      {&f->HE, "-99", -99, 99, 0, 100},    {&f->HE, "99", 99, 99, 0, 100},
      {&f->Dtl, "0", 1, 1, 0, 0},          {&f->Dtl, "10001", 10000, 0, 100, 200},
      {&f->Lum, "-5", 1, 1, 0, 0},         {&f->Rnd, "1050", 1000, 0, 10, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Control->Title.Caption) + " " + c.Typed);
    c.Control->Ed.TypeAndLeave(c.Typed);
    ExpectSplit(*c.Control, c.Value, c.Units, c.Hundreds, c.Position);
    EXPECT_EQ(Param(c.Control->Param), c.Value);
  }
  // Text that is not a number: the conversion error, nothing changes.
  f->Rnd.Ed.TypeAndLeave("12a");
  EXPECT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(Param(10), 1000);
  EXPECT_EQ(f->Rnd.Hundreds, 10);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(ChaosForms, DraggingAndMovingOverTheBars) {
  TP_K1M1* f = One();
  // Luminosity's hundreds marker to the right end: 1000 whatever the units.
  f->Lum.Ed.TypeAndLeave("920");
  Drag(f->Lum.Img2, f->Lum.Position + 10, 400);
  ExpectSplit(f->Lum, 1000, 0, 10, 200);
  EXPECT_EQ(Param(8), 1000);
  // Details' units to 0 with hundreds 0: clamped to 1.
  f->Dtl.Ed.TypeAndLeave("50");
  Drag(f->Dtl.Img1, 60, 0);
  ExpectSplit(f->Dtl, 1, 1, 0, 0);
  // Width effect's hundreds from 1 (150) to -2, 80 pixels from the left
  // end: the units take the sign, -250.
  Drag(f->WE.Img2, f->WE.Position + 10, 80 + 10);
  ExpectSplit(f->WE, -250, 50, -2, 80);
  // The variant's bar runs 1..200 over 200 pixels.
  Drag(f->Vrnt.Img, 5 - 1 + 10, 500);
  EXPECT_EQ(Param(4), 200);
  EXPECT_TRUE(MarkerAt(f->Vrnt.Img, 199 + 10));
  f->Vrnt.Ed.TypeAndLeave("0");
  EXPECT_EQ(Param(4), 1);

  // A move without a drag stores the value shown, and -42 keeps its sign.
  f->WE.Ed.TypeAndLeave("-42");
  ModuleParams[1].ParamValue[1] = 7;
  f->WE.Img1.MouseMove(TMouseButton::None, 3, 5);
  EXPECT_EQ(Param(1), -42);
  ModuleParams[1].ParamValue[1] = 7;
  f->WE.Img2.MouseMove(TMouseButton::None, 3, 5);
  ExpectSplit(f->WE, -42, 42, 0, 100);
  EXPECT_EQ(Param(1), -42);
  ModuleParams[1].ParamValue[13] = 9;
  f->HTO.Img.MouseMove(TMouseButton::None, 3, 5);
  EXPECT_EQ(Param(13), -52);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(ChaosForms, HelpLinesInBothLanguages) {
  TP_K1M1* one = One();
  EXPECT_EQ(one->Label1.Caption, "Chaotic functions produce grey scale picture which are not seamless");
  EXPECT_EQ(one->Label2.Caption, "textures. The final result is by nature unforeseeable.");
  EXPECT_EQ(one->Label3.Caption, "");
  one->Titles[3]->Click();  // "Details"
  EXPECT_EQ(one->Label1.Caption, "Define the details level of the final picture.Be careful, high values are");
  EXPECT_EQ(one->Label3.Caption, "It depends on the function parameters.");
  one->Titles[2]->Click();  // "Variant"
  EXPECT_EQ(one->Label1.Caption, "Unforeseeable effect - just try it !!!");
  EXPECT_EQ(one->Label2.Caption, "");

  LanguageFlag = 2;
  TP_K2M3* two = Two();
  EXPECT_EQ(two->Label4.Caption, "peuvent beaucoup varier en fonction des param\u00e8tres de d\u00e9part.");
  two->Titles[2]->Click();  // "Width Effect 2"
  EXPECT_EQ(two->Label1.Caption, "Param\u00e8tre 2 de la fonction chaotique (effet en largeur).");
  two->Titles[5]->Click();  // "Luminosity": the typographic apostrophe
  EXPECT_EQ(two->Label1.Caption, "Niveau de luminosit\u00e9 de l\u2019image finale.");
  two->Titles[4]->Click();  // "Details": the plain one, and a blank at the end of line 3
  EXPECT_EQ(two->Label1.Caption, "Niveau de d\u00e9tail de l'image finale. Attention, plus la valeur de ce");
  EXPECT_EQ(two->Label3.Caption, "donnant pas forc\u00e9ment un meilleur r\u00e9sultat. Cela d\u00e9pend des ");
  two->Titles[10]->Click();  // an offset
  EXPECT_EQ(two->Label1.Caption, "Permet de d\u00e9finir le rectangle dans lequel s\u2019inscrira");
  EXPECT_EQ(two->Label2.Caption, "la fonction chaotique");
  two->Titles[6]->Click();  // "Random Seed"
  EXPECT_EQ(two->Label1.Caption, "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire.");
}

// One-modifier forms stay centred; two-modifier forms move left of the module
// window when its Left is less than their right edge (Left + Width). A main
// window of 1000 x 800 at (0, 0) puts the halves on ties: 316.5 gives 316,
// 67.5 gives 68.
TEST_F(ChaosForms, PlacementBesideTheModuleWindow) {
  TP_K1M1* one = One();
  TP_K2M3* two = Two();
  Form1->Left = 0, Form1->Top = 0, Form1->Width = 1000, Form1->Height = 800;
  struct Case {
    int ModuleLeft;
    int TwoLeft;
  };
  const Case cases[] = {
      {259 + 482, 259},      // just clear of the centred form: it stays
      {259 + 481, 740 - 492},  // one pixel over: it moves left, 10 pixels apart
      {0, -492},             // far left of it: still moved (the test is one-sided)
  };
  for (const Case& c : cases) {
    F_Synthe->Left = c.ModuleLeft;
    one->Create();
    two->Create();
    EXPECT_EQ(one->Left, 316) << c.ModuleLeft;
    EXPECT_EQ(one->Top, 48) << c.ModuleLeft;
    EXPECT_EQ(two->Left, c.TwoLeft) << c.ModuleLeft;
    EXPECT_EQ(two->Top, 68) << c.ModuleLeft;
  }
}

}  // namespace
