#include "modules/generators/Poly.h"

#include <algorithm>
#include <cstdlib>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Pixels.h"
#include "engine/Random.h"
#include "modules/generators/WalkBand.h"
#include "shell/ColorWalk.h"

namespace quillon {

TPOLYWork POLYWork;

namespace {

__int128 FloorDiv(__int128 a, __int128 b) {  // b > 0
  __int128 q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

struct Line {
  int64_t x1, y1, dx, dy, steps;  // steps = max(|dx|, |dy|); 0 for a single pixel
  Line(int64_t X1, int64_t Y1, int64_t X2, int64_t Y2) : x1(X1), y1(Y1), dx(X2 - X1), dy(Y2 - Y1) {
    steps = std::max(std::llabs(dx), std::llabs(dy));
  }
  // Pixel I (0 .. steps) of the line, wrapped into the picture.
  void At(int64_t I, int& X, int& Y) const {
    if (steps == 0) {
      WrapXY(x1, y1, X, Y);
      return;
    }
    WrapXY(LineCoordinate(x1, dx, I, steps), LineCoordinate(y1, dy, I, steps), X, Y);
  }
};

int32_t Fore[3];

void Plot(int X, int Y) {
  LayerData& d = Layer(CurrentLayer);
  d.plane(SpaceHSL, 1).at(X, Y) = static_cast<Sample>(ColorWalker[1].Value);
  d.plane(SpaceHSL, 2).at(X, Y) = static_cast<Sample>(ColorWalker[2].Value);
  d.plane(SpaceHSL, 3).at(X, Y) = static_cast<Sample>(ColorWalker[3].Value);
  BounceStep();
}

// Pixels First .. Last of the line with a fresh pen: it starts at the
// foreground colour, going up, and walks one step per plotted pixel.
void DrawLine(const Line& L, int64_t First, int64_t Last) {
  RestartWalk(Fore);
  for (int64_t i = First; i <= Last; ++i) {
    int x, y;
    L.At(i, x, y);
    Plot(x, y);
  }
}

}  // namespace

int64_t LineCoordinate(int64_t From, int64_t Delta, int64_t I, int64_t Steps) {
  // Round half down of I * Delta / Steps: ceil((2 I Delta - Steps) / (2 Steps)),
  // in 128 bits so that no pair of 32-bit end points can overflow.
  const __int128 num = static_cast<__int128>(2) * I * Delta - Steps, den = static_cast<__int128>(2) * Steps;
  return From - static_cast<int64_t>(FloorDiv(-num, den));
}

void POLY_Run() {
  const TPOLYWork w = POLYWork;
  RandomSeed = w.Seed;
  InitRandom(RandomSeed);

  ColorToHSL(w.ForeColor, Fore[0], Fore[1], Fore[2]);
  int32_t bh, bs, bl;
  ColorToHSL(w.BackColor, bh, bs, bl);
  SetWalkBand(1, Fore[0], w.HueRange, w.HueStep, MaxHue);
  SetWalkBand(2, Fore[1], w.SatRange, w.SatStep, MaxSatLum);
  SetWalkBand(3, Fore[2], w.LumRange, w.LumStep, MaxSatLum);
  FillLayer(CurrentLayer, SpaceHSL, EmptyValue, EmptyValue, EmptyValue);

  const int W = ImageWidth, H = ImageHeight;
  const int32_t a3 = static_cast<int32_t>(Round(static_cast<Real>(W) / 3));
  const int32_t b3 = static_cast<int32_t>(Round(static_cast<Real>(H) / 3));
  const int32_t a4 = static_cast<int32_t>(Round(static_cast<Real>(W) / 4));
  const int32_t b4 = static_cast<int32_t>(Round(static_cast<Real>(H) / 4));

  // The frame: a broken line from the top edge to the bottom edge and one
  // from the left edge to the right edge, each through two random points.
  // Every pixel is wrapped, so the frame stays inside even the smallest
  // picture.
  auto framePoints = [&](int64_t& p1x, int64_t& p1y, int64_t& p2x, int64_t& p2y) {
    p1x = RandomInt(RandomSeed, a4, 2 * a4);
    p1y = RandomInt(RandomSeed, b4, 2 * b4);
    p2x = RandomInt(RandomSeed, 2 * a4, 3 * a4);
    p2y = RandomInt(RandomSeed, 2 * b4, 3 * b4);
  };
  auto drawWhole = [](const Line& L) { DrawLine(L, 0, L.steps); };
  int64_t p1x, p1y, p2x, p2y;
  const int64_t x0 = RandomInt(RandomSeed, a3, 2 * a3);
  framePoints(p1x, p1y, p2x, p2y);
  drawWhole(Line(x0, 1, p1x, p1y));
  drawWhole(Line(p1x, p1y, p2x, p2y));
  drawWhole(Line(p2x, p2y, x0, H));
  const int64_t y0 = RandomInt(RandomSeed, b3, 2 * b3);
  framePoints(p1x, p1y, p2x, p2y);
  drawWhole(Line(1, y0, p1x, p1y));
  drawWhole(Line(p1x, p1y, p2x, p2y));
  drawWhole(Line(p2x, p2y, W, y0));

  const Plane& hue = LayerPlane(CurrentLayer, SpaceHSL, 1);
  for (int64_t n = 1; n <= w.Occurences; ++n) {
    for (int attempt = 1; attempt <= 11; ++attempt) {
      int px, py;
      const int direction = RandomInt(RandomSeed, 1, 4);
      if (!FindFilledPixel(direction, px, py)) continue;
      const int64_t tx = static_cast<int64_t>(px) + RandomInt(RandomSeed, 1, 10000);
      const int64_t ty = RandomInt(RandomSeed, 1, 10000);
      const Line L(px, py, tx, ty);
      // The trial leaves out the start pixel, which is drawn already, and
      // runs at most to the target: it counts the pixels up to the first
      // drawn one. The real line plots exactly those pixels.
      int64_t count = 0;
      for (int64_t i = 1; i <= L.steps; ++i) {
        int x, y;
        L.At(i, x, y);
        if (hue.at(x, y) != EmptyValue) break;
        ++count;
      }
      if (count >= w.MinLength) {
        DrawLine(L, 1, count);
        break;
      }
    }
  }

  // Every pixel no line reached (hue still unset) gets the background.
  LayerData& d = Layer(CurrentLayer);
  for (int x = 1; x <= W; ++x) {
    Sample* ch = d.plane(SpaceHSL, 1).column(x);
    Sample* cs = d.plane(SpaceHSL, 2).column(x);
    Sample* cl = d.plane(SpaceHSL, 3).column(x);
    for (int y = 0; y < H; ++y)
      if (ch[y] == EmptyValue) {
        ch[y] = static_cast<Sample>(bh);
        cs[y] = static_cast<Sample>(bs);
        cl[y] = static_cast<Sample>(bl);
      }
  }
  SyncCurrentColorSpace(SpaceHSL);
}

}  // namespace quillon
