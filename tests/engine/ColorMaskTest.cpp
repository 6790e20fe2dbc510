// The colour mask against FindColorPixel on the planes: the same pixel found
// (which one comes first along each way of the search), the same draws, on
// sides across the 64-bit word edges, while pixels change both ways.
#include <cstdint>
#include <random>

#include "EngineTest.h"
#include "engine/Pixels.h"
#include "engine/Random.h"

namespace quillon::test {
namespace {

constexpr int32_t Marked[3] = {10, 20, 30};

void Paint(int x, int y, bool marked) {
  SetLayerPixel3(CurrentLayer, SpaceRGB, x, y, Marked[0], Marked[1], marked ? Marked[2] : 31);
}

// Both searches from the same generator state must agree in every outcome.
void ExpectSameSearches(const ColorMask& mask, int tries) {
  for (int32_t seed = 1; seed <= 40; ++seed) {
    RandomSeed = seed;
    InitRandom(RandomSeed);
    int px = -7, py = -7;
    const bool onPlanes = FindColorPixel(CurrentLayer, SpaceRGB, tries, Marked[0], Marked[1], Marked[2], px, py);
    const int32_t after = RandomSeed;
    RandomSeed = seed;
    InitRandom(RandomSeed);
    int mx = -7, my = -7;
    ASSERT_EQ(mask.Find(tries, mx, my), onPlanes) << seed;
    ASSERT_EQ(mx, px) << seed;
    ASSERT_EQ(my, py) << seed;
    ASSERT_EQ(RandomSeed, after) << seed;
  }
}

class ColorMaskTest : public EngineTest {};

TEST_F(ColorMaskTest, FindsWhatTheSearchOnThePlanesFinds) {
  struct Side {
    int W, H;
  };
  // Sides on, below and above word edges; densities from none to almost all.
  const Side sides[] = {{1, 1}, {7, 3}, {64, 64}, {65, 130}, {130, 65}, {128, 200}};
  const double densities[] = {0.0, 0.0005, 0.02, 0.5, 0.98};
  std::mt19937 rng(12345);
  for (const Side& side : sides)
    for (double density : densities) {
      SCOPED_TRACE(testing::Message() << side.W << "x" << side.H << " at " << density);
      ImageWidth = side.W;
      ImageHeight = side.H;
      std::bernoulli_distribution pick(density);
      for (int x = 1; x <= side.W; ++x)
        for (int y = 1; y <= side.H; ++y) Paint(x, y, pick(rng));
      ColorMask mask(CurrentLayer, SpaceRGB, Marked[0], Marked[1], Marked[2]);
      for (int tries : {0, 1, 10}) ExpectSameSearches(mask, tries);
      // Pixels leave and join the colour, or stay as they are; the mask
      // follows through Set.
      std::uniform_int_distribution<int> px(1, side.W), py(1, side.H);
      std::bernoulli_distribution coin(0.5);
      for (int k = 0; k < side.W * side.H / 3 + 1; ++k) {
        const int x = px(rng), y = py(rng);
        const bool on = coin(rng);
        Paint(x, y, on);
        mask.Set(x, y, on);
      }
      for (int tries : {0, 1, 10}) ExpectSameSearches(mask, tries);
    }
}

}  // namespace
}  // namespace quillon::test
