// The periodic pack's forms as a person uses them: what the menu item shows,
// what the controls store, the built-in and random presets, module presets
// saved and loaded, and the help texts.
#include <gtest/gtest.h>

#include <string>

#include "engine/EngineTest.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T015.h"
#include "modules/textures/Fnc_T021.h"
#include "modules/textures/Fnc_T022.h"
#include "modules/textures/Prm_T015.h"
#include "modules/textures/Prm_T021.h"
#include "modules/textures/Prm_T022.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Canvas.h"
#include "shell/widgets/Dialogs.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;

namespace {

class PeriodicPackForm : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
    ClearDialogAnswers();
    ImageWidth = ImageHeight = 512;
  }
  void TearDown() override {
    RandomPresetClock = MillisecondsSinceMidnight;
    ClearDialogAnswers();
    ResetEngine();
  }
  // The menu item adds an instance and shows its form.
  TP_PeriodicPack* Open(const char* Letter) {
    TMenuItem* item = FindMenuItem(F_Synthe->MainMenu1, std::string("Textures > Periodic > Pack 1 > Tx ") + Letter);
    EXPECT_NE(item, nullptr);
    if (!item) return nullptr;
    item->Click();
    TextureDirty = 0;
    return static_cast<TP_PeriodicPack*>(F_Synthe->ShownForm);
  }
  static int32_t Param(int k) { return ModuleParams[CurrentInstance].ParamValue[k]; }
  // The 18 values of the current instance.
  static TPackValues Values() {
    TPackValues v;
    for (int k = 1; k <= PackParamCount; ++k) v[k - 1] = Param(k);
    return v;
  }
  // What the controls show, in parameter order.
  static TPackValues Shown(TP_PeriodicPack& f) {
    TEdit* edits[] = {&f.Ed_WP, &f.Ed_WH, &f.Ed_WC, &f.Ed_HP, &f.Ed_HH, &f.Ed_HC, nullptr, &f.Ed_Dst_X_A,
                      &f.Ed_Dst_Y_A, nullptr, &f.Ed_Dst_X_B, &f.Ed_Dst_Y_B, nullptr, nullptr, &f.Ed_LL,
                      &f.Ed_Hue_Min, &f.Ed_Hue_Max, nullptr};
    const int boxes[] = {7, 10, 13, 14, 18};
    TPackValues v{};
    for (int k = 1; k <= PackParamCount; ++k)
      if (edits[k - 1]) v[k - 1] = std::stoi(edits[k - 1]->Text);
    for (int b = 0; b < 5; ++b) v[boxes[b] - 1] = f.Boxes[b].Value;
    return v;
  }
};

TEST_F(PeriodicPackForm, EachMenuItemShowsItsFormLoadedFromTheNewInstance) {
  struct Case {
    const char* Letter;
    int Type;
    TForm* Form;
    const char* Caption;
    const char* Effect2;
    size_t Presets;
  };
  for (const Case& c : {Case{"A", 101, P_T021, "Textures > Periodic Tx > Pack 1 > Tx A", "Parameter 1 -Effect 2", 12},
                        Case{"B", 102, P_T022, "Textures > Periodic Tx > Pack 1 > Tx B", "Parameter 1 - Effect 2", 11},
                        Case{"C", 54, P_T015, "Textures > Periodic Tx > Pack 1 > Tx C", "Parameter 1 - Effect 2", 10}}) {
    SCOPED_TRACE(c.Letter);
    TP_PeriodicPack* f = Open(c.Letter);
    ASSERT_EQ(f, c.Form);
    EXPECT_EQ(TypeForm[c.Type], c.Form);
    EXPECT_EQ(ModuleParams[CurrentInstance].ModuleType, c.Type);
    EXPECT_TRUE(f->Visible);
    EXPECT_EQ(f->Caption, c.Caption);
    EXPECT_EQ(f->Lbl_Dst_Y_A.Caption, c.Effect2);
    EXPECT_EQ(f->ParamCaptions.at(9), c.Effect2);
    EXPECT_EQ(f->ParamCaptions.at(13), "Parameter 2 > Variant");
    // Centred over the main window, then moved left of the module window.
    EXPECT_EQ(f->Left, F_Synthe->Left - (f->Width + 10));
    EXPECT_EQ(2 * (f->Top - Form1->Top) + f->Height, Form1->Height);
    ASSERT_EQ(f->BuiltInPresets.Items.size(), c.Presets);
    EXPECT_EQ(f->BuiltInPresets.Items.front(), "Preset 1");
    EXPECT_EQ(f->BuiltInPresets.Items.back(), "Preset " + std::to_string(c.Presets));
    EXPECT_EQ(Shown(*f), Values());
    EXPECT_EQ(f->Aide1.Caption,
              "Periodic Textures are based on simple periodic functions which are transformed by more or");
    EXPECT_EQ(f->Aide2.Caption, "less complex algorithms.");
  }
  // Tx C's defaults as the controls draw them: p7 = 1 in the first of three
  // boxes (green), the hue range 0 .. 43 with its markers at x = 10 and 53.
  TP_PeriodicPack& c = *P_T015;
  EXPECT_EQ(c.Img_Vrnt.Canvas().Pixel(7, 5), clGreen);
  EXPECT_EQ(c.Img_Vrnt.Canvas().Pixel(22, 5), clRed);
  EXPECT_EQ(c.Img_Vrnt.Canvas().Pixel(37, 5), clRed);
  EXPECT_EQ(c.Scroll_Bar_Hue.Canvas().Pixel(10, 2), clBlack);
  EXPECT_EQ(c.Scroll_Bar_Hue.Canvas().Pixel(53, 2), clBlack);
  EXPECT_EQ(c.Ed_Hue_Max.Text, "43");
}

TEST_F(PeriodicPackForm, ControlsStoreWhatAPersonTypesClicksAndDrags) {
  TP_PeriodicPack& f = *Open("A");
  f.Ed_Dst_X_A.TypeAndLeave("400");  // clamped to 0 .. 300
  EXPECT_EQ(Param(8), 300);
  EXPECT_EQ(f.Ed_Dst_X_A.Text, "300");
  f.Ed_WP.TypeAndLeave("0");  // 1 .. 200
  EXPECT_EQ(Param(1), 1);
  // The fifth box of the first effect's variant (x = 15 * 5 - 10 .. 15 * 5 - 1).
  f.Img_AlgoA.MouseDown(TMouseButton::Left, 68, 5);
  EXPECT_EQ(Param(10), 5);
  EXPECT_EQ(f.Img_AlgoA.Canvas().Pixel(68, 5), clGreen);
  // Beyond the last box: nothing changes.
  f.Img_Off2.MouseDown(TMouseButton::Left, 79, 5);
  EXPECT_EQ(Param(18), 4);
  // Drag the luminosity maximum from 217 (x = 227) to 100.
  f.Img_LL.MouseDown(TMouseButton::Left, 228, 5);
  f.Img_LL.MouseMove(TMouseButton::Left, 110, 5);
  f.Img_LL.MouseUp(TMouseButton::Left, 110, 5);
  EXPECT_EQ(Param(15), 100);
  // A low hue bound typed above the high one pushes it along.
  f.Ed_Hue_Min.TypeAndLeave("200");
  EXPECT_EQ(Param(16), 200);
  EXPECT_EQ(Param(17), 200);
  // Dragging the high marker (x = 210) below the low one pushes that down.
  f.Scroll_Bar_Hue.MouseDown(TMouseButton::Left, 211, 5);
  f.Scroll_Bar_Hue.MouseMove(TMouseButton::Left, 60, 5);
  EXPECT_EQ(Param(16), 50);
  EXPECT_EQ(Param(17), 50);
  EXPECT_EQ(TextureDirty, 0);
  EXPECT_TRUE(MessageLog().empty());
}

TEST_F(PeriodicPackForm, ABuiltInPresetReplacesTheEighteenValuesOnly) {
  TP_PeriodicPack& f = *Open("C");
  ModuleParams[CurrentInstance].ParamValue[19] = 77;
  ModuleParams[CurrentInstance].ParamColor[1] = 0x123456;
  TPackValues before = Values();
  f.BuiltInPresets.ClickItem(0);
  // "Preset 1" changes p8, p11, p12 and p13 of the defaults.
  TPackValues expected = before;
  expected[7] = 275, expected[10] = 178, expected[11] = 0, expected[12] = 1;
  EXPECT_EQ(Values(), expected);
  EXPECT_EQ(Values(), T015_Presets[0]);
  EXPECT_EQ(Shown(f), expected);
  EXPECT_EQ(ModuleParams[CurrentInstance].ParamValue[19], 77);
  EXPECT_EQ(ModuleParams[CurrentInstance].ParamColor[1], 0x123456);
  EXPECT_EQ(ModuleParams[CurrentInstance].ParamMax[8], 300);
  f.BuiltInPresets.ClickItem(9);
  EXPECT_EQ(Values(), T015_Presets[9]);

  // A click with no item selected writes nothing and redraws the controls
  // from the instance.
  ModuleParams[CurrentInstance].ParamValue[1] = 6;
  f.BuiltInPresets.ItemIndex = -1;
  f.BuiltInPresets.Click();
  TPackValues changed = T015_Presets[9];
  changed[0] = 6;
  EXPECT_EQ(Values(), changed);
  EXPECT_EQ(f.Ed_WP.Text, "6");
  EXPECT_EQ(TextureDirty, 0);

  // Tx A's "Preset 4" through its own form.
  TP_PeriodicPack& a = *Open("A");
  a.BuiltInPresets.ClickItem(3);
  EXPECT_EQ(Values(), (TPackValues{3, 0, 22, 3, 0, 34, 3, 233, 213, 3, 70, 108, 2, 4, 158, 0, 32, 4}));
}

TEST_F(PeriodicPackForm, TxARandomPresetContinuesTheModuleStateWithTheHighBoundFromTheLowOne) {
  // Tx A and Tx B: the draws go on from wherever the random state is, within
  // the controls' bounds, p1 and p4 within 1 .. Round(512 / 70) = 7 and p17
  // from the p16 just drawn.
  for (const char* letter : {"A", "B"}) {
    SCOPED_TRACE(letter);
    TP_PeriodicPack& f = *Open(letter);
    RandomSeed = 31;
    InitRandom(RandomSeed);
    test::ReplayGenerator replay(31);
    replay.Init();
    for (int n = 0; n < 3; ++n) {
      f.Button1.Click();
      int32_t low = 0;
      for (int k = 1; k <= PackParamCount; ++k) {
        int32_t lo = PackRanges[k - 1].Min, hi = PackRanges[k - 1].Max;
        if (k == 1 || k == 4) hi = 7;
        if (k == 17) lo = low;
        const int32_t v = replay.NextInt(lo, hi);
        if (k == 16) low = v;
        EXPECT_EQ(Param(k), v) << "draw " << n << " p" << k;
      }
      EXPECT_LE(Param(16), Param(17));
      EXPECT_EQ(Shown(f), Values());
    }
    EXPECT_EQ(RandomSeed, replay.State);
  }
}

TEST_F(PeriodicPackForm, TxCRandomPresetSeedsFromTheClockAndReloadsTheControls) {
  TP_PeriodicPack& f = *Open("C");
  ImageWidth = 1024;
  ImageHeight = 128;
  RandomSeed = 5;
  InitRandom(RandomSeed);
  test::ReplayGenerator replay(5);
  replay.Init();
  RandomPresetClock = [] { return 36000000; };  // 10:00
  replay.State = 36000000;
  f.Button1.Click();
  for (int k = 1; k <= PackParamCount; ++k) {
    int32_t hi = PackRanges[k - 1].Max;
    if (k == 1) hi = 15;  // Round(1024 / 70)
    if (k == 4) hi = 2;   // Round(128 / 70)
    EXPECT_EQ(Param(k), replay.NextInt(PackRanges[k - 1].Min, hi)) << "p" << k;
  }
  EXPECT_EQ(Shown(f), Values());
  // The same clock again: other values, for the shuffle table has moved on.
  const TPackValues first = Values();
  RandomInt(RandomSeed, 0, 10);
  f.Button1.Click();
  EXPECT_NE(Values(), first);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(PeriodicPackForm, ModulePresetsAreSavedAndLoadedBackOfTheSameTypeOnly) {
  const std::string dir = ::testing::TempDir();
  TP_PeriodicPack& c = *Open("C");
  c.BuiltInPresets.ClickItem(4);
  QueueFileAnswer(dir + "tx-c");
  c.Btn_Save_Prst.Click();
  const TPackValues saved = Values();

  c.BuiltInPresets.ClickItem(1);
  QueueFileAnswer(dir + "tx-c.mpr");
  c.Btn_Load_Prst.Click();
  EXPECT_EQ(Values(), saved);
  EXPECT_EQ(Shown(c), saved);
  EXPECT_EQ(TextureDirty, 1);
  EXPECT_TRUE(MessageLog().empty());

  // Loaded into a Tx A instance: refused, the values stay and are shown again.
  TP_PeriodicPack& a = *Open("A");
  const TPackValues defaults = Values();
  a.Ed_WP.Text = "99";
  QueueFileAnswer(dir + "tx-c.mpr");
  a.Btn_Load_Prst.Click();
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Text, "The current module type doesn't match the module preset type");
  EXPECT_EQ(Values(), defaults);
  EXPECT_EQ(a.Ed_WP.Text, "3");
  EXPECT_EQ(TextureDirty, 1);
}

TEST_F(PeriodicPackForm, HelpTextsInBothLanguages) {
  TP_PeriodicPack& a = *Open("A");
  struct Case {
    TLabel& Label;
    const char* English;
    const char* French;
  };
  const Case cases[] = {
      {a.Lbl_WP, "The unitary pattern width is equal to the image width divided by the period",
       "La largeur du motif unitaire est égal à la largeur de l'image divisée par la période."},
      {a.Lbl_HH, "Unitary pattern height offset", "Décalage du motif unitaire dans le sens de la hauteur"},
      {a.Lbl_Vrnt, "Simple periodic function variant", "Variante de la fonction périodique de base"},
      {a.Lbl_AlgoA, "Unforeseeable effect - just try it !!!", "Effet imprévisible - à essayer !!!"},
      {a.Lbl_Hue_Max, "Unforeseeable effect - just try it !!!", "Effet imprévisible - à essayer !!!"},
      {a.Lbl_Off2, "Unforeseeable effect - just try it !!!", "Effet imprévisible - à essayer !!!"},
  };
  for (int language : {1, 2})
    for (const Case& c : cases) {
      LanguageFlag = language;
      a.ShowHelp();
      c.Label.Click();
      EXPECT_EQ(a.Aide1.Caption, language == 1 ? c.English : c.French);
      EXPECT_EQ(a.Aide2.Caption, "");
    }
  // Tx C's label of the first effect's variant shows the general text.
  LanguageFlag = 2;
  TP_PeriodicPack& c = *Open("C");
  c.Lbl_WP.Click();
  c.Lbl_AlgoA.Click();
  EXPECT_EQ(c.Aide1.Caption, "Les textures périodiques sont basées sur des fonctions périodiques simples qui sont");
  EXPECT_EQ(c.Aide2.Caption, "transformées par des algorithmes plus ou moins compliqués.");
}

}  // namespace
