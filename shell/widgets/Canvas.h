// A pixel canvas of packed colours (R + G * 256 + B * 65536), the drawing
// surface of every image control. Coordinates are 0-based canvas pixels, x to
// the right, y downwards; drawing outside the canvas is clipped.
//
// The operations follow the drawing rules the forms were laid out with:
// LineTo leaves out its end point, and Rectangle / FillRect leave out their
// right column and bottom row, so a line from x = 10 to x = 20 covers the ten
// pixels 10..19. Polygon fills its inside with the brush and then draws its
// closed outline, end points included, with the pen.
#pragma once

#include <cstdint>
#include <vector>

namespace quillon {

// Colours the forms use by name.
inline constexpr int32_t clBlack = 0x000000;
inline constexpr int32_t clWhite = 0xFFFFFF;
inline constexpr int32_t clRed = 0x0000FF;
inline constexpr int32_t clGreen = 0x008000;
inline constexpr int32_t clNavy = 0x800000;
inline constexpr int32_t clCream = 0xF0FBFF;  // the background of every slider image
inline constexpr int32_t clGrey = 0xA4A0A0;   // the line of a scaled slider

struct TPoint {
  int X = 0;
  int Y = 0;
};

class TCanvas {
 public:
  TCanvas() = default;
  TCanvas(int Width, int Height, int32_t Fill = clWhite) { Resize(Width, Height, Fill); }

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Changes the size; pixels inside both sizes keep their colour, new ones get Fill.
  void Resize(int Width, int Height, int32_t Fill = clWhite);

  int32_t PenColor = clBlack;
  int32_t BrushColor = clWhite;

  // The colour of a pixel; -1 outside the canvas.
  int32_t Pixel(int X, int Y) const;
  void SetPixel(int X, int Y, int32_t Color);

  // Every pixel := Color.
  void Clear(int32_t Color);

  // The pen position, and a pen line from it to (X, Y) without the end point;
  // the pen then stands at (X, Y).
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  TPoint PenPos() const { return pen_; }

  // The brush colour over X1..X2-1, Y1..Y2-1.
  void FillRect(int X1, int Y1, int X2, int Y2);
  // A pen frame around X1..X2-1, Y1..Y2-1, filled inside with the brush.
  void Rectangle(int X1, int Y1, int X2, int Y2);
  // The polygon's inside (even-odd rule, pixel centres) with the brush, then
  // its closed outline with the pen.
  void Polygon(const std::vector<TPoint>& Points);

 private:
  // Bresenham line from (X0, Y0) to (X1, Y1); the end point only when IncludeEnd.
  void Line(int X0, int Y0, int X1, int Y1, int32_t Color, bool IncludeEnd);
  void Span(int Y, int X0, int X1, int32_t Color);

  int width_ = 0;
  int height_ = 0;
  std::vector<int32_t> pixels_;  // row by row
  TPoint pen_;
};

}  // namespace quillon
