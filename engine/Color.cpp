#include "engine/Color.h"

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
  int64_t h = H % 360;
  if (h < 0) h += 360;
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

void SyncLayerColorSpace(int layer, int Space) {
  LayerData& d = Layer(layer);
  const int h = ImageHeight;
  if (Space == SpaceRGB) {
    ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
      for (int x = x0; x <= x1; ++x) {
        const Sample *r = d.plane(SpaceRGB, 1).column(x), *g = d.plane(SpaceRGB, 2).column(x),
                     *b = d.plane(SpaceRGB, 3).column(x);
        Sample *hh = d.plane(SpaceHSL, 1).column(x), *ss = d.plane(SpaceHSL, 2).column(x),
               *ll = d.plane(SpaceHSL, 3).column(x);
        for (int y = 0; y < h; ++y) {
          int32_t H, S, L;
          RGBToHSL(r[y], g[y], b[y], H, S, L);
          hh[y] = static_cast<Sample>(H);
          ss[y] = static_cast<Sample>(S);
          ll[y] = static_cast<Sample>(L);
        }
      }
    });
  } else {
    ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
      for (int x = x0; x <= x1; ++x) {
        const Sample *hh = d.plane(SpaceHSL, 1).column(x), *ss = d.plane(SpaceHSL, 2).column(x),
                     *ll = d.plane(SpaceHSL, 3).column(x);
        Sample *r = d.plane(SpaceRGB, 1).column(x), *g = d.plane(SpaceRGB, 2).column(x),
               *b = d.plane(SpaceRGB, 3).column(x);
        for (int y = 0; y < h; ++y) {
          int32_t R, G, B;
          HSLToRGB(hh[y], ss[y], ll[y], R, G, B);
          r[y] = static_cast<Sample>(R);
          g[y] = static_cast<Sample>(G);
          b[y] = static_cast<Sample>(B);
        }
      }
    });
  }
}

void SyncColorSpace(int Space) { SyncLayerColorSpace(ResultLayer, Space); }
void SyncCurrentColorSpace(int Space) { SyncLayerColorSpace(CurrentLayer, Space); }

}  // namespace quillon
