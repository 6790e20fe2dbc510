// The "Corn" form as a person uses it: it stays centred, loads every control,
// stores what is dragged and typed, and shows its help texts.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "engine/Color.h"
#include "engine/Instances.h"
#include "modules/textures/Fnc_T018.h"
#include "modules/textures/Prm_T018.h"
#include "shell/Main.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class CornForm : public FormTest<TP_T018, T018_Type> {
 protected:
  CornForm() : FormTest("Textures > Nature > Corn", P_T018) {}
};

TEST_F(CornForm, StaysCentredOverTheMainWindowAndLoadsEveryControl) {
  EXPECT_EQ(f->Caption, "Textures > Nature > Corn");
  F_Synthe->Left = f->Left + 5;  // over the form: it does not move away
  f->Create();
  EXPECT_EQ(2 * (f->Left - Form1->Left) + f->Width, Form1->Width);  // centred (even sizes)
  EXPECT_EQ(2 * (f->Top - Form1->Top) + f->Height, Form1->Height);
  EXPECT_EQ(f->Ed_Size.Text, "40");
  EXPECT_TRUE(MarkerAt(f->Img_Size, 20));
  EXPECT_TRUE(MarkerAt(f->Img_Size_Var, 5 * 36 + 10));
  EXPECT_TRUE(MarkerAt(f->Img_Hue_Var, 10 * 12 + 10));
  EXPECT_TRUE(MarkerAt(f->Img_SN, 50));
  EXPECT_TRUE(MarkerAt(f->Img_RndA1, 11));
  EXPECT_TRUE(MarkerAt(f->Img_RndA2, 10));
  // The hue picture: hue 0 (red) at x = 10, hue 120 (green) at x = 130.
  EXPECT_EQ(f->Hue_Image.Canvas().Pixel(10, 5), PackRGB(255, 0, 0));
  EXPECT_EQ(f->Hue_Image.Canvas().Pixel(130, 5), PackRGB(0, 255, 0));
}

TEST_F(CornForm, StoresWhatAPersonDragsAndTypes) {
  // Size Variation, 36 pixels per unit, from 5 (x = 190): position 54 is
  // 1.5 units and reads 2; position 18 is half a unit and reads 0.
  f->Img_Size_Var.MouseDown(TMouseButton::Left, 191, 3);
  const int drags[][2] = {{64, 2}, {28, 0}, {500, 10}, {118, 3}};
  for (auto& d : drags) {
    f->Img_Size_Var.MouseMove(TMouseButton::Left, d[0], 3);
    EXPECT_EQ(Param(2), d[1]) << "x " << d[0];
  }
  f->Img_Size_Var.MouseUp(TMouseButton::Left, 118, 3);
  EXPECT_TRUE(MarkerAt(f->Img_Size_Var, 118));

  const struct {
    TEdit* Edit;
    const char* Typed;
    int Param;
    int32_t Stored;
  } typed[] = {{&f->Ed_Size, "10", 1, 30},       {&f->Ed_Size, "401", 1, 400},       {&f->Ed_Hue, "360", 4, 359},
               {&f->Ed_Hue_Var, "-1", 5, 0},     {&f->Ed_LN, "21", 8, 20},           {&f->Ed_SN, "7", 7, 7},
               {&f->Ed_RndA, "0", 10, 0},        {&f->Ed_RndA, "1051", 10, 1050},    {&f->Ed_RndA, "1001", 10, 1001}};
  ClearMessageLog();
  for (auto& t : typed) {
    t.Edit->TypeAndLeave(t.Typed);
    EXPECT_EQ(Param(t.Param), t.Stored) << t.Typed;
  }
  EXPECT_TRUE(MarkerAt(f->Img_RndA2, 250));
  EXPECT_EQ(TextureDirty, 0);
  EXPECT_TRUE(MessageLog().empty());
}

TEST_F(CornForm, HelpTextsInBothLanguages) {
  ExpectHelpTexts(*f,
                  {{f->Label11, "Grain size", "Taille du grain"},
                   {f->Label9, "Grain size variation", "Variation de la taille du grain"},
                   {f->Label6, "Grain color", "Couleur des grains"},
                   {f->Label10, "Grain color variation", "Variation de la couleur des grains"},
                   {f->Label1, "Saturation noise", "Bruit ajouté à la saturation"},
                   {f->Label2, "Luminosity noise", "Bruit ajouté à la luminosité"},
                   {f->Label17, "Random generator initial value.",
                    "Valeur initiale du générateur de nombre aléatoire."}},
                  "Texture de maïs : des grains ronds sur un fond noir");
}

}  // namespace
