#include "modules/generators/Noise.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"

namespace quillon {

TNoiseWork NoiseWork;

void Noise_Compute() {
  const TNoiseWork w = NoiseWork;
  const int space = w.Space == SpaceRGB ? SpaceRGB : SpaceHSL;

  // The background comes from the running instance; outside the table (no
  // instance is running) there is none to read, and black is taken.
  int32_t back = 0;
  if (RunningInstance >= 0 && RunningInstance <= MaxInstances + 1) back = ModuleParams[RunningInstance].ParamColor[1];
  int32_t b1, b2, b3;
  if (space == SpaceRGB)
    SplitRGB(back, b1, b2, b3);
  else
    ColorToHSL(back, b1, b2, b3);

  RandomSeed = w.Seed;
  InitRandom(RandomSeed);

  LayerData& d = Layer(CurrentLayer);
  const int W = ImageWidth, h = ImageHeight;
  PrepareToWrite(d, space);
  // One draw sequence for the whole picture, x outer, y inner: a pixel's draw
  // u, and when Round(u * 100) <= rate three more for its channels. On one
  // thread: computing the draws ahead over the threads (as the colour fill
  // does) took the noise from 5.4 ms to 2.9 ms at 1024 x 1024, but a whole
  // command no faster, for 4-10 ms more CPU time.
  for (int x = 1; x <= W; ++x) {
    Sample* c1 = d.plane(space, 1).column(x);
    Sample* c2 = d.plane(space, 2).column(x);
    Sample* c3 = d.plane(space, 3).column(x);
    for (int y = 0; y < h; ++y) {
      if (RandomRound(RandomSeed, 100) <= w.Rate) {
        c1[y] = static_cast<Sample>(RandomInt(RandomSeed, w.Min1, w.Max1));
        c2[y] = static_cast<Sample>(RandomInt(RandomSeed, w.Min2, w.Max2));
        c3[y] = static_cast<Sample>(RandomInt(RandomSeed, w.Min3, w.Max3));
      } else {
        c1[y] = static_cast<Sample>(b1);
        c2[y] = static_cast<Sample>(b2);
        c3[y] = static_cast<Sample>(b3);
      }
    }
  }
  SyncCurrentColorSpace(space);
}

}  // namespace quillon
