// The picture the whole-layer benchmarks work on: full size, random colours
// in both layers with both spaces consistent, and a mask of every percentage.
#pragma once

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Random.h"
#include "engine/Startup.h"

namespace quillon::bench {

inline void FillBenchPicture() {
  ResetEngine();
  ImageWidth = ImageHeight = MaxImageSide;
  int32_t seed = 12345;
  InitRandom(seed);
  for (int layer : {CurrentLayer, ResultLayer})
    for (int c = 1; c <= 3; ++c) {
      Plane& p = LayerPlane(layer, SpaceRGB, c);
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) p.at(x, y) = static_cast<Sample>(RandomInt(seed, 0, 255));
    }
  SyncCurrentColorSpace(SpaceRGB);
  SyncColorSpace(SpaceRGB);
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) ImageStore().BlendMask.at(x, y) = static_cast<Sample>((x * 7 + y * 3) % 101);
}

}  // namespace quillon::bench
