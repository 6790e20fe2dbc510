// The window of draws made ahead: the same draws as one at a time, and after
// Release the generator and the shuffle table exactly where the draws taken
// left them, however far ahead the draws were looked at.
#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "EngineTest.h"
#include "engine/Random.h"

namespace quillon::test {
namespace {

class DrawWindowTest : public EngineTest {};

struct Pattern {
  const char* Name;
  int32_t Seed;
  int Taken;  // draws taken in all
  int Step;   // taken this many at a time
  int Look;   // after each take, the draws up to this far ahead are looked at
};

// Takes the draws of a pattern, checking each draw looked at and its places.
void TakeAsIn(const Pattern& p, DrawWindow& ahead, const std::vector<int32_t>& draws, int32_t SpanA, int32_t SpanB) {
  for (int k = 0; k < p.Taken;) {
    for (int j = 0; j <= p.Look; ++j) {
      ASSERT_EQ(ahead.Bits(k + j), draws[k + j]) << k << " + " << j;
      ASSERT_EQ(ahead.PlaceA(k + j), RoundDraw(draws[k + j], SpanA)) << k << " + " << j;
      ASSERT_EQ(ahead.PlaceB(k + j), RoundDraw(draws[k + j], SpanB)) << k << " + " << j;
    }
    const int n = std::min(p.Step, p.Taken - k);
    ahead.Take(n);
    k += n;
    ASSERT_EQ(ahead.Taken(), k);
  }
  for (int j = 0; j <= p.Look; ++j) ahead.Bits(p.Taken + j);
}

TEST_F(DrawWindowTest, GivesTheDrawsOfOneAtATimeAndRewindsTheRest) {
  const Pattern patterns[] = {
      {"nothing taken, a whole window looked at", 77, 0, 1, DrawWindow::Reach - 1},
      {"nothing looked at", 78, 0, 1, -1},
      {"one taken", 79, 1, 1, 5},
      {"taken one by one across blocks", -1, 700, 1, 3},
      {"takes of five, looking far ahead", 123456, 3000, 5, DrawWindow::Reach - 6},
      {"taken without looking", 424242, 2500, 7, -1},
      {"long takes", INT32_MIN, 5000, 300, 400},
      {"around the ring several times", 5150, 40000, 3, 20},
  };
  // Made as taken, or ahead on a thread of their own; places of all spans.
  const struct {
    int Threads;
    bool Run;
    int32_t SpanA, SpanB;
  } ways[] = {{1, false, 1023, 1023}, {8, false, 0, 65535}, {1, true, 97, 359}, {8, true, 1023, 511}, {2, true, 1, 2}};
  for (const auto& way : ways)
    for (const Pattern& p : patterns) {
      SCOPED_TRACE(::testing::Message() << p.Name << ", " << way.Threads << " threads" << (way.Run ? ", run" : ""));
      SetThreadCount(way.Threads);
      // The reference: the same number of draws, one at a time.
      int32_t s = p.Seed;
      InitRandom(s);
      std::vector<int32_t> draws;
      for (int k = 0; k < p.Taken + DrawWindow::Reach; ++k) draws.push_back(detail::NextBits(s));
      s = p.Seed;
      InitRandom(s);
      for (int k = 0; k < p.Taken; ++k) Random01(s);
      const int32_t state = s;
      double table[98];
      for (int i = 1; i <= 97; ++i) table[i] = RandomTableSlot(i);

      s = p.Seed;
      InitRandom(s);
      {
        DrawWindow ahead(s, way.SpanA, way.SpanB);
        if (way.Run)
          ahead.Run([&](bool) { TakeAsIn(p, ahead, draws, way.SpanA, way.SpanB); });
        else
          TakeAsIn(p, ahead, draws, way.SpanA, way.SpanB);
      }
      EXPECT_EQ(s, state);
      for (int i = 1; i <= 97; ++i) ASSERT_EQ(RandomTableSlot(i), table[i]) << i;
      // And the generator goes on from there as if nothing had been made ahead.
      EXPECT_EQ(detail::NextBits(s), draws[p.Taken]);
    }
}

// The maker thread left as far ahead as the ring allows, the taker having
// just published where it is: the draw before that one must still be in the
// ring, since the generator goes on from its state.
TEST_F(DrawWindowTest, ReleasesRightWithTheMakerARingAhead) {
  SetThreadCount(2);
  int32_t s = 2024;
  InitRandom(s);
  for (int k = 0; k < 512; ++k) Random01(s);
  const int32_t state = s;
  const int32_t next = detail::NextBits(s);

  s = 2024;
  InitRandom(s);
  {
    DrawWindow ahead(s);
    ahead.Run([&](bool) {
      ahead.Take(256);
      ahead.Take(256);
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    });
  }
  EXPECT_EQ(s, state);
  EXPECT_EQ(detail::NextBits(s), next);
}

// A loop that marks may take as far as MaxHeld beyond its mark and go back
// to any draw from the mark on, while the maker runs as far ahead as it can;
// the draws read again are the same, and a Release after a Rewind leaves the
// generator after the draws taken last.
TEST_F(DrawWindowTest, GoesBackToItsMarkWithTheMakerAhead) {
  for (int threads : {1, 2}) {
    SCOPED_TRACE(::testing::Message() << threads << " threads");
    SetThreadCount(threads);
    int32_t s = 4711;
    InitRandom(s);
    std::vector<int32_t> draws;
    for (int k = 0; k < 40000; ++k) draws.push_back(detail::NextBits(s));
    s = 4711;
    InitRandom(s);
    int64_t end = 0;
    {
      DrawWindow ahead(s, 1023, 511);
      ahead.Run([&](bool) {
        for (int64_t mark = 0; mark + DrawWindow::MaxHeld < 30000; mark += 1777) {
          ahead.Mark(mark);
          for (int pass = 0; pass < 2; ++pass) {
            for (int64_t k = ahead.Taken(); k + 5 <= mark + DrawWindow::MaxHeld; k += 5) {
              ASSERT_EQ(ahead.MadeTo(k + 5) >= k + 5, true);
              ASSERT_EQ(ahead.MadeBits(k + 4), draws[k + 4]) << k;
              ASSERT_EQ(ahead.MadePlaces(k), RoundDraw(draws[k], 1023) | RoundDraw(draws[k], 511) << 16) << k;
              ahead.Take(5);
            }
            ahead.Rewind(mark + 1777 + pass);  // back, and the second time on to the next mark
          }
        }
        end = ahead.Taken();
      });
    }
    EXPECT_EQ(detail::NextBits(s), draws[end]);
  }
}

TEST_F(DrawWindowTest, RoundsTheSlotOfAHalfToEven) {
  // The state before the one that draws exactly 0.5 (see RandomTest): slot
  // Round(48.5) + 1 = 49, as a draw one at a time takes it.
  int32_t s = 11;
  InitRandom(s);
  const double slot49 = RandomTableSlot(49), slot50 = RandomTableSlot(50);
  s = 19814679;
  {
    DrawWindow ahead(s);
    EXPECT_EQ(ahead.Bits(0) * DrawScale, slot49);
    ahead.Take(1);
  }
  EXPECT_EQ(s, 1 << 30);
  EXPECT_EQ(RandomTableSlot(49), 0.5);
  EXPECT_EQ(RandomTableSlot(50), slot50);
}

TEST_F(DrawWindowTest, GoesOnAfterARelease) {
  int32_t s = 31337, t = 31337;
  InitRandom(s);
  std::vector<double> draws;
  for (int k = 0; k < 600; ++k) draws.push_back(Random01(s));
  s = t;
  InitRandom(s);
  DrawWindow ahead(s);
  EXPECT_EQ(ahead.Bits(200) * DrawScale, draws[200]);
  ahead.Take(100);
  ahead.Release();
  // Released after 100 draws: it goes on from draw 100, and a second
  // release leaves the plain calls there too.
  EXPECT_EQ(ahead.Bits(100) * DrawScale, draws[100]);
  EXPECT_EQ(ahead.Bits(300) * DrawScale, draws[300]);
  ahead.Take(3);
  ahead.Release();
  EXPECT_EQ(Random01(s), draws[103]);
}

}  // namespace
}  // namespace quillon::test
