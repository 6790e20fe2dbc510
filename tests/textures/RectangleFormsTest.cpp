// The forms of the rectangle textures as a person uses them: where they
// appear, what they show, what they store when a person drags and types, and
// their help texts in both languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/textures/Fnc_T002.h"
#include "modules/textures/Fnc_T003.h"
#include "modules/textures/Fnc_T007.h"
#include "modules/textures/Prm_T002.h"
#include "modules/textures/Prm_T003.h"
#include "modules/textures/Prm_T007.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Canvas.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;

namespace {

// True when the slider marker (apex (x, 2), base (x - 3..x + 3, 8)) stands at x.
bool MarkerAt(TImage& img, int x) {
  TCanvas& c = img.Canvas();
  return c.Pixel(x, 2) == clBlack && c.Pixel(x - 3, 8) == clBlack && c.Pixel(x + 3, 8) == clBlack;
}

void Drag(TImage& img, int From, int To) {
  img.MouseDown(TMouseButton::Left, From, 5);
  img.MouseMove(TMouseButton::Left, To, 5);
  img.MouseUp(TMouseButton::Left, To, 5);
}

int32_t Param(int k) { return ModuleParams[CurrentInstance].ParamValue[k]; }

// Adds the module through its menu item, as a person does; the form shows.
void AddThroughMenu(const char* Path, int Type) {
  TMenuItem* item = FindMenuItem(F_Synthe->MainMenu1, Path);
  ASSERT_NE(item, nullptr) << Path;
  item->Click();
  ASSERT_EQ(ModuleParams[CurrentInstance].ModuleType, Type);
  TextureDirty = 0;
}

struct HelpRow {
  TLabel* Label;
  const char* English;
  const char* French;
};

void ExpectHelp(TLabel& Aide, const std::vector<HelpRow>& Rows) {
  for (int language : {1, 2}) {
    LanguageFlag = language;
    for (const HelpRow& r : Rows) {
      Aide.Caption = "stale";
      r.Label->Click();
      EXPECT_EQ(Aide.Caption, language == 1 ? r.English : r.French) << r.Label->Caption;
    }
  }
  LanguageFlag = 1;
}

class RectangleForms : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
  }
  void TearDown() override { StartApplication(); }
};

TEST_F(RectangleForms, MicrobesFormShowsCentredAndLoaded) {
  AddThroughMenu("Textures > Misc > Microbes", T003_Type);
  TP_T003* f = P_T003;
  EXPECT_EQ(TypeForm[T003_Type], f);
  EXPECT_TRUE(f->Visible);
  EXPECT_TRUE(f->StayOnTop);
  EXPECT_EQ(f->Caption, "Textures > Misc > Microbes");
  EXPECT_EQ(f->Width, 397);
  EXPECT_EQ(f->Height, 462);
  // Round(main Left + main Width / 2 - 198.5): the half ties to even.
  EXPECT_EQ(f->Left, Round(Form1->Left + Form1->Width / 2.0L - 198.5L));
  EXPECT_EQ(f->Top, Form1->Top + Form1->Height / 2 - 231);
  EXPECT_EQ(f->Aide1.Caption, "Microbes texture ?!?");

  EXPECT_EQ(f->Ed_WF.Text, "9");
  EXPECT_TRUE(MarkerAt(f->Img_WF, (9 - 5) * 10 + 10));
  EXPECT_EQ(f->Ed_Dnst.Text, "1254");
  EXPECT_EQ(f->Density.MaxHundreds, 230);  // 23050 - 50
  EXPECT_TRUE(MarkerAt(f->Img_Dnst1, 54 + 10));
  EXPECT_TRUE(MarkerAt(f->Img_Dnst2, 12 + 10));
  EXPECT_EQ(f->Ed_Hue_Min.Text, "142");
  EXPECT_EQ(f->Ed_Hue_Max.Text, "279");
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 152));
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 289));
  EXPECT_EQ(f->Hue_Image.Canvas().Pixel(130, 5), 0x00FF00);  // hue 120 in line with the bar
  EXPECT_EQ(f->Seed.MaxHundreds, 10);
  EXPECT_TRUE(MarkerAt(f->Img_Rnd2, 5 * 22 + 10));
  EXPECT_EQ(f->Ed_Variant.Text, "0");
  // The captions the command line lists beside the parameters.
  EXPECT_EQ(f->ParamCaptions.size(), 10u);
  EXPECT_EQ(f->ParamCaptions[3], "Density");
  EXPECT_EQ(f->ParamCaptions[11], "Variant");
}

TEST_F(RectangleForms, MicrobesStoresDragsAndTypedValuesWithoutMarkingTheTexture) {
  AddThroughMenu("Textures > Misc > Microbes", T003_Type);
  TP_T003* f = P_T003;
  // Scaled sliders: the value is the rounded position; the marker snaps to
  // it when the mouse is released.
  Drag(f->Img_WF, 50, 76);  // position 66: 6.6 units above 5
  EXPECT_EQ(Param(1), 12);
  EXPECT_EQ(f->Ed_WF.Text, "12");
  EXPECT_TRUE(MarkerAt(f->Img_WF, 80));
  // The marker goes one pixel past the maximum's position, (15 - 5) * 10,
  // and comes back to it on release.
  f->Img_HF.MouseDown(TMouseButton::Left, 60, 5);
  f->Img_HF.MouseMove(TMouseButton::Left, 900, 5);
  EXPECT_EQ(Param(2), 15);
  EXPECT_TRUE(MarkerAt(f->Img_HF, 111));
  f->Img_HF.MouseUp(TMouseButton::Left, 900, 5);
  EXPECT_TRUE(MarkerAt(f->Img_HF, 110));
  const struct {
    int To, Variant;
  } variants[] = {{47, 0}, {48, 1}, {10, 0}};  // positions 37 and 38 of 75
  for (const auto& v : variants) {
    Drag(f->Img_Variant, f->Variant.Position + 10, v.To);
    EXPECT_EQ(Param(11), v.Variant) << "to x = " << v.To;
  }
  f->Ed_HF.TypeAndLeave("2");
  EXPECT_EQ(Param(2), 5);
  EXPECT_TRUE(MarkerAt(f->Img_HF, 10));

  // The density keeps to its parameter's range.
  const struct {
    const char* Typed;
    int32_t Stored;
  } densities[] = {{"30000", 23050}, {"50", 100}, {"4321", 4321}};
  for (const auto& d : densities) {
    f->Ed_Dnst.TypeAndLeave(d.Typed);
    EXPECT_EQ(Param(3), d.Stored) << d.Typed;
  }
  Drag(f->Img_Dnst2, 43 + 10, 7 + 10);  // 7 hundreds and the 21 units
  EXPECT_EQ(Param(3), 721);
  EXPECT_EQ(f->Ed_Dnst.Text, "721");
  f->Ed_Rnd.TypeAndLeave("2000");
  EXPECT_EQ(Param(13), 1050);

  // The range bar stores both ends after every change.
  Drag(f->Scroll_Bar_Hue, 152, 300);  // the low marker pushes the high one
  EXPECT_EQ(Param(5), 290);
  EXPECT_EQ(Param(6), 290);
  f->Ed_Hue_Max.TypeAndLeave("100");
  EXPECT_EQ(Param(5), 100);
  EXPECT_EQ(Param(6), 100);

  Drag(f->Img_LV2, 36, 20);
  EXPECT_EQ(Param(10), 10);
  f->Ed_HV.TypeAndLeave("x");
  EXPECT_EQ(Param(7), 0);
  EXPECT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(RectangleForms, MicrobesHelpTexts) {
  AddThroughMenu("Textures > Misc > Microbes", T003_Type);
  TP_T003* f = P_T003;
  LanguageFlag = 2;
  f->Hide();
  f->Show();
  EXPECT_EQ(f->Aide1.Caption, "Texture de microbes ?!?");
  ExpectHelp(f->Aide1, {{&f->Lbl_WF, "Microbe Width", "Largeur des microbes"},
                        {&f->Lbl_HF, "Microbe Height", "Hauteur des microbes"},
                        {&f->Lbl_Dnst, "Microbes density", "Densité de microbes"},
                        {&f->Lbl_Variant, "Slightly modify texture appearance", "Modifie légérement l'aspect de la texture"},
                        {&f->Lbl_Hue_Min, "Minimum hue channel value", "Valeur minimale du canal teinte"},
                        {&f->Lbl_Hue_Max, "Maximum hue channel value", "Valeur maximale du canal teinte"},
                        {&f->Lbl_HV, "Hue variant", "Variante de teinte"},
                        {&f->Lbl_LV1, "Luminosity variant", "Variante de luminosité"},
                        {&f->Lbl_LV2, "Luminosity variant", "Variante de luminosité"},
                        {&f->Lbl_Rnd, "Random generator initial value.", "Valeur initiale du générateur de nombre aléatoire."}});
}

TEST_F(RectangleForms, NeuroneFormSitsAtTheBottomLeftBehindTheHiddenMenu) {
  TMenuItem* fx = FindMenuItem(F_Synthe->MainMenu1, "Fx");
  ASSERT_NE(fx, nullptr);
  EXPECT_FALSE(fx->Visible);
  AddThroughMenu("Fx > Textures > Neurones", T002_Type);
  TP_T002* f = P_T002;
  EXPECT_EQ(F_Synthe->ShownForm, f);
  EXPECT_EQ(TypeForm[T002_Type], f);
  EXPECT_TRUE(f->Visible);
  EXPECT_TRUE(f->StayOnTop);
  EXPECT_EQ(f->Caption, "Fx > Textures > Internal Neurons");
  EXPECT_EQ(f->Width, 421);
  EXPECT_EQ(f->Height, 406);
  EXPECT_EQ(f->Left, Form1->Left + 4);
  EXPECT_EQ(f->Top + f->Height + 4, Form1->Top + Form1->Height);
  EXPECT_EQ(f->Lbl_Title.Caption, "Parameters");
  EXPECT_TRUE(f->Lbl_Title.FontBold);

  const struct {
    const char* Label;
    int32_t Value, Min, Max;
  } rows[TP_T002::Rows] = {{"X Factor 1", 26, 5, 500},
                           {"Y Factor 1", 21, 5, 500},
                           {"X Factor 2", 22, 5, 500},
                           {"Y Factor 2", 31, 5, 500},
                           {"Density 1", 2000, 100, 5000},
                           {"Density 2", 2000, 100, 5000},
                           {"X Effect", 2, 1, 100},
                           {"Y Effect", 2, 1, 100},
                           {"Hue Range", 5, 0, 50},
                           {"Hue Variant 1", 60, 0, 359},
                           {"Hue Variant 2", 227, 0, 359},
                           {"Luminosity Variant 1", 152, 0, 255},
                           {"Luminosity Variant 2", 149, 0, 255},
                           {"Random Seed", 500, 0, 1000}};
  for (int r = 0; r < TP_T002::Rows; ++r) {
    SCOPED_TRACE(rows[r].Label);
    EXPECT_EQ(f->Labels[r].Caption, rows[r].Label);
    EXPECT_EQ(f->ParamCaptions[r + 1], rows[r].Label);
    EXPECT_EQ(f->ScrollBars[r].Name, "ScrollBar" + std::to_string(r + 1));
    EXPECT_EQ(f->ScrollBars[r].Width, 246);
    EXPECT_EQ(f->ScrollBars[r].Min(), rows[r].Min);
    EXPECT_EQ(f->ScrollBars[r].Max(), rows[r].Max);
    EXPECT_EQ(f->ScrollBars[r].Position(), rows[r].Value);
    EXPECT_EQ(f->Edits[r].Text, std::to_string(rows[r].Value));
  }
  EXPECT_EQ(TextureDirty, 0);
}

// Unlike the other texture forms, every change on this one marks the texture
// changed, and only a change does.
TEST_F(RectangleForms, NeuroneScrollBarsAndEditsStoreAndMarkTheTexture) {
  AddThroughMenu("Fx > Textures > Neurones", T002_Type);
  TP_T002* f = P_T002;
  f->Hide();
  f->Show();
  EXPECT_EQ(TextureDirty, 0);

  const struct {
    int K;
    const char* Typed;  // nullptr: the scroll bar is moved to Scroll
    int32_t Scroll, Stored;
    uint8_t Dirty;
  } steps[] = {
      {5, nullptr, 4321, 4321, 1},  {14, nullptr, 7, 7, 1},   {1, "9999", 0, 500, 1},
      {9, "-3", 0, 0, 1},           {12, "200", 0, 200, 1},   {8, "2x", 0, 2, 0},
  };
  for (const auto& st : steps) {
    SCOPED_TRACE(st.K);
    TextureDirty = 0;
    if (st.Typed)
      f->Edits[st.K - 1].TypeAndLeave(st.Typed);
    else
      f->ScrollBars[st.K - 1].Scroll(st.Scroll);
    EXPECT_EQ(Param(st.K), st.Stored);
    EXPECT_EQ(f->ScrollBars[st.K - 1].Position(), st.Stored);
    EXPECT_EQ(TextureDirty, st.Dirty);
  }
  EXPECT_EQ(f->Edits[0].Text, "500");
  EXPECT_EQ(MessageLog().size(), 1u);  // "2x" is not a number
}

TEST_F(RectangleForms, NeuronsFormShowsStoresAndHelps) {
  AddThroughMenu("Textures > Misc > Neurons", T007_Type);
  TP_T007* f = P_T007;
  EXPECT_EQ(TypeForm[T007_Type], f);
  EXPECT_EQ(f->Caption, "Textures > Misc > Neurons");
  EXPECT_EQ(f->Width, 398);
  EXPECT_EQ(f->Height, 430);
  EXPECT_TRUE(f->StayOnTop);
  EXPECT_EQ(f->Left, Round(Form1->Left + Form1->Width / 2.0L - 199));
  EXPECT_EQ(f->Top, Round(Form1->Top + Form1->Height / 2.0L - 215));
  EXPECT_EQ(f->Aide1.Caption, "Neurons texture ?!?");
  EXPECT_EQ(f->Ed_HV2.Text, "227");
  EXPECT_TRUE(MarkerAt(f->Img_V1, 32 - 1 + 10));
  EXPECT_TRUE(MarkerAt(f->Img_Hue_Rng, 5 * 7 + 10));
  EXPECT_EQ(f->Seed.MaxHundreds, 10);
  EXPECT_EQ(f->ParamCaptions.size(), 9u);
  EXPECT_EQ(f->ParamCaptions[9], "Variant 1");

  Drag(f->Img_Hue_Rng, 45, 45 + 24);  // position 59: 8.43 units
  EXPECT_EQ(Param(4), 8);
  EXPECT_TRUE(MarkerAt(f->Img_Hue_Rng, 8 * 7 + 10));
  Drag(f->Img_V2, 41, 500);
  EXPECT_EQ(Param(10), 120);
  f->Ed_WE.TypeAndLeave("0");
  EXPECT_EQ(Param(1), 1);
  Drag(f->Img_Rnd2, 10, 10 + 4 * 23);
  EXPECT_EQ(Param(11), 400);
  f->Ed_Rnd.TypeAndLeave("1999");
  EXPECT_EQ(Param(11), 1050);
  EXPECT_EQ(TextureDirty, 0);

  ExpectHelp(f->Aide1, {{&f->Lbl_WE, "Unforeseeable effect - just try it !!!", "Effet imprévisible - à essayer !!!"},
                        {&f->Lbl_HE, "Unforeseeable effect - just try it !!!", "Effet imprévisible - à essayer !!!"},
                        {&f->Lbl_Hue_Rng, "Hue range (depends on variant 1,2 and 3)",
                         "Fourchette de teintes (dépend des variantes 1,2 et 3)"},
                        {&f->Lbl_HV1, "Hue variant", "Variante de teinte"},
                        {&f->Lbl_HV2, "Hue variant", "Variante de teinte"},
                        {&f->Lbl_HV3, "Hue variant", "Variante de teinte"},
                        {&f->Lbl_V1, "Slightly modify texture appearance", "Modifie légérement l'aspect de la texture"},
                        {&f->Lbl_V2, "Slightly modify texture appearance", "Modifie légérement l'aspect de la texture"},
                        {&f->Lbl_Rnd, "Random generator initial value.", "Valeur initiale du générateur de nombre aléatoire."}});
  LanguageFlag = 2;
  f->Hide();
  f->Show();
  EXPECT_EQ(f->Aide1.Caption, "Texture de neurones ?!?");
}

}  // namespace
