// The periodic texture pack: "P.Tx Pack 1 Tx A", "Tx B" and "Tx C" turn a
// simple periodic luminosity pattern into a finished texture through one
// chain of eleven phases, driven by the same 18 parameters. The three differ
// only in the wave their first phase draws (sine, triangle, sawtooth), in
// their defaults and in the built-in presets of their forms.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "modules/textures/PhaseChain.h"

namespace quillon {

inline constexpr int PackParamCount = 18;

// The 18 values p1 .. p18 of a pack instance, as the forms and the presets
// hold them.
using TPackValues = std::array<int32_t, PackParamCount>;

// The work record of each pack module: plain copies of p1 .. p18, in this order.
struct TPeriodicPackWork {
  int32_t WidthPeriod, WidthPhase, WidthCoef;     // p1 .. p3, phase 1
  int32_t HeightPeriod, HeightPhase, HeightCoef;  // p4 .. p6, phase 1
  int32_t Variant;                                // p7, phase 1: 1 sum, 2 difference, 3 product
  int32_t DX1, DY1, Combination1;                 // p8 .. p10, phase 2
  int32_t DX2, DY2, Combination2;                 // p11 .. p13, phase 3
  int32_t Offset1;                                // p14, phase 5: offset-effect algorithm
  int32_t LumMax;                                 // p15, phase 7: luminosity maximum
  int32_t HueLow, HueHigh;                        // p16, p17, phase 10: hue bounds on a 0..255 scale
  int32_t Offset2;                                // p18, phase 11: offset-effect algorithm
};
static_assert(sizeof(TPeriodicPackWork) == PackParamCount * sizeof(int32_t));

// The wave each module draws in phase 1 (the periodic generator's codes).
inline constexpr int32_t PackWaveSine = 0;
inline constexpr int32_t PackWaveTriangle = 1;
inline constexpr int32_t PackWaveSawtooth = 2;

// The range of each parameter, the same in the three modules.
struct TPackRange {
  int32_t Min, Max;
};
inline constexpr std::array<TPackRange, PackParamCount> PackRanges = {{
    {1, 200}, {0, 200}, {0, 100},  // width period, phase, coefficient
    {1, 200}, {0, 200}, {0, 100},  // height period, phase, coefficient
    {1, 3},                        // variant of the periodic function
    {0, 300}, {0, 300}, {1, 5},    // first effect: X, Y distance, combination
    {0, 300}, {0, 300}, {1, 5},    // second effect
    {1, 5},                        // offset effect of phase 5
    {0, 255},                      // luminosity maximum
    {0, 255}, {0, 255},            // hue bounds
    {1, 5},                        // offset effect of phase 11
}};

// ClearValues, then the module's 18 defaults into p1 .. p18.
void PeriodicPack_SetDefaults(int Instance, const TPackValues& Defaults);
// ClearRanges, then the 18 ranges with SetParamRange, in parameter order.
void PeriodicPack_SetRanges(int Instance);
// p1 .. p18 of the instance, copied in the record's order.
TPeriodicPackWork PeriodicPack_WorkOf(int Instance);

// A hue bound of phase 10: Round(Value / 255 x 359) in extended precision,
// to nearest with ties to even (130 gives 183, 158 gives 222, 255 gives 359).
int32_t PeriodicPack_HueBound(int32_t Value);

// The eleven phases, the wave of phase 1 being Wave. Only phase 1 draws (the
// copy makes its drawing the work image); phases 2 to 11 change the work
// image in place; no phase draws random numbers or composes.
std::vector<Phase> PeriodicPack_Phases(int32_t Wave, const TPeriodicPackWork& Work);

// Runs the chain for the running instance of module type Type.
void PeriodicPack_Compute(int Type, int32_t Wave, const TPeriodicPackWork& Work);

// The largest period count of a random preset along a side, so that a
// pattern is at least about 70 pixels wide: Round(Side / 70).
int32_t RandomPresetPeriods(int32_t Side);

// The draws of a random preset, in the order p1 .. p18, each one
// RandomInt(RandomSeed, Lo, Hi) with the bounds Range(k), except p1 in 1 ..
// RandomPresetPeriods(ImageWidth), p4 in 1 .. RandomPresetPeriods(ImageHeight)
// and, when HighAboveLow, p17 from the value just drawn for p16 up. Each value
// goes to Store(k, value) before the next draw.
void DrawRandomPreset(const std::function<TPackRange(int)>& Range, bool HighAboveLow,
                      const std::function<void(int, int32_t)>& Store);

// The clock the clock-seeded random preset reads: milliseconds since local
// midnight. Tests set their own.
extern int32_t (*RandomPresetClock)();

}  // namespace quillon
