#include "engine/Pixels.h"

#include "engine/BitScan.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "engine/Random.h"

#include <bit>
#include <utility>
#include <vector>

namespace quillon {

NeighbourSlot NeighbourList[17];
ColorWalkRecord ColorWalker;

void FillLayer(int layer, int Space, int32_t C1, int32_t C2, int32_t C3) {
  LayerData& d = Layer(layer);
  const int32_t value[3] = {C1, C2, C3};
  PrepareToWrite(d, Space);
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int c = 1; c <= 3; ++c) {
      const Sample v = static_cast<Sample>(value[c - 1]);
      for (int x = x0; x <= x1; ++x) {
        Sample* col = d.plane(Space, c).column(x);
        for (int y = 0; y < ImageHeight; ++y) col[y] = v;
      }
    }
  });
}

void SetLayerPixel3(int layer, int Space, int X, int Y, int32_t C1, int32_t C2, int32_t C3) {
  LayerData& d = Layer(layer);
  d.plane(Space, 1).at(X, Y) = static_cast<Sample>(C1);
  d.plane(Space, 2).at(X, Y) = static_cast<Sample>(C2);
  d.plane(Space, 3).at(X, Y) = static_cast<Sample>(C3);
}

void AddToPixel(int layer, int Space, int Channel, int X, int Y, int32_t Delta) {
  // The sum is taken in 64 bits and wraps into the sample like the 16-bit
  // store it is: no Delta can overflow the addition itself.
  Sample& s = Pixel(layer, Space, Channel, X, Y);
  s = static_cast<Sample>(static_cast<int64_t>(s) + Delta);
}

bool IsColor(int layer, int Space, int X, int Y, int32_t C1, int32_t C2, int32_t C3) {
  const LayerData& d = Layer(layer);
  return d.plane(Space, 1).at(X, Y) == C1 && d.plane(Space, 2).at(X, Y) == C2 && d.plane(Space, 3).at(X, Y) == C3;
}

int detail::WrapBeyond(int64_t v, int32_t side) { return static_cast<int>(WrapIndex(v - 1, side) + 1); }

namespace {
int ListNeighbours(int layer, int Space, int X, int Y, int32_t C1, int32_t C2, int32_t C3, bool matching) {
  int count = 0;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) {
      if (dx == 0 && dy == 0) continue;
      int wx, wy;
      WrapXY(static_cast<int64_t>(X) + dx, static_cast<int64_t>(Y) + dy, wx, wy);
      if (IsColor(layer, Space, wx, wy, C1, C2, C3) == matching) {
        ++count;
        NeighbourList[count] = {static_cast<int16_t>(wx), static_cast<int16_t>(wy)};
      }
    }
  return count;
}
}  // namespace

int ListMatchingNeighbours(int layer, int Space, int X, int Y, int32_t C1, int32_t C2, int32_t C3) {
  return ListNeighbours(layer, Space, X, Y, C1, C2, C3, true);
}

int ListOtherNeighbours(int layer, int Space, int X, int Y, int32_t C1, int32_t C2, int32_t C3) {
  return ListNeighbours(layer, Space, X, Y, C1, C2, C3, false);
}

namespace {
// FindColorPixel's search over a view of the pixels of one colour: Tries
// random probes, each looking at the probe, then along its row to the right
// and to the left, then down and up its column, nearest first each way; then
// the whole picture column by column. The view answers each look with the
// nearest such pixel, 0 for none.
template <typename View>
bool SearchColorPixel(const View& v, int Tries, int& X, int& Y) {
  auto found = [&](int x, int y) {
    X = x;
    Y = y;
    return true;
  };
  for (int t = 1; t <= Tries; ++t) {
    const int x = RandomInt(RandomSeed, 1, ImageWidth);
    const int y = RandomInt(RandomSeed, 1, ImageHeight);
    if (v.Has(x, y)) return found(x, y);
    if (const int i = v.Right(x, y)) return found(i, y);
    if (const int i = v.Left(x, y)) return found(i, y);
    if (const int j = v.Down(x, y)) return found(x, j);
    if (const int j = v.Up(x, y)) return found(x, j);
  }
  return v.First(X, Y);
}

// The view on the planes themselves.
struct PlaneView {
  int layer, space;
  int32_t c1, c2, c3;
  bool Has(int x, int y) const { return IsColor(layer, space, x, y, c1, c2, c3); }
  int Right(int x, int y) const {
    for (int i = x + 1; i <= ImageWidth; ++i)
      if (Has(i, y)) return i;
    return 0;
  }
  int Left(int x, int y) const {
    for (int i = x - 1; i >= 1; --i)
      if (Has(i, y)) return i;
    return 0;
  }
  int Down(int x, int y) const {
    for (int j = y + 1; j <= ImageHeight; ++j)
      if (Has(x, j)) return j;
    return 0;
  }
  int Up(int x, int y) const {
    for (int j = y - 1; j >= 1; --j)
      if (Has(x, j)) return j;
    return 0;
  }
  bool First(int& X, int& Y) const {
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y)
        if (Has(x, y)) {
          X = x;
          Y = y;
          return true;
        }
    return false;
  }
};

}  // namespace

bool FindColorPixel(int layer, int Space, int Tries, int32_t C1, int32_t C2, int32_t C3, int& X, int& Y) {
  return SearchColorPixel(PlaneView{layer, Space, C1, C2, C3}, Tries, X, Y);
}

ColorMask::ColorMask(int layer, int Space, int32_t C1, int32_t C2, int32_t C3)
    : width_(ImageWidth),
      height_(ImageHeight),
      rowWords_((ImageWidth + 63) / 64),
      colWords_((ImageHeight + 63) / 64),
      rows_(static_cast<size_t>(rowWords_) * ImageHeight),
      cols_(static_cast<size_t>(colWords_) * ImageWidth),
      marked_(ImageWidth) {
  const LayerData& d = Layer(layer);
  for (int x = 1; x <= width_; ++x) {
    const Sample* p1 = d.plane(Space, 1).column(x);
    const Sample* p2 = d.plane(Space, 2).column(x);
    const Sample* p3 = d.plane(Space, 3).column(x);
    uint64_t* col = &cols_[ColumnWord(x, 1)];
    const uint64_t rowBit = uint64_t{1} << ((x - 1) & 63);
    for (int y = 1; y <= height_; ++y)
      if (p1[y - 1] == C1 && p2[y - 1] == C2 && p3[y - 1] == C3) {
        col[(y - 1) >> 6] |= uint64_t{1} << ((y - 1) & 63);
        rows_[RowWord(x, y)] |= rowBit;
        ++marked_[x - 1];
      }
  }
}

int ColorMask::Right(int X, int Y) const { return FirstBitFrom(&rows_[RowWord(1, Y)], width_, X) + 1; }
int ColorMask::Left(int X, int Y) const { return LastBitBelow(&rows_[RowWord(1, Y)], X - 1) + 1; }
int ColorMask::Down(int X, int Y) const { return FirstBitFrom(&cols_[ColumnWord(X, 1)], height_, Y) + 1; }
int ColorMask::Up(int X, int Y) const { return LastBitBelow(&cols_[ColumnWord(X, 1)], Y - 1) + 1; }

bool ColorMask::First(int& X, int& Y) const {
  for (int x = 1; x <= width_; ++x)
    if (marked_[x - 1] > 0) {
      X = x;
      Y = Down(x, 0);
      return true;
    }
  return false;
}

bool ColorMask::Find(int Tries, int& X, int& Y) const { return SearchColorPixel(*this, Tries, X, Y); }

namespace {
// The wrapped coordinates of one side of a window, From .. From + Length - 1,
// with how often each occurs. A window longer than the picture side wraps
// onto itself: each of the side's coordinates is listed once with its number
// of occurrences, so a radius of any size costs one picture side instead of a
// loop as long as the window (which for a radius near 2^31 would not end).
struct WindowAxis {
  std::vector<std::pair<int, int64_t>> at;  // (wrapped coordinate, occurrences)
  WindowAxis(int64_t from, int64_t length, int32_t side) {
    if (length <= side) {
      for (int64_t k = 0; k < length; ++k) at.emplace_back(WrapSide(from + k, side), 1);
      return;
    }
    const int64_t whole = length / side, rest = length % side;
    const int first = WrapSide(from, side);
    for (int k = 0; k < side; ++k) at.emplace_back(WrapSide(static_cast<int64_t>(first) + k, side), whole + (k < rest));
  }
};
}  // namespace

bool NeighbourAverage(int layer, int Space, int Channel, int X, int Y, int Radius, int ExcludeCentre, int32_t C1,
                      int32_t C2, int32_t C3) {
  const Plane& p = LayerPlane(layer, Space, Channel);
  const int64_t length = 2 * static_cast<int64_t>(Radius) + 1;
  int64_t v = 0;
  if (length <= ImageWidth && length <= ImageHeight) {
    int64_t sum = 0, count = 0;
    for (int64_t x = static_cast<int64_t>(X) - Radius; x <= static_cast<int64_t>(X) + Radius; ++x)
      for (int64_t y = static_cast<int64_t>(Y) - Radius; y <= static_cast<int64_t>(Y) + Radius; ++y) {
        int wx, wy;
        WrapXY(x, y, wx, wy);
        if (ExcludeCentre == 1 && wx == X && wy == Y) continue;
        if (IsColor(layer, Space, wx, wy, C1, C2, C3)) continue;
        sum += p.at(wx, wy);
        ++count;
      }
    v = count == 0 ? 0 : Round(static_cast<Real>(sum) / count);
  } else {
    // The same sum and count from the wrapped window's distinct pixels, in
    // 128 bits: a huge radius counts each pixel up to 2^64 times.
    __int128 sum = 0, count = 0;
    const WindowAxis xs(static_cast<int64_t>(X) - Radius, length, ImageWidth);
    const WindowAxis ys(static_cast<int64_t>(Y) - Radius, length, ImageHeight);
    for (const auto& [wx, nx] : xs.at)
      for (const auto& [wy, ny] : ys.at) {
        if (ExcludeCentre == 1 && wx == X && wy == Y) continue;
        if (IsColor(layer, Space, wx, wy, C1, C2, C3)) continue;
        const __int128 times = static_cast<__int128>(nx) * ny;
        sum += times * p.at(wx, wy);
        count += times;
      }
    v = count == 0 ? 0 : Round(static_cast<Real>(sum) / static_cast<Real>(count));
  }
  LayerPlane(layer, Space, Channel).at(X, Y) = static_cast<Sample>(v);
  return true;
}

bool FindFilledPixel(int Direction, int& X, int& Y) {
  int x = RandomInt(RandomSeed, 1, ImageWidth);
  int y = RandomInt(RandomSeed, 1, ImageHeight);
  const Plane& hue = LayerPlane(CurrentLayer, SpaceHSL, 1);
  if (hue.at(x, y) != EmptyValue) {
    X = x;
    Y = y;
    return true;
  }
  // Directions other than 2..4 search to the right, as direction 1.
  int dx = 0, dy = 0, steps = 0;
  switch (Direction) {
    case 2: dx = -1; steps = ImageWidth - 1; break;
    case 3: dy = 1; steps = ImageHeight - 1; break;
    case 4: dy = -1; steps = ImageHeight - 1; break;
    default: dx = 1; steps = ImageWidth - 1; break;
  }
  int cx = x, cy = y;
  for (int k = 1; k <= steps; ++k) {
    WrapXY(static_cast<int64_t>(cx) + dx, static_cast<int64_t>(cy) + dy, cx, cy);
    if (hue.at(cx, cy) != EmptyValue) {
      X = cx;
      Y = cy;
      return true;
    }
  }
  return false;
}

void GradientSpan(int layer, int Space, int X, int Y, int DX, int DY, int N, const int32_t Start[3],
                  const int32_t End[3]) {
  if (N < 1) return;
  LayerData& d = Layer(layer);
  for (int k = 1; k <= N; ++k) {
    int wx, wy;
    WrapXY(static_cast<int64_t>(X) + static_cast<int64_t>(k) * DX, static_cast<int64_t>(Y) + static_cast<int64_t>(k) * DY,
           wx, wy);
    for (int c = 0; c < 3; ++c) {
      Real v = Start[c] + static_cast<Real>(k) * (static_cast<Real>(End[c]) - Start[c]) / (static_cast<Real>(N) + 1);
      d.plane(Space, c + 1).at(wx, wy) = static_cast<Sample>(Round(v));
    }
  }
}

namespace {

// In order, on one thread: a plane of the largest picture is read in some
// 50 microseconds, less than waking the pool's threads costs (over eight
// threads the pass took 1.7 times the time and 5 times the CPU). In order
// also because a NaN compares false both ways: with one in a float plane the
// extremes depend on the order the samples are read in.
template <typename P, typename T>
void Extremes(const P& p, T& mn, T& mx) {
  auto lo = p.at(1, 1), hi = lo;
  const int h = ImageHeight;
  for (int x = 1; x <= ImageWidth; ++x) {
    const auto* c = p.column(x);
    for (int y = 0; y < h; ++y) {
      lo = c[y] < lo ? c[y] : lo;
      hi = c[y] > hi ? c[y] : hi;
    }
  }
  mn = lo;
  mx = hi;
}

}  // namespace

void PlaneRange(const Plane& p, int32_t& mn, int32_t& mx) { Extremes(p, mn, mx); }
void PlaneRange(const FloatPlane& p, float& mn, float& mx) { Extremes(p, mn, mx); }

// Every value maps through the same formula, so one table per possible
// sample value gives exactly the per-pixel result.
std::vector<Sample> StretchTable(int32_t mn, int32_t mx, double Lo, double Hi) {
  if (mx == mn) return {static_cast<Sample>(Round(Lo))};
  std::vector<Sample> table(static_cast<size_t>(mx - mn) + 1);
  const Real range = static_cast<Real>(mx) - mn, span = static_cast<Real>(Hi) - static_cast<Real>(Lo);
  for (int32_t v = mn; v <= mx; ++v)
    table[v - mn] = static_cast<Sample>(Round((static_cast<Real>(v) - mn) / range * span + static_cast<Real>(Lo)));
  return table;
}

void MapPlane(Plane& p, int32_t mn, const std::vector<Sample>& Table) {
  const int h = ImageHeight;
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      Sample* col = p.column(x);
      for (int y = 0; y < h; ++y) col[y] = Table[col[y] - mn];
    }
  });
}

void StretchChannel(int layer, int Space, int Channel, double Lo, double Hi) {
  Plane& p = LayerPlane(layer, Space, Channel);
  int32_t mn, mx;
  PlaneRange(p, mn, mx);
  MapPlane(p, mn, StretchTable(mn, mx, Lo, Hi));
}

void ClampChannel(int Space, int Channel, int32_t Max) {
  Plane& p = LayerPlane(CurrentLayer, Space, Channel);
  for (int x = 1; x <= ImageWidth; ++x) {
    Sample* col = p.column(x);
    for (int y = 0; y < ImageHeight; ++y)
      if (col[y] > Max) col[y] = static_cast<Sample>(Max);
  }
}

}  // namespace quillon
