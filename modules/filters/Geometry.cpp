#include "modules/filters/Geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TOFSTWork OFSTWork;
TMIRRWork MIRRWork;
TSNDSWork SNDSWork;

namespace {

// The copy of the plane being shifted.
struct ShiftTable {
  Plane Source;
};

// The planes a channel selector of the offset and the mirror names: 0 all
// three HSL channels, 1..3 one RGB channel, 4..6 one HSL channel. Returns the
// space, or 0 for any other selector, which changes nothing.
int SelectedChannels(int32_t selector, int& first, int& last) {
  if (selector == 0) {
    first = 1;
    last = 3;
    return SpaceHSL;
  }
  if (selector >= 1 && selector <= 3) {
    first = last = selector;
    return SpaceRGB;
  }
  if (selector >= 4 && selector <= 6) {
    first = last = selector - 3;
    return SpaceHSL;
  }
  return 0;
}

// Moves the plane so that the value at (x, y) lands at (x + dx, y + dy),
// wrapped modulo the sides.
void ShiftPlane(Plane& p, int64_t dx, int64_t dy) {
  const int W = ImageWidth, H = ImageHeight;
  const int64_t sx = WrapIndex(dx, W), sy = WrapIndex(dy, H);
  if (sx == 0 && sy == 0) return;
  Plane& ShiftSource = LargeTable<ShiftTable>().Source;
  CopyPlane(p, ShiftSource);
  ParallelColumns(1, W, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) ShiftedColumn(ShiftSource.v[WrapIndex(x - 1 - sx, W)], -sy, p.column(x));
  });
}

// An offset above the side is reduced to offset mod side + 1, one more than
// the plain remainder; the picture then wraps any offset modulo the side, so a
// negative offset moves the other way by its size.
int64_t ReducedOffset(int32_t offset, int32_t side) {
  return offset > side ? static_cast<int64_t>(offset % side) + 1 : offset;
}

// Round(sin(i / (side / period) x 2pi + phase) x amplitude) for i = 1..side.
std::vector<int64_t> SineShifts(int side, int32_t period, int32_t amplitude, int32_t phase) {
  std::vector<int64_t> s(side);
  const Real wavelength = static_cast<Real>(side) / period;
  for (int i = 1; i <= side; ++i)
    s[i - 1] = Round(std::sin(static_cast<Real>(i) / wavelength * TwoPi + phase) * amplitude);
  return s;
}

}  // namespace

void OFST_Compute() {
  const TOFSTWork work = OFSTWork;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  int first, last;
  const int space = SelectedChannels(work.Channel, first, last);
  if (space == 0) return;
  const int64_t dx = ReducedOffset(work.XOffset, ImageWidth), dy = ReducedOffset(work.YOffset, ImageHeight);
  for (int c = first; c <= last; ++c) ShiftPlane(LayerPlane(ResultLayer, space, c), dx, dy);
  SyncColorSpace(space);
}

void MIRR_Compute() {
  const TMIRRWork work = MIRRWork;
  const int W = ImageWidth, H = ImageHeight;
  if (W < 1 || H < 1) return;
  int first, last;
  const int space = SelectedChannels(work.Channel, first, last);
  if (space == 0) return;
  // For an odd width Round(W / 2) is the middle column itself when it is
  // even (W = 7: 4) and the one before it otherwise (W = 5: 2); either way
  // no pair is exchanged twice.
  const int half = static_cast<int>(Round(static_cast<Real>(W) / 2));
  for (int c = first; c <= last; ++c) {
    Plane& p = LayerPlane(ResultLayer, space, c);
    ParallelColumns(1, half, [&](int x0, int x1) {
      for (int x = x0; x <= x1; ++x) std::swap_ranges(p.column(x), p.column(x) + H, p.column(W - x + 1));
    });
  }
  SyncColorSpace(space);
}

// A period of 0 would divide by zero: that pass is left out.
void SNDS_Run() {
  const TSNDSWork work = SNDSWork;
  const int W = ImageWidth, H = ImageHeight;
  if (W < 1 || H < 1) return;
  auto columnPass = [&]() {
    if (work.WidthPeriod == 0) return;
    const std::vector<int64_t> s = SineShifts(W, work.WidthPeriod, work.WidthAmplitude, work.WidthPhase);
    for (int c = 1; c <= 3; ++c)
      if (work.Apply[c - 1] == 0)
        for (int space : {SpaceRGB, SpaceHSL}) RotateColumns(LayerPlane(ResultLayer, space, c), s);
  };
  auto rowPass = [&]() {
    if (work.HeightPeriod == 0) return;
    const std::vector<int64_t> s = SineShifts(H, work.HeightPeriod, work.HeightAmplitude, work.HeightPhase);
    for (int c = 1; c <= 3; ++c)
      if (work.Apply[c - 1] == 0)
        for (int space : {SpaceRGB, SpaceHSL}) RotateRows(LayerPlane(ResultLayer, space, c), s);
  };
  if (work.Orientation == 0) {
    columnPass();
    rowPass();
  } else {
    rowPass();
    columnPass();
  }
  if (work.Channels == 0) SyncColorSpace(SpaceHSL);
  if (work.Channels == 1) SyncColorSpace(SpaceRGB);
}

}  // namespace quillon
