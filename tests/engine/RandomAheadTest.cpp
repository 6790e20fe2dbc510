// The draws computed ahead over the threads: the same integers as the draws
// taken one by one, in one go or reached in several steps across the
// stretches the threads take, and after Commit the state and the shuffle
// table of the draws used, whichever stretch the last one falls in.
#include <vector>

#include "EngineTest.h"
#include "engine/Random.h"
#include "engine/RandomAhead.h"

namespace quillon::test {
namespace {

class RandomAheadTest : public EngineTest {};

// The first Count draws from Seed, one by one.
std::vector<int32_t> OneByOne(int32_t Seed, int64_t Count) {
  InitRandom(Seed);
  std::vector<int32_t> bits;
  for (int64_t n = 0; n < Count; ++n) bits.push_back(static_cast<int32_t>(Random01(Seed) * 2147483648.0));
  return bits;
}

TEST_F(RandomAheadTest, GivesTheDrawsInOrderAtEveryThreadCount) {
  const struct {
    int32_t Seed;
    std::vector<int64_t> Reaches;
    int Threads;
  } cases[] = {{7, {1}, 8}, {-3, {40000}, 8}, {123456, {100, 16384, 16385, 50000}, 3}, {0, {50000}, 1}};
  for (const auto& c : cases) {
    SetThreadCount(c.Threads);
    const std::vector<int32_t> expected = OneByOne(c.Seed, c.Reaches.back());
    int32_t state = c.Seed;
    InitRandom(state);
    const int32_t before = state;
    DrawsAhead draws(state);
    for (int64_t r : c.Reaches) {
      draws.Reach(r);
      ASSERT_EQ(draws.Size(), r);
    }
    for (int64_t n = 0; n < c.Reaches.back(); ++n)
      ASSERT_EQ(draws.Bits()[n], expected[n]) << "seed " << c.Seed << ", draw " << n;
    EXPECT_EQ(state, before) << "nothing is drawn before Commit";
  }
}

TEST_F(RandomAheadTest, CommitLeavesTheStateOfTheDrawsUsed) {
  for (int64_t used : {int64_t{0}, int64_t{1}, int64_t{16383}, int64_t{16384}, int64_t{16385}, int64_t{39999}}) {
    int32_t reference = 99;
    InitRandom(reference);
    for (int64_t n = 0; n < used; ++n) Random01(reference);
    std::vector<double> next;
    for (int k = 0; k < 300; ++k) next.push_back(Random01(reference));

    int32_t state = 99;
    InitRandom(state);
    DrawsAhead draws(state);
    draws.Reach(40000);
    draws.Commit(used);
    for (int k = 0; k < 300; ++k) ASSERT_EQ(Random01(state), next[k]) << used << " used, draw " << k << " after";
    EXPECT_EQ(state, reference) << used << " used";
  }
}

}  // namespace
}  // namespace quillon::test
