// Geometry filters: the wrapped offset (OFST), the left-right mirror (MIRR)
// and the sine distortion (SNDS).
#pragma once

#include <cstdint>

namespace quillon {

struct TOFSTWork {
  int32_t Channel;  // 0 all three HSL channels; 1..3 that RGB channel; 4..6 HSL channel (value - 3)
  int32_t XOffset;
  int32_t YOffset;
};
extern TOFSTWork OFSTWork;

struct TMIRRWork {
  int32_t Channel;  // 0 all three HSL channels; 1..3 that RGB channel; 4..6 HSL channel (value - 3)
};
extern TMIRRWork MIRRWork;

struct TSNDSWork {
  int32_t Channels;  // 0: HSL is the space the other is recomputed from; 1: RGB
  int32_t Apply[3];  // 0 = channel c is distorted (in both spaces), any other value = not
  int32_t WidthPeriod;
  int32_t WidthAmplitude;
  int32_t WidthPhase;  // radians
  int32_t HeightPeriod;
  int32_t HeightAmplitude;
  int32_t HeightPhase;
  int32_t Orientation;  // 0 columns first, otherwise rows first
};
extern TSNDSWork SNDSWork;

// Reads OFSTWork. An offset above the picture's width (height) is first
// reduced to offset mod width + 1; then the chosen channels of the result
// layer move so that the value at (x, y) lands at (x + x offset, y + y
// offset), wrapped; then the other space is recomputed from the one moved.
void OFST_Compute();

// Reads MIRRWork. For x = 1..Round(ImageWidth / 2) the chosen channels of
// columns x and ImageWidth - x + 1 of the result layer are exchanged; then the
// other space is recomputed from the one worked on.
void MIRR_Compute();

// Reads SNDSWork. Column pass: column x is rotated so that the value at y
// becomes the former value at y + Round(sin(x / (ImageWidth / width period) x
// 2pi + width phase) x width amplitude), wrapped; the row pass rotates each
// row along x likewise with the height values; both in every distorted
// channel of both spaces. Then HSL (channels 0) or RGB (channels 1) is the
// space the other is recomputed from.
void SNDS_Run();

}  // namespace quillon
