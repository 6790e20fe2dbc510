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

void BounceStep() {
  for (int c = 1; c <= 3; ++c) {
    ColorWalkChannel& w = ColorWalker[c];
    // 64-bit sum: a step from a preset may be any 32-bit value.
    int64_t v = static_cast<int64_t>(w.Value) + static_cast<int64_t>(w.Step) * w.Direction;
    if (v > w.Max) {
      v = w.Max;
      w.Direction = -1;
    }
    if (v < w.Min) {
      v = w.Min;
      w.Direction = 1;
    }
    w.Value = static_cast<int32_t>(v);
  }
}

void OrderPair(int32_t& A, int32_t& B) {
  if (A > B) {
    int32_t t = A;
    A = B;
    B = t;
  }
}

}  // namespace quillon
