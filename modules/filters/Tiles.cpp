#include "modules/filters/Tiles.h"

#include <utility>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "engine/Pixels.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TTB01Work TB01Work;

namespace {

constexpr int DirectionChannel[6] = {1, 1, 2, 2, 3, 3};
constexpr int DistanceChannel[6] = {2, 3, 3, 1, 1, 2};
constexpr int StepX[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int StepY[8] = {0, -1, -1, -1, 0, 1, 1, 1};

}  // namespace

void TB01_Compute() {
  const TTB01Work work = TB01Work;
  const int W = ImageWidth, H = ImageHeight;
  if (W < 1 || H < 1) return;
  if (work.Buffer < 1 || work.Buffer > 3 || work.Combination < 1 || work.Combination > 6 || work.Channel > 3) return;
  StorePlanes& store = ImageStore();
  const LayerData& buffer = store.Buffers[work.Buffer - 1];
  const int bufferSpace = SpaceOf(work.BufferSpace);
  for (int c = 1; c <= 3; ++c) CopyToFloat(buffer.plane(bufferSpace, c), store.FloatPlanes[c - 1]);
  FloatPlane& direction = store.FloatPlanes[DirectionChannel[work.Combination - 1] - 1];
  FloatPlane& distance = store.FloatPlanes[DistanceChannel[work.Combination - 1] - 1];
  RescaleFloatPlane(direction, 1, 8);
  RescaleFloatPlane(distance, work.DistanceMin, work.DistanceMax);

  const int space = SpaceOf(work.Space);
  const int first = work.Channel < 1 ? 1 : work.Channel, last = work.Channel < 1 ? 3 : work.Channel;
  Plane* planes[3];
  for (int c = first; c <= last; ++c) planes[c - first] = &LayerPlane(ResultLayer, space, c);
  const int count = last - first + 1;
  // One pixel after the other: an exchange moves values that later
  // exchanges pick up again, so this pass stays in order on one thread.
  for (int x = 1; x <= W; ++x) {
    const float* dirColumn = direction.column(x);
    const float* distColumn = distance.column(x);
    for (int y = 1; y <= H; ++y) {
      const int64_t d = Round(dirColumn[y - 1]), r = Round(distColumn[y - 1]);
      if (d < 1 || d > 8) continue;  // cannot happen after the rescale to 1..8
      int px, py;
      WrapXY(x + StepX[d - 1] * r, y + StepY[d - 1] * r, px, py);
      for (int k = 0; k < count; ++k) std::swap(planes[k]->at(x, y), planes[k]->at(px, py));
    }
  }
  SyncColorSpace(space);
}

}  // namespace quillon
