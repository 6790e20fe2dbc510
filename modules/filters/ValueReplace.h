// The value replacers: values above (VRGH) or below (VRLH) a threshold are cut
// to it or mirrored at it, channel by channel, with an optional stretch to the
// channel's full range afterwards.
#pragma once

#include <cstdint>

namespace quillon {

struct TVRGHWork {
  int32_t Space;         // SpaceHSL; see VRGH_Compute for SpaceRGB
  int32_t Threshold[3];  // channels 1, 2, 3
  int32_t Mode[3];       // 0 cut, any other value mirror
  int32_t Stretch[3];    // 1 = stretched to the full range afterwards
};
extern TVRGHWork VRGHWork;

struct TVRLHWork {
  int32_t Space;  // not read: the filter works on HSL
  int32_t Threshold[3];
  int32_t Mode[3];
  int32_t Stretch[3];
};
extern TVRLHWork VRLHWork;

// Reads VRGHWork. In each channel of the result layer's HSL space a value
// above the threshold becomes the threshold (mode 0) or |2 x threshold - value|;
// channels with stretch flag 1 are then stretched from their own range to
// 0..359 (hue) or 0..255 (a constant channel becomes 0); RGB is recomputed
// from HSL.
void VRGH_Compute();

// Reads VRLHWork. In each HSL channel a value below the threshold becomes the
// threshold (mode 0) or 2 x threshold - value, reflected at the channel's top
// (359 or 255) when it passes it; then the stretch flags act as in
// VRGH_Compute; RGB is recomputed from HSL.
void VRLH_Compute();

}  // namespace quillon
