// Picture digests: every module type listed below, at three sizes and three
// seeds, and one chain that blends textures into each other, must give the
// pictures recorded here, bit for bit. Speed work on the engine (the random
// draws, the blend, the colour-space syncs, the threads) is checked against
// them. A type missing from the settings table is skipped, not failed: it
// joins by adding its row and its digests. A digest is changed only by a
// commit that says why the picture changed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"

using namespace quillon;

namespace {

constexpr int Sides[] = {128, 256, 1024};
constexpr int32_t Seeds[] = {1, 2, 777};

// Parameter values set on an instance after its defaults.
struct Setting {
  int Param;
  int32_t Value;
};

// How a type is run: the parameter that holds its seed, and settings that
// keep its run short (the chaotic clouds' point count).
struct TypeSettings {
  const char* Code;
  int SeedParam;
  std::vector<Setting> Settings;
};

const std::vector<TypeSettings>& KnownTypes() {
  static const std::vector<TypeSettings> types = {
      {"T001", 10, {}},        {"T017", 14, {}},        {"K1M1", 10, {{7, 1}}}, {"K1M2", 10, {{7, 1}}},
      {"K1M3", 10, {{7, 1}}},  {"K1M4", 10, {{7, 1}}},  {"K2M1", 10, {{7, 1}}}, {"K2M2", 10, {{7, 1}}},
      {"K2M3", 10, {{7, 1}}},  {"K2M4", 10, {{7, 1}}},  {"K2M5", 10, {{7, 1}}}, {"K2M6", 10, {{7, 1}}},
  };
  return types;
}

// The digests of the result layer (both spaces) per picture side, for the
// seeds 1, 2 and 777 in that order. "chain" is the blended chain below.
struct Digests {
  const char* Code;
  int Side;
  uint64_t Hash[3];
};

// clang-format off
const std::vector<Digests>& Expected() {
  static const std::vector<Digests> rows = {
      {"T001", 128, {0x43525f54092c43dbull, 0x6cb4dddce9b7fcd5ull, 0x4834b95bcf4254b3ull}},
      {"T017", 128, {0x7014ed7f5ae1548cull, 0xc7ece000387df9f0ull, 0x6714393a821fcf4aull}},
      {"K1M1", 128, {0xad91103854c40f43ull, 0x81ced041c45ff203ull, 0x687996906e7ed403ull}},
      {"K1M2", 128, {0xbc39a7d489bd7b43ull, 0xf1b82e291d118563ull, 0xe548fab353385583ull}},
      {"K1M3", 128, {0xcb2221e5d67fcb23ull, 0x870bf1b7437be383ull, 0x4d8abb83ccf14883ull}},
      {"K1M4", 128, {0xda75423d97a9efc3ull, 0x72eddef952201763ull, 0x9be16f17d1956a03ull}},
      {"K2M1", 128, {0x519fd4c23696c883ull, 0xfa50f6dc8e4bf943ull, 0x833cbfc9cecb2983ull}},
      {"K2M2", 128, {0xf706b8585d1d6203ull, 0x0899705ee96b4ba3ull, 0xd25a2fec7d8a77e3ull}},
      {"K2M3", 128, {0x7a88f46001e642e3ull, 0x17f339000734abe3ull, 0xec468e5b9d9ffa23ull}},
      {"K2M4", 128, {0x05482518d6b97a03ull, 0x11987530945db223ull, 0x1df02d1ba2b8d663ull}},
      {"K2M5", 128, {0x597aa29b2ddf2c83ull, 0x6e9ea28b640a9383ull, 0x7a1d2721ce25ef83ull}},
      {"K2M6", 128, {0xc9d4d6d068a9c4e3ull, 0xa176a78a962931e3ull, 0xd47f7971dd555943ull}},
      {"chain", 128, {0xc292a56cb8ba45a3ull, 0xd8f2056fb796774dull, 0x6f73991ebf27a51aull}},
      {"T001", 256, {0xa70683d502314bccull, 0xec6b74e6a370b6a7ull, 0x64d2674fa6b79674ull}},
      {"T017", 256, {0x9823246219949d5dull, 0xbdddd6dc7eca954bull, 0x590fe225acee5b79ull}},
      {"K1M1", 256, {0xba4a59c13a7718c3ull, 0x520d3812fa5d5b83ull, 0x4964b16090a73ec3ull}},
      {"K1M2", 256, {0x8d9c84402b7ef783ull, 0x0b8b59ac3e95b6a3ull, 0x342aad9fe5fad003ull}},
      {"K1M3", 256, {0x3e01a014ab769b83ull, 0xea44341327a49423ull, 0xd6c7e1d47580a7c3ull}},
      {"K1M4", 256, {0x5e87e5fb39319b83ull, 0x88103cd53a0e25e3ull, 0x552b611c918ddf83ull}},
      {"K2M1", 256, {0xcaa6c63cc8b42383ull, 0x6bf9040f09981f83ull, 0xc1bda0d91b7874c3ull}},
      {"K2M2", 256, {0xc3c16ae0509ec1a3ull, 0x37883edd540f1123ull, 0xa4ab865a784b5e63ull}},
      {"K2M3", 256, {0xe08ffbcf75154663ull, 0xf596d12cccb3d903ull, 0x8e7d173e8de71503ull}},
      {"K2M4", 256, {0x182bf17eb8b74923ull, 0x7ced951f91dd4a03ull, 0x53880271a46d5103ull}},
      {"K2M5", 256, {0x278680a19acbef23ull, 0x7f153362a8d511a3ull, 0x7fad79ab314c4483ull}},
      {"K2M6", 256, {0x49c377be72b5a623ull, 0x2142220cdfea2d83ull, 0x3e8f21352d934b83ull}},
      {"chain", 256, {0xb76eab20a0d610cdull, 0x834ba772cdb3d302ull, 0x7bbcce7db911b267ull}},
      {"T001", 1024, {0xd20dbe53bcd6681dull, 0x9dff9f01c4a4e4fcull, 0x1e765daa2ceab920ull}},
      {"T017", 1024, {0xf4c1bc742179aa4aull, 0x958dd21b06054a18ull, 0x3e0551b0a0610b09ull}},
      {"K1M1", 1024, {0x08608eaa5b330b83ull, 0xa7976a71cfa22f83ull, 0xf7236b4ab8bf15c3ull}},
      {"K1M2", 1024, {0x546efc6a66019f63ull, 0x3a6f0408cb2e2783ull, 0x49ebb1fac5de3783ull}},
      {"K1M3", 1024, {0xadc1b3e7ab739f83ull, 0xd1dbb90e08a03783ull, 0x941b98e4791e9f83ull}},
      {"K1M4", 1024, {0x5e65b525f33c6d63ull, 0xa690ef800d644583ull, 0x766dd9ac8ae880e3ull}},
      {"K2M1", 1024, {0x4e280eccd4d7ff83ull, 0xd17ea22f1c4a6b83ull, 0x25667e8d0da382e3ull}},
      {"K2M2", 1024, {0xb086a8b6384f9f83ull, 0x675a814b118a8783ull, 0x06a94e407a9c1383ull}},
      {"K2M3", 1024, {0x6ac6e3c0bd557983ull, 0x8893c0aa89ae3023ull, 0xeb4819cecaed2383ull}},
      {"K2M4", 1024, {0xf80ca41e952930c3ull, 0xb8d4484b3c83e783ull, 0xa5fca6f94cf25ac3ull}},
      {"K2M5", 1024, {0x5da8fad9439a1ca3ull, 0x94dc76d0a075af83ull, 0x1ac7e9bf9a77f383ull}},
      {"K2M6", 1024, {0x05260eba07e1eb83ull, 0xcdb8a3ea3b305783ull, 0x8bc5af7375852243ull}},
      {"chain", 1024, {0xbaef3ebf46ecbdf5ull, 0xc9af57021234f939ull, 0x96003b5ec173832full}},
  };
  return rows;
}
// clang-format on

// FNV-1a over the samples of both spaces of the result layer, column by column.
uint64_t ResultDigest() {
  uint64_t h = 1469598103934665603ull;
  for (int s : {SpaceRGB, SpaceHSL})
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x) {
        const Sample* col = LayerPlane(ResultLayer, s, c).column(x);
        for (int y = 0; y < ImageHeight; ++y) {
          const auto v = static_cast<uint16_t>(col[y]);
          h = (h ^ (v & 0xFF)) * 1099511628211ull;
          h = (h ^ (v >> 8)) * 1099511628211ull;
        }
      }
  return h;
}

int TypeOfCode(const std::string& code) {
  for (int t = 1; t <= MaxModuleTypes; ++t)
    if (RegisteredType(t) && TypeCode[t] == code) return t;
  return 0;
}

const TypeSettings* SettingsOf(const std::string& code) {
  for (const TypeSettings& t : KnownTypes())
    if (code == t.Code) return &t;
  return nullptr;
}

// Appends an instance of the type with its settings and the seed.
int AddInstance(const std::string& code, int32_t seed) {
  const TypeSettings* known = SettingsOf(code);
  const int i = CreateInstance(TypeOfCode(code));
  if (i == 0 || known == nullptr) return i;
  for (const Setting& s : known->Settings) ModuleParams[i].ParamValue[s.Param] = s.Value;
  ModuleParams[i].ParamValue[known->SeedParam] = seed;
  return i;
}

void SetBlend(int i, int space, int resultWeight, int currentWeight, int f1, int f2, int f3) {
  T_Prm_Module_Synthe& m = ModuleParams[i];
  m.BlendSpace = space;
  m.ResultWeight = resultWeight;
  m.CurrentWeight = currentWeight;
  m.BlendFunction[1] = f1;
  m.BlendFunction[2] = f2;
  m.BlendFunction[3] = f3;
}

// Four textures: the second blended in HSL with weights from the mask, the
// third with the default blend, the fourth in RGB with a partial weight and a
// transparent colour.
void BuildChain(int32_t seed) {
  AddInstance("T001", seed);
  SetBlend(AddInstance("T017", seed), 1, 70, 40, 6, 9, 17);
  AddInstance("T001", seed + 100);
  const int last = AddInstance("T017", seed + 200);
  SetBlend(last, 0, 100, 60, 13, 21, 3);
  ModuleParams[last].ApplyTransparency = 1;
  ModuleParams[last].TransparencyColor = 0;
  CurrentInstance = last;
}

uint64_t Render(const std::string& code, int side, int32_t seed) {
  ResetEngine();
  ImageWidth = ImageHeight = side;
  if (code == "chain")
    BuildChain(seed);
  else
    AddInstance(code, seed);
  ComputeChain();
  return ResultDigest();
}

bool Runnable(const std::string& code) {
  if (code == "chain") return TypeOfCode("T001") != 0 && TypeOfCode("T017") != 0;
  return TypeOfCode(code) != 0;
}

void ExpectDigestsAt(int side) {
  ResetEngine();
  for (const Digests& row : Expected()) {
    if (row.Side != side) continue;
    if (!Runnable(row.Code)) continue;
    SCOPED_TRACE(std::string(row.Code) + " at " + std::to_string(side));
    uint64_t got[3];
    for (int k = 0; k < 3; ++k) got[k] = Render(row.Code, side, Seeds[k]);
    if (got[0] != row.Hash[0] || got[1] != row.Hash[1] || got[2] != row.Hash[2]) {
      char line[160];
      std::snprintf(line, sizeof line, "{\"%s\", %d, {0x%016llxull, 0x%016llxull, 0x%016llxull}},", row.Code, side,
                    static_cast<unsigned long long>(got[0]), static_cast<unsigned long long>(got[1]),
                    static_cast<unsigned long long>(got[2]));
      ADD_FAILURE() << "the picture changed; now " << line;
    }
  }
  ResetEngine();
}

TEST(PictureHashes, EveryListedTypeHasDigestsAtEverySide) {
  ResetEngine();
  for (const TypeSettings& t : KnownTypes())
    for (int side : Sides) {
      int rows = 0;
      for (const Digests& d : Expected()) rows += std::string(d.Code) == t.Code && d.Side == side;
      EXPECT_EQ(rows, 1) << t.Code << " at " << side;
    }
}

TEST(PictureHashes, At128) { ExpectDigestsAt(128); }
TEST(PictureHashes, At256) { ExpectDigestsAt(256); }
TEST(PictureHashes, At1024) { ExpectDigestsAt(1024); }

// The picture of one chain at several thread counts: the passes split the
// columns differently each time.
TEST(PictureHashes, TheChainIsTheSameAtEveryThreadCount) {
  ResetEngine();
  if (!Runnable("chain")) GTEST_SKIP() << "the chain's textures are not registered";
  SetThreadCount(1);
  const uint64_t one = Render("chain", 256, 5);
  for (int threads : {2, 3, 8}) {
    SetThreadCount(threads);
    EXPECT_EQ(Render("chain", 256, 5), one) << threads << " threads";
  }
  SetThreadCount(0);
  ResetEngine();
}

}  // namespace
