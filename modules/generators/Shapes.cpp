#include "modules/generators/Shapes.h"

#include <algorithm>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Pixels.h"
#include "engine/Random.h"
#include "engine/WorkBound.h"

namespace quillon {

TSH01Work SH01Work;

namespace {

// A gradient mode as it stands for one rectangle: 1 draws one of 2..5.
int32_t RectangleMode(int32_t Mode) { return Mode == 1 ? RandomInt(RandomSeed, 2, 5) : Mode; }

// The value of a channel at column offset I and row offset J of a rectangle
// (both from 0), held inside Lo..Hi. Any other mode keeps the drawn value.
int32_t Graded(int32_t Value, int32_t Mode, int64_t I, int64_t J, int32_t Lo, int32_t Hi) {
  int64_t v = Value;
  switch (Mode) {
    case 2: v += J; break;
    case 3: v -= J; break;
    case 4: v += I; break;
    case 5: v -= I; break;
    default: return Value;
  }
  if (v > Hi) v = Hi;
  if (v < Lo) v = Lo;
  return static_cast<int32_t>(v);
}

}  // namespace

void SH01_Compute() {
  const TSH01Work w = SH01Work;
  InitRandom(RandomSeed);

  int32_t bh, bs, bl;
  ColorToHSL(w.BackColor, bh, bs, bl);
  FillLayer(CurrentLayer, SpaceHSL, bh, bs, bl);

  Plane& hue = LayerPlane(CurrentLayer, SpaceHSL, 1);
  Plane& sat = LayerPlane(CurrentLayer, SpaceHSL, 2);
  Plane& lum = LayerPlane(CurrentLayer, SpaceHSL, 3);
  const int W = ImageWidth, H = ImageHeight;

  for (int64_t n = 1; n <= w.Count; ++n) {
    const int32_t lumMode = RectangleMode(w.SatGradient);
    const int32_t satMode = RectangleMode(w.LumGradient);
    const int32_t width = RandomInt(RandomSeed, w.WidthMin, w.WidthMax);
    const int32_t height = RandomInt(RandomSeed, w.HeightMin, w.HeightMax);
    const int32_t h = RandomInt(RandomSeed, w.HueMin, w.HueMax);
    const int32_t s = RandomInt(RandomSeed, w.SatMin, w.SatMax);
    const int32_t l = RandomInt(RandomSeed, w.LumMin, w.LumMax);
    const int32_t x0 = RandomInt(RandomSeed, 1, W);
    const int32_t y0 = RandomInt(RandomSeed, 1, H);
    // A rectangle wider (higher) than the picture wraps onto itself, and of
    // the offsets that land on one column (row) the last one drawn wins. So
    // only the last W columns and H rows are drawn: the picture is the same
    // and the work stays bounded whatever the size.
    const int64_t iFirst = std::max<int64_t>(0, static_cast<int64_t>(width) - W);
    const int64_t jFirst = std::max<int64_t>(0, static_cast<int64_t>(height) - H);
    for (int64_t i = iFirst; i < width; ++i) {
      const int x = WrapX(static_cast<int64_t>(x0) + i);
      for (int64_t j = jFirst; j < height; ++j) {
        const int y = WrapY(static_cast<int64_t>(y0) + j);
        hue.at(x, y) = static_cast<Sample>(h);
        sat.at(x, y) = static_cast<Sample>(Graded(s, satMode, i, j, w.SatMin, w.SatMax));
        lum.at(x, y) = static_cast<Sample>(Graded(l, lumMode, i, j, w.LumMin, w.LumMax));
      }
    }
  }
  SyncCurrentColorSpace(SpaceHSL);
}

double SH01_WorkCount(const TSH01Work& w, int W, int H) {
  // A rectangle's draws take as long as about 40 pixel writes; each of its
  // columns 8, and up to 30 more on a picture 1024 wide (the columns lie on
  // pages of their own); a pixel of a column as long as the picture's height
  // 2.8 times as long as one of a short column (most of its rows are wrapped
  // one by one).
  const double columns = MeanHeld(w.WidthMin, w.WidthMax, W), rows = MeanHeld(w.HeightMin, w.HeightMax, H);
  const double rectangle = 40 + columns * (8 + 30.0 * W / 1024 + rows * (1 + 1.8 * rows / H));
  return static_cast<double>(W) * H + std::max(0.0, static_cast<double>(w.Count)) * rectangle;
}

}  // namespace quillon
