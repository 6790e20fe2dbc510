#include "modules/filters/RandomFill.h"

#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Random.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TRNCCWork RNCCWork;

namespace {

// The fill ends its probing (or its sweeping) once the picture can no longer
// change under it. A round or sweep that changes nothing although a change
// was possible leaves the picture as it was and only advances the random
// state, so the fill goes on, as the plain loop would; these limits bound the
// number of such rounds and sweeps in a row. They are reached only when a
// change has a vanishing chance (deviation ranges of about 2^31 values whose
// every reachable value but one clamps back to the key colour).
constexpr int IdleRoundLimit = 256;
constexpr int IdleSweepLimit = 4096;

enum class FillResult { NoSource, KeptKey, Changed };

class Filler {
 public:
  explicit Filler(const TRNCCWork& w)
      : W_(ImageWidth), H_(ImageHeight), space_(SpaceOf(w.Space)), mode_(w.Mode == 2 ? 2 : 1) {
    for (int c = 0; c < 3; ++c) {
      plane_[c] = &LayerPlane(ResultLayer, space_, c + 1);
      key_[c] = w.Key[c];
      lo_[c] = -static_cast<int64_t>(w.Deviation[c].Minus);
      hi_[c] = w.Deviation[c].Plus;
      top_[c] = ChannelTop(space_, c + 1);
    }
    keyAt_.assign(static_cast<size_t>(W_) * H_, 0);
    if (mode_ == 2) keyInRow_.assign(static_cast<size_t>(W_) * H_, 0);
    othersInColumn_.assign(W_ + 1, 0);
    othersInRow_.assign(H_ + 1, 0);
    for (int x = 1; x <= W_; ++x)
      for (int y = 1; y <= H_; ++y)
        if (plane_[0]->at(x, y) == key_[0] && plane_[1]->at(x, y) == key_[1] && plane_[2]->at(x, y) == key_[2]) {
          keyAt_[Index(x, y)] = 1;
          if (mode_ == 2) keyInRow_[RowIndex(x, y)] = 1;
          ++keyCount_;
        } else {
          ++othersInColumn_[x];
          ++othersInRow_[y];
        }
  }

  int64_t KeyCount() const { return keyCount_; }
  int Mode() const { return mode_; }
  bool IsKey(int x, int y) const { return keyAt_[Index(x, y)] != 0; }

  // Fills key pixel (x, y) with the given mode: the rounded average of the
  // sources plus one deviation draw per channel (channels 1, 2, 3), clamped.
  // Draws nothing when the mode finds no source. Sets possible when the
  // deviation ranges allow a result other than the key colour.
  FillResult Fill(int mode, int x, int y, bool& possible) {
    int64_t avg[3];
    if (!Sources(mode, x, y, avg)) return FillResult::NoSource;
    if (CanChange(avg)) possible = true;
    int32_t v[3];
    for (int c = 0; c < 3; ++c) {
      const int64_t dev = lo_[c] + RandomRound(RandomSeed, hi_[c] - lo_[c]);
      v[c] = Clamp(avg[c] + dev, 0, top_[c]);
    }
    if (v[0] == key_[0] && v[1] == key_[1] && v[2] == key_[2]) return FillResult::KeptKey;
    for (int c = 0; c < 3; ++c) plane_[c]->at(x, y) = static_cast<Sample>(v[c]);
    keyAt_[Index(x, y)] = 0;
    if (mode_ == 2) keyInRow_[RowIndex(x, y)] = 0;
    --keyCount_;
    ++othersInColumn_[x];
    ++othersInRow_[y];
    return FillResult::Changed;
  }

  // Whether any key pixel could still change under the given mode.
  bool AnyCanChange(int mode) const {
    for (int x = 1; x <= W_; ++x)
      for (int y = 1; y <= H_; ++y) {
        int64_t avg[3];
        if (IsKey(x, y) && Sources(mode, x, y, avg) && CanChange(avg)) return true;
      }
    return false;
  }

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(x - 1) * H_ + (y - 1); }
  size_t RowIndex(int x, int y) const { return static_cast<size_t>(y - 1) * W_ + (x - 1); }

  // The rounded source averages of channels 1..3, or false when the mode
  // finds nothing to fill from.
  bool Sources(int mode, int x, int y, int64_t avg[3]) const {
    int64_t sum[3] = {0, 0, 0};
    int count = 0;
    auto add = [&](int sx, int sy) {
      for (int c = 0; c < 3; ++c) sum[c] += plane_[c]->at(sx, sy);
      ++count;
    };
    if (mode == 2) {
      // The nearest non-key pixel to the right, left, below and above, each
      // search wrapping and giving up when it comes back to the start. The
      // pixel itself is a key pixel, so all four exist exactly when its row
      // and its column hold another pixel; the counts say so at once.
      if (othersInRow_[y] == 0 || othersInColumn_[x] == 0) return false;
      int found[4][2];
      for (int d = 0; d < 4; ++d) {
        const bool alongRow = d < 2;
        const int step = (d % 2 == 0) ? 1 : -1, side = alongRow ? W_ : H_;
        int pos = alongRow ? x : y, hit = 0;
        for (int k = 1; k < side; ++k) {
          pos += step;
          if (pos > side) pos = 1;
          if (pos < 1) pos = side;
          const bool key = alongRow ? keyInRow_[RowIndex(pos, y)] != 0 : keyAt_[Index(x, pos)] != 0;
          if (!key) {
            hit = pos;
            break;
          }
        }
        if (hit == 0) return false;
        found[d][0] = alongRow ? hit : x;
        found[d][1] = alongRow ? y : hit;
      }
      for (auto& f : found) add(f[0], f[1]);
    } else {
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
          if (dx == 0 && dy == 0) continue;
          int sx = x + dx, sy = y + dy;
          sx = sx < 1 ? sx + W_ : (sx > W_ ? sx - W_ : sx);
          sy = sy < 1 ? sy + H_ : (sy > H_ ? sy - H_ : sy);
          if (!IsKey(sx, sy)) add(sx, sy);
        }
      if (count == 0) return false;
    }
    for (int c = 0; c < 3; ++c) avg[c] = RoundDiv(sum[c], count);
    return true;
  }

  // True when some deviation within the ranges gives a colour other than the
  // key colour after clamping.
  bool CanChange(const int64_t avg[3]) const {
    for (int c = 0; c < 3; ++c) {
      const int64_t a = lo_[c] < hi_[c] ? lo_[c] : hi_[c], b = lo_[c] < hi_[c] ? hi_[c] : lo_[c];
      if (Clamp(avg[c] + a, 0, top_[c]) != key_[c] || Clamp(avg[c] + b, 0, top_[c]) != key_[c]) return true;
    }
    return false;
  }

  int W_, H_, space_, mode_;
  Plane* plane_[3];
  int32_t key_[3], top_[3];
  int64_t lo_[3], hi_[3];
  std::vector<uint8_t> keyAt_;     // [x - 1][y - 1], 1 = key colour
  std::vector<uint8_t> keyInRow_;  // the same, [y - 1][x - 1], for the row searches of mode 2
  std::vector<int32_t> othersInColumn_, othersInRow_;  // non-key pixels of column x, of row y
  int64_t keyCount_ = 0;
};

}  // namespace

// The probing rounds repeat until fewer than a tenth of the pixels are key
// pixels (at least one round is made), then sweeps repeat until none is left.
// Neither loop runs on once the picture cannot change any more: a picture of
// key pixels only, or one whose remaining key pixels have nothing to fill
// from, is left as it is.
void RandomColorFill() {
  InitRandom(RandomSeed);
  const int W = ImageWidth, H = ImageHeight;
  if (W < 1 || H < 1) return;
  const TRNCCWork work = RNCCWork;
  Filler fill(work);
  const int64_t pixels = static_cast<int64_t>(W) * H;
  const int64_t enough = Round(static_cast<Real>(pixels) * 10 / 100);

  for (int idle = 0;;) {
    bool changed = false, possible = false;
    for (int64_t i = 0; i < pixels; ++i) {
      const int x = static_cast<int>(RandomRound(RandomSeed, W - 1)) + 1;
      const int y = static_cast<int>(RandomRound(RandomSeed, H - 1)) + 1;
      if (fill.IsKey(x, y) && fill.Fill(fill.Mode(), x, y, possible) == FillResult::Changed) changed = true;
    }
    if (fill.KeyCount() < enough) break;
    if (changed) {
      idle = 0;
      continue;
    }
    if (!fill.AnyCanChange(fill.Mode()) || ++idle >= IdleRoundLimit) break;
  }

  for (int idle = 0; fill.KeyCount() > 0;) {
    bool changed = false, possible = false;
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y)
        if (fill.IsKey(x, y) && fill.Fill(1, x, y, possible) == FillResult::Changed) changed = true;
    if (changed) {
      idle = 0;
      continue;
    }
    if (!possible || ++idle >= IdleSweepLimit) break;
  }

  SyncColorSpace(SpaceOf(work.Space));
}

}  // namespace quillon
