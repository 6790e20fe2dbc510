// Shared helpers of the parameter-form tests: where a slider marker stands,
// and a person dragging one.
#pragma once

#include "shell/widgets/Canvas.h"
#include "shell/widgets/Controls.h"

namespace quillon::test {

// True when the slider marker (apex (x, 2), base (x - 3..x + 3, 8)) stands at x.
inline bool MarkerAt(TImage& img, int x) {
  TCanvas& c = img.Canvas();
  return c.Pixel(x, 2) == clBlack && c.Pixel(x - 3, 8) == clBlack && c.Pixel(x + 3, 8) == clBlack &&
         c.Pixel(x, 1) != clBlack;
}

// Mouse down at From, a move to To and the release there.
inline void Drag(TImage& img, int From, int To) {
  img.MouseDown(TMouseButton::Left, From, 5);
  img.MouseMove(TMouseButton::Left, To, 5);
  img.MouseUp(TMouseButton::Left, To, 5);
}

}  // namespace quillon::test
