#include "modules/filters/GradientFill.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Pixels.h"

namespace quillon {

TGFLLWork GFLLWork;

namespace {
constexpr int StepX[4] = {0, 1, 1, -1};
constexpr int StepY[4] = {1, 0, 1, 1};
}  // namespace

void GFLL_Compute() {
  const TGFLLWork work = GFLLWork;
  const int W = ImageWidth, H = ImageHeight;
  if (W < 1 || H < 1) return;
  if (work.Orientation < 0 || work.Orientation > 3) return;
  int32_t target[3];
  ColorToHSL(work.Color, target[0], target[1], target[2]);
  const Plane* p[3];
  for (int c = 0; c < 3; ++c) p[c] = &LayerPlane(ResultLayer, SpaceHSL, c + 1);
  auto isTarget = [&](int x, int y) {
    return p[0]->at(x, y) == target[0] && p[1]->at(x, y) == target[1] && p[2]->at(x, y) == target[2];
  };
  const int dx = StepX[work.Orientation], dy = StepY[work.Orientation];
  // In order, one pixel after the other: a run filled from one start is
  // already filled when the outer loop reaches its pixels.
  for (int x = 1; x <= W; ++x)
    for (int y = 1; y <= H; ++y) {
      if (isTarget(x, y)) continue;
      // The walk ends at the start pixel at the latest, which is not the
      // target: its orbit under the wrapped step is a cycle through it.
      int cx = x, cy = y, n = 0;
      for (;;) {
        cx += dx;
        cy += dy;
        if (cx > W) cx = 1;
        if (cx < 1) cx = W;
        if (cy > H) cy = 1;
        if (!isTarget(cx, cy)) break;
        ++n;
      }
      if (n < 1) continue;
      const int32_t start[3] = {p[0]->at(x, y), p[1]->at(x, y), p[2]->at(x, y)};
      const int32_t end[3] = {p[0]->at(cx, cy), p[1]->at(cx, cy), p[2]->at(cx, cy)};
      GradientSpan(ResultLayer, SpaceHSL, x, y, dx, dy, n, start, end);
    }
  SyncColorSpace(SpaceHSL);
}

}  // namespace quillon
