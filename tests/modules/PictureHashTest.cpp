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
      {"T010", 10, {}},        {"T011", 10, {}},        {"T016", 10, {}},
      {"T001", 10, {}},        {"T017", 14, {}},        {"K1M1", 10, {{7, 1}}}, {"K1M2", 10, {{7, 1}}},
      {"K1M3", 10, {{7, 1}}},  {"K1M4", 10, {{7, 1}}},  {"K2M1", 10, {{7, 1}}}, {"K2M2", 10, {{7, 1}}},
      {"K2M3", 10, {{7, 1}}},  {"K2M4", 10, {{7, 1}}},  {"K2M5", 10, {{7, 1}}}, {"K2M6", 10, {{7, 1}}},
      // The periodic pack draws nothing at random: its unused p19 takes the seed.
      {"T021", 19, {}},        {"T022", 19, {}},        {"T015", 19, {}},
      {"T004", 10, {}},        {"T005", 10, {}},        {"T008", 3, {}},        {"T009", 3, {}},
      // Roughcast by Random Seed 1, Bark by Random Seed 1, Plank by Random Seed 2
      // (the grain and its null-colour fill).
      {"T012", 11, {}},        {"T013", 9, {}},         {"T014", 7, {}},
      {"T018", 10, {}},
      {"T003", 13, {}},        {"T002", 14, {}},        {"T007", 11, {}},
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
      {"T010", 128, {0x87e32c81ae3c50bfull, 0xde4943e547f1684eull, 0xfbc79e99232d17beull}},
      {"T011", 128, {0x5c8524da3ef32545ull, 0xfbd1197b3a2b38e2ull, 0x0664278e22f9548bull}},
      {"T016", 128, {0x839d998bab5540f5ull, 0x28df009825d5670cull, 0x470d1aa3a793c50full}},
      {"T001", 128, {0x43525f54092c43dbull, 0x6cb4dddce9b7fcd5ull, 0x4834b95bcf4254b3ull}},
      {"T017", 128, {0x7014ed7f5ae1548cull, 0xc7ece000387df9f0ull, 0x6714393a821fcf4aull}},
      {"K1M1", 128, {0x5da6dd9ec4849343ull, 0x3dd5d51c5e971d03ull, 0x86cdc587fcc5c483ull}},
      {"K1M2", 128, {0xe31f9a09d8abf443ull, 0xa358532fecf70de3ull, 0xcc510b10f73f0383ull}},
      {"K1M3", 128, {0x2f311b3c63067903ull, 0xb003bdf9a96353e3ull, 0xb11e9392d79f9f83ull}},
      {"K1M4", 128, {0xa28064c04c833d83ull, 0x6d4f7c7105802aa3ull, 0x9f2ed6610ba4b883ull}},
      {"K2M1", 128, {0x9e55c1bb7d222c83ull, 0x4c88c46db6358903ull, 0x860f3bd6cb883263ull}},
      {"K2M2", 128, {0xa65b0f7535636a43ull, 0xc717df6352826723ull, 0x1c462a29736c6be3ull}},
      {"K2M3", 128, {0xb058ba565d2a02a3ull, 0xcedcb7ed62092223ull, 0x12ca0a43b8d22c03ull}},
      {"K2M4", 128, {0x59af41fb000c3403ull, 0x608f789935ece1a3ull, 0x02ffc74e55c72703ull}},
      {"K2M5", 128, {0x708cd5151c029703ull, 0x9c52b0387cccae63ull, 0x8e2c191c8c8a3543ull}},
      {"K2M6", 128, {0xf7f7ee24d0117383ull, 0xc22f0ab3f8a19d63ull, 0xc6ae56b0e9507383ull}},
      {"T021", 128, {0x15b4d4fe56c10383ull, 0x15b4d4fe56c10383ull, 0x15b4d4fe56c10383ull}},
      {"T022", 128, {0x2f5325b9a28df8e7ull, 0x2f5325b9a28df8e7ull, 0x2f5325b9a28df8e7ull}},
      {"T015", 128, {0x4e1d8e4bdbc6cf03ull, 0x4e1d8e4bdbc6cf03ull, 0x4e1d8e4bdbc6cf03ull}},
      {"T004", 128, {0xd317a717d0749cc4ull, 0xfb60b9d493570958ull, 0x43f88ba45bdf5877ull}},
      {"T005", 128, {0xe1b5f0d1d3a2910eull, 0xbf04bd5dae72c5b7ull, 0xe4ebc6fa1c272045ull}},
      {"T008", 128, {0x5e267644c608a36eull, 0x7b51dbb3730887dbull, 0xe37444c032ab83abull}},
      {"T009", 128, {0x8ea619baddd8ce0cull, 0x9e8f2f90f926fc49ull, 0xd59a3f13008edbe9ull}},
      {"T012", 128, {0x68894df88a307280ull, 0xfbdb569f4a562388ull, 0xd5fef43ed0209dc3ull}},
      {"T013", 128, {0x8618317d5cdb4bdcull, 0x3ec66eb6c583a886ull, 0x52dc1db756ccd7c0ull}},
      {"T014", 128, {0xb12491e521ab5ea5ull, 0xd1dd0b347e047478ull, 0xc4d4de0d2bf4a4b1ull}},
      {"T003", 128, {0x1c6783dccb77f64bull, 0x705eaf59af093aacull, 0xd0eb6846e24ad994ull}},
      {"T002", 128, {0x5956ae3347aaa113ull, 0x57538712d8e65784ull, 0xd6911088b4d20c6aull}},
      {"T007", 128, {0x1e60e72243e1b4e5ull, 0x32c73b12889c4f43ull, 0x0d0725097e651fffull}},
      {"chain", 128, {0xc292a56cb8ba45a3ull, 0xd8f2056fb796774dull, 0x6f73991ebf27a51aull}},
      {"T010", 256, {0xf7a6a91262c673b8ull, 0x173d416b109c8c36ull, 0x5222d7c70cb6dd8full}},
      {"T011", 256, {0xe90476a8f6a3b154ull, 0x1bf19599c1d61755ull, 0x0f28ce47ad932275ull}},
      {"T016", 256, {0x3ae3b4c3ad3d1908ull, 0x23cc8adfd03421f0ull, 0x3a96e65e1df82e52ull}},
      {"T001", 256, {0xa70683d502314bccull, 0xec6b74e6a370b6a7ull, 0x64d2674fa6b79674ull}},
      {"T017", 256, {0x9823246219949d5dull, 0xbdddd6dc7eca954bull, 0x590fe225acee5b79ull}},
      {"K1M1", 256, {0xb24bb01fa617a9c3ull, 0xf32ea1f57ef44b83ull, 0x94b6eb8c4a81a183ull}},
      {"K1M2", 256, {0xe53e06db32734043ull, 0x1f77def5a8dc45a3ull, 0x021ad6dc01317563ull}},
      {"K1M3", 256, {0x03d6b957061c3f83ull, 0xaa908d5be902e503ull, 0x51a32a54bc908383ull}},
      {"K1M4", 256, {0xf68c610d916cfe03ull, 0x9602ab7ccd69cb83ull, 0xd50b642772771283ull}},
      {"K2M1", 256, {0xcc5ce4faa30468a3ull, 0xd7677fec9b54cf83ull, 0xd02cb4d93861cce3ull}},
      {"K2M2", 256, {0xd7d6b397b3511ba3ull, 0x11604d943353a2a3ull, 0x46aa6d931b5de583ull}},
      {"K2M3", 256, {0x441e9acd9f560f83ull, 0x44b1198c0bab58c3ull, 0x51c038d31e324183ull}},
      {"K2M4", 256, {0xe0955c246d48c3a3ull, 0x4dc85b425f23a483ull, 0x4b53e99fa7fcf883ull}},
      {"K2M5", 256, {0x068086f2db940763ull, 0x79ff498a495c0ac3ull, 0x3d442565ba917ac3ull}},
      {"K2M6", 256, {0x449ad90e1f245103ull, 0x88a6b4a95f8d4023ull, 0xda5e8c00c4ce6383ull}},
      {"T021", 256, {0x06210a8141cea34bull, 0x06210a8141cea34bull, 0x06210a8141cea34bull}},
      {"T022", 256, {0x08f62a5d911bf9b7ull, 0x08f62a5d911bf9b7ull, 0x08f62a5d911bf9b7ull}},
      {"T015", 256, {0x41a1240e64204003ull, 0x41a1240e64204003ull, 0x41a1240e64204003ull}},
      {"T004", 256, {0x92f3bf176fd7928full, 0x657caf7e6ccdf9bbull, 0xac6ec54e5dc3c47cull}},
      {"T005", 256, {0xbe035aa2b6e5ef5aull, 0x5cbbc0fa621cbae9ull, 0x10992f72e6e3df76ull}},
      {"T008", 256, {0xd878107a2716e941ull, 0xfa36e2614d61ae37ull, 0xd64a9fef5187d5a9ull}},
      {"T009", 256, {0x8852cf11eb24d218ull, 0xf247431158b6daccull, 0xd3de937768975ebcull}},
      {"T012", 256, {0x446fdf94969a5186ull, 0xb7716fefa1d6cd37ull, 0xb59aeef3710efc0eull}},
      {"T013", 256, {0x4090b95e37a1f29full, 0x70cafb816cb389beull, 0xf0a94d90021f978aull}},
      {"T014", 256, {0x53379662fdd6bbdeull, 0x3638db60717dff4bull, 0x95cf8eb0f14739a3ull}},
      {"T003", 256, {0xe8003b69d6b81e00ull, 0xbf4b1560b5b39db7ull, 0xf7931d25820bf844ull}},
      {"T002", 256, {0xb054ea767f77b7d7ull, 0xc4746af8ed3e1144ull, 0xba33dc1ba442a976ull}},
      {"T007", 256, {0xf4842340cb6fe825ull, 0x69179fee231158a8ull, 0x687d1c617fb3e912ull}},
      {"chain", 256, {0xb76eab20a0d610cdull, 0x834ba772cdb3d302ull, 0x7bbcce7db911b267ull}},
      {"T010", 1024, {0x3287310af24c1880ull, 0x2cd1c9763090210bull, 0x3c2562884e58fdd2ull}},
      {"T011", 1024, {0x9e9689593afa87b2ull, 0xd7023bed0c162df1ull, 0xa72e9978c49bf88aull}},
      {"T016", 1024, {0x4c0896ae9b308d72ull, 0x822a6f0b86eaea82ull, 0x1ae3a35e07f9db28ull}},
      {"T001", 1024, {0xd20dbe53bcd6681dull, 0x9dff9f01c4a4e4fcull, 0x1e765daa2ceab920ull}},
      {"T017", 1024, {0xf4c1bc742179aa4aull, 0x958dd21b06054a18ull, 0x3e0551b0a0610b09ull}},
      {"K1M1", 1024, {0x990095f6341b43a3ull, 0xc067a578fe8719e3ull, 0x2cc09a273c658783ull}},
      {"K1M2", 1024, {0x49055adeb92cf783ull, 0x039decd3b56d5c03ull, 0x96f7475877ed89e3ull}},
      {"K1M3", 1024, {0xf1d71ac94e27f843ull, 0x6327fc3c062fcb03ull, 0x8243faa6ce6e4083ull}},
      {"K1M4", 1024, {0x7701ef1f758fe383ull, 0x80e437ea6bb91383ull, 0x2e6c99bef9f0a503ull}},
      {"K2M1", 1024, {0x2e8d196fe527c383ull, 0x71d97d07d75c7f83ull, 0xac9f5e65fa655e43ull}},
      {"K2M2", 1024, {0x731a131f35872ce3ull, 0xf61692a4854238e3ull, 0x51f15f17a56ebf83ull}},
      {"K2M3", 1024, {0x2d67ee14ea9ee383ull, 0x4b5bcff05b8de383ull, 0xc456d4beb1be3703ull}},
      {"K2M4", 1024, {0x1f583f0675d71783ull, 0x2368cd5d02772783ull, 0x6da8cac0d97feb83ull}},
      {"K2M5", 1024, {0x5d8c12f3bcce78c3ull, 0xf2d0511d681e89a3ull, 0x028c1e84b8838b83ull}},
      {"K2M6", 1024, {0x9e4a5b6b0c2f13e3ull, 0xcab515c4138b7f43ull, 0x4484f855f99c6383ull}},
      {"T021", 1024, {0x1602d44cdb4e419bull, 0x1602d44cdb4e419bull, 0x1602d44cdb4e419bull}},
      {"T022", 1024, {0x98917edc8ab6697full, 0x98917edc8ab6697full, 0x98917edc8ab6697full}},
      {"T015", 1024, {0x650cbb7b9bad9303ull, 0x650cbb7b9bad9303ull, 0x650cbb7b9bad9303ull}},
      {"T004", 1024, {0x77cb3e18a727db7cull, 0xacd48da5810c2908ull, 0xc12fc68ff7733088ull}},
      {"T005", 1024, {0x8ae15f86bce866eeull, 0xd0d5160a56cd3c20ull, 0x8a59b0135ea896beull}},
      {"T008", 1024, {0x4cc5228700ecdbe3ull, 0xfc2aaf1d34522a19ull, 0xf980ecfef135fea5ull}},
      {"T009", 1024, {0x32f8b5fc3bbad2eeull, 0x54383f6abb3abcebull, 0x8e03f59d9704e045ull}},
      {"T012", 1024, {0x8592c63c53693252ull, 0xa1a54560ae4c511dull, 0x4dbc22ca0febac10ull}},
      {"T013", 1024, {0x4e49e530e32ff0d2ull, 0xb6d79aa8db08b76dull, 0x5c4a2e958033a0deull}},
      {"T014", 1024, {0x238af9b194cd0e49ull, 0x32ff28d25bdb2f19ull, 0xb163196936574aa2ull}},
      {"T003", 1024, {0x4b383682bb59da54ull, 0x6230ec7e483c8368ull, 0x65292c33cf870b5aull}},
      {"T002", 1024, {0x52e19512e6aca4efull, 0x1a61c13e1cedf22eull, 0x4505086daec772d1ull}},
      {"T007", 1024, {0x43a9c287487b991aull, 0x576bc85e3ab7b05aull, 0xfcf5218d3e338ccbull}},
      {"T018", 128, {0x8b682528306169fcull, 0xfc1d05ed3aec0590ull, 0x95966194c3de933eull}},
      {"T018", 256, {0xdf103c26c04d355dull, 0x449fe1e27dc4e263ull, 0x915dde4678a999bfull}},
      {"T018", 1024, {0xd603342d891e61deull, 0xd68a8265c70e5bc8ull, 0x6929adafab6e94adull}},
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
