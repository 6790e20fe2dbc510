// The draws computed ahead over the threads: the same integers as the draws
// taken one by one, in one go or reached in several steps across the
// stretches the threads take, and after Commit the state and the shuffle
// table of the draws used, whichever stretch the last one falls in; windows
// of draws computed in the background one after another, with their places.
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
  } cases[] = {{7, {1}, 8}, {-3, {40000}, 8}, {123456, {100, 4095, 4097, 16385, 50000}, 3}, {0, {50000}, 1}};
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
  for (int64_t used : {int64_t{0}, int64_t{1}, int64_t{4095}, int64_t{4096}, int64_t{16385}, int64_t{39999}}) {
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

// Blocks of draws one after another, each started where the last one's used
// draws end: the draws one by one, and the state of all those used.
TEST_F(RandomAheadTest, RestartGoesOnFromTheDrawsUsed) {
  const struct {
    int64_t Reach, Used;
  } blocks[] = {{100, 37}, {40000, 40000}, {20000, 0}, {20000, 16385}, {5, 1}, {50000, 33333}};
  int64_t total = 0;
  for (const auto& b : blocks) total += b.Used;
  const std::vector<int32_t> expected = OneByOne(5, total + 50000);
  for (int threads : {1, 3}) {
    SetThreadCount(threads);
    int32_t state = 5;
    InitRandom(state);
    DrawsAhead draws(state);
    int64_t at = 0;
    for (const auto& b : blocks) {
      draws.Reach(b.Reach);
      for (int64_t n = 0; n < b.Reach; ++n) ASSERT_EQ(draws.Bits()[n], expected[at + n]) << "draw " << at + n;
      draws.Restart(b.Used);
      at += b.Used;
    }
    EXPECT_EQ(static_cast<int32_t>(Random01(state) * 2147483648.0), expected[at]) << threads << " threads";
  }
}

// Two windows taking turns, as a pass that takes its draws in order does:
// each next window is computed in the background from where the one in use
// ends but for the last Overlap draws, while the state and the table are
// already put there for it. The windows give the draws one by one and their
// places, a dropped window changes nothing, and the state at the end is
// that of the draws used.
TEST_F(RandomAheadTest, WindowsInTheBackgroundGiveTheDrawsAndPlacesInOrder) {
  constexpr int64_t Overlap = 4;
  const struct {
    int64_t Window;
    int XSpan, YSpan, Threads;
  } cases[] = {{4096, 1023, 1023, 3}, {5000, 0, 65535, 8}, {40000, 63, 200, 1}};
  for (const auto& c : cases) {
    SetThreadCount(c.Threads);
    const int64_t used = 3 * (c.Window - Overlap) + 17;
    const std::vector<int32_t> expected = OneByOne(11, used + 1);
    int32_t state = 11;
    InitRandom(state);
    DrawsAhead first(state), second(state);
    DrawsAhead *draws = &first, *next = &second;
    for (DrawsAhead* d : {draws, next}) d->SetPlaces(c.XSpan, c.YSpan);
    draws->Reach(c.Window);
    for (int64_t at = 0;; at += c.Window - Overlap) {
      draws->Commit(c.Window - Overlap);
      next->Clear();
      next->ReachLater(c.Window);
      for (int64_t n = 0; n < c.Window && at + n < used; ++n) {
        const int32_t bits = draws->Bits()[n];
        ASSERT_EQ(bits, expected[at + n]) << "draw " << at + n;
        ASSERT_EQ(draws->Places()[n], RoundDraw(bits, c.XSpan) | RoundDraw(bits, c.YSpan) << 16) << "draw " << at + n;
      }
      if (at + c.Window >= used) {
        next->Clear();
        draws->Commit(used - at);
        break;
      }
      std::swap(draws, next);
      draws->Wait();
    }
    EXPECT_EQ(static_cast<int32_t>(Random01(state) * 2147483648.0), expected[used]) << "window " << c.Window;
  }
}

}  // namespace
}  // namespace quillon::test
