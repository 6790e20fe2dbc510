#include "engine/Color.h"

#include <algorithm>

#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"

namespace quillon {

namespace {
// Differences and sums in wrapping 32-bit integer arithmetic: the same as
// plain ones for samples, and defined for any value a caller passes.
inline int32_t Sub32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t Add32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
}  // namespace

void RGBToHSL(int32_t R, int32_t G, int32_t B, int32_t& H, int32_t& S, int32_t& L) {
  int32_t mx = R > G ? (R > B ? R : B) : (G > B ? G : B);
  int32_t mn = R < G ? (R < B ? R : B) : (G < B ? G : B);
  L = mx;
  S = mx == 0 ? 0 : MulDiv(Sub32(mx, mn), 255, mx);
  if (S == 0) {
    H = 0;
    return;
  }
  int32_t delta = Sub32(mx, mn);
  if (R == mx)
    H = MulDiv(60, Sub32(G, B), delta);
  else if (G == mx)
    H = Add32(120, MulDiv(60, Sub32(B, R), delta));
  else
    H = Add32(240, MulDiv(60, Sub32(R, G), delta));
  if (H < 0) H = Add32(H, 360);
}

void HSLToRGB(int32_t H, int32_t S, int32_t L, int32_t& R, int32_t& G, int32_t& B) {
  if (S == 0) {
    R = G = B = L;
    return;
  }
  const int64_t h = WrapIndex(H, 360);
  int64_t i = h / 60, f = h % 60;
  int32_t p, q, t;
  // Products of samples fit in 64 bits; any 32-bit S and L need 128.
  if (S >= -(1 << 24) && S <= (1 << 24) && L >= -(1 << 24) && L <= (1 << 24)) {
    int64_t l = L, s = S;
    p = static_cast<int32_t>(l * (255 - s) / 255);
    q = static_cast<int32_t>(l * (15300 - s * f) / 15300);
    t = static_cast<int32_t>(l * (15300 - s * (60 - f)) / 15300);
  } else {
    __int128 l = L, s = S;
    p = static_cast<int32_t>(l * (255 - s) / 255);
    q = static_cast<int32_t>(l * (15300 - s * f) / 15300);
    t = static_cast<int32_t>(l * (15300 - s * (60 - f)) / 15300);
  }
  switch (i) {
    case 0: R = L; G = t; B = p; break;
    case 1: R = q; G = L; B = p; break;
    case 2: R = p; G = L; B = t; break;
    case 3: R = p; G = q; B = L; break;
    case 4: R = t; G = p; B = L; break;
    default: R = L; G = p; B = q; break;
  }
}

void ColorToHSL(int32_t Color, int32_t& H, int32_t& S, int32_t& L) {
  int32_t r, g, b;
  SplitRGB(Color, r, g, b);
  RGBToHSL(r, g, b, H, S, L);
}

namespace {

// RGB -> HSL of one column. The syncs convert every pixel of a picture, so a
// column whose samples all lie in 0..255 goes through a loop the compiler
// turns into vector code: selections by masks instead of branches (which
// colour is the maximum is as good as random from pixel to pixel), and the
// two MulDivs as float divisions, four or more to an instruction. For a
// numerator n below 2^24 (every one here is below 2^16) and a divisor k in
// 1..255 the correctly rounded float n / k truncates to n div k exactly: the
// quotient is at most 256, so its rounding error is below 2^-16, and a
// quotient that is not an integer lies at least 1/k >= 1/255 below the next
// one. Adding half the divisor first rounds halves away from zero, as MulDiv
// does. Grey (max = min) needs no case of its own: red counts as the maximum
// and every numerator is 0, so S and H are 0. A column with any other sample
// goes pixel by pixel through RGBToHSL.
QUILLON_VECTOR_CLONES void ColumnToHSL(const Sample* __restrict r, const Sample* __restrict g,
                                       const Sample* __restrict b, Sample* __restrict hh, Sample* __restrict ss,
                                       Sample* __restrict ll, int n) {
  int32_t all = 0;
  for (int y = 0; y < n; ++y) all |= r[y] | g[y] | b[y];
  if (static_cast<uint32_t>(all) > 255u) {
    for (int y = 0; y < n; ++y) {
      int32_t H, S, L;
      RGBToHSL(r[y], g[y], b[y], H, S, L);
      hh[y] = static_cast<Sample>(H);
      ss[y] = static_cast<Sample>(S);
      ll[y] = static_cast<Sample>(L);
    }
    return;
  }
  for (int y = 0; y < n; ++y) {
    const int32_t R = r[y], G = g[y], B = b[y];
    const int32_t mx = std::max(R, std::max(G, B));
    const int32_t mn = std::min(R, std::min(G, B));
    const int32_t delta = mx - mn;
    const bool redMax = R == mx, greenMax = G == mx;
    const int32_t diff = redMax ? G - B : (greenMax ? B - R : R - G);
    const int32_t base = redMax ? 0 : (greenMax ? 120 : 240);
    const int32_t magnitude = diff < 0 ? -diff : diff;
    // S = MulDiv(max - min, 255, max); H = base + MulDiv(60, diff, max - min).
    const int32_t S = static_cast<int32_t>(static_cast<float>(255 * delta + mx / 2) /
                                           static_cast<float>(mx > 0 ? mx : 1));
    const int32_t q = static_cast<int32_t>(static_cast<float>(60 * magnitude + delta / 2) /
                                           static_cast<float>(delta > 0 ? delta : 1));
    const int32_t H = base + (diff < 0 ? -q : q);
    hh[y] = static_cast<Sample>(H < 0 ? H + 360 : H);
    ss[y] = static_cast<Sample>(S);
    ll[y] = static_cast<Sample>(mx);
  }
}

// HSL -> RGB of one column, likewise: a column whose hues lie in 0..359 and
// whose S and L lie in 0..255 goes through a vectorizable loop in 32-bit
// arithmetic. Every numerator there is at most 255 * 15300 < 2^22 and not
// negative, every quotient at most 255: as float divisions they truncate to
// the integer quotients exactly (an error below 2^-16 against a distance of
// at least 1/15300 from the next integer). The sector comes from comparisons
// instead of a division by 60, and picks its values by masks. S = 0 needs no
// case of its own there: p, q and t are then L. A column with any other
// sample goes pixel by pixel through HSLToRGB.
QUILLON_VECTOR_CLONES void ColumnToRGB(const Sample* __restrict hh, const Sample* __restrict ss,
                                       const Sample* __restrict ll, Sample* __restrict r, Sample* __restrict g,
                                       Sample* __restrict b, int n) {
  int32_t satLum = 0, hueLow = 0, hueHigh = 0;
  for (int y = 0; y < n; ++y) {
    satLum |= ss[y] | ll[y];
    hueLow = std::min<int32_t>(hueLow, hh[y]);
    hueHigh = std::max<int32_t>(hueHigh, hh[y]);
  }
  if (static_cast<uint32_t>(satLum) > 255u || hueLow < 0 || hueHigh > MaxHue) {
    for (int y = 0; y < n; ++y) {
      int32_t R, G, B;
      HSLToRGB(hh[y], ss[y], ll[y], R, G, B);
      r[y] = static_cast<Sample>(R);
      g[y] = static_cast<Sample>(G);
      b[y] = static_cast<Sample>(B);
    }
    return;
  }
  for (int y = 0; y < n; ++y) {
    const int32_t H = hh[y], S = ss[y], L = ll[y];
    const int32_t i = (H >= 60) + (H >= 120) + (H >= 180) + (H >= 240) + (H >= 300), f = H - 60 * i;
    const int32_t p = static_cast<int32_t>(static_cast<float>(L * (255 - S)) / 255.0f);
    const int32_t q = static_cast<int32_t>(static_cast<float>(L * (15300 - S * f)) / 15300.0f);
    const int32_t t = static_cast<int32_t>(static_cast<float>(L * (15300 - S * (60 - f))) / 15300.0f);
    // Sectors 0 (L, t, p), 1 (q, L, p), 2 (p, L, t), 3 (p, q, L), 4 (t, p, L), 5 (L, p, q).
    const int32_t s0 = -(i == 0), s1 = -(i == 1), s2 = -(i == 2), s3 = -(i == 3), s4 = -(i == 4), s5 = -(i == 5);
    const int32_t R = ((s0 | s5) & L) | (s1 & q) | ((s2 | s3) & p) | (s4 & t);
    const int32_t G = ((s1 | s2) & L) | (s0 & t) | (s3 & q) | ((s4 | s5) & p);
    const int32_t B = ((s3 | s4) & L) | ((s0 | s1) & p) | (s2 & t) | (s5 & q);
    r[y] = static_cast<Sample>(R);
    g[y] = static_cast<Sample>(G);
    b[y] = static_cast<Sample>(B);
  }
}

}  // namespace

void SyncColumns(int layer, int Space, int X0, int X1) {
  LayerData& d = Layer(layer);
  const int h = ImageHeight;
  for (int x = X0; x <= X1; ++x) {
    if (Space == SpaceRGB)
      ColumnToHSL(d.plane(SpaceRGB, 1).column(x), d.plane(SpaceRGB, 2).column(x), d.plane(SpaceRGB, 3).column(x),
                  d.plane(SpaceHSL, 1).column(x), d.plane(SpaceHSL, 2).column(x), d.plane(SpaceHSL, 3).column(x), h);
    else
      ColumnToRGB(d.plane(SpaceHSL, 1).column(x), d.plane(SpaceHSL, 2).column(x), d.plane(SpaceHSL, 3).column(x),
                  d.plane(SpaceRGB, 1).column(x), d.plane(SpaceRGB, 2).column(x), d.plane(SpaceRGB, 3).column(x), h);
  }
}

void SyncLayerColorSpace(int layer, int Space) {
  PrepareToWrite(Layer(layer), Space == SpaceRGB ? SpaceHSL : SpaceRGB);
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) { SyncColumns(layer, Space, x0, x1); });
}

void SyncColorSpace(int Space) { SyncLayerColorSpace(ResultLayer, Space); }
void SyncCurrentColorSpace(int Space) { SyncLayerColorSpace(CurrentLayer, Space); }

}  // namespace quillon
