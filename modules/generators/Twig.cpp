#include "modules/generators/Twig.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Pixels.h"
#include "engine/Random.h"
#include "modules/generators/WalkBand.h"
#include "shell/ColorWalk.h"

namespace quillon {

TTWIGWork TWIGWork;

void TWIG_Compute() {
  const TTWIGWork w = TWIGWork;
  RandomSeed = w.Seed;
  InitRandom(RandomSeed);

  int32_t fore[3];
  ColorToHSL(w.ForeColor, fore[0], fore[1], fore[2]);
  SetWalkBand(1, fore[0], w.HueRange, w.HueVariation, MaxHue);
  SetWalkBand(2, fore[1], w.SatRange, w.SatVariation, MaxSatLum);
  SetWalkBand(3, fore[2], w.LumRange, w.LumVariation, MaxSatLum);

  int32_t bh, bs, bl;
  ColorToHSL(w.BackColor, bh, bs, bl);
  FillLayer(CurrentLayer, SpaceHSL, bh, bs, bl);

  Plane& hue = LayerPlane(CurrentLayer, SpaceHSL, 1);
  Plane& sat = LayerPlane(CurrentLayer, SpaceHSL, 2);
  Plane& lum = LayerPlane(CurrentLayer, SpaceHSL, 3);

  for (int64_t twig = 1; twig <= w.Occurences; ++twig) {
    // An orientation outside 0..4 draws as the first one, vertical.
    int orientation = (w.Orientation >= 0 && w.Orientation <= 4) ? w.Orientation : 0;
    if (orientation == 4) orientation = RandomInt(RandomSeed, 0, 3);
    int x = RandomInt(RandomSeed, 1, ImageWidth);
    int y = RandomInt(RandomSeed, 1, ImageHeight);
    const int32_t length = RandomInt(RandomSeed, w.MinLength, w.MaxLength);
    RestartWalk(fore);
    // A length below 1 draws nothing.
    for (int64_t step = 1; step <= length; ++step) {
      hue.at(x, y) = static_cast<Sample>(ColorWalker[1].Value);
      sat.at(x, y) = static_cast<Sample>(ColorWalker[2].Value);
      lum.at(x, y) = static_cast<Sample>(ColorWalker[3].Value);
      // One draw per step. The sideways drift of the straight orientations
      // is RandomInt(-1, 1); the diagonal ones pick one of their three moves
      // with RandomInt(1, 3), in the order listed.
      int64_t nx = x, ny = y;
      switch (orientation) {
        case 1:
          nx += 1;
          ny += RandomInt(RandomSeed, -1, 1);
          break;
        case 2:
          switch (RandomInt(RandomSeed, 1, 3)) {
            case 1: nx += 1; ny += 1; break;
            case 2: nx += 1; break;
            default: ny += 1; break;
          }
          break;
        case 3:
          switch (RandomInt(RandomSeed, 1, 3)) {
            case 1: nx -= 1; ny += 1; break;
            case 2: nx -= 1; break;
            default: ny += 1; break;
          }
          break;
        default:
          ny += 1;
          nx += RandomInt(RandomSeed, -1, 1);
          break;
      }
      WrapXY(nx, ny, x, y);
      BounceStep();
    }
  }
  SyncCurrentColorSpace(SpaceHSL);
}

}  // namespace quillon
