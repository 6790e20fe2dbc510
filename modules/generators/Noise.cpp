#include "modules/generators/Noise.h"

#include <algorithm>
#include <vector>

#include "engine/BitScan.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Random.h"
#include "engine/RandomAhead.h"

namespace quillon {

TNoiseWork NoiseWork;

namespace {

// Which draws would make a pixel noisy, were a pixel to start there: bit n
// of word n / 64 for draw n, Round(u * 100) <= Rate. Kept for every draw
// computed; AddWords brings it up to Draws.Size(). Round(u * 100) grows with
// u, so the noisy draws are those below the first integer s whose
// Round(s / 2^31 * 100) passes the rate.
class NoisyDraws {
 public:
  NoisyDraws(const DrawsAhead& Draws, int32_t Rate) : draws_(Draws), below_(FirstQuiet(Rate)) {}
  void AddWords() {
    const int64_t size = draws_.Size(), from = static_cast<int64_t>(words_.size()) - (size_ % 64 != 0);
    words_.resize(static_cast<size_t>((size + 63) / 64));
    const int32_t* bits = draws_.Bits();
    ParallelColumns(static_cast<int>(std::max<int64_t>(from, 0)), static_cast<int>(words_.size()) - 1,
                    [&](int w0, int w1) {
                      for (int w = w0; w <= w1; ++w) {
                        uint64_t word = 0;
                        const int64_t first = int64_t{w} * 64, end = std::min(first + 64, size);
                        for (int64_t n = first; n < end; ++n)
                          word |= static_cast<uint64_t>(bits[n] < below_) << (n - first);
                        words_[w] = word;
                      }
                    });
    size_ = size;
  }
  bool At(int64_t n) const { return (words_[n >> 6] >> (n & 63)) & 1; }
  // The first noisy draw in [From, Limit), or Limit. A picture takes at most
  // four draws a pixel (and a few to spare), far below 2^31.
  int64_t Next(int64_t From, int64_t Limit) const {
    const int found = FirstBitFrom(words_.data(), static_cast<int>(Limit), static_cast<int>(From));
    return found < 0 ? Limit : found;
  }

 private:
  static int64_t FirstQuiet(int32_t Rate) {
    int64_t lo = 0, hi = int64_t{1} << 31;  // the answer lies in [lo, hi]
    while (lo < hi) {
      const int64_t mid = (lo + hi) / 2;
      if (RoundDraw(mid, 100) > Rate)
        hi = mid;
      else
        lo = mid + 1;
    }
    return lo;
  }

  const DrawsAhead& draws_;
  const int64_t below_;
  std::vector<uint64_t> words_;
  int64_t size_ = 0;
};

// About how many draws Pixels pixels take: one each, and three more for the
// share of noisy ones (Round(u * 100) <= Rate for about (Rate + 1/2) % of
// the draws), with some to spare.
int64_t ExpectedDraws(int64_t Pixels, int32_t Rate) {
  const int64_t share = std::clamp<int64_t>(2 * int64_t{Rate} + 1, 0, 200);  // in half percents
  return Pixels + Pixels * 3 * share / 200 * 51 / 50 + 1024;
}

}  // namespace

void Noise_Compute() {
  const TNoiseWork w = NoiseWork;
  const int space = w.Space == SpaceRGB ? SpaceRGB : SpaceHSL;

  // The background comes from the running instance; outside the table (no
  // instance is running) there is none to read, and black is taken.
  int32_t back = 0;
  if (RunningInstance >= 0 && RunningInstance <= MaxInstances + 1) back = ModuleParams[RunningInstance].ParamColor[1];
  int32_t b1, b2, b3;
  if (space == SpaceRGB)
    SplitRGB(back, b1, b2, b3);
  else
    ColorToHSL(back, b1, b2, b3);

  RandomSeed = w.Seed;
  InitRandom(RandomSeed);

  LayerData& d = Layer(CurrentLayer);
  const int W = ImageWidth, h = ImageHeight;
  const int64_t pixels = W > 0 && h > 0 ? int64_t{W} * h : 0;
  PrepareToWrite(d, space);
  // One draw sequence for the whole picture, x outer, y inner: a pixel's draw
  // u, and when Round(u * 100) <= rate three more for its channels.
  if (ThreadCount() == 1) {
    for (int x = 1; x <= W; ++x) {
      Sample* c1 = d.plane(space, 1).column(x);
      Sample* c2 = d.plane(space, 2).column(x);
      Sample* c3 = d.plane(space, 3).column(x);
      for (int y = 0; y < h; ++y) {
        if (RandomRound(RandomSeed, 100) <= w.Rate) {
          c1[y] = static_cast<Sample>(RandomInt(RandomSeed, w.Min1, w.Max1));
          c2[y] = static_cast<Sample>(RandomInt(RandomSeed, w.Min2, w.Max2));
          c3[y] = static_cast<Sample>(RandomInt(RandomSeed, w.Min3, w.Max3));
        } else {
          c1[y] = static_cast<Sample>(b1);
          c2[y] = static_cast<Sample>(b2);
          c3[y] = static_cast<Sample>(b3);
        }
      }
    }
    SyncCurrentColorSpace(space);
    return;
  }
  // On several threads the draws are computed ahead; a walk along them finds
  // where each column's draws start (from noisy draw to noisy draw), and the
  // columns are painted over the threads, each converted into the other space
  // while it is at hand.
  DrawsAhead draws(RandomSeed);
  NoisyDraws noisy(draws, w.Rate);
  std::vector<int64_t> columnStart(static_cast<size_t>(std::max(W, 0)));
  int64_t p = 0, n = 0, column = 0;  // pixels placed, draws used, columns found
  while (p < pixels) {
    if (n + 4 > draws.Size()) {
      draws.Reach(n + 4 + ExpectedDraws(pixels - p, w.Rate));
      noisy.AddWords();
    }
    // Pixels before the next noisy draw take one draw each; a noisy pixel
    // needs its three draws computed.
    const int64_t limit = draws.Size() - 3, next = noisy.Next(n, limit);
    const int64_t run = std::min(next - n, pixels - p);
    for (; column * h < p + run; ++column) columnStart[column] = n + (column * h - p);
    p += run;
    n += run;
    if (p < pixels && n == next && next < limit) {
      if (column * h == p) columnStart[column++] = n;
      ++p;
      n += 4;
    }
  }
  draws.Commit(n);

  const int32_t* bits = draws.Bits();
  PrepareToWrite(d, space == SpaceRGB ? SpaceHSL : SpaceRGB);
  ParallelColumns(1, W, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      Sample* c1 = d.plane(space, 1).column(x);
      Sample* c2 = d.plane(space, 2).column(x);
      Sample* c3 = d.plane(space, 3).column(x);
      int64_t k = columnStart[x - 1];
      for (int y = 0; y < h; ++y) {
        if (noisy.At(k)) {
          c1[y] = static_cast<Sample>(BitsInRange(bits[k + 1], w.Min1, w.Max1));
          c2[y] = static_cast<Sample>(BitsInRange(bits[k + 2], w.Min2, w.Max2));
          c3[y] = static_cast<Sample>(BitsInRange(bits[k + 3], w.Min3, w.Max3));
          k += 4;
        } else {
          c1[y] = static_cast<Sample>(b1);
          c2[y] = static_cast<Sample>(b2);
          c3[y] = static_cast<Sample>(b3);
          k += 1;
        }
      }
      SyncColumns(CurrentLayer, space, x, x);
    }
  });
}

}  // namespace quillon
