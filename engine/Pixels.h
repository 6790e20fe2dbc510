// Pixel, plane, neighbour and search helpers shared by the modules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/ImageStore.h"

namespace quillon {

// Sets channels 1..3 of every pixel of space Space of the current layer (when
// Layer is CurrentLayer, else the result layer); the other space is untouched.
void FillLayer(int Layer, int Space, int32_t C1, int32_t C2, int32_t C3);

// Sets the three channels of one pixel; no wrapping, no clamping.
void SetLayerPixel3(int Layer, int Space, int X, int Y, int32_t C1, int32_t C2, int32_t C3);

// Adds Delta to one sample; no clamping. X and Y must lie inside the picture.
void AddToPixel(int Layer, int Space, int Channel, int X, int Y, int32_t Delta);

// True when channels 1, 2, 3 of the pixel equal C1, C2, C3.
bool IsColor(int Layer, int Space, int X, int Y, int32_t C1, int32_t C2, int32_t C3);

// Wraps a coordinate pair into 1..ImageWidth, 1..ImageHeight. Wraps modulo the
// side, so any offset lands inside the picture; within one period this is
// the same as adding or subtracting the side once.
namespace detail {
// The wrap of a coordinate outside 1..Side.
int WrapBeyond(int64_t V, int32_t Side);
}  // namespace detail
inline int WrapSide(int64_t V, int32_t Side) {
  return V >= 1 && V <= Side ? static_cast<int>(V) : detail::WrapBeyond(V, Side);
}
inline int WrapX(int64_t X) { return WrapSide(X, ImageWidth); }
inline int WrapY(int64_t Y) { return WrapSide(Y, ImageHeight); }
inline void WrapXY(int64_t X, int64_t Y, int& WX, int& WY) {
  WX = WrapX(X);
  WY = WrapY(Y);
}

// 16 slots of (x, y); the neighbour listers write slots 1..8.
struct NeighbourSlot {
  int16_t X;
  int16_t Y;
};
extern NeighbourSlot NeighbourList[17];  // slots 1..16; slot 0 unused

// Lists the wrapped 8-neighbours of (X, Y) whose colour is (C1, C2, C3), in
// the order dx = -1, 0, +1 (outer), dy = -1, 0, +1 (inner); returns their
// count. Slots above the count keep their old contents.
int ListMatchingNeighbours(int Layer, int Space, int X, int Y, int32_t C1, int32_t C2, int32_t C3);
// The same for the neighbours whose colour is not (C1, C2, C3).
int ListOtherNeighbours(int Layer, int Space, int X, int Y, int32_t C1, int32_t C2, int32_t C3);

// The colour walk: for channel 1 (hue), 2 (saturation), 3 (luminosity):
// value, step, direction (+1 or -1), minimum, maximum.
struct ColorWalkChannel {
  int32_t Value;
  int32_t Step;
  int32_t Direction;
  int32_t Min;
  int32_t Max;
};
struct ColorWalkRecord {
  ColorWalkChannel Channel[3];
  ColorWalkChannel& operator[](int c) { return Channel[c - 1]; }  // c = 1..3
};
extern ColorWalkRecord ColorWalker;

// Random probes for a pixel of colour (C1, C2, C3), then a full scan; see the
// unit for the order. On success sets X, Y and returns true.
bool FindColorPixel(int Layer, int Space, int Tries, int32_t C1, int32_t C2, int32_t C3, int& X, int& Y);

// Which pixels of the picture have one colour, a bit per pixel kept both by
// row and by column, so that FindColorPixel's search reads a few words
// instead of a row across the planes (whose samples lie 2 KB apart along a
// row). Whoever draws keeps it up to date through Set.
class ColorMask {
 public:
  // The pixels of space Space of Layer that have colour (C1, C2, C3) now,
  // over the picture's current size.
  ColorMask(int Layer, int Space, int32_t C1, int32_t C2, int32_t C3);

  bool Has(int X, int Y) const { return (cols_[ColumnWord(X, Y)] >> ((Y - 1) & 63)) & 1; }
  void Set(int X, int Y, bool On) {
    if (Has(X, Y) == On) return;
    rows_[RowWord(X, Y)] ^= uint64_t{1} << ((X - 1) & 63);
    cols_[ColumnWord(X, Y)] ^= uint64_t{1} << ((Y - 1) & 63);
    marked_[X - 1] += On ? 1 : -1;
  }

  // FindColorPixel's search over the mask: the same draws and the same pixel.
  bool Find(int Tries, int& X, int& Y) const;

  // The nearest marked pixel after or before X on row Y, below or above Y on
  // column X, and the first in column-major order; 0 (or false) for none.
  int Right(int X, int Y) const;
  int Left(int X, int Y) const;
  int Down(int X, int Y) const;
  int Up(int X, int Y) const;
  bool First(int& X, int& Y) const;

 private:
  size_t RowWord(int X, int Y) const { return static_cast<size_t>(Y - 1) * rowWords_ + ((X - 1) >> 6); }
  size_t ColumnWord(int X, int Y) const { return static_cast<size_t>(X - 1) * colWords_ + ((Y - 1) >> 6); }

  int width_, height_, rowWords_, colWords_;
  std::vector<uint64_t> rows_;   // row y: bit x - 1
  std::vector<uint64_t> cols_;   // column x: bit y - 1
  std::vector<int32_t> marked_;  // marked pixels per column
};

// Writes the rounded average of Channel over the wrapped window of the given
// radius around (X, Y) into that pixel, skipping the centre when ExcludeCentre
// is 1 and every pixel of colour (C1, C2, C3); 0 when nothing was counted.
bool NeighbourAverage(int Layer, int Space, int Channel, int X, int Y, int Radius, int ExcludeCentre, int32_t C1,
                      int32_t C2, int32_t C3);

// Finds a drawn pixel of the current layer's HSL space (channel 1 is not
// EmptyValue) from a random start, searching in Direction (1 right, 2 left,
// 3 down, 4 up) with wrapping.
bool FindFilledPixel(int Direction, int& X, int& Y);

// The linear morph of a run of N pixels after (X, Y) along (DX, DY), wrapped:
// channel c of the k-th pixel := Round(Start[c] + k * (End[c] - Start[c]) / (N + 1)).
// Nothing is written when N < 1.
void GradientSpan(int Layer, int Space, int X, int Y, int DX, int DY, int N, const int32_t Start[3],
                  const int32_t End[3]);

// Smallest and largest sample of a plane over the picture.
void PlaneRange(const Plane& p, int32_t& mn, int32_t& mx);
// The same for a float plane.
void PlaneRange(const FloatPlane& p, float& mn, float& mx);

// Stretches the channel linearly from its own minimum..maximum over the picture
// to Lo..Hi, rounded to nearest; a constant channel becomes Lo everywhere.
void StretchChannel(int Layer, int Space, int Channel, double Lo, double Hi);
// That stretch as a table: entry v - Mn is what a sample v becomes when the
// channel's range is Mn..Mx (one entry, Lo rounded, when Mn == Mx).
std::vector<Sample> StretchTable(int32_t Mn, int32_t Mx, double Lo, double Hi);
// Every sample v of the plane, all within Mn..Mn + size - 1, becomes
// Table[v - Mn].
void MapPlane(Plane& p, int32_t Mn, const std::vector<Sample>& Table);

// Every sample of that channel of the current layer above Max becomes Max.
void ClampChannel(int Space, int Channel, int32_t Max);

}  // namespace quillon
