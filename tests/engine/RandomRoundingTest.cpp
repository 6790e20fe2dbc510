// Rounded draws on integers against the 80-bit product they replace: every
// span the modules multiply a draw by, the widest ones, negative ones, and
// the draws that fall exactly on a half, where ties to even decide.
#include <climits>
#include <vector>

#include "EngineTest.h"
#include "engine/Numeric.h"
#include "engine/Random.h"

namespace quillon::test {
namespace {

// Round(draw * Span) as the program computes it: the draw as a double, the
// product in 80 bits.
int64_t Reference(int64_t bits, int64_t span) {
  return Round(static_cast<Real>(static_cast<double>(bits) / 2147483648.0) * static_cast<Real>(span));
}

// The draws k with k * span = 2^30 (mod 2^31): k * span / 2^31 ends in
// exactly one half. Spans with 31 or more factors of two have none.
std::vector<int64_t> TieDraws(int64_t span) {
  std::vector<int64_t> ties;
  uint64_t m = static_cast<uint64_t>(span < 0 ? -span : span);
  if (m == 0) return ties;
  int e = 0;
  while ((m & 1) == 0) {
    m >>= 1;
    ++e;
  }
  if (e > 30) return ties;
  const uint64_t modulus = uint64_t{1} << (31 - e);
  uint64_t inverse = 1;  // m^-1 mod 2^32 by Newton's iteration, then reduced
  for (int i = 0; i < 5; ++i) inverse *= 2 - m * inverse;
  const uint64_t target = (uint64_t{1} << (30 - e)) % modulus;
  // With a negative span, -k * m must be the half instead; k := -k.
  uint64_t k = (target * (inverse & (modulus - 1))) % modulus;
  if (span < 0) k = (modulus - k) % modulus;
  for (uint64_t v = k; v < (uint64_t{1} << 31) && ties.size() < 6; v += modulus)
    ties.push_back(static_cast<int64_t>(v));
  return ties;
}

// The spans: the slot of the shuffle table, picture sides less one, the
// deviations of the colour fill and RandomInt ranges up to the widest (2^32 - 1
// and 2^32), negative ones (Hi below Lo), and beyond 2^32, where the 80-bit
// product is kept.
const std::vector<int64_t>& Spans() {
  static const std::vector<int64_t> spans = {
      0,          1,          2,           3,           97,          100,          127,
      255,        359,        1023,        1024,        10000,       65535,        (1LL << 31) - 1,
      1LL << 31,  (1LL << 32) - 1,         1LL << 32,   -1,          -2,           -97,
      -1023,      -(1LL << 31),            -((1LL << 32) - 1),       -(1LL << 32), (1LL << 32) + 1,
      3LL << 32,  21474836470LL,           -21474836470LL,           (1LL << 40) + 12345,
  };
  return spans;
}

class RandomRoundingTest : public EngineTest {};

TEST_F(RandomRoundingTest, RoundDrawEqualsTheExtendedProductOnEveryDrawThatMatters) {
  std::vector<int64_t> draws = {0, 1, 2, 3, (1LL << 30) - 1, 1LL << 30, (1LL << 30) + 1, (1LL << 31) - 2,
                                (1LL << 31) - 1};
  int32_t seed = 31337;
  for (int k = 0; k < 20000; ++k) {
    RandomStep(seed);
    draws.push_back(seed);
  }
  int ties = 0;
  for (int64_t span : Spans()) {
    std::vector<int64_t> cases = draws;
    for (int64_t t : TieDraws(span)) {
      cases.insert(cases.end(), {t, t - 1, t + 1});
      ++ties;
    }
    for (int64_t bits : cases) {
      if (bits < 0 || bits >= (1LL << 31)) continue;
      ASSERT_EQ(RoundDraw(bits, span), Reference(bits, span)) << "draw " << bits << " span " << span;
    }
  }
  EXPECT_GT(ties, 30) << "the exact halves must be among the cases";
}

TEST_F(RandomRoundingTest, RoundDrawShortEqualsRoundDrawBelowTwoToTheSixteen) {
  std::vector<int32_t> draws = {0, 1, (1 << 30) - 1, 1 << 30, (1 << 30) + 1, INT32_MAX - 1, INT32_MAX};
  int32_t seed = 4242;
  for (int k = 0; k < 20000; ++k) {
    RandomStep(seed);
    draws.push_back(seed);
  }
  int ties = 0;
  for (int32_t span : {0, 1, 2, 3, 97, 100, 359, 1023, 1024, 32767, 65534, 65535}) {
    std::vector<int32_t> cases = draws;
    for (int64_t t : TieDraws(span)) {
      cases.insert(cases.end(), {static_cast<int32_t>(t), static_cast<int32_t>(t - 1), static_cast<int32_t>(t + 1)});
      ++ties;
    }
    for (int32_t bits : cases) {
      if (bits < 0) continue;
      ASSERT_EQ(RoundDrawShort(bits, span), RoundDraw(bits, span)) << "draw " << bits << " span " << span;
    }
  }
  EXPECT_GT(ties, 15) << "the exact halves must be among the cases";
}

TEST_F(RandomRoundingTest, TiesGoToTheEvenNeighbour) {
  // 2^30 / 2^31 = 0.5: times 1 gives 0.5 -> 0, times 3 gives 1.5 -> 2, times
  // -3 gives -1.5 -> -2, times 5 gives 2.5 -> 2.
  const struct {
    int64_t Bits, Span, Rounded;
  } cases[] = {{1LL << 30, 1, 0}, {1LL << 30, 3, 2}, {1LL << 30, -3, -2}, {1LL << 30, 5, 2},
               {1LL << 29, 2, 0}, {3LL << 29, 2, 2}, {(1LL << 31) - 1, 1LL << 32, (1LL << 32) - 2}};
  for (const auto& c : cases) EXPECT_EQ(RoundDraw(c.Bits, c.Span), c.Rounded) << c.Bits << " x " << c.Span;
}

TEST_F(RandomRoundingTest, RandomIntAndRandomRoundTakeOneDrawAndRoundItAsBefore) {
  // Each call against Random01 times the span in 80 bits, on a second run of
  // the same generator: the same values and the same number of draws.
  const struct {
    int32_t Lo, Hi;
  } ranges[] = {{INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, {0, 0}, {-1, 1}, {1, 1024}, {1024, 1}, {-10, 10}};
  for (const auto& r : ranges) {
    int32_t s = 2024, t = 2024;
    InitRandom(s);
    std::vector<int32_t> got;
    for (int k = 0; k < 3000; ++k) got.push_back(RandomInt(s, r.Lo, r.Hi));
    InitRandom(t);
    for (int k = 0; k < 3000; ++k) {
      const Real span = static_cast<Real>(r.Hi) - static_cast<Real>(r.Lo);
      ASSERT_EQ(got[k], static_cast<int32_t>(r.Lo + Round(static_cast<Real>(Random01(t)) * span)))
          << r.Lo << ".." << r.Hi;
    }
    ASSERT_EQ(s, t);
  }
  for (int64_t span : Spans()) {
    int32_t s = 99, t = 99;
    InitRandom(s);
    std::vector<int64_t> rounded;
    for (int k = 0; k < 500; ++k) rounded.push_back(RandomRound(s, span));
    InitRandom(t);
    for (int k = 0; k < 500; ++k)
      ASSERT_EQ(rounded[k], Round(static_cast<Real>(Random01(t)) * static_cast<Real>(span))) << span;
    ASSERT_EQ(s, t);
  }
}

}  // namespace
}  // namespace quillon::test
