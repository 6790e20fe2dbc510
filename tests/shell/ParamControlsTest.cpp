// The binding helpers between controls and an instance's parameters, and the
// bilingual help setters.
#include <gtest/gtest.h>

#include "engine/Color.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "shell/Help.h"
#include "shell/ParamControls.h"
#include "shell/Sliders.h"
#include "shell/widgets/Dialogs.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;

namespace {

class ParamControls : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine();
    ClearMessageLog();
    ClearDialogAnswers();
    NextInstance = 2;
    CurrentInstance = 1;
    ModuleParams[1].ParamValue[3] = 250;
    SetParamRange(1, 3, 5, 500);
    ModuleParams[1].ParamValue[7] = 1;
    ModuleParams[1].ParamColor[2] = 32768;
    TextureDirty = 0;
  }
  void TearDown() override {
    ClearDialogAnswers();
    ResetEngine();
  }
};

}  // namespace

TEST_F(ParamControls, ScrollBarRowLoadsScrollsAndTypes) {
  TEdit ed;
  TScrollBar sb;
  sb.OnChange = [&] { ScrollParam(1, 3, ed, sb); };
  ed.OnExit = [&] { EditExitParam(1, 3, ed, sb); };
  LoadScrollParam(1, 3, ed, sb);
  EXPECT_EQ(sb.Min(), 5);
  EXPECT_EQ(sb.Max(), 500);
  EXPECT_EQ(sb.Position(), 250);
  EXPECT_EQ(ed.Text, "250");
  EXPECT_EQ(TextureDirty, 0);

  sb.Scroll(480);
  EXPECT_EQ(ModuleParams[1].ParamValue[3], 480);
  EXPECT_EQ(ed.Text, "480");
  EXPECT_EQ(TextureDirty, 1);

  TextureDirty = 0;
  ed.TypeAndLeave("9000");
  EXPECT_EQ(ModuleParams[1].ParamValue[3], 500);
  EXPECT_EQ(sb.Position(), 500);
  EXPECT_EQ(ed.Text, "500");
  EXPECT_EQ(TextureDirty, 1);

  TextureDirty = 0;
  ed.TypeAndLeave("4OO");
  EXPECT_EQ(ModuleParams[1].ParamValue[3], 500);
  EXPECT_EQ(sb.Position(), 500);
  EXPECT_EQ(ed.Text, "4OO");
  EXPECT_EQ(TextureDirty, 0);
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Icon, MessageIcon::Stop);

  // A value outside the range (from a preset file) shows clamped.
  ModuleParams[1].ParamValue[3] = -7;
  LoadScrollParam(1, 3, ed, sb);
  EXPECT_EQ(ed.Text, "5");
  EXPECT_EQ(ModuleParams[1].ParamValue[3], -7);
}

TEST_F(ParamControls, ComboBoxStoresItsItemIndexOrMinusOne) {
  TComboBox cb;
  cb.Items = {"Vertical", "Horizontal", "Top/Left Bottom/Right", "Top/Rigth Bottom/Left"};
  cb.OnChange = [&] { ControlParam(1, 7, cb); };
  LoadControlParam(1, 7, cb);
  EXPECT_EQ(cb.ItemIndex(), 1);
  EXPECT_EQ(cb.Text(), "Horizontal");
  EXPECT_EQ(TextureDirty, 0);
  cb.Select(3);
  EXPECT_EQ(ModuleParams[1].ParamValue[7], 3);
  EXPECT_EQ(TextureDirty, 1);
  cb.TypeText("Diagonal");
  EXPECT_EQ(ModuleParams[1].ParamValue[7], -1);

  TListBox lb;
  lb.Items = {"Preset 1", "Preset 2"};
  LoadControlParam(1, 7, lb);
  EXPECT_EQ(lb.ItemIndex, -1);
  lb.OnClick = [&] { ControlParam(1, 7, lb); };
  lb.ClickItem(1);
  EXPECT_EQ(ModuleParams[1].ParamValue[7], 1);
}

TEST_F(ParamControls, ColourPanelShowsAndPicksAndMarksTheTextureChanged) {
  TPanel panel;
  panel.OnClick = [&] { PickColorParam(1, 2, panel); };
  ShowColorParam(1, 2, panel);
  EXPECT_EQ(panel.Color, 32768);
  EXPECT_EQ(panel.Hint, "R:0 G:128 B:0");
  EXPECT_EQ(TextureDirty, 0);

  QueueColorAnswer(PackRGB(255, 255, 0));
  panel.Click();
  EXPECT_EQ(panel.Color, 65535);
  EXPECT_EQ(ModuleParams[1].ParamColor[2], 65535);
  EXPECT_EQ(panel.Hint, "R:255 G:255 B:0");
  EXPECT_EQ(TextureDirty, 1);

  TextureDirty = 0;
  QueueCancelAnswer();
  panel.Click();
  EXPECT_EQ(ModuleParams[1].ParamColor[2], 65535);
  EXPECT_EQ(panel.Hint, "R:255 G:255 B:0");
  EXPECT_EQ(TextureDirty, 1);
}

TEST_F(ParamControls, SliderHelpersStoreNothingAndLeaveTheTextureUnchanged) {
  TImage img(230, 10), units(120, 10), hundreds(225, 10);
  TEdit ed, low, high;
  int32_t v = 10, lo = 1, hi = 2, u = 0, h = 0, pos = 0;
  SliderMouse(img, ed, v, 0, 200, 1, 100);
  ed.Text = std::string("20");
  EditToSlider(img, ed, v, 0, 200);
  EditClamp(img, ed, v, 0, 200);
  RangeSliderMouse(img, low, lo, 0, high, hi, 200, 2, 50);
  low.Text = std::string("3");
  RangeEditLow(img, low, lo, high, hi, 0, 200);
  RangeEditHigh(img, low, lo, high, hi, 0, 200);
  SetSplitValue(v, u, h, pos, 0, 1000, 0, 20);
  ScaledSliderMouse(hundreds, pos, 201, 1, 70);
  ListBoxClick(img, 20, v, 1, 5);
  EXPECT_EQ(TextureDirty, 0);
  EXPECT_EQ(ModuleParams[1].ParamValue[3], 250);
}

TEST(Help, EverySetterInEnglishAndFrench) {
  struct Help {
    void (*Setter)(TLabel&);
    const char* English;
    const char* French;
  };
  const Help table[] = {
      {Aide_HueMin, "Minimum hue channel value", "Valeur minimale du canal teinte"},
      {Aide_HueMax, "Maximum hue channel value", "Valeur maximale du canal teinte"},
      {Aide_SatMin, "Minimum Saturation channel value", "Valeur minimale du canal saturation"},
      {Aide_SatMax, "Maximum Saturation channel value", "Valeur maximale du canal saturation"},
      {Aide_LumMin, "Minimum luminosity channel value", "Valeur minimale du canal luminosité"},
      {Aide_LumMax, "Maximum luminosity channel value", "Valeur maximale du canal luminosité"},
      {Aide_Unforeseeable, "Unforeseeable effect - just try it !!!", "Effet imprévisible - à essayer !!!"},
      {Aide_RandomSeed, "Random generator initial value.", "Valeur initiale du générateur de nombre aléatoire."},
      {Aide_HueVariant, "Hue variant", "Variante de teinte"},
      {Aide_SatVariant, "Saturation variant", "Variante de saturation"},
      {Aide_LumVariant, "Luminosity variant", "Variante de luminosité"},
      {Aide_SlightModify, "Slightly modify texture appearance", "Modifie légérement l'aspect de la texture"},
      {Aide_RandomAll, "Generate a random value for each parameter",
       "Génére une valeur aléatoire pour chacun des paramètres"},
  };
  const int32_t saved = LanguageFlag;
  for (const Help& h : table) {
    TLabel label;
    label.Caption = "old";
    LanguageFlag = 1;
    h.Setter(label);
    EXPECT_EQ(label.Caption, h.English);
    LanguageFlag = 2;
    h.Setter(label);
    EXPECT_EQ(label.Caption, h.French);
    LanguageFlag = 0;  // any flag other than 1 is French
    h.Setter(label);
    EXPECT_EQ(label.Caption, h.French);
  }
  LanguageFlag = saved;
}
