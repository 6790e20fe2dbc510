#include "modules/textures/Fnc_T017.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/Pixels.h"
#include "engine/Random.h"
#include "engine/WorkBound.h"
#include "modules/filters/FilterSupport.h"
#include "modules/textures/Prm_T017.h"
#include "shell/ColorWalk.h"
#include "shell/Progress.h"

namespace quillon {

TT017Work T017Work;

// ---------------------------------------------------------------------------
// Registration, defaults, ranges

void T017_RegisterProcs() {
  StoreTypeProcs(T017_Type, T017_SetDefaults, T017_SetRanges, T017_Execute);
  StoreTypeWorkBound(T017_Type, &T017_WorkBound);
}

void T017_RegisterNames() {
  StoreTypeNames(T017_Type, "Lozenge Distortion", "T017", 1, P_T017);
}

void T017_SetDefaults(int Instance) {
  ClearValues(Instance);
  Array1<int32_t, ParamCount>& v = ModuleParams[Instance].ParamValue;
  v[1] = 100;  // hue minimum
  v[2] = 270;  // hue maximum
  v[3] = 1;    // hue step
  v[4] = 0;    // saturation minimum
  v[5] = 255;  // saturation maximum
  v[6] = 5;    // saturation step
  v[7] = 0;    // luminosity minimum
  v[8] = 255;  // luminosity maximum
  v[9] = 3;    // luminosity step
  v[11] = 4000;  // region size bounds, in tens of pixels
  v[12] = 4000;
  v[13] = 1;    // blur radius
  v[14] = 502;  // random seed
}

void T017_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 0, MaxHue);
  SetParamRange(Instance, 2, 0, MaxHue);
  SetParamRange(Instance, 3, 0, 50);
  SetParamRange(Instance, 4, 0, MaxSatLum);
  SetParamRange(Instance, 5, 0, MaxSatLum);
  SetParamRange(Instance, 6, 1, 50);
  SetParamRange(Instance, 7, 0, MaxSatLum);
  SetParamRange(Instance, 8, 0, MaxSatLum);
  SetParamRange(Instance, 9, 1, 50);
  SetParamRange(Instance, 11, 50, 5000);
  SetParamRange(Instance, 12, 50, 5000);
  SetParamRange(Instance, 13, 0, 2);
  SetParamRange(Instance, 14, 1, 1000);
}

// ---------------------------------------------------------------------------
// Execute

void T017_Execute() {
  ShowProgress(RunningInstance, T017_Type);
  const Array1<int32_t, ParamCount>& v = ModuleParams[RunningInstance].ParamValue;
  TT017Work& w = T017Work;
  w.BlurRadius = v[13];
  w.MinSize = v[11];
  w.MaxSize = v[12];
  OrderPair(w.MinSize, w.MaxSize);
  w.HueMin = v[1];
  w.HueMax = v[2];
  OrderPair(w.HueMin, w.HueMax);
  w.SatMin = v[4];
  w.SatMax = v[5];
  OrderPair(w.SatMin, w.SatMax);
  w.LumMin = v[7];
  w.LumMax = v[8];
  OrderPair(w.LumMin, w.LumMax);
  w.HueStep = v[3];
  w.SatStep = v[6];
  w.LumStep = v[9];
  w.Seed = v[14];
  T017_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

// ---------------------------------------------------------------------------
// The region growing
//
// Which pixels are free. The layer marks a free pixel by the HSL colour
// (0, 0, 0), but the walk itself paints (0, 0, 0) whenever the minimums of all
// three channels are 0 (the first pixel of every region), and a pixel that
// counted as free again after being painted could be found, painted (0, 0, 0)
// and found again without end. So "free" here means "not painted yet in this
// run", kept in a map of its own: a painted pixel is never free again, even
// when it holds (0, 0, 0), and every growth step paints a pixel that was free,
// so a run takes at most ImageWidth * ImageHeight steps.
//
// Whenever no painted pixel holds (0, 0, 0) the map and the colour test agree
// on every pixel at every moment, so the picture and every random draw are
// those of the colour test. With every channel's minimum >= 0 and not all
// three 0, that is always the case: a channel whose minimum m is above 0 stays
// >= m in every painted pixel, since the walk keeps it within its bounds and
// the blur averages painted values only (the centre among them).
//
// The map also makes the searches cheap: each row and each column keeps a
// bitmap of its free pixels, so the probe's line scans become bit scans, and
// the full scan resumes from a cursor that only moves forward, valid because
// no pixel before it can become free again. Each pixel also keeps the count
// of its painted 8-neighbours (wrapped, counted once per neighbour slot), the
// score of a candidate, updated as pixels are painted.

namespace {

constexpr int Side = MaxImageSide;
constexpr int Words = Side / 64;
constexpr int ProbeCount = 10;
// A blur up to this radius reads its window pixel by pixel; a wider one (a
// preset can hold any radius) reads it from the painted sums below, whose
// prefix queries cost about as much as a window of 29 x 29 pixels (measured:
// about 2 s for a 1024 x 1024 picture at any radius from 15 up).
constexpr int DirectBlurRadius = 14;

struct FreeMap {
  uint8_t Painted[Side][Side];        // [x - 1][y - 1]
  uint8_t PaintedAround[Side][Side];  // [x - 1][y - 1]: painted 8-neighbours
  uint64_t Row[Side][Words];          // row y - 1: bit x - 1 set while free
  uint64_t Column[Side][Words];       // column x - 1: bit y - 1 set while free
  int CursorX = 1, CursorY = 1;       // every pixel before it in column order is painted
  int W = 0, H = 0;
};
// The map of the picture being computed, set by T017_Compute.
FreeMap* Map = nullptr;

void SetBits(uint64_t* bits, int count) {
  std::memset(bits, 0, sizeof(uint64_t) * Words);
  for (int i = 0; i < count; ++i) bits[i >> 6] |= uint64_t{1} << (i & 63);
}

void ResetMap() {
  Map->W = ImageWidth;
  Map->H = ImageHeight;
  for (int x = 0; x < Map->W; ++x) {
    std::memset(Map->Painted[x], 0, static_cast<size_t>(Map->H));
    std::memset(Map->PaintedAround[x], 0, static_cast<size_t>(Map->H));
    SetBits(Map->Column[x], Map->H);
  }
  for (int y = 0; y < Map->H; ++y) SetBits(Map->Row[y], Map->W);
  Map->CursorX = 1;
  Map->CursorY = 1;
}

inline bool IsFree(int x, int y) { return Map->Painted[x - 1][y - 1] == 0; }
inline int PrevX(int x) { return x == 1 ? Map->W : x - 1; }
inline int NextX(int x) { return x == Map->W ? 1 : x + 1; }
inline int PrevY(int y) { return y == 1 ? Map->H : y - 1; }
inline int NextY(int y) { return y == Map->H ? 1 : y + 1; }

void MarkPainted(int x, int y) {
  Map->Painted[x - 1][y - 1] = 1;
  Map->Row[y - 1][(x - 1) >> 6] &= ~(uint64_t{1} << ((x - 1) & 63));
  Map->Column[x - 1][(y - 1) >> 6] &= ~(uint64_t{1} << ((y - 1) & 63));
  // (x, y) is the neighbour, in the opposite slot, of each of its own
  // neighbours; on a picture 1 or 2 pixels wide a pixel fills several slots.
  const int xs[3] = {PrevX(x), x, NextX(x)};
  const int ys[3] = {PrevY(y), y, NextY(y)};
  for (int a = 0; a < 3; ++a)
    for (int b = 0; b < 3; ++b)
      if (a != 1 || b != 1) ++Map->PaintedAround[xs[a] - 1][ys[b] - 1];
}

// Index of the first set bit at index >= From, or -1.
int NextBit(const uint64_t* bits, int From) {
  if (From >= Side) return -1;
  int w = From >> 6;
  uint64_t m = bits[w] & (~uint64_t{0} << (From & 63));
  for (;;) {
    if (m) return (w << 6) + std::countr_zero(m);
    if (++w >= Words) return -1;
    m = bits[w];
  }
}

// Index of the last set bit at index <= To, or -1.
int PrevBit(const uint64_t* bits, int To) {
  if (To < 0) return -1;
  int w = To >> 6;
  uint64_t m = bits[w] & (~uint64_t{0} >> (63 - (To & 63)));
  for (;;) {
    if (m) return (w << 6) + 63 - std::countl_zero(m);
    if (--w < 0) return -1;
    m = bits[w];
  }
}

// The free-pixel search: 10 random probes, each with its line scans (right,
// left, down, up, no wrapping), then the full scan in column order. The same
// draws and the same pixel as a search that tests every pixel's colour.
bool FindFreePixel(int& X, int& Y) {
  for (int t = 1; t <= ProbeCount; ++t) {
    const int x = RandomInt(RandomSeed, 1, ImageWidth);
    const int y = RandomInt(RandomSeed, 1, ImageHeight);
    int i;
    if (IsFree(x, y)) {
      X = x, Y = y;
      return true;
    }
    const uint64_t* row = Map->Row[y - 1];
    if ((i = NextBit(row, x)) >= 0 || (i = PrevBit(row, x - 2)) >= 0) {
      X = i + 1, Y = y;
      return true;
    }
    const uint64_t* column = Map->Column[x - 1];
    if ((i = NextBit(column, y)) >= 0 || (i = PrevBit(column, y - 2)) >= 0) {
      X = x, Y = i + 1;
      return true;
    }
  }
  for (; Map->CursorX <= Map->W; ++Map->CursorX, Map->CursorY = 1) {
    const int i = NextBit(Map->Column[Map->CursorX - 1], Map->CursorY - 1);
    if (i >= 0) {
      Map->CursorY = i + 1;
      X = Map->CursorX, Y = Map->CursorY;
      return true;
    }
  }
  return false;
}

// The values of the painted pixels (hue, saturation, luminosity and a count
// of 1 each) in a two-dimensional Fenwick tree over the picture: the sums of
// any rectangle in O(log W * log H), kept up to date as pixels are painted
// and blurred. Only a blur wider than DirectBlurRadius uses it.
struct PaintedSums {
  int64_t Tree[Side][Side][4];  // [x - 1][y - 1]

  void Clear() {
    for (int x = 0; x < Map->W; ++x) std::memset(Tree[x], 0, sizeof(Tree[x][0]) * static_cast<size_t>(Map->H));
  }
  void Add(int X, int Y, const int64_t Delta[4]) {
    for (int x = X; x <= Map->W; x += x & -x)
      for (int y = Y; y <= Map->H; y += y & -y)
        for (int c = 0; c < 4; ++c) Tree[x - 1][y - 1][c] += Delta[c];
  }
  // Adds Weight times the sums of x 1..X, y 1..Y.
  void AddPrefix(int X, int Y, __int128 Weight, __int128 Sum[4]) const {
    for (int x = X; x > 0; x -= x & -x)
      for (int y = Y; y > 0; y -= y & -y)
        for (int c = 0; c < 4; ++c) Sum[c] += Weight * Tree[x - 1][y - 1][c];
  }
};
// The sums while a blur wider than DirectBlurRadius is computed; null when
// the blur reads the window pixel by pixel.
PaintedSums* Sums = nullptr;

// The painted pixel (X, Y) enters the sums with its values.
void AddToSums(int X, int Y, int Sign) {
  const int64_t d[4] = {Sign * int64_t{LayerPlane(CurrentLayer, SpaceHSL, 1).at(X, Y)},
                        Sign * int64_t{LayerPlane(CurrentLayer, SpaceHSL, 2).at(X, Y)},
                        Sign * int64_t{LayerPlane(CurrentLayer, SpaceHSL, 3).at(X, Y)}, Sign};
  Sums->Add(X, Y, d);
}

// A window of 2R + 1 positions from Centre - R, wrapped into 1..N, as
// intervals with the number of times it covers each: every position
// (2R + 1) div N times, and (2R + 1) mod N positions from the wrapped start
// once more, in one interval or two.
struct WindowCover {
  int Count = 0;
  int Lo[3], Hi[3];
  int64_t Times[3];
};

WindowCover CoverOf(int64_t Centre, int64_t R, int N) {
  WindowCover w;
  const int64_t length = 2 * R + 1, whole = length / N, rest = length % N;
  if (whole > 0) w.Lo[w.Count] = 1, w.Hi[w.Count] = N, w.Times[w.Count++] = whole;
  if (rest > 0) {
    const int start = static_cast<int>(WrapIndex(Centre - R - 1, N)) + 1;
    const int end = start + static_cast<int>(rest) - 1;
    w.Lo[w.Count] = start, w.Hi[w.Count] = std::min(end, N), w.Times[w.Count++] = 1;
    if (end > N) w.Lo[w.Count] = 1, w.Hi[w.Count] = end - N, w.Times[w.Count++] = 1;
  }
  return w;
}

// The direct blur of (X, Y), radius R (at most DirectBlurRadius), or Fixed
// when that is not 0: the default radius 1 gets its own loop, of a known
// length the compiler lays out whole.
template <int Fixed>
void DirectBlur(int X, int Y, int64_t Radius) {
  const int R = Fixed > 0 ? Fixed : static_cast<int>(Radius);
  Plane& h = LayerPlane(CurrentLayer, SpaceHSL, 1);
  Plane& s = LayerPlane(CurrentLayer, SpaceHSL, 2);
  Plane& l = LayerPlane(CurrentLayer, SpaceHSL, 3);
  int ys[2 * DirectBlurRadius + 1];
  for (int k = 0; k <= 2 * R; ++k) ys[k] = WrapY(Y - R + k) - 1;
  int64_t hs = 0, ss = 0, ls = 0, count = 0;
  for (int k = 0; k <= 2 * R; ++k) {
    const int wx = WrapX(X - R + k);
    const uint8_t* painted = Map->Painted[wx - 1];
    const Sample *hc = h.column(wx), *sc = s.column(wx), *lc = l.column(wx);
    for (int j = 0; j <= 2 * R; ++j) {
      // Without a branch: whether a pixel counts is hard to predict.
      const int y = ys[j];
      const int64_t in = painted[y];
      hs += in * hc[y];
      ss += in * sc[y];
      ls += in * lc[y];
      count += in;
    }
  }
  // The sums stay far below 2^52: RoundQuotient is RoundDiv, without an
  // integer division.
  const double n = static_cast<double>(count);
  h.at(X, Y) = static_cast<Sample>(RoundQuotient(hs, n));
  s.at(X, Y) = static_cast<Sample>(RoundQuotient(ss, n));
  l.at(X, Y) = static_cast<Sample>(RoundQuotient(ls, n));
}

// Averages each HSL channel of (X, Y) over the painted pixels of the wrapped
// window of radius R (the centre, just painted, among them), each pixel
// counted as often as the window covers it, rounded half to even on integers
// (RoundDiv), as Round(Sum / Count) in extended precision rounds: the
// quotient of integer sums is a half exactly or far from one. Each channel's
// mean reads only that channel, and which pixels count does not depend on
// the channel, so the three sums are taken in one pass.
void BlurPixel(int X, int Y, int64_t R) {
  if (!Sums) {
    if (R == 1)
      DirectBlur<1>(X, Y, R);
    else
      DirectBlur<0>(X, Y, R);
    return;
  }
  Plane& h = LayerPlane(CurrentLayer, SpaceHSL, 1);
  Plane& s = LayerPlane(CurrentLayer, SpaceHSL, 2);
  Plane& l = LayerPlane(CurrentLayer, SpaceHSL, 3);
  __int128 sum[4] = {0, 0, 0, 0};  // hue, saturation, luminosity, count
  const WindowCover xs = CoverOf(X, R, Map->W), ys = CoverOf(Y, R, Map->H);
  for (int i = 0; i < xs.Count; ++i)
    for (int j = 0; j < ys.Count; ++j) {
      const __int128 times = static_cast<__int128>(xs.Times[i]) * ys.Times[j];
      Sums->AddPrefix(xs.Hi[i], ys.Hi[j], times, sum);
      Sums->AddPrefix(xs.Lo[i] - 1, ys.Hi[j], -times, sum);
      Sums->AddPrefix(xs.Hi[i], ys.Lo[j] - 1, -times, sum);
      Sums->AddPrefix(xs.Lo[i] - 1, ys.Lo[j] - 1, times, sum);
    }
  AddToSums(X, Y, -1);
  h.at(X, Y) = static_cast<Sample>(RoundDiv(sum[0], sum[3]));
  s.at(X, Y) = static_cast<Sample>(RoundDiv(sum[1], sum[3]));
  l.at(X, Y) = static_cast<Sample>(RoundDiv(sum[2], sum[3]));
  AddToSums(X, Y, +1);
}

// Grows one region from the free pixel (X, Y): at most Target + 1 pixels,
// fewer when its path finds no free neighbour.
void GrowRegion(int X, int Y, int64_t Target, int64_t Radius) {
  int64_t count = 0;
  for (;;) {
    ++count;
    SetLayerPixel3(CurrentLayer, SpaceHSL, X, Y, ColorWalker[1].Value, ColorWalker[2].Value, ColorWalker[3].Value);
    MarkPainted(X, Y);
    if (Sums) AddToSums(X, Y, +1);
    if (Radius > 0) BlurPixel(X, Y, Radius);

    // The free 8-neighbours, wrapped, in the order dx = -1, 0, +1 (outer),
    // dy = -1, 0, +1 (inner); kept in slots 1..n and 9..8+n of NeighbourList.
    const int xs[3] = {PrevX(X), X, NextX(X)};
    const int ys[3] = {PrevY(Y), Y, NextY(Y)};
    int n = 0;
    for (int a = 0; a < 3; ++a)
      for (int b = 0; b < 3; ++b)
        if ((a != 1 || b != 1) && IsFree(xs[a], ys[b]))
          NeighbourList[++n] = {static_cast<int16_t>(xs[a]), static_cast<int16_t>(ys[b])};

    if (n > 0) {
      // The candidate with the most painted neighbours; a tie draws once and
      // takes the later candidate when the draw is above 0.5.
      int best = -1, chosen = 0;
      for (int k = 1; k <= n; ++k) {
        NeighbourList[8 + k] = NeighbourList[k];
        const int score = Map->PaintedAround[NeighbourList[k].X - 1][NeighbourList[k].Y - 1];
        if (score > best) {
          best = score;
          chosen = k;
        } else if (score == best && Random01(RandomSeed) > 0.5) {
          chosen = k;
        }
      }
      X = NeighbourList[8 + chosen].X;
      Y = NeighbourList[8 + chosen].Y;
    }
    BounceStep();
    if (n == 0 || count > Target) return;
  }
}

}  // namespace

// The work of a render, in pixels of a blur window read: each pixel painted,
// about 44 with its bookkeeping, and blurred over its window, (2R + 1)^2 up
// to radius 14 (the painted sums beyond cost less than two windows of radius
// 14: taken as that, the most of any radius); and each region, of one pixel
// more than its drawn size (ten times the size bounds) on average and one at
// least, found by its probes, about 85, and its first window read from
// memory afresh, 24 a column of it.
double T017_WorkCount(const ParamValues& p, int Width, int Height) {
  const double pixels = static_cast<double>(Width) * Height;
  const int64_t radius = p[13];
  const double side = radius <= 0 ? 0 : 2.0 * std::min<int64_t>(radius, DirectBlurRadius) + 1;
  const double window = radius <= DirectBlurRadius ? side * side : 2 * side * side;
  const double regionSize = 1 + MeanHeld(10.0 * p[11], 10.0 * p[12], std::numeric_limits<double>::infinity());
  return pixels * (44 + window) + pixels / regionSize * (85 + 24 * side);
}
const TWorkBound T017_WorkBound{T017_WorkCount, {{11, 50}, {12, 50}, {13, 2}}};

void T017_Compute() {
  const TT017Work& w = T017Work;
  ColorWalker[1].Min = w.HueMin;
  ColorWalker[1].Max = w.HueMax;
  ColorWalker[1].Step = w.HueStep;
  ColorWalker[2].Min = w.SatMin;
  ColorWalker[2].Max = w.SatMax;
  ColorWalker[2].Step = w.SatStep;
  ColorWalker[3].Min = w.LumMin;
  ColorWalker[3].Max = w.LumMax;
  ColorWalker[3].Step = w.LumStep;
  RandomSeed = w.Seed;
  InitRandom(RandomSeed);
  Map = &LargeTable<FreeMap>();
  FillLayer(CurrentLayer, SpaceHSL, 0, 0, 0);
  ResetMap();

  // Ten times the size bounds, in 64 bits so that no stored value overflows;
  // within the ranges this is RandomInt(RandomSeed, 10 * min, 10 * max). A
  // bound of 0 or less gives regions of one pixel.
  const int64_t lo = int64_t{10} * w.MinSize, hi = int64_t{10} * w.MaxSize;
  // The blur radius as stored; a negative one means no blur.
  const int64_t radius = w.BlurRadius;
  Sums = radius > DirectBlurRadius ? &LargeTable<PaintedSums>() : nullptr;
  if (Sums) Sums->Clear();
  int X, Y;
  while (FindFreePixel(X, Y)) {
    BounceReset(0);
    const int64_t target = lo + RandomRound(RandomSeed, hi - lo);
    GrowRegion(X, Y, target, radius);
  }
}

}  // namespace quillon
