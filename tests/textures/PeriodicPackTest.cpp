// The periodic texture pack's three modules: registration, the shared chain
// (its records, rounding and status texts), what happens at the limits of
// the periodic generator and the rotational sampling, the clock-seeded
// random preset and the built-in preset tables.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Presets.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "engine/EngineTest.h"
#include "modules/filters/Levels.h"
#include "modules/generators/SinX.h"
#include "modules/textures/Fnc_T015.h"
#include "modules/textures/Fnc_T021.h"
#include "modules/textures/Fnc_T022.h"
#include "modules/textures/Prm_T015.h"
#include "modules/textures/Prm_T021.h"
#include "modules/textures/Prm_T022.h"
#include "shell/Application.h"
#include "shell/Synthe.h"
#include "shell/widgets/MessageBox.h"
#include "tools/quillon/Cli.h"

using namespace quillon;

namespace {

struct Module {
  int Type;
  const char* Name;
  const char* Code;
  int32_t Wave;
};
const Module TxA{101, "P.Tx Pack 1 Tx A", "T021", PackWaveSine};
const Module TxB{102, "P.Tx Pack 1 Tx B", "T022", PackWaveTriangle};
const Module TxC{54, "P.Tx Pack 1 Tx C", "T015", PackWaveSawtooth};

class PeriodicPack : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
    Size(128);
  }
  void TearDown() override {
    RandomPresetClock = MillisecondsSinceMidnight;
    StartApplication();
  }
  static void Size(int Side) { ImageWidth = ImageHeight = Side; }
  // A new instance of the module, its values changed as given (k, value).
  static int Add(const Module& m, std::initializer_list<std::pair<int, int32_t>> Changes = {}) {
    const int i = CreateInstance(m.Type);
    for (auto [k, v] : Changes) ModuleParams[i].ParamValue[k] = v;
    return i;
  }
  static void Execute(int i) {
    RunningInstance = i;
    TypeExecuteProc[ModuleParams[i].ModuleType]();
  }
  // The current layer after the running of instance i.
  static std::vector<Sample> Picture(int i) {
    Execute(i);
    std::vector<Sample> v;
    for (int s = 1; s <= 2; ++s)
      for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= ImageWidth; ++x)
          for (int y = 1; y <= ImageHeight; ++y) v.push_back(LayerPlane(CurrentLayer, s, c).at(x, y));
    return v;
  }
  static std::vector<std::string> StatusTexts() {
    std::vector<std::string> texts;
    for (const auto& t : F_Synthe->StatusBar1.Painted())
      if (t.Panel == 1) texts.push_back(t.Text);
    return texts;
  }
};

TEST_F(PeriodicPack, RegistersTheThreeTypesWithTheirDefaultsAndSharedRanges) {
  // k, default of Tx A, Tx B, Tx C, minimum, maximum
  const int32_t table[][6] = {
      {1, 3, 3, 4, 1, 200},      {2, 0, 0, 0, 0, 200},       {3, 100, 100, 100, 0, 100}, {4, 2, 2, 4, 1, 200},
      {5, 0, 0, 0, 0, 200},      {6, 100, 100, 100, 0, 100}, {7, 3, 3, 1, 1, 3},         {8, 80, 80, 28, 0, 300},
      {9, 80, 0, 0, 0, 300},     {10, 3, 1, 2, 1, 5},        {11, 120, 120, 55, 0, 300}, {12, 0, 0, 55, 0, 300},
      {13, 1, 1, 2, 1, 5},       {14, 3, 3, 2, 1, 5},        {15, 217, 217, 164, 0, 255}, {16, 130, 130, 0, 0, 255},
      {17, 158, 158, 43, 0, 255}, {18, 4, 4, 1, 1, 5},       {19, 0, 0, 0, 0, 0},         {33, 0, 0, 0, 0, 0},
  };
  const Module modules[] = {TxA, TxB, TxC};
  for (int m = 0; m < 3; ++m) {
    SCOPED_TRACE(modules[m].Name);
    EXPECT_EQ(TypeName[modules[m].Type], modules[m].Name);
    EXPECT_EQ(TypeCode[modules[m].Type], modules[m].Code);
    EXPECT_EQ(TypeGenerator[modules[m].Type], 1);
    const int i = Add(modules[m]);
    for (const auto& row : table) {
      EXPECT_EQ(ModuleParams[i].ParamValue[row[0]], row[1 + m]) << "p" << row[0];
      EXPECT_EQ(ModuleParams[i].ParamMin[row[0]], row[4]) << "p" << row[0];
      EXPECT_EQ(ModuleParams[i].ParamMax[row[0]], row[5]) << "p" << row[0];
    }
  }
}

TEST_F(PeriodicPack, HueBoundsRoundInExtendedPrecision) {
  // Value, Round(Value / 255 x 359): 43 / 255 x 359 = 60.54; 1 gives 1.41.
  // Values from a preset file far beyond the range saturate to 32 bits.
  const int32_t table[][2] = {{130, 183}, {158, 222}, {255, 359}, {0, 0}, {43, 61}, {1, 1}, {128, 180},
                              {-255, -359}, {INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MIN}};
  for (const auto& row : table) EXPECT_EQ(PeriodicPack_HueBound(row[0]), row[1]) << row[0];
  // The default Tx A instance stretches its hue to 183 .. 222 in phase 10.
  Execute(Add(TxA));
  EXPECT_EQ(LevelsWork.Channel[0].Min, 183);
  EXPECT_EQ(LevelsWork.Channel[0].Max, 222);
}

TEST_F(PeriodicPack, ShowsTheNameAndElevenPhaseMarks) {
  Add(TxA);
  const int i = Add(TxB);
  ModuleParams[1].Active = 0;
  F_Synthe->StatusBar1.ClearPainted();
  ComputeChain();
  std::vector<std::string> expected = {"(2) P.Tx Pack 1 Tx B"};
  for (int k = 1; k <= 11; ++k) expected.push_back("(2) P.Tx Pack 1 Tx B [phase " + std::to_string(k) + "]");
  EXPECT_EQ(StatusTexts(), expected);
  EXPECT_EQ(i, 2);
}

TEST_F(PeriodicPack, TheThreeModulesShareTheChainButTheWave) {
  // Equal values: every phase but the first fills the same record; the
  // first differs in its wave only.
  const TPackValues values = {5, 6, 7, 8, 9, 10, 2, 11, 12, 3, 13, 14, 4, 1, 200, 100, 150, 5};
  TPeriodicPackWork w;
  std::memcpy(&w, values.data(), sizeof w);
  // Phase 1's record for each wave.
  auto firstRecord = [&](int32_t wave) {
    PeriodicPack_Phases(wave, w)[0].FillWork();
    std::vector<int32_t> r(12);
    std::memcpy(r.data(), &SIN1Work, sizeof SIN1Work);
    return r;
  };
  EXPECT_EQ(firstRecord(PackWaveSine), (std::vector<int32_t>{5, 6, 7, 8, 9, 10, 0, 255, 0, 255, 0, 2}));
  EXPECT_EQ(firstRecord(PackWaveTriangle), (std::vector<int32_t>{5, 6, 7, 8, 9, 10, 0, 255, 0, 255, 1, 2}));
  const auto a = PeriodicPack_Phases(PackWaveSine, w), c = PeriodicPack_Phases(PackWaveSawtooth, w);
  ASSERT_EQ(a.size(), 11u);
  for (size_t k = 0; k < a.size(); ++k) {
    EXPECT_EQ(a[k].Operation, c[k].Operation) << "phase " << k + 1;
    EXPECT_EQ(a[k].After, k == 0 ? AfterPhase::Copy : AfterPhase::Nothing) << "phase " << k + 1;
    EXPECT_FALSE(a[k].Seed) << "phase " << k + 1;
  }
  // Phase 10 on the 0..359 scale: 100 gives 141 (140.78), 150 gives 211 (211.18).
  a[9].FillWork();
  EXPECT_EQ(LevelsWork.Space, SpaceHSL);
  EXPECT_EQ(LevelsWork.Channel[0].Apply, 1);
  EXPECT_EQ(LevelsWork.Channel[0].Min, 141);
  EXPECT_EQ(LevelsWork.Channel[0].Max, 211);
  EXPECT_EQ(LevelsWork.Channel[1].Apply, 0);

  // The modules draw their own wave: equal values, three pictures.
  const int ia = Add(TxA), ib = Add(TxB), ic = Add(TxC);
  for (int i : {ia, ib, ic})
    for (int k = 1; k <= PackParamCount; ++k) ModuleParams[i].ParamValue[k] = ModuleParams[ic].ParamValue[k];
  const auto pa = Picture(ia);
  EXPECT_EQ(SIN1Work.WaveType, PackWaveSine);
  const auto pb = Picture(ib);
  EXPECT_EQ(SIN1Work.WaveType, PackWaveTriangle);
  const auto pc = Picture(ic);
  EXPECT_EQ(SIN1Work.WaveType, PackWaveSawtooth);
  EXPECT_NE(pa, pb);
  EXPECT_NE(pb, pc);
}

TEST_F(PeriodicPack, ARefusedFirstPhaseLeavesABlackWorkImageAndTheChainGoesOn) {
  struct Case {
    Module M;
    int Side;
    int Param;
    int32_t Value;
    const char* Message;  // null: drawn
  };
  const Case cases[] = {
      {TxB, 128, 1, 9, "Width frequency is too high"},    // Int(128 / 36) = 3
      {TxB, 128, 1, 8, nullptr},                          // Int(128 / 32) = 4
      {TxB, 128, 4, 9, "Height frequency is too high"},
      {TxB, 512, 1, 33, "Width frequency is too high"},   // Int(512 / 132) = 3
      {TxB, 512, 1, 32, nullptr},
      // The sawtooth's period above the side is 0 pixels: refused the same way.
      {TxC, 128, 1, 129, "Width frequency is too high"},
      {TxC, 128, 1, 128, nullptr},
      {TxC, 128, 4, 200, "Height frequency is too high"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.M.Name) + " p" + std::to_string(c.Param) + " = " + std::to_string(c.Value));
    Size(c.Side);
    ClearMessageLog();
    NextInstance = 1;
    const int i = Add(c.M, {{c.Param, c.Value}});
    F_Synthe->StatusBar1.ClearPainted();
    const auto picture = Picture(i);
    EXPECT_EQ(StatusTexts().back(), "(1) " + std::string(c.M.Name) + " [phase 11]");
    if (!c.Message) {
      EXPECT_TRUE(MessageLog().empty());
      continue;
    }
    ASSERT_EQ(MessageLog().size(), 1u);
    EXPECT_EQ(MessageLog()[0].Text, c.Message);
    // Every later phase stretches a constant plane: the picture stays black.
    for (Sample s : picture) ASSERT_EQ(s, 0);
  }
}

TEST_F(PeriodicPack, AConstantPlaneTakesTheLowerBoundOfItsStretch) {
  // A refused Tx B: after phase 10 the hue is Round(130 / 255 x 359) = 183
  // everywhere, the lower bound of the stretch.
  RunningInstance = Add(TxB, {{1, 100}});
  auto phases = PeriodicPack_Phases(PackWaveTriangle, PeriodicPack_WorkOf(RunningInstance));
  phases.resize(10);
  RunPhaseChain(TxB.Type, phases);
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      ASSERT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, x, y), 183);
      ASSERT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, x, y), 0);
    }
}

TEST_F(PeriodicPack, SamplingDistancesBeyondTheSideWrapModuloTheSide) {
  // Tx C's "Preset 1" samples 275 pixels away: on 128 and 256 pixels that is
  // the distance 275 mod side = 19; on 512 pixels it stays 275. Three periods
  // do not tile the side, so a shift by whole sides is no shift of the pattern.
  const std::pair<int, bool> sides[] = {{128, true}, {256, true}, {512, false}};
  for (auto [side, same] : sides) {
    SCOPED_TRACE(side);
    Size(side);
    NextInstance = 1;
    const int far = Add(TxC, {{1, 3}, {4, 3}, {8, 275}, {11, 178}, {12, 0}, {13, 1}});
    const int near = Add(TxC, {{1, 3}, {4, 3}, {8, 19}, {11, 178}, {12, 0}, {13, 1}});
    EXPECT_EQ(Picture(far) == Picture(near), same);
  }
}

TEST_F(PeriodicPack, ALowBoundAboveTheHighOneReversesTheHueMapping) {
  // After phase 10, the pixel of the lowest hue takes the higher bound.
  auto hues = [](int i) {
    RunningInstance = i;
    auto phases = PeriodicPack_Phases(PackWaveSawtooth, PeriodicPack_WorkOf(i));
    phases.resize(10);
    RunPhaseChain(TxC.Type, phases);
    std::vector<int> h;
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) h.push_back(Pixel(CurrentLayer, SpaceHSL, 1, x, y));
    return h;
  };
  const auto forward = hues(Add(TxC, {{16, 0}, {17, 255}}));
  const auto reversed = hues(Add(TxC, {{16, 255}, {17, 0}}));
  ASSERT_EQ(forward.size(), reversed.size());
  for (size_t n = 0; n < forward.size(); ++n) {
    if (forward[n] == 0) {
      EXPECT_EQ(reversed[n], 359);
    }
    if (forward[n] == 359) {
      EXPECT_EQ(reversed[n], 0);
    }
    EXPECT_NEAR(forward[n] + reversed[n], 359, 1);
  }
}

TEST_F(PeriodicPack, ClockRandomPresetReplaysDrawForDrawWithoutRefillingTheTable) {
  // side, largest period count Round(side / 70)
  const int sides[][2] = {{128, 2}, {256, 4}, {512, 7}, {1024, 15}};
  for (const auto& s : sides) {
    SCOPED_TRACE(s[0]);
    Size(s[0]);
    // The table as an earlier module left it, then the clock's state.
    RandomSeed = 99;
    InitRandom(RandomSeed);
    test::ReplayGenerator replay(99);
    replay.Init();
    RandomPresetClock = [] { return 4321 * 1000; };
    replay.State = 4321 * 1000;

    const int i = Add(TxC);
    ModuleParams[i].ParamValue[19] = 7;
    T015_RandomPreset(i);
    for (int k = 1; k <= PackParamCount; ++k) {
      const int32_t lo = PackRanges[k - 1].Min;
      const int32_t hi = (k == 1 || k == 4) ? s[1] : PackRanges[k - 1].Max;
      EXPECT_EQ(ModuleParams[i].ParamValue[k], replay.NextInt(lo, hi)) << "p" << k;
    }
    EXPECT_EQ(RandomSeed, replay.State);
    EXPECT_EQ(ModuleParams[i].ParamValue[19], 7);
  }
}

TEST_F(PeriodicPack, ClockRandomPresetsStayInRangeAndMayReverseTheHueBounds) {
  static int32_t clock;
  RandomPresetClock = [] { return clock; };
  for (int side : {128, 512, 1024}) {
    Size(side);
    const int32_t periods = side == 128 ? 2 : side == 512 ? 7 : 15;
    int reversed = 0, top = 0;
    NextInstance = 1;
    const int i = Add(TxC);
    for (clock = 0; clock < 86400000; clock += 86400000 / 300) {
      T015_RandomPreset(i);
      const auto& p = ModuleParams[i].ParamValue;
      for (int k = 1; k <= PackParamCount; ++k) {
        const int32_t hi = (k == 1 || k == 4) ? periods : PackRanges[k - 1].Max;
        ASSERT_GE(p[k], PackRanges[k - 1].Min) << "p" << k;
        ASSERT_LE(p[k], hi) << "p" << k;
      }
      reversed += p[16] > p[17];
      top += p[1] == periods;
    }
    EXPECT_GT(reversed, 0) << side;
    EXPECT_GT(top, 0) << side;
  }
}

TEST_F(PeriodicPack, BuiltInPresetsLieWithinTheRangesInIncreasingHueOrder) {
  struct Table {
    const char* Name;
    std::vector<TPackValues> Rows;
    size_t Count;
  };
  const Table tables[] = {{"Tx A", {T021_Presets.begin(), T021_Presets.end()}, 12},
                          {"Tx B", {T022_Presets.begin(), T022_Presets.end()}, 11},
                          {"Tx C", {T015_Presets.begin(), T015_Presets.end()}, 10}};
  for (const Table& t : tables) {
    EXPECT_EQ(t.Rows.size(), t.Count) << t.Name;
    for (size_t r = 0; r < t.Rows.size(); ++r) {
      for (int k = 1; k <= PackParamCount; ++k) {
        EXPECT_GE(t.Rows[r][k - 1], PackRanges[k - 1].Min) << t.Name << " preset " << r + 1 << " p" << k;
        EXPECT_LE(t.Rows[r][k - 1], PackRanges[k - 1].Max) << t.Name << " preset " << r + 1 << " p" << k;
      }
      EXPECT_LE(t.Rows[r][15], t.Rows[r][16]) << t.Name << " preset " << r + 1;
    }
  }
  // Rows checked whole against the lists.
  EXPECT_EQ(T021_Presets[3], (TPackValues{3, 0, 22, 3, 0, 34, 3, 233, 213, 3, 70, 108, 2, 4, 158, 0, 32, 4}));
  EXPECT_EQ(T022_Presets[10], (TPackValues{3, 0, 30, 6, 0, 90, 2, 10, 100, 3, 120, 130, 4, 3, 200, 40, 75, 2}));
  EXPECT_EQ(T015_Presets[5], (TPackValues{7, 0, 64, 2, 0, 100, 3, 59, 0, 5, 150, 0, 2, 5, 227, 0, 16, 4}));
  // Tx B's "Preset 3" and "Preset 8" differ only in p10.
  for (int k = 1; k <= PackParamCount; ++k)
    if (k != 10) {
      EXPECT_EQ(T022_Presets[2][k - 1], T022_Presets[7][k - 1]) << "p" << k;
    }
  EXPECT_EQ(T022_Presets[2][9], 5);
  EXPECT_EQ(T022_Presets[7][9], 3);
}

TEST_F(PeriodicPack, TheCommandRendersEachModuleAlsoFromAPresetFile) {
  const std::string file = ::testing::TempDir() + "pack-preset.mpr";
  ModulePreset preset;
  preset.ModuleType = TxC.Type;
  for (int k = 1; k <= PackParamCount; ++k) preset.Values[k - 1] = T015_Presets[0][k - 1];
  WriteModulePreset(file, preset);
  auto render = [](std::vector<std::string> args, const std::string& out) {
    std::ostringstream o, e;
    args.insert(args.begin(), {"render", "--size", "128x128", "-o", out});
    EXPECT_EQ(RunQuillon(args, o, e), ExitOk) << e.str();
    std::ifstream in(out, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string dir = ::testing::TempDir();
  const std::string fromFile = render({TxC.Name, "preset=" + file}, dir + "pack-a.bmp");
  const std::string byHand = render({TxC.Name, "p8=275", "p11=178", "p12=0", "p13=1"}, dir + "pack-b.bmp");
  EXPECT_FALSE(fromFile.empty());
  EXPECT_EQ(fromFile, byHand);
  EXPECT_NE(fromFile, render({TxC.Name}, dir + "pack-c.bmp"));
  for (const Module& m : {TxA, TxB}) EXPECT_FALSE(render({m.Name}, dir + "pack-d.bmp").empty()) << m.Name;
}

}  // namespace
