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
  const int h = ImageHeight;
  // One draw sequence for the whole picture: the pass is serial by nature,
  // but its planes' memory is made ready on every thread first.
  PrepareToWrite(d, space);
  for (int x = 1; x <= ImageWidth; ++x) {
    Sample* c1 = d.plane(space, 1).column(x);
    Sample* c2 = d.plane(space, 2).column(x);
    Sample* c3 = d.plane(space, 3).column(x);
    for (int y = 0; y < h; ++y) {
      if (RandomRound(RandomSeed, 100) <= w.Rate) {  // Round(u * 100) of a draw u
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
