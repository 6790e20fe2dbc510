// "Coral": its registration, the record and status texts of its fourteen
// phases, the fixed noise seed, the stored hue pair reaching the hue stretch
// unordered, offsets of any size, and its form as a person uses it.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "TextureTestSupport.h"
#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/filters/Levels.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/generators/Noise.h"
#include "modules/textures/Fnc_T016.h"
#include "modules/textures/Prm_T016.h"
#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Canvas.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;
using namespace quillon::test;

namespace {

constexpr int32_t Big = std::numeric_limits<int32_t>::max();
constexpr int32_t Small = std::numeric_limits<int32_t>::min();

class Coral : public TextureTest<T016_Type> {
 protected:
  void SetUp() override {
    TextureTest::SetUp();
    UseSize(128, 96);
  }
  // The texture of one instance with these parameter values.
  static std::vector<Sample> Render(std::initializer_list<std::pair<int, int32_t>> values) {
    Run(values);
    return Snapshot(ResultLayer);
  }
};

TEST_F(Coral, RegistersWithItsDefaultsAndRanges) {
  EXPECT_EQ(TypeName[55], "Coral");
  EXPECT_EQ(TypeCode[55], "T016");
  EXPECT_EQ(TypeGenerator[55], 1);
  // parameter, default, minimum, maximum: parameter 4 is bounded by 359 too.
  ExpectDefaultsAndRanges({{1, 0, 0, 359}, {2, 45, 0, 359}, {3, 0, 0, 0}, {4, 200, 0, 359}, {5, 0, 0, 0},
                           {6, 1, 1, 20}, {7, 1, 1, 20}, {10, 0, 0, 1000}, {11, 0, 0, 0}});
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(ModuleParams[1].ParamColor[c], 0);
}

TEST_F(Coral, CopiesItsRecordAndMarksEveryPhase) {
  CreateInstance(T016_Type);
  const int i = CreateInstance(T016_Type);
  ModuleParams[1].Active = 0;
  auto& p = ModuleParams[i].ParamValue;
  p[1] = 31, p[2] = 32, p[3] = 99, p[4] = 34, p[6] = 36, p[7] = 37, p[10] = 40;
  F_Synthe->StatusBar1.ClearPainted();
  ComputeChain();
  EXPECT_EQ((std::vector<int32_t>{T016Work.HueMin, T016Work.HueMax, T016Work.LumThreshold, T016Work.XOffset,
                                  T016Work.YOffset, T016Work.Seed}),
            (std::vector<int32_t>{31, 32, 34, 36, 37, 40}));
  EXPECT_EQ(ProgressTexts(), PhaseTexts("(2) Coral", 14));
  // The noise starts from its own seed whatever p10 holds; the last phase
  // softens hue over 3 x 3 and saturation over 11 x 11, not luminosity.
  EXPECT_EQ(NoiseWork.Seed, CoralNoiseSeed);
  EXPECT_EQ(CoralNoiseSeed, 3456);
  EXPECT_EQ(Fields(FMTCWork), (std::vector<int32_t>{SpaceHSL, 1, 1, 5, 1, 1, 0}));
}

TEST_F(Coral, TheStoredHuePairReachesTheHueStretchAsItIs) {
  struct Case {
    int32_t Min, Max;
  };
  for (const Case c : {Case{300, 10}, Case{77, 77}, Case{0, 359}}) {
    Run({{1, c.Min}, {2, c.Max}});
    EXPECT_EQ(LevelsWork.Channel[0].Apply, 1);
    EXPECT_EQ(LevelsWork.Channel[0].Min, c.Min);
    EXPECT_EQ(LevelsWork.Channel[0].Max, c.Max);
    // Every hue lies between the two, whichever is larger; equal limits give
    // every pixel that hue, which the last softening keeps.
    const int32_t lo = std::min(c.Min, c.Max), hi = std::max(c.Min, c.Max);
    int outside = 0;
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) {
        const int32_t h = Pixel(ResultLayer, SpaceHSL, 1, x, y);
        outside += h < lo || h > hi;
      }
    EXPECT_EQ(outside, 0) << c.Min << ".." << c.Max;
  }
  // The reversed pair turns the hue over: its picture is not the ordered one.
  EXPECT_NE(Render({{1, 300}, {2, 10}}), Render({{1, 10}, {2, 300}}));
}

TEST_F(Coral, OffsetsOfAnySizeWrapAroundThePicture) {
  // A stored offset above the side is first reduced to offset mod side + 1;
  // any offset then wraps modulo the side (width 128, height 96).
  const auto one = Render({{6, 1}, {7, 1}});
  EXPECT_EQ(Render({{6, 1 - 128}, {7, 1 - 96 * 3}}), one);
  EXPECT_EQ(Render({{6, 128}, {7, 96 * 2}}), Render({{6, 0}, {7, 1}}));  // 192 mod 96 + 1 = 1
  EXPECT_EQ(Render({{6, Big}, {7, Small}}), Render({{6, Big % 128 + 1}, {7, Small % 96}}));
  EXPECT_NE(Render({{6, 2}, {7, 1}}), one);
}

TEST_F(Coral, EqualSeedsRepeatTheTextureAndOthersChangeIt) {
  const auto zero = Render({{10, 0}});
  EXPECT_EQ(Render({{10, 0}}), zero);
  EXPECT_NE(Render({{10, 1}}), zero);
}

// --- The form -----------------------------------------------------------------

class CoralForm : public FormTest<TP_T016, T016_Type> {
 protected:
  CoralForm() : FormTest("Textures > Nature > Coral", P_T016) {}
};

TEST_F(CoralForm, OpensCentredOverTheMainWindow) {
  EXPECT_EQ(F_Synthe->ShownForm, f);
  EXPECT_EQ(TypeForm[T016_Type], f);
  EXPECT_EQ(f->Caption, "Textures > Nature > Coral");
  EXPECT_EQ(f->Width, 399);
  EXPECT_EQ(f->Height, 292);
  EXPECT_TRUE(f->StayOnTop);
  // Round(1024 / 2 - 399 / 2) = Round(312.5) = 312, the tie to even.
  EXPECT_EQ(f->Left, Form1->Left + 312);
  EXPECT_EQ(f->Top, Form1->Top + Form1->Height / 2 - 146);
  // The command line lists the values under the form's captions.
  EXPECT_EQ(f->ParamCaptions, (std::map<int, std::string>{{1, "Hue Min"}, {2, "Hue Max"}, {4, "Variant 1"},
                                                          {6, "Width Effect"}, {7, "Height Effect"},
                                                          {10, "Random Seed 1"}}));
}

TEST_F(CoralForm, ActivationLoadsEveryControl) {
  auto& p = ModuleParams[1].ParamValue;
  p[1] = 20, p[2] = 300, p[6] = 5, p[7] = 20, p[4] = 250, p[10] = 1037;
  Reactivate();
  EXPECT_EQ(f->Aide1.Caption, "Coral texture");
  EXPECT_EQ(f->Ed_Hue_Min.Text, "20");
  EXPECT_EQ(f->Ed_Hue_Max.Text, "300");
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 30));
  EXPECT_TRUE(MarkerAt(f->Scroll_Bar_Hue, 310));
  EXPECT_EQ(f->Effects[0].Position, 32);  // (5 - 1) * 8
  EXPECT_TRUE(MarkerAt(f->Img_Width, 42));
  EXPECT_EQ(f->Effects[1].Position, 152);
  EXPECT_EQ(f->Ed_V1.Text, "250");
  EXPECT_EQ(f->Seed.UnitsValue, 37);
  EXPECT_EQ(f->Seed.Position, 230);  // 10 hundreds, 23 pixels each
  EXPECT_EQ(f->Ed_RndA.Text, "1037");
}

TEST_F(CoralForm, StoresWhatAPersonDragsAndTypesWithoutMarkingTheTexture) {
  ClearMessageLog();
  Reactivate();
  // The low hue marker (0, x = 10) dragged past the high one (45) pushes it.
  Drag(f->Scroll_Bar_Hue, 11, 110);
  EXPECT_EQ(Param(1), 100);
  EXPECT_EQ(Param(2), 100);
  f->Ed_Hue_Max.TypeAndLeave("400");
  EXPECT_EQ(Param(2), 359);
  // "Width Effect" dragged from 1 (x = 10) to x = 37: Round(27 / 8) + 1 = 4;
  // on release the marker moves to the value's own place, 24.
  f->Img_Width.MouseDown(TMouseButton::Left, 10, 5);
  f->Img_Width.MouseMove(TMouseButton::Left, 37, 5);
  EXPECT_EQ(Param(6), 4);
  EXPECT_TRUE(MarkerAt(f->Img_Width, 37));
  f->Img_Width.MouseUp(TMouseButton::Left, 37, 5);
  EXPECT_EQ(f->Effects[0].Position, 24);
  EXPECT_TRUE(MarkerAt(f->Img_Width, 34));
  f->Ed_Height.TypeAndLeave("0");
  EXPECT_EQ(Param(7), 1);
  f->Ed_V1.TypeAndLeave("359");
  EXPECT_EQ(Param(4), 359);
  f->Ed_RndA.TypeAndLeave("1050");
  EXPECT_EQ(Param(10), 1050);
  f->Ed_RndA.TypeAndLeave("1051");
  EXPECT_EQ(Param(10), 1050);
  EXPECT_EQ(TextureDirty, 0);
  EXPECT_TRUE(MessageLog().empty());
}

TEST_F(CoralForm, HelpTextsInBothLanguages) {
  ExpectHelpTexts(*f,
                  {
                      {f->Lbl_Hue_Min, "Minimum hue channel value", "Valeur minimale du canal teinte"},
                      {f->Lbl_Hue_Max, "Maximum hue channel value", "Valeur maximale du canal teinte"},
                      {f->Lbl_Width, "Width effect", "Variation en largeur"},
                      {f->Lbl_Height, "Height effect", "Variation en hauteur"},
                      {f->Lbl_V1, "Slightly modify texture appearance",
                       "Modifie l\u00e9g\u00e9rement l'aspect de la texture"},
                      {f->Lbl_RndA, "Random generator initial value.",
                       "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire."},
                  },
                  "Texture de corail");
  LanguageFlag = 1;
  Reactivate();
  EXPECT_EQ(f->Aide1.Caption, "Coral texture");
}

}  // namespace
