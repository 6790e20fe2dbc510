// The program's random generator: a 31-bit linear congruential generator
// behind a 97-slot shuffle table shared by every user.
//
// Every draw is an integer s over 2^31, and the table only ever holds draws,
// so it keeps the integers. Round(draw * n) for an integer n is then the
// integer s * n over 2^31 rounded to nearest with ties to even, which the
// 80-bit product gives exactly as long as s * n fits its 64-bit mantissa; the
// calls below compute it on integers there and in 80 bits beyond. The hot
// calls are inline: the modules draw up to a few million times per picture.
#pragma once

#include <cstdint>

#include "engine/Numeric.h"

namespace quillon {

// The modules' random state; each module that uses randomness seeds it from
// its seed parameter and calls InitRandom(RandomSeed).
extern int32_t RandomSeed;
// The state of the module window's randomize buttons.
extern int32_t BlendRandomSeed;

inline constexpr int RandomTableSize = 97;
inline constexpr double DrawScale = 1.0 / 2147483648.0;  // a draw is its integer times this

// Round(Bits / 2^31 * Span), to nearest with ties to even, for a draw's
// integer Bits (0 <= Bits < 2^31) and any Span: on integers when |Span| is at
// most 2^32 (the product then has at most 63 bits, so the 80-bit product is
// exact and both round the same value), in 80 bits beyond, as the program
// computes it there.
inline int64_t RoundDraw(int64_t Bits, int64_t Span) {
  if (Span >= -(int64_t{1} << 32) && Span <= (int64_t{1} << 32)) {
    // p = q * 2^31 + rest with 0 <= rest < 2^31 (q the floor, also below
    // zero). Adding 2^30 - 1, and one more when q is odd, carries into q
    // exactly when rest is above one half, or is one half and q is odd. No
    // branch: whether a draw rounds up is as good as random.
    const int64_t p = Bits * Span;
    return (p + (0x3FFFFFFF + ((p >> 31) & 1))) >> 31;
  }
  return Round(static_cast<Real>(static_cast<double>(Bits) * DrawScale) * static_cast<Real>(Span));
}

// RoundDraw for 0 <= Span < 2^16, in doubles, so that a loop of them runs in
// vector code: Bits * Span < 2^47 and its scaling by 2^-31 are exact.
inline int32_t RoundDrawShort(int32_t Bits, int32_t Span) {
  return static_cast<int32_t>(RoundToInteger(static_cast<double>(Bits) * (Span * DrawScale)));
}

namespace detail {
// Slots 1..97 of the shuffle table as the integers s of their draws s / 2^31.
extern int32_t RandomTable[RandomTableSize + 1];  // slot 0 unused

// A run of generator steps as one map s -> (a s + c) mod 2^31 of the state:
// Steps(1) is one step, Steps(n) n of them, found by squaring, so a loop can
// jump ahead or run several chains of steps side by side.
struct StepMap {
  static constexpr uint64_t Mask = 0x7FFFFFFF;
  uint64_t a, c;
  constexpr uint64_t operator()(uint64_t s) const { return (a * s + c) & Mask; }
  // This map, then Next.
  constexpr StepMap Then(const StepMap& Next) const { return {(Next.a * a) & Mask, (Next.a * c + Next.c) & Mask}; }
};
inline constexpr StepMap OneStep{843314861, 453816693};
constexpr StepMap Steps(int64_t Count) {
  StepMap result{1, 0}, power = OneStep;
  for (; Count > 0; Count >>= 1) {
    if (Count & 1) result = result.Then(power);
    power = power.Then(power);
  }
  return result;
}

// One step of the generator; returns the new state, the integer of the draw.
inline int32_t StepBits(int32_t& State) {
  State = static_cast<int32_t>(OneStep(static_cast<uint32_t>(State)));
  return State;
}

// The slot a step r picks: Round(r * 97) + 1, slot 1 when that is 98.
// SlotOfRounded takes Round(r * 97) however it was worked out.
inline int SlotOfRounded(int32_t Rounded) { return Rounded < RandomTableSize ? Rounded + 1 : 1; }
inline int SlotOf(int32_t r) { return SlotOfRounded(static_cast<int32_t>(RoundDraw(r, RandomTableSize))); }

// Draws and returns the integer held in the slot the new step picks,
// storing the step there.
inline int32_t NextBits(int32_t& State) {
  const int32_t r = StepBits(State);
  int32_t& slot = RandomTable[SlotOf(r)];
  const int32_t v = slot;
  slot = r;
  return v;
}
}  // namespace detail

// One step of the generator: returns the draw s / 2^31 in [0, 1).
inline double RandomStep(int32_t& State) { return detail::StepBits(State) * DrawScale; }

// Fills slots 1..97 of the shuffle table with 97 successive draws.
void InitRandom(int32_t& State);

// Draws r, takes slot j = Round(r * 97) + 1 (slot 1 when j is outside 1..97),
// returns the value held there and stores r in its place.
inline double Random01(int32_t& State) { return detail::NextBits(State) * DrawScale; }

// Round(Random01(State) * Span): one draw, rounded as RoundDraw says.
inline int64_t RandomRound(int32_t& State, int64_t Span) { return RoundDraw(detail::NextBits(State), Span); }

// Lo + Round(u * (Hi - Lo)) for the draw u = Bits / 2^31.
inline int32_t BitsInRange(int32_t Bits, int32_t Lo, int32_t Hi) {
  return static_cast<int32_t>(Lo + RoundDraw(Bits, static_cast<int64_t>(Hi) - Lo));
}

// Lo + Round(Random01(State) * (Hi - Lo)); exactly one draw, also when Lo = Hi.
inline int32_t RandomInt(int32_t& State, int32_t Lo, int32_t Hi) {
  return BitsInRange(detail::NextBits(State), Lo, Hi);
}

// Slot I (1..97) of the shuffle table, for tests.
double RandomTableSlot(int I);

// Milliseconds since local midnight, the start-up seed of both states.
int32_t MillisecondsSinceMidnight();

}  // namespace quillon
