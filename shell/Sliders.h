// The slider widgets every parameter form is drawn with, on images of the
// widget kit. Canvas pixels are 0-based; a slider's base line runs along the
// top row (y = 0) from x = 10, one value per pixel (plain sliders) or Step
// pixels per unit (scaled sliders), and its marker hangs below the line.
//
// Markers: every marker is the same small black triangle pointing up at the
// base line: apex at (x, 2), base from (x - 3, 8) to (x + 3, 8). It is 7
// pixels wide, inside the 5-pixel grab distance of the hit tests.
//
// The helpers take the drag flag of a form as Button: the work is done only
// when it is 1. None of them touches the instance records or TextureDirty;
// the forms store the values themselves.
#pragma once

#include <cstdint>

#include "shell/widgets/Controls.h"

namespace quillon {

// x of the marker of value v on a bar whose minimum is Min.
inline int64_t SliderX(int64_t Value, int64_t Min) { return Value - Min + 10; }

// Plain slider, one pixel per unit: clears the image ($F0FBFF), draws the
// black base line over x = 10 .. Max - Min + 10 at y = 0 and the marker of
// Value at x = Value - Min + 10.
void DrawSlider(TImage& Image, int32_t Min, int32_t Max, int32_t Value);
// True when X is less than 5 pixels from the marker of Value.
bool SliderHit(int X, int32_t Value, int32_t Min);
// When Button is 1: Value := X - 10 + Min clamped to [Min, Max], the slider
// is redrawn and the edit shows Value.
void SliderMouse(TImage& Image, TEdit& Edit, int32_t& Value, int32_t Min, int32_t Max, int Button, int X);
// Value := the edit's text as an integer clamped to [Min, Max]; the edit
// shows Value and the slider is redrawn. A text that is not an integer
// raises the conversion error before anything changes.
void EditToSlider(TImage& Image, TEdit& Edit, int32_t& Value, int32_t Min, int32_t Max);

// The marker position of Units units on a scaled slider of Step pixels per
// unit, Units * Step, kept in 32 bits for any stored value.
int32_t ScaledPosition(int64_t Units, int64_t Step);

// Scaled slider, Step pixels per unit (Hundreds is not used): clears the
// image ($F0FBFF), draws the base line over x = 10 .. (MaxHundreds -
// MinHundreds) * Step + 10 at y = 0 (black; grey $A4A0A0 with a black pixel
// every Step pixels from x = 10 when Step > 1); Mode 2 adds a red tick at
// x = Round(((MaxHundreds - MinHundreds) * Step + 1) / 2) + 10, y = 0 and 1,
// drawn over the line; the marker stands at x = Position + 10.
void DrawScaledSlider(TImage& Image, int32_t MinHundreds, int32_t MaxHundreds, int32_t Hundreds, int32_t Position,
                      int32_t Step, int Mode);
// True when X is less than 5 pixels from the marker at Position + 10.
bool ScaledSliderHit(TImage& Image, int32_t Position, int X);
// When Button is 1: the marker is erased (drawn in the background colour),
// Position := X - 10 clamped to [0, MaxPosition], and the marker is drawn.
void ScaledSliderMouse(TImage& Image, int32_t& Position, int32_t MaxPosition, int Button, int X);
// Value := the edit's text as an integer clamped to [Min, Max]; the edit
// shows Value; nothing is drawn.
void EditClamp(TImage& Image, TEdit& Edit, int32_t& Value, int32_t Min, int32_t Max);

// Two-bar slider of a value split into units (0..99) and hundreds.
// Units := |Value mod 100|; Hundreds := (Value - Units) / 100 for Value >= 0,
// else -((|Value| - Units) / 100): -250 gives units 50, hundreds -2; -50
// gives units 50, hundreds 0.
void SplitValue(int32_t Value, int32_t& Units, int32_t& Hundreds);
// Value := Hundreds * 100 - Units when Hundreds < 0, else Hundreds * 100 +
// Units; clamped to [Min, Max]; split again (SplitValue); Position :=
// (Hundreds - HundredsOfMin) * Step.
void SetSplitValue(int32_t& Value, int32_t& Units, int32_t& Hundreds, int32_t& Position, int32_t Min, int32_t Max,
                   int32_t HundredsOfMin, int32_t Step);

// Range bar of a (minimum, maximum) pair: clears the image ($F0FBFF), draws
// the black base line over x = 10 .. Max - Min + 10 at y = 0 and the markers
// of Low and High at x = value - Min + 10.
void DrawRangeSlider(TImage& Image, int32_t Min, int32_t Max, int32_t Low, int32_t High);
// 0 when X is 5 pixels or more from both markers; otherwise 1 (low marker)
// or 2 (high marker), the nearer one, the high marker when both are equally
// near. "Within 5 pixels" means less than 5, as for the plain slider.
int RangeSliderHit(int X, int32_t Low, int32_t High, int32_t Min);
// Which 1 or 2: that marker moves to X - 10 + Min clamped to [Min, Max] and
// pushes the other so that Low <= High; the bar is redrawn and both edits
// show their values. Which 0 does nothing.
void RangeSliderMouse(TImage& Image, TEdit& LowEdit, int32_t& Low, int32_t Min, TEdit& HighEdit, int32_t& High,
                      int32_t Max, int Which, int X);
// Low := the low edit's text as an integer clamped to [Min, Max]; High :=
// Low when Low > High; both edits rewritten, the bar redrawn.
void RangeEditLow(TImage& Image, TEdit& LowEdit, int32_t& Low, TEdit& HighEdit, int32_t& High, int32_t Min,
                  int32_t Max);
// High := the high edit's text clamped to [Min, Max]; Low := High when
// High < Low; both edits rewritten, the bar redrawn.
void RangeEditHigh(TImage& Image, TEdit& LowEdit, int32_t& Low, TEdit& HighEdit, int32_t& High, int32_t Min,
                   int32_t Max);

// The colour pictures above the range bars, drawn column by column in line
// with the bar below them (value v at x = v + 10 for a bar starting at 0),
// over the whole height of the image; columns left of x = 10 and right of
// the last value keep the background colour $F0FBFF.
// Hue picture: columns 10..369 show hue (x - 10 + Offset) mod 360 at full
// saturation and luminosity.
void DrawHueBar(TImage& Image, int32_t Offset);
// Saturation picture: columns 10..265 show saturation x - 10 of Hue at full luminosity.
void DrawSatBar(TImage& Image, int32_t Hue);
// Luminosity picture: columns 10..265 show luminosity x - 10 of Hue at full saturation.
void DrawLumBar(TImage& Image, int32_t Hue);

// A row of boxes for a small choice: clears the image ($F0FBFF) and draws
// Max - Min + 1 boxes, box i (i = 1, 2, ...) over x = 15 i - 10 .. 15 i - 1
// and y = 0..9, the box of Value (i = Value - Min + 1) green ($8000), the
// others red ($FF).
void DrawListBoxes(TImage& Image, int32_t Value, int32_t Min, int32_t Max);
// index := Round((X + 7) / 15); when 1 <= index <= Max - Min + 1, Value :=
// Min + index - 1 and the boxes are redrawn; otherwise nothing changes.
void ListBoxClick(TImage& Image, int X, int32_t& Value, int32_t Min, int32_t Max);

}  // namespace quillon
