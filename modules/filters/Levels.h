// Levels: the linear stretch of chosen channels to a range (NRMC), and the
// levelling that clamps every channel and stretches the chosen ones to their
// full range (LVLH).
#pragma once

#include <cstdint>

namespace quillon {

struct TLevelsChannel {
  int32_t Apply;  // 1 = stretched
  int32_t Min;
  int32_t Max;
};

struct TLevelsWork {
  int32_t Space;  // SpaceRGB, or HSL for any other value
  TLevelsChannel Channel[3];
};
extern TLevelsWork LevelsWork;

struct TLevellingWork {
  int32_t Space;   // SpaceHSL; see LVLH_Run for SpaceRGB
  int32_t Max[3];  // channels 1, 2, 3
  int32_t Min[3];
  int32_t Flag[3];  // 0 = stretched to the full range after the clamp
};
extern TLevellingWork LevellingWork;

// Reads LevelsWork. Each channel of the given space whose apply flag is 1 is
// stretched from its own minimum..maximum to the record's Min..Max, rounded (a
// constant channel becomes Min); the other space is recomputed from the given
// one.
void NRMC_Run();

// Reads LevellingWork. Every value of channel c above Max[c] becomes Max[c],
// then every value below Min[c] becomes Min[c]; each channel whose flag is 0 is
// then stretched to 0..359 (hue) or 0..255; finally RGB is recomputed from HSL.
void LVLH_Run();

}  // namespace quillon
