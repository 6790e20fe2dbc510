// "Rainbow Bananas": a sparse colour noise whose bright, strongly saturated
// pixels of hue 70 and above turn yellow, with two hue patterns of the
// periodic hue map laid over it by fixed blends. "Blue Gold Rings" (T011)
// runs the same four phases before its own.
#pragma once

#include <cstdint>
#include <vector>

#include "modules/textures/PhaseChain.h"

namespace quillon {

inline constexpr int T010_Type = 43;

// Plain copies of the parameters the chain uses, in this order.
struct TT010Work {
  int32_t WidthOffset3;   // p1: width offset of phase 3 is p1 - 1
  int32_t HeightOffset3;  // p2: height offset of phase 3 is p2 - 1
  int32_t WidthOffset4;   // p3: width offset of phase 4 is p3 + 4
  int32_t HeightOffset4;  // p4: height offset of phase 4 is p4 + 4
  int32_t Shape;          // p6: the waves of phases 3 and 4
  int32_t WidthPeriods;   // p8: periods across the width per 512 pixels
  int32_t HeightPeriods;  // p9: periods across the height per 512 pixels
  int32_t Seed;           // p10: seed of the noise of phase 1
};
extern TT010Work T010Work;

// The periods of a hue pattern across a side: max(1, Round(Periods *
// (Side / 512))), the quotient formed first, the product in extended
// precision and rounded half to even (9 periods at 256 pixels give 4);
// counts beyond 32 bits saturate.
int32_t PeriodCount(int32_t Periods, int Side);

// The waves (0 sine, 1 triangle) of the two hue phases for a shape: 1 sine
// and sine, 2 triangle and triangle, 3 triangle and sine, 4 sine and
// triangle; any other shape sine and sine.
void ShapeWaves(int32_t Shape, int32_t& Wave3, int32_t& Wave4);

// Phases 1 to 4 of the pair: noise, yellow for bright blue-side colours, and
// the two hue patterns composed with black transparent (a black hue layer,
// the periodic map's refusal, changes nothing). Combination4 is the
// combination code of phase 4: 3 (product) here, 1 (sum) in Blue Gold Rings.
std::vector<Phase> HuePatternPhases(const TT010Work& w, int32_t Combination4);

// The ranges of the pair (the same for both): ClearRanges, then 1..200 for
// parameters 1 to 4, 1..4 for the shape, 1..20 for the periods and 0..1000
// for the seed.
void HuePatternRanges(int Instance);

void T010_RegisterProcs();
void T010_RegisterNames();
void T010_SetDefaults(int Instance);
void T010_SetRanges(int Instance);
void T010_Execute();
void T010_Compute();

}  // namespace quillon
