// The "Inside The Body" form as a person uses it: its place beside the
// module window, the Variant slider, the seed and the help texts.
#include <gtest/gtest.h>

#include <string>

#include "FormTestSupport.h"
#include "engine/Instances.h"
#include "modules/textures/Fnc_T023.h"
#include "modules/textures/Prm_T023.h"
#include "shell/Main.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class InsideTheBodyForm : public FormTest<TP_T023, T023_Type> {
 protected:
  InsideTheBodyForm() : FormTest("Textures > Nature > Inside The Body", P_T023) {}
};

TEST_F(InsideTheBodyForm, MovesBesideTheModuleWindowWithinTenPixelsOfIt) {
  EXPECT_EQ(F_Synthe->ShownForm, f);
  EXPECT_EQ(f->Caption, "Textures > Nature > Inside The Body");
  const int centred = Form1->Left + Form1->Width / 2 - f->Width / 2;
  // The first module-window position that leaves the form centred, and the
  // pixel before it.
  const int edge = centred + f->Width + 10;
  const struct {
    int ModuleLeft, Left;
  } cases[] = {{edge, centred}, {edge - 1, edge - 1 - (f->Width + 10)}};
  for (auto& c : cases) {
    F_Synthe->Left = c.ModuleLeft;
    f->Create();
    EXPECT_EQ(f->Left, c.Left) << "module window at " << c.ModuleLeft;
    EXPECT_EQ(f->Top, Form1->Top + Form1->Height / 2 - f->Height / 2);
  }
}

TEST_F(InsideTheBodyForm, VariantDragRoundsHalfUnitsToEvenAndSnapsOnRelease) {
  EXPECT_TRUE(MarkerAt(f->Img_Density, 10));
  f->Img_Density.MouseDown(TMouseButton::Left, 12, 3);
  // Position 26 is 6.5 units: 6; position 30 is 7.5 units: 8; the marker
  // may go one pixel past the last unit.
  const int cases[][2] = {{36, 6}, {40, 8}, {38, 7}, {600, 100}, {0, 0}, {37, 7}};
  for (auto& c : cases) {
    f->Img_Density.MouseMove(TMouseButton::Left, c[0], 3);
    EXPECT_EQ(Param(1), c[1]) << "x " << c[0];
    EXPECT_EQ(f->Ed_Density.Text, std::to_string(c[1]));
  }
  f->Img_Density.MouseUp(TMouseButton::Left, 37, 3);
  EXPECT_TRUE(MarkerAt(f->Img_Density, 38));
  f->Ed_Density.TypeAndLeave("250");
  EXPECT_EQ(Param(1), 100);
  EXPECT_TRUE(MarkerAt(f->Img_Density, 410));
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(InsideTheBodyForm, SeedSplitsIntoUnitsAndHundredsWithinTheParameterRange) {
  EXPECT_EQ(f->Seed.MaxHundreds, 15);
  const struct {
    const char* Typed;
    int32_t Stored, Units, Hundreds;
  } cases[] = {{"1234", 1234, 34, 12}, {"1999", 1550, 50, 15}, {"-7", 0, 0, 0}, {"99", 99, 99, 0}};
  for (auto& c : cases) {
    f->Ed_Rnd.TypeAndLeave(c.Typed);
    EXPECT_EQ(Param(2), c.Stored) << c.Typed;
    EXPECT_TRUE(MarkerAt(f->Img_Rnd1, c.Units + 10)) << c.Typed;
    EXPECT_TRUE(MarkerAt(f->Img_Rnd2, c.Hundreds * 18 + 10)) << c.Typed;
  }
  ClearMessageLog();
  f->Ed_Rnd.TypeAndLeave("12x");
  EXPECT_EQ(Param(2), 99);
  EXPECT_EQ(MessageLog().size(), 1u);
  ModuleParams[1].ParamValue[2] = 1234;
  Reactivate();
  EXPECT_EQ(f->Ed_Rnd.Text, "1234");
  EXPECT_TRUE(MarkerAt(f->Img_Rnd2, 226));
}

TEST_F(InsideTheBodyForm, HelpTexts) {
  // The activation text is the name in double quotes, in both languages.
  LanguageFlag = 1;
  Reactivate();
  EXPECT_EQ(f->Aide1.Caption, "\"Inside the body\"");
  EXPECT_EQ(f->Aide1.Caption.size(), 17u);
  ExpectHelpTexts(*f,
                  {{f->Label6, "Algorithm variant", "Variante de l'algorithme"},
                   {f->Title9, "Random generator initial value.", "Valeur initiale du générateur de nombre aléatoire."}},
                  "\"Inside the body\"");
}

}  // namespace
