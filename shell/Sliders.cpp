#include "shell/Sliders.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "shell/widgets/Convert.h"

namespace quillon {

namespace {

// Clamped as the forms clamp: first up to Min, then down to Max (with the
// bounds the wrong way round the result is Max).
int32_t ClampValue(int64_t v, int32_t Min, int32_t Max) {
  if (v < Min) v = Min;
  if (v > Max) v = Max;
  return static_cast<int32_t>(v);
}

// A canvas x for a 64-bit position: far-away positions are pulled in just
// outside the canvas, where nothing of them is drawn.
int CanvasX(int64_t x) { return static_cast<int>(std::clamp<int64_t>(x, -100, 1 << 20)); }

void Background(TCanvas& c) { c.Clear(clCream); }

// The triangle marker of every slider (see the header), in Color.
void Marker(TCanvas& c, int64_t X, int32_t Color) {
  const int x = CanvasX(X);
  c.PenColor = Color;
  c.BrushColor = Color;
  c.Polygon({{x, 2}, {x - 3, 8}, {x + 3, 8}});
}

// The black base line over x = 10 .. Length + 10 at y = 0 (drawn from 10 to
// Length + 11, end excluded).
void BaseLine(TCanvas& c, int64_t Length, int32_t Color) {
  c.PenColor = Color;
  c.MoveTo(10, 0);
  c.LineTo(CanvasX(Length + 11), 0);
}

std::string Decimal(int64_t v) { return std::to_string(v); }

}  // namespace

void DrawSlider(TImage& Image, int32_t Min, int32_t Max, int32_t Value) {
  TCanvas& c = Image.Canvas();
  Background(c);
  BaseLine(c, static_cast<int64_t>(Max) - Min, clBlack);
  Marker(c, SliderX(Value, Min), clBlack);
}

bool SliderHit(int X, int32_t Value, int32_t Min) {
  const int64_t d = X - SliderX(Value, Min);
  return d > -5 && d < 5;
}

void SliderMouse(TImage& Image, TEdit& Edit, int32_t& Value, int32_t Min, int32_t Max, int Button, int X) {
  if (Button != 1) return;
  Value = ClampValue(static_cast<int64_t>(X) - 10 + Min, Min, Max);
  DrawSlider(Image, Min, Max, Value);
  Edit.Text = Decimal(Value);
}

void EditToSlider(TImage& Image, TEdit& Edit, int32_t& Value, int32_t Min, int32_t Max) {
  Value = ClampValue(TextToInt(Edit.Text), Min, Max);
  Edit.Text = Decimal(Value);
  DrawSlider(Image, Min, Max, Value);
}

void DrawScaledSlider(TImage& Image, int32_t MinHundreds, int32_t MaxHundreds, int32_t /*Hundreds*/,
                      int32_t Position, int32_t Step, int Mode) {
  TCanvas& c = Image.Canvas();
  Background(c);
  const int64_t span = static_cast<int64_t>(MaxHundreds) - MinHundreds;
  const int64_t length = span * Step;
  if (Step > 1) {
    BaseLine(c, length, clGrey);
    for (int64_t k = 0; k <= span; ++k) {
      const int64_t x = 10 + k * Step;
      if (x >= c.Width()) break;
      c.SetPixel(static_cast<int>(x), 0, clBlack);
    }
  } else {
    BaseLine(c, length, clBlack);
  }
  // The centre tick is drawn after the line, on top of it, so that it shows
  // whole.
  if (Mode == 2) {
    const int64_t x = Round((static_cast<Real>(length) + 1) / 2) + 10;
    c.PenColor = clRed;
    c.MoveTo(CanvasX(x), 0);
    c.LineTo(CanvasX(x), 2);
  }
  Marker(c, static_cast<int64_t>(Position) + 10, clBlack);
}

int32_t ScaledPosition(int64_t Units, int64_t Step) { return ClampToInt32(Units * Step); }

bool ScaledSliderHit(TImage& /*Image*/, int32_t Position, int X) {
  const int64_t d = static_cast<int64_t>(X) - (static_cast<int64_t>(Position) + 10);
  return d > -5 && d < 5;
}

void ScaledSliderMouse(TImage& Image, int32_t& Position, int32_t MaxPosition, int Button, int X) {
  if (Button != 1) return;
  TCanvas& c = Image.Canvas();
  Marker(c, static_cast<int64_t>(Position) + 10, clCream);
  Position = ClampValue(static_cast<int64_t>(X) - 10, 0, MaxPosition);
  Marker(c, static_cast<int64_t>(Position) + 10, clBlack);
}

void EditClamp(TImage& /*Image*/, TEdit& Edit, int32_t& Value, int32_t Min, int32_t Max) {
  Value = ClampValue(TextToInt(Edit.Text), Min, Max);
  Edit.Text = Decimal(Value);
}

void SplitValue(int32_t Value, int32_t& Units, int32_t& Hundreds) {
  const int64_t v = Value;
  const int64_t units = v % 100 < 0 ? -(v % 100) : v % 100;
  Units = static_cast<int32_t>(units);
  Hundreds = static_cast<int32_t>(v >= 0 ? (v - units) / 100 : -((-v - units) / 100));
}

void SetSplitValue(int32_t& Value, int32_t& Units, int32_t& Hundreds, int32_t& Position, int32_t Min, int32_t Max,
                   int32_t HundredsOfMin, int32_t Step) {
  const int64_t combined = Hundreds < 0 ? static_cast<int64_t>(Hundreds) * 100 - Units
                                        : static_cast<int64_t>(Hundreds) * 100 + Units;
  Value = ClampValue(combined, Min, Max);
  SplitValue(Value, Units, Hundreds);
  Position = ScaledPosition(static_cast<int64_t>(Hundreds) - HundredsOfMin, Step);
}

void DrawRangeSlider(TImage& Image, int32_t Min, int32_t Max, int32_t Low, int32_t High) {
  TCanvas& c = Image.Canvas();
  Background(c);
  BaseLine(c, static_cast<int64_t>(Max) - Min, clBlack);
  Marker(c, SliderX(Low, Min), clBlack);
  Marker(c, SliderX(High, Min), clBlack);
}

int RangeSliderHit(int X, int32_t Low, int32_t High, int32_t Min) {
  const int64_t dl = std::llabs(X - SliderX(Low, Min)), dh = std::llabs(X - SliderX(High, Min));
  if (dh < 5 && dh <= dl) return 2;
  if (dl < 5) return 1;
  return 0;
}

void RangeSliderMouse(TImage& Image, TEdit& LowEdit, int32_t& Low, int32_t Min, TEdit& HighEdit, int32_t& High,
                      int32_t Max, int Which, int X) {
  if (Which != 1 && Which != 2) return;
  const int32_t v = ClampValue(static_cast<int64_t>(X) - 10 + Min, Min, Max);
  if (Which == 1) {
    Low = v;
    if (Low > High) High = Low;
  } else {
    High = v;
    if (High < Low) Low = High;
  }
  DrawRangeSlider(Image, Min, Max, Low, High);
  LowEdit.Text = Decimal(Low);
  HighEdit.Text = Decimal(High);
}

void RangeEditLow(TImage& Image, TEdit& LowEdit, int32_t& Low, TEdit& HighEdit, int32_t& High, int32_t Min,
                  int32_t Max) {
  Low = ClampValue(TextToInt(LowEdit.Text), Min, Max);
  if (Low > High) High = Low;
  LowEdit.Text = Decimal(Low);
  HighEdit.Text = Decimal(High);
  DrawRangeSlider(Image, Min, Max, Low, High);
}

void RangeEditHigh(TImage& Image, TEdit& LowEdit, int32_t& Low, TEdit& HighEdit, int32_t& High, int32_t Min,
                   int32_t Max) {
  High = ClampValue(TextToInt(HighEdit.Text), Min, Max);
  if (High < Low) Low = High;
  LowEdit.Text = Decimal(Low);
  HighEdit.Text = Decimal(High);
  DrawRangeSlider(Image, Min, Max, Low, High);
}

namespace {
// Columns 10 .. 10 + Count - 1 in the colour of their value, whole height.
template <typename ColorOf>
void ColourColumns(TImage& Image, int Count, ColorOf colorOf) {
  TCanvas& c = Image.Canvas();
  Background(c);
  for (int v = 0; v < Count && v + 10 < c.Width(); ++v) {
    const int32_t color = colorOf(v);
    for (int y = 0; y < c.Height(); ++y) c.SetPixel(v + 10, y, color);
  }
}
int32_t HSLColor(int32_t H, int32_t S, int32_t L) {
  int32_t r, g, b;
  HSLToRGB(H, S, L, r, g, b);
  return PackRGB(r, g, b);
}
}  // namespace

void DrawHueBar(TImage& Image, int32_t Offset) {
  ColourColumns(Image, 360, [&](int v) {
    const int32_t h = static_cast<int32_t>(WrapIndex(static_cast<int64_t>(v) + Offset, 360));
    return HSLColor(h, MaxSatLum, MaxSatLum);
  });
}

void DrawSatBar(TImage& Image, int32_t Hue) {
  ColourColumns(Image, 256, [&](int v) { return HSLColor(Hue, v, MaxSatLum); });
}

void DrawLumBar(TImage& Image, int32_t Hue) {
  ColourColumns(Image, 256, [&](int v) { return HSLColor(Hue, MaxSatLum, v); });
}

void DrawListBoxes(TImage& Image, int32_t Value, int32_t Min, int32_t Max) {
  TCanvas& c = Image.Canvas();
  Background(c);
  const int64_t count = static_cast<int64_t>(Max) - Min + 1;
  const int64_t chosen = static_cast<int64_t>(Value) - Min + 1;
  for (int64_t i = 1; i <= count && 15 * i - 10 < c.Width(); ++i) {
    c.BrushColor = i == chosen ? clGreen : clRed;
    c.FillRect(static_cast<int>(15 * i - 10), 0, static_cast<int>(15 * i), 10);
  }
}

void ListBoxClick(TImage& Image, int X, int32_t& Value, int32_t Min, int32_t Max) {
  const int64_t index = Round((static_cast<Real>(X) + 7) / 15);
  if (index < 1 || index > static_cast<int64_t>(Max) - Min + 1) return;
  Value = static_cast<int32_t>(Min + index - 1);
  DrawListBoxes(Image, Value, Min, Max);
}

}  // namespace quillon
