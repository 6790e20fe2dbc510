// How much work a render of a module takes, told from its stored values and
// the picture size before anything is computed.
//
// A parameter may hold any 32-bit value (a module preset is read as stored),
// and some values make a module's work grow without end: a count of blobs,
// of twigs or of orbit steps. Such a module gives the engine its count of
// work, a number proportional to the time its render takes (every unit of the
// count costs about the same on every machine), and its slowest setting
// inside its form's ranges. A render whose count is at most WorkBoundFactor
// times that setting's count at the same picture size is computed as the
// values say; a larger one is refused before anything is computed. The
// decision is the same on every machine: it is made by the count, never by a
// clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/Instances.h"

namespace quillon {

using ParamValues = Array1<int32_t, ParamCount>;

struct TWorkBound {
  // The count of work of a render of these values at Width x Height. It is
  // monotone outside each parameter's range (more work the farther a value
  // lies out), so the largest value that is computed can be searched for.
  double (*Count)(const ParamValues& Values, int Width, int Height);
  // The slowest setting inside the ranges: these values over the defaults.
  std::vector<std::pair<int, int32_t>> Slowest;
};

// The time a render may take is ten times that of the slowest in-range
// setting; the count is a model of the time, so its bound keeps room for the
// model's error.
inline constexpr double WorkBoundFactor = 8;

// For a count of work: the mean of U held inside 0..Top, for U drawn
// uniformly between A and B (either may be the larger), as a size drawn from
// a range and cut to the picture is. Taken as a continuous draw; monotone in
// A, B and Top.
double MeanHeld(double A, double B, double Top);

// Per-type table, indexed by module type number; null: no bound.
extern const TWorkBound* TypeWorkBound[MaxModuleTypes + 1];
void StoreTypeWorkBound(int32_t Type, const TWorkBound* Bound);

// The largest count computed for Type at Width x Height (infinite without a
// bound).
double WorkLimit(int32_t Type, int Width, int Height);

// A render refused for its work: Param holds Value, and Limit is the
// farthest value from the range on Value's side that is computed at this
// size with the other values as they are.
struct WorkRefusal {
  int Instance = 0;
  int Param = 0;
  int32_t Value = 0;
  int32_t Limit = 0;
  int Width = 0;
  int Height = 0;
};

// Whether the instance's render at the current picture size is refused.
// Values inside their ranges are never refused. With several values out of
// their ranges, the first (by number) that alone brings the count within the
// bound is named; the ones before it are taken at their range's nearest end.
std::optional<WorkRefusal> CheckWork(int Instance);

// The refusal as the user reads it, the parameter named by its caption on the
// module's form as well.
std::string WorkRefusalText(const WorkRefusal& Refusal);

}  // namespace quillon
