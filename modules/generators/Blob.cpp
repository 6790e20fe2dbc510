#include "modules/generators/Blob.h"

#include <cmath>
#include <memory>
#include <unordered_map>
#include <vector>

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

// A grain's falloff Round(d * k) for its slope k, at each squared distance
// n = dx * dx + dy * dy from the centre up to the last one within its reach,
// d = sqrt(n) in extended precision: one square root per distance and radius
// instead of one per pixel. The square root never decreases as n grows, so
// the pixels within the reach are exactly those up to that last distance,
// and a row dx of the grain's square is within it for |dy| <= Half[|dx|].
struct Falloff {
  std::vector<int16_t> Value;  // by n
  std::vector<int64_t> Half;   // by |dx|; -1 when no pixel of the row is within

  Falloff(int64_t reach, Real k) {
    const int64_t corner = 2 * reach * reach;
    for (int64_t n = 0; n <= corner; ++n) {
      const Real d = std::sqrt(static_cast<Real>(n));
      if (d > reach) break;
      Value.push_back(static_cast<int16_t>(Round(d * k)));
    }
    const int64_t last = static_cast<int64_t>(Value.size()) - 1;
    int64_t half = reach;
    for (int64_t dx = 0; dx <= reach; ++dx) {
      while (half >= 0 && dx * dx + half * half > last) --half;
      Half.push_back(half);
    }
  }
};

// The falloffs by reach, each computed once; a grain keeps its own when
// keeping it would pass the budget (the widest reach alone takes 2 MB).
class Falloffs {
 public:
  const Falloff& Of(int64_t reach, Real k) {
    auto& kept = kept_[reach];
    if (kept) return *kept;
    auto made = std::make_unique<Falloff>(reach, k);
    const int64_t size = static_cast<int64_t>(made->Value.size());
    if (size > budget_) {
      spare_ = std::move(made);
      return *spare_;
    }
    budget_ -= size;
    kept = std::move(made);
    return *kept;
  }

 private:
  std::unordered_map<int64_t, std::unique_ptr<Falloff>> kept_;
  std::unique_ptr<Falloff> spare_;
  int64_t budget_ = int64_t{1} << 22;  // distances kept over all reaches
};

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
  // The background pixels, where a grain may start.
  ColorMask background(CurrentLayer, SpaceHSL, bh, bs, bl);
  Falloffs falloffs;

  for (int64_t grain = 1; grain <= w.Count; ++grain) {
    int cx, cy;
    if (!background.Find(10, cx, cy)) continue;
    int32_t r = RandomInt(RandomSeed, w.RadiusMin, w.RadiusMax);
    const int32_t h = RandomInt(RandomSeed, w.HueMin, w.HueMax);
    if (r > MaxGrainRadius) r = MaxGrainRadius;
    // A radius of 0 or less has no slope (255 / r); such a grain is its
    // centre pixel alone, at distance 0.
    const bool single = r <= 0;
    const int64_t reach = single ? 0 : r;
    const Falloff& falloff = falloffs.Of(reach, single ? 0 : static_cast<Real>(255) / r);
    // The grain's square, x outer and y inner, draws two noises per pixel
    // within the reach.
    for (int64_t x = cx - reach; x <= cx + reach; ++x) {
      const int64_t dx = x - cx;
      const int64_t half = falloff.Half[dx < 0 ? -dx : dx];
      if (half < 0) continue;
      const int wx = WrapX(x);
      Sample* hc = hue.column(wx);
      Sample* sc = sat.column(wx);
      Sample* lc = lum.column(wx);
      int wy = WrapY(cy - half);
      for (int64_t dy = -half; dy <= half; ++dy) {
        const int64_t dk = falloff.Value[dx * dx + dy * dy];
        const int32_t s = Clamp(Noise(w.SatNoise) + dk, 0, MaxSatLum);
        const int32_t l = Clamp(Noise(w.LumNoise) + (MaxSatLum - dk), 0, MaxSatLum);
        Sample& ph = hc[wy - 1];
        Sample& ps = sc[wy - 1];
        Sample& pl = lc[wy - 1];
        const bool wasBackground = ph == bh && ps == bs && pl == bl;
        if (wasBackground) {
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
        const bool isBackground = ph == bh && ps == bs && pl == bl;
        if (isBackground != wasBackground) background.Set(wx, wy, isBackground);
        wy = wy == ImageHeight ? 1 : wy + 1;
      }
    }
  }
  SyncCurrentColorSpace(SpaceHSL);
}

}  // namespace quillon
