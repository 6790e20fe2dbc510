// The module window and the start-up: the add-module menus, the forms they
// show, the progress texts of the status bar.
#include <gtest/gtest.h>

#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Pixels.h"
#include "engine/Startup.h"
#include "shell/Application.h"
#include "shell/ColorWalk.h"
#include "shell/Main.h"
#include "shell/Progress.h"
#include "shell/Synthe.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;

namespace {

void NoWork() {}

class TCountingForm : public TForm {
 public:
  TCountingForm() {
    OnActivate = [this] {
      ++activations;
      seenInstance = CurrentInstance;
    };
  }
  int activations = 0;
  int seenInstance = 0;
};

// Registers a stand-in module of Type (or takes it out of the catalog).
void Register(int Type, TForm* Form) {
  TypeExecuteProc[Type] = NoWork;
  TypeName[Type] = "Module " + std::to_string(Type);
  TypeGenerator[Type] = 1;
  TypeForm[Type] = Form;
}
void Unregister(int Type) {
  TypeExecuteProc[Type] = nullptr;
  TypeForm[Type] = nullptr;
}

class ModuleWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
    for (const ModuleMenuEntry& e : ModuleMenuTable()) Unregister(e.Type);
  }
  void TearDown() override { ResetEngine(); }
  TCountingForm formA, formNeurone;
};

}  // namespace

TEST(StartUp, MakesTheWindowsAndCanBeRunAgain) {
  StartApplication();
  ASSERT_NE(Form1, nullptr);
  ASSERT_NE(F_Synthe, nullptr);
  EXPECT_TRUE(Form1->Visible);
  EXPECT_EQ(ActiveForm(), Form1);
  EXPECT_FALSE(F_Synthe->Visible);
  EXPECT_EQ(F_Synthe->Caption, "Texture Modules");
  EXPECT_EQ(F_Synthe->StatusBar1.Panels.size(), 2u);
  EXPECT_EQ(NextInstance, 1);
  EXPECT_EQ(LanguageFlag, 1);
  EXPECT_EQ(TextureName, "No Name");
  // Every add-module item present is one of a registered type.
  for (const ModuleMenuEntry& e : ModuleMenuTable())
    EXPECT_EQ(FindMenuItem(F_Synthe->MainMenu1, e.Path) != nullptr, RegisteredType(e.Type)) << e.Path;

  Register(92, nullptr);
  ASSERT_EQ(CreateInstance(92), 1);
  F_Synthe->AddModule(92);
  StartApplication();
  EXPECT_EQ(NextInstance, 1);  // a clean start
  EXPECT_EQ(F_Synthe->ShownForm, nullptr);
  ResetEngine();
}

TEST_F(ModuleWindow, MenusHoldOnlyRegisteredTypes) {
  Register(92, &formA);
  Register(95, nullptr);
  Register(67, nullptr);
  Register(30, &formNeurone);
  Register(50, nullptr);
  F_Synthe->BuildModuleMenus();
  TMainMenu& menu = F_Synthe->MainMenu1;

  TMenuItem* one = FindMenuItem(menu, "Functions > Chaotic functions > 1 Modifier");
  ASSERT_NE(one, nullptr);
  ASSERT_EQ(one->Count(), 2);
  EXPECT_EQ(one->Item(0).Caption, "Fx 1 A");
  EXPECT_EQ(one->Item(1).Caption, "Fx 1 D");
  EXPECT_NE(FindMenuItem(menu, "Functions > Chaotic functions > 2 Modifiers > Fx 2 A"), nullptr);
  EXPECT_EQ(FindMenuItem(menu, "Functions > Chaotic functions > 2 Modifiers > Fx 2 B"), nullptr);
  EXPECT_NE(FindMenuItem(menu, "Textures > Wood > Bark"), nullptr);
  EXPECT_EQ(FindMenuItem(menu, "Textures > Misc"), nullptr);  // no item: no submenu

  TMenuItem* fx = menu.Find("Fx");
  ASSERT_NE(fx, nullptr);
  EXPECT_FALSE(fx->Visible);
  EXPECT_NE(FindMenuItem(menu, "Fx > Textures > Neurones"), nullptr);
  EXPECT_TRUE(menu.Find("Functions")->Visible);
}

TEST_F(ModuleWindow, ChoosingAnItemAddsAnInstanceAndShowsItsForm) {
  Register(92, &formA);
  Register(93, nullptr);
  Register(30, &formNeurone);
  F_Synthe->BuildModuleMenus();
  F_Synthe->Show();
  TMainMenu& menu = F_Synthe->MainMenu1;

  FindMenuItem(menu, "Functions > Chaotic functions > 1 Modifier > Fx 1 A")->Click();
  EXPECT_EQ(NextInstance, 2);
  EXPECT_EQ(CurrentInstance, 1);
  EXPECT_EQ(ModuleParams[1].ModuleType, 92);
  EXPECT_EQ(TextureDirty, 1);
  EXPECT_TRUE(formA.Visible);
  EXPECT_EQ(formA.activations, 1);
  EXPECT_EQ(formA.seenInstance, 1);  // the form loads the new instance

  // The same type again: its form is closed and shown anew for instance 2.
  FindMenuItem(menu, "Functions > Chaotic functions > 1 Modifier > Fx 1 A")->Click();
  EXPECT_EQ(formA.activations, 2);
  EXPECT_EQ(formA.seenInstance, 2);

  // A type without a form: the previous one is closed, none shown.
  FindMenuItem(menu, "Functions > Chaotic functions > 1 Modifier > Fx 1 B")->Click();
  EXPECT_EQ(ModuleParams[3].ModuleType, 93);
  EXPECT_FALSE(formA.Visible);
  EXPECT_EQ(F_Synthe->ShownForm, nullptr);

  FindMenuItem(menu, "Fx > Textures > Neurones")->Click();
  EXPECT_EQ(ModuleParams[4].ModuleType, 30);
  EXPECT_TRUE(formNeurone.Visible);
  EXPECT_EQ(F_Synthe->ShownForm, &formNeurone);
  EXPECT_TRUE(MessageLog().empty());
}

TEST_F(ModuleWindow, AFullChainRefusesTheItemAndKeepsTheShownForm) {
  Register(92, &formA);
  Register(30, &formNeurone);
  F_Synthe->BuildModuleMenus();
  FindMenuItem(F_Synthe->MainMenu1, "Fx > Textures > Neurones")->Click();
  NextInstance = MaxInstances + 1;
  FindMenuItem(F_Synthe->MainMenu1, "Functions > Chaotic functions > 1 Modifier > Fx 1 A")->Click();
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Text, "Too much modules ...");
  EXPECT_EQ(MessageLog()[0].Title, "Fendri Digital Toolkits");
  EXPECT_EQ(CurrentInstance, 1);
  EXPECT_TRUE(formNeurone.Visible);
  EXPECT_FALSE(formA.Visible);
  EXPECT_EQ(F_Synthe->ShownForm, &formNeurone);
}

// Values that would take too long, computed from the module window: a
// message box names the parameter by its caption, the module is left black.
TEST(StartUp, TooMuchWorkIsAMessageBox) {
  StartApplication();
  ClearMessageLog();
  ImageWidth = ImageHeight = 128;
  const int i = CreateInstance(105);
  ModuleParams[i].ParamValue[1] = 100000;
  FillLayer(ResultLayer, SpaceRGB, 255, 255, 255);
  ComputeChain();
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Title, "Fendri Digital Toolkits");
  EXPECT_EQ(MessageLog()[0].Text.rfind("(1) Inside The Body: parameter 1 (Variant) = 100000 is too much work at 128 x "
                                       "128; the largest value computed at this size is ",
                                       0),
            0u);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 5, 5), 0);
  ResetEngine();
}

TEST(Progress, StatusTextsArePaintedAtOnceInTheSecondPanel) {
  ResetEngine();
  TypeName[92] = "Chaotic Fx 1 A";
  TStatusBar& bar = F_Synthe->StatusBar1;
  bar.ClearPainted();
  ShowProgress(3, 92);
  ShowProgressPhase(12, 92, 4);
  ShowProgressPhase(12, 92, 4);  // unchanged: nothing new to paint
  ShowProgressText(7, ") Swimming Pool");
  ASSERT_EQ(bar.Painted().size(), 3u);
  EXPECT_EQ(bar.Painted()[0].Panel, 1);
  EXPECT_EQ(bar.Painted()[0].Text, "(3) Chaotic Fx 1 A");
  EXPECT_EQ(bar.Painted()[1].Text, "(12) Chaotic Fx 1 A [phase 4]");
  EXPECT_EQ(bar.Painted()[2].Text, "(7) Swimming Pool");
  EXPECT_EQ(StatusPanelsItem(bar.Panels, 1).Text, "(7) Swimming Pool");
  EXPECT_THROW(StatusPanelsItem(bar.Panels, 2), std::out_of_range);
  ResetEngine();
}

TEST(ColorWalk, BouncesBetweenItsBounds) {
  ColorWalker[1] = {0, 50, 1, 10, 100};
  ColorWalker[2] = {0, 7, 1, 0, 20};
  ColorWalker[3] = {0, 1, 1, 5, 5};
  BounceReset(1);
  EXPECT_EQ(ColorWalker[1].Value, 100);
  EXPECT_EQ(ColorWalker[1].Direction, -1);
  BounceReset(0);
  EXPECT_EQ(ColorWalker[1].Value, 10);
  EXPECT_EQ(ColorWalker[2].Direction, 1);
  BounceStep();  // 60; 7
  BounceStep();  // 110 -> 100, direction -1; 14
  EXPECT_EQ(ColorWalker[1].Value, 100);
  EXPECT_EQ(ColorWalker[1].Direction, -1);
  EXPECT_EQ(ColorWalker[2].Value, 14);
  BounceStep();  // 50; 21 -> 20, direction -1
  EXPECT_EQ(ColorWalker[2].Value, 20);
  EXPECT_EQ(ColorWalker[2].Direction, -1);
  BounceStep();  // 0 -> 10, direction +1; 13
  EXPECT_EQ(ColorWalker[1].Value, 10);
  EXPECT_EQ(ColorWalker[1].Direction, 1);
  EXPECT_EQ(ColorWalker[2].Value, 13);
  // Min = max: the value stays; the direction turns at every step.
  EXPECT_EQ(ColorWalker[3].Value, 5);
  EXPECT_EQ(ColorWalker[3].Direction, 1);

  int32_t a = 9, b = 3;
  OrderPair(a, b);
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 9);
  OrderPair(a, b);
  EXPECT_EQ(a, 3);
}
