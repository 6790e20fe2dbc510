#include "modules/generators/Blob.h"

#include <cmath>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Pixels.h"
#include "engine/Random.h"

namespace quillon {

TBLOBWork BLOBWork;

namespace {

// RandomInt(-A, A), with -A formed in 64 bits (A may be the lowest 32-bit value).
int64_t Noise(int32_t A) { return RandomInt(RandomSeed, ClampToInt32(-static_cast<int64_t>(A)), A); }

}  // namespace

void BLOB_Compute() {
  const TBLOBWork w = BLOBWork;
  RandomSeed = w.Seed;
  InitRandom(RandomSeed);

  int32_t bh, bs, bl;
  ColorToHSL(w.BackColor, bh, bs, bl);
  FillLayer(CurrentLayer, SpaceHSL, bh, bs, bl);
  if (w.Count < 1) {
    SyncCurrentColorSpace(SpaceHSL);
    return;
  }

  Plane& hue = LayerPlane(CurrentLayer, SpaceHSL, 1);
  Plane& sat = LayerPlane(CurrentLayer, SpaceHSL, 2);
  Plane& lum = LayerPlane(CurrentLayer, SpaceHSL, 3);

  for (int64_t grain = 1; grain <= w.Count; ++grain) {
    int cx, cy;
    if (!FindColorPixel(CurrentLayer, SpaceHSL, 10, bh, bs, bl, cx, cy)) continue;
    int32_t r = RandomInt(RandomSeed, w.RadiusMin, w.RadiusMax);
    const int32_t h = RandomInt(RandomSeed, w.HueMin, w.HueMax);
    if (r > MaxGrainRadius) r = MaxGrainRadius;
    // A radius of 0 or less has no slope (255 / r); such a grain is its
    // centre pixel alone, at distance 0.
    const bool single = r <= 0;
    const int64_t reach = single ? 0 : r;
    const Real k = single ? 0 : static_cast<Real>(255) / r;
    for (int64_t x = cx - reach; x <= cx + reach; ++x) {
      const int64_t dx = x - cx;
      for (int64_t y = cy - reach; y <= cy + reach; ++y) {
        const int64_t dy = y - cy;
        const Real d = std::sqrt(static_cast<Real>(dx * dx + dy * dy));
        if (d > reach) continue;
        const int64_t dk = Round(d * k);
        const int32_t s = Clamp(Noise(w.SatNoise) + dk, 0, MaxSatLum);
        const int32_t l = Clamp(Noise(w.LumNoise) + (MaxSatLum - dk), 0, MaxSatLum);
        int wx, wy;
        WrapXY(x, y, wx, wy);
        Sample& ph = hue.at(wx, wy);
        Sample& ps = sat.at(wx, wy);
        Sample& pl = lum.at(wx, wy);
        if (ph == bh && ps == bs && pl == bl) {
          ph = static_cast<Sample>(h);
          ps = static_cast<Sample>(s);
          pl = static_cast<Sample>(l);
        } else {
          if (s <= ps) ps = static_cast<Sample>(s);
          if (l >= pl) {
            pl = static_cast<Sample>(l);
            ph = static_cast<Sample>(h);
          }
        }
      }
    }
  }
  SyncCurrentColorSpace(SpaceHSL);
}

}  // namespace quillon
