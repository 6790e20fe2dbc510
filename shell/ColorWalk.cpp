#include "shell/ColorWalk.h"

#include "engine/Pixels.h"

namespace quillon {

void BounceReset(int Mode) {
  for (int c = 1; c <= 3; ++c) {
    ColorWalkChannel& w = ColorWalker[c];
    w.Value = Mode == 0 ? w.Min : w.Max;
    w.Direction = Mode == 0 ? 1 : -1;
  }
}

void BounceStep() { BounceStep(ColorWalker); }

void OrderPair(int32_t& A, int32_t& B) {
  if (A > B) {
    int32_t t = A;
    A = B;
    B = t;
  }
}

}  // namespace quillon
