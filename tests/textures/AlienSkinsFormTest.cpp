// The "Alien Skins" form as a person uses it: its place beside the module
// window, the planet list, the colour swatches, the Variants, the seeds and
// the help texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "engine/Color.h"
#include "engine/Instances.h"
#include "modules/textures/Fnc_T006.h"
#include "modules/textures/Prm_T006.h"
#include "shell/Main.h"
#include "shell/widgets/Dialogs.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class AlienSkinsForm : public FormTest<TP_T006, T006_Type> {
 protected:
  AlienSkinsForm() : FormTest("Textures > Skin > Alien Skins", P_T006) {}
};

TEST_F(AlienSkinsForm, MovesBesideTheModuleWindowWhenItWouldOverlapIt) {
  EXPECT_EQ(f->Caption, "Textures > Skin > Alien Skins");
  const int centred = Form1->Left + Form1->Width / 2 - f->Width / 2;
  const int edge = centred + f->Width;
  const struct {
    int ModuleLeft, Left;
  } cases[] = {{edge, centred}, {edge - 1, edge - 1 - (f->Width + 10)}};
  for (auto& c : cases) {
    F_Synthe->Left = c.ModuleLeft;
    f->Create();
    EXPECT_EQ(f->Left, c.Left) << "module window at " << c.ModuleLeft;
  }
}

TEST_F(AlienSkinsForm, ThePlanetListAndTheSwatches) {
  EXPECT_EQ(f->ComboBox1.Items, (std::vector<std::string>{"Pluto", "Mars", "Jupiter", "Saturn", "Neptune", "Venus",
                                                           "Mercury", "Moon"}));
  EXPECT_EQ(f->Panel_Color1.Color, 32768);
  ModuleParams[1].ParamValue[1] = 3;
  ModuleParams[1].ParamColor[2] = PackRGB(1, 2, 3);
  Reactivate();
  EXPECT_EQ(f->ComboBox1.Text(), "Saturn");
  EXPECT_EQ(f->Panel_Color2.Hint, "R:1 G:2 B:3");
  f->ComboBox1.Select(7);
  EXPECT_EQ(Param(1), 7);
  f->ComboBox1.TypeText("Earth");
  EXPECT_EQ(Param(1), -1);
  ClearDialogAnswers();
  QueueColorAnswer(PackRGB(10, 20, 30));
  f->Panel_Color1.Click();
  EXPECT_EQ(ModuleParams[1].ParamColor[1], PackRGB(10, 20, 30));
  EXPECT_EQ(ModuleParams[1].ParamColor[2], PackRGB(1, 2, 3));
  EXPECT_EQ(f->ColorCaptions.at(2), "Modifier colors 2");
  // The command line offers the list's items and the form's seed limits.
  EXPECT_EQ(f->ParamLimits.at(1), (std::pair<int32_t, int32_t>{0, 7}));
  EXPECT_EQ(f->ParamLimits.at(10), (std::pair<int32_t, int32_t>{0, 1050}));
}

TEST_F(AlienSkinsForm, VariantsKeepTheirRangeAndSeedsTheFormsLimits) {
  const struct {
    TEdit* Edit;
    const char* Typed;
    int Param;
    int32_t Stored;
  } typed[] = {{&f->Ed_V1, "150", 3, 100},     {&f->Ed_V3, "-101", 5, -100},    {&f->Ed_V6, "-7", 8, -7},
               {&f->Ed_RndA, "1049", 9, 1049}, {&f->Ed_RndB, "5000", 10, 1050}, {&f->Ed_RndB, "-3", 10, 0}};
  for (auto& t : typed) {
    t.Edit->TypeAndLeave(t.Typed);
    EXPECT_EQ(Param(t.Param), t.Stored) << t.Typed;
  }
  EXPECT_TRUE(MarkerAt(f->Img_RndA1, 59));
  EXPECT_TRUE(MarkerAt(f->Img_RndA2, 90));
  // Variant 4 at 0 has its marker at x = 110; drag it to -50 (x = 60).
  Drag(f->Img_V4, 113, 60);
  EXPECT_EQ(Param(6), -50);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(AlienSkinsForm, HelpTextsInBothLanguages) {
  ExpectHelpTexts(*f,
                  {{f->Lbl_Planet, "Alien's home ...", "La planète de l'extra-terrestre ..."},
                   {f->Lbl_Colors, "\"Modifier colors\" 1 and 2 are the base colors, not the final colors ...",
                    "\"Modifier colors\" sont les couleurs de base , pas les couleurs finales ..."},
                   {f->Lbl_V1, "Variant 1 to Variant 6 are color modifiers",
                    "Variant 1 à Variant 6 effectuent des variations de couleurs"},
                   {f->Lbl_V6, "Variant 1 to Variant 6 are color modifiers",
                    "Variant 1 à Variant 6 effectuent des variations de couleurs"},
                   {f->Lbl_RndB, "Random generator initial value.",
                    "Valeur initiale du générateur de nombre aléatoire."}},
                  "Pourrait être une espèce de peau d'alien ???");
  LanguageFlag = 1;
  Reactivate();
  EXPECT_EQ(f->Aide1.Caption, "Could be a kind of aliens skin ???");
}

}  // namespace
