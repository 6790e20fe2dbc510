// The chain shared by "Neurone" and "Neurons": two passes of shaded
// rectangles combined by their difference, softened, folded and stretched
// in luminosity, squeezed into a first hue window, then combined with an
// offset, inverted copy of itself (kept in buffer 1 meanwhile) and squeezed
// into a second hue window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "modules/textures/PhaseChain.h"

namespace quillon {

// The hue range a stretch maps the hues onto.
struct THueWindow {
  int32_t Low, High;
};

// Low = Start, High = Start + Range; when High exceeds 359 the window is
// 309..359, whatever the start and the range. Computed in 64 bits, so no
// stored value overflows.
THueWindow HueWindow(int32_t Start, int32_t Range);

// What the two textures set differently in the shared phases.
struct TNeuronSettings {
  // Phase 1 and phase 3: largest rectangle width and height, and count (the
  // smallest size is 3 in both directions).
  int32_t WidthMax1, HeightMax1, Count1;
  int32_t WidthMax2, HeightMax2, Count2;
  // Luminosity thresholds of phases 5 and 6.
  int32_t LumThreshold1, LumThreshold2;
  // Hue windows of phases 7 and 12.
  THueWindow Window1, Window2;
  // Offsets of phase 9.
  int32_t OffsetX, OffsetY;
};

// The twelve phases, in order. Status gives phase k's status text after
// "(" + instance; an empty text shows the type's display name and the phase.
std::vector<Phase> NeuronPhases(const TNeuronSettings& S, std::string (*Status)(int k));

// The count of work of the twelve phases on a W x H picture, in writes of a
// pixel (see engine/WorkBound.h): the rectangles and the passes over the
// picture.
double NeuronWorkCount(const TNeuronSettings& S, int W, int H);

}  // namespace quillon
