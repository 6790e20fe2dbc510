// The program's random generator: a 31-bit linear congruential generator
// behind a 97-slot shuffle table shared by every user.
#pragma once

#include <cstdint>

namespace quillon {

// The modules' random state; each module that uses randomness seeds it from
// its seed parameter and calls InitRandom(RandomSeed).
extern int32_t RandomSeed;
// The state of the module window's randomize buttons.
extern int32_t BlendRandomSeed;

inline constexpr int RandomTableSize = 97;

// One step of the generator: returns the draw s / 2^31 in [0, 1).
double RandomStep(int32_t& State);

// Fills slots 1..97 of the shuffle table with 97 successive draws.
void InitRandom(int32_t& State);

// Draws r, takes slot j = Round(r * 97) + 1 (slot 1 when j is outside 1..97),
// returns the value held there and stores r in its place.
double Random01(int32_t& State);

// Lo + Round(Random01(State) * (Hi - Lo)); exactly one draw, also when Lo = Hi.
int32_t RandomInt(int32_t& State, int32_t Lo, int32_t Hi);

// Slot I (1..97) of the shuffle table, for tests.
double RandomTableSlot(int I);

// Milliseconds since local midnight, the start-up seed of both states.
int32_t MillisecondsSinceMidnight();

}  // namespace quillon
