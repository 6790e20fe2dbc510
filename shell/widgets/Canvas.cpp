#include "shell/widgets/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace quillon {

void TCanvas::Resize(int Width, int Height, int32_t Fill) {
  Width = std::max(Width, 0);
  Height = std::max(Height, 0);
  std::vector<int32_t> next(static_cast<size_t>(Width) * static_cast<size_t>(Height), Fill);
  const int w = std::min(Width, width_), h = std::min(Height, height_);
  for (int y = 0; y < h; ++y)
    std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_, w,
                next.begin() + static_cast<std::ptrdiff_t>(y) * Width);
  pixels_.swap(next);
  width_ = Width;
  height_ = Height;
}

int32_t TCanvas::Pixel(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= width_ || Y >= height_) return -1;
  return pixels_[static_cast<size_t>(Y) * static_cast<size_t>(width_) + static_cast<size_t>(X)];
}

void TCanvas::SetPixel(int X, int Y, int32_t Color) {
  if (X < 0 || Y < 0 || X >= width_ || Y >= height_) return;
  pixels_[static_cast<size_t>(Y) * static_cast<size_t>(width_) + static_cast<size_t>(X)] = Color;
}

void TCanvas::Clear(int32_t Color) { std::fill(pixels_.begin(), pixels_.end(), Color); }

void TCanvas::MoveTo(int X, int Y) { pen_ = {X, Y}; }

void TCanvas::LineTo(int X, int Y) {
  Line(pen_.X, pen_.Y, X, Y, PenColor, false);
  pen_ = {X, Y};
}

void TCanvas::Line(int X0, int Y0, int X1, int Y1, int32_t Color, bool IncludeEnd) {
  if (Y0 == Y1) {  // horizontal: one clipped span, whatever its length
    if (X0 == X1 && !IncludeEnd) return;
    const int step = X0 < X1 ? 1 : -1;
    const int last = IncludeEnd ? X1 : X1 - step;
    Span(Y0, std::min(X0, last), std::max(X0, last), Color);
    return;
  }
  // 64-bit error terms: coordinates may come from any parameter value.
  const int64_t dx = std::llabs(static_cast<int64_t>(X1) - X0), dy = -std::llabs(static_cast<int64_t>(Y1) - Y0);
  const int sx = X0 < X1 ? 1 : -1, sy = Y0 < Y1 ? 1 : -1;
  int64_t err = dx + dy;
  int64_t x = X0, y = Y0;
  for (;;) {
    const bool atEnd = x == X1 && y == Y1;
    if (atEnd && !IncludeEnd) break;
    SetPixel(static_cast<int>(x), static_cast<int>(y), Color);
    if (atEnd) break;
    // Outside the canvas and not heading back towards it: nothing more to draw.
    if ((x < 0 && (dx == 0 || sx < 0)) || (x >= width_ && (dx == 0 || sx > 0)) || (y < 0 && sy < 0) ||
        (y >= height_ && sy > 0))
      break;
    const int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void TCanvas::Span(int Y, int X0, int X1, int32_t Color) {
  if (Y < 0 || Y >= height_) return;
  X0 = std::max(X0, 0);
  X1 = std::min(X1, width_ - 1);
  for (int x = X0; x <= X1; ++x) pixels_[static_cast<size_t>(Y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = Color;
}

void TCanvas::FillRect(int X1, int Y1, int X2, int Y2) {
  for (int y = std::max(Y1, 0); y < std::min(Y2, height_); ++y) Span(y, X1, X2 - 1, BrushColor);
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  if (X2 <= X1 || Y2 <= Y1) return;
  FillRect(X1, Y1, X2, Y2);
  Line(X1, Y1, X2 - 1, Y1, PenColor, true);
  Line(X1, Y2 - 1, X2 - 1, Y2 - 1, PenColor, true);
  Line(X1, Y1, X1, Y2 - 1, PenColor, true);
  Line(X2 - 1, Y1, X2 - 1, Y2 - 1, PenColor, true);
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
  if (Points.empty()) return;
  const size_t n = Points.size();
  int top = Points[0].Y, bottom = Points[0].Y;
  for (const TPoint& p : Points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, height_ - 1);
  // Inside: pixel centres between pairs of edge crossings of the row (each
  // edge counts on [upper end, lower end) so a vertex is crossed once).
  std::vector<double> xs;
  for (int y = top; y <= bottom; ++y) {
    xs.clear();
    for (size_t i = 0; i < n; ++i) {
      const TPoint a = Points[i], b = Points[(i + 1) % n];
      if (a.Y == b.Y) continue;
      const TPoint lo = a.Y < b.Y ? a : b, hi = a.Y < b.Y ? b : a;
      if (y < lo.Y || y >= hi.Y) continue;
      xs.push_back(lo.X + static_cast<double>(y - lo.Y) * (hi.X - lo.X) / (hi.Y - lo.Y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2)
      Span(y, static_cast<int>(std::ceil(xs[k])), static_cast<int>(std::floor(xs[k + 1])), BrushColor);
  }
  for (size_t i = 0; i < n; ++i) {
    const TPoint a = Points[i], b = Points[(i + 1) % n];
    Line(a.X, a.Y, b.X, b.Y, PenColor, true);
  }
}

}  // namespace quillon
