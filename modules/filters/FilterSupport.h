// Helpers shared by the filter and adjustment units: 16-bit saturation,
// rounded window averages, per-value tables, float plane copies and the wrapped
// window statistics (sum, minimum, maximum) whose cost per pixel does not
// grow with the window.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "engine/Pixels.h"

namespace quillon {

// A value that does not fit a 16-bit sample saturates at its bounds.
inline Sample Saturate16(int64_t v) {
  return static_cast<Sample>(v < -32768 ? -32768 : (v > 32767 ? 32767 : v));
}

// The same Round(n / d) for window averages, d a whole number >= 1, in
// double precision so that the per-pixel loops need no integer division. For
// |n| < 2^52 it is exact: a quotient that is not a half is at least 1/(2d)
// away from one, more than the error |n| 2^-53 / d of one double division, and
// a half is exact in double, and RoundToInteger rounds it as Round does.
inline int64_t RoundQuotient(int64_t n, double d) {
  if (n >= (int64_t{1} << 52) || n <= -(int64_t{1} << 52)) return RoundDiv(n, static_cast<int64_t>(d));
  return static_cast<int64_t>(RoundToInteger(static_cast<double>(n) / d));
}

// The same Round(n / d) for a window sum n held in a double (an integer below
// 2^52 in magnitude, so exact there) whose quotient lies in the 32-bit range,
// as every window average does. Without a branch, so that a loop over a
// column runs in vector code.
inline int32_t RoundSumQuotient(double n, double d) {
  return static_cast<int32_t>(RoundToInteger(n / d));
}

// The space a space field names: SpaceRGB, or HSL for any other value, the
// reading the image store gives every space selector.
inline int SpaceOf(int32_t space) { return space == SpaceRGB ? SpaceRGB : SpaceHSL; }

// The top of a channel's range: 359 for the hue (channel 1 of HSL), else 255.
inline int32_t ChannelTop(int space, int channel) {
  return (space != SpaceRGB && channel == 1) ? MaxHue : MaxSatLum;
}

// Replaces every sample v of the plane by f(v), saturated to 16 bits. f is
// evaluated once per value between the plane's minimum and maximum, so a
// point operation costs one table look-up per sample whatever its arithmetic.
void MapPlane(Plane& p, const std::function<int64_t(int32_t)>& f);

// Writes every sample of a float plane back into a sample plane, rounded.
void WriteBackRounded(const FloatPlane& from, Plane& to);
// Copies a sample plane into a float plane, or into another sample plane.
void CopyToFloat(const Plane& from, FloatPlane& to);
void CopyPlane(const Plane& from, Plane& to);

// Radius of a wrapped window as the window filters read it: a negative radius
// is read as 0 (the pixel alone) and a radius above MaxWindowRadius as that
// radius. Up to it every window sum is exact in 64 bits; the window of the
// largest radius already covers the largest picture eight times.
inline constexpr int64_t MaxWindowRadius = 4096;
inline int32_t WindowRadius(int64_t r) {
  return static_cast<int32_t>(r < 0 ? 0 : (r > MaxWindowRadius ? MaxWindowRadius : r));
}

// Wrapped window statistics over the (2r + 1) x (2r + 1) window around every
// pixel: x - r .. x + r and y - r .. y + r, each coordinate wrapped modulo the
// picture side, so a window wider than the picture counts a pixel as often as
// the window covers it. The callback runs once per column x (1..ImageWidth),
// from several threads for disjoint columns, with the column's results for
// y = 1..ImageHeight at [0..ImageHeight-1]. The cost per pixel does not depend
// on r: running sums for the sum, blockwise prefix and suffix extremes for the
// minimum and maximum (both exact). The sums are whole numbers held in
// doubles: a window has at most (2 * MaxWindowRadius + 1)^2 < 2^27 cells of
// at most 2^15 in magnitude, so every sum, and every partial sum on the way,
// is below 2^42 and exact; doubles, unlike 64-bit integers, convert to and
// from 32-bit integers and divide in vector code.
using WindowSumColumn = std::function<void(int x, const double* sums)>;
using WindowSampleColumn = std::function<void(int x, const Sample* values)>;
void ForEachWindowSum(const Plane& src, int32_t radius, const WindowSumColumn& emit);
void ForEachWindowMin(const Plane& src, int32_t radius, const WindowSampleColumn& emit);
void ForEachWindowMax(const Plane& src, int32_t radius, const WindowSampleColumn& emit);

// Rotates every column of a plane along y so that the value at y becomes the
// former value at y + shift(x), wrapped; shift(x) may be any value.
void RotateColumns(Plane& p, const std::vector<int64_t>& shiftOfColumn);  // index x - 1
// Rotates every row along x so that the value at x becomes the former value
// at x + shift(y), wrapped.
void RotateRows(Plane& p, const std::vector<int64_t>& shiftOfRow);  // index y - 1

// out[y] := column[(y + shift) mod ImageHeight] for y = 0..ImageHeight-1,
// for any shift.
void ShiftedColumn(const Sample* column, int64_t shift, Sample* out);

// Rescales a float plane linearly over the picture so that its minimum
// becomes lo and its maximum hi, computed in extended precision and stored in
// single precision; a constant plane takes lo everywhere.
void RescaleFloatPlane(FloatPlane& p, Real lo, Real hi);

}  // namespace quillon
