// The image store: two layers of two colour spaces, the backup layer, three
// buffers, the float planes, the blending mask and the line buffer.
//
// A plane is 1024 x 1024 samples with x as the outer index and y contiguous,
// so a loop with x outer and y inner runs at stride 1 and a column copy is one
// memcpy. Pixels are addressed from 1 at every interface.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <new>

namespace quillon {

using Sample = int16_t;

inline constexpr int MaxImageSide = 1024;

inline constexpr int CurrentLayer = 1;  // a generator's output
inline constexpr int ResultLayer = 2;   // the texture
inline constexpr int SpaceRGB = 1;
inline constexpr int SpaceHSL = 2;

inline constexpr int MaxHue = 359;
inline constexpr int MaxSatLum = 255;
inline constexpr int EmptyValue = -1;

template <typename T>
struct PlaneOf {
  T v[MaxImageSide][MaxImageSide];
  T& at(int x, int y) { return v[x - 1][y - 1]; }
  const T& at(int x, int y) const { return v[x - 1][y - 1]; }
  T* column(int x) { return v[x - 1]; }
  const T* column(int x) const { return v[x - 1]; }
};

using Plane = PlaneOf<Sample>;
using FloatPlane = PlaneOf<float>;

// Both colour spaces of one picture, channels 1..3 each.
struct LayerData {
  Plane planes[2][3];
  Plane& plane(int space, int channel) { return planes[space == SpaceRGB ? 0 : 1][channel - 1]; }
  const Plane& plane(int space, int channel) const { return planes[space == SpaceRGB ? 0 : 1][channel - 1]; }
};

// Picture size: x runs 1..ImageWidth, y 1..ImageHeight.
extern int32_t ImageWidth;
extern int32_t ImageHeight;

// The planes of the store, in one block of memory.
struct StorePlanes {
  LayerData Layers[2];  // [CurrentLayer - 1], [ResultLayer - 1]
  LayerData BackupLayer;
  LayerData Buffers[3];  // buffers 1..3
  FloatPlane FloatMatrix;
  FloatPlane FloatPlanes[3];  // channels 1..3
  Plane BlendMask;            // percentages 0..100
};

extern int32_t LineBuffer[MaxImageSide];

// The store's block once it is mapped; null before. Read through ImageStore().
extern std::atomic<StorePlanes*> MappedStore;
// Maps the block (once, whichever thread asks first) and returns it; raises
// std::bad_alloc when the system refuses the memory.
StorePlanes& MapImageStore();

// The image store. Its block (about 90 MB of address space, zero-filled) is
// taken from the system on first use and kept for the whole run, so a run
// that computes no picture never asks for it. Raises std::bad_alloc when
// the system refuses it; once mapped, it is always there.
inline StorePlanes& ImageStore() {
  StorePlanes* const s = MappedStore.load(std::memory_order_acquire);
  return s ? *s : MapImageStore();
}

// Zero-filled memory of Bytes for a table of LargeTable's, kept for the
// whole run; raises std::bad_alloc when the system refuses it.
void* TableMemory(size_t Bytes);

// A unit's scratch table of megabytes (a type of the unit's own), held like
// the store: made on the first call for its type and kept for the whole run,
// so a run that never computes the unit never pays for it. Its arrays start
// as zero bytes. Raises std::bad_alloc when the system refuses the memory;
// the next call tries again. Fetch it once per pass, not per pixel.
template <typename T>
T& LargeTable() {
  static T* const table = ::new (TableMemory(sizeof(T))) T;
  return *table;
}

// The layer a selector names: CurrentLayer gives the current layer, any other
// value the result layer. A space selector other than SpaceRGB means HSL.
inline LayerData& Layer(int layer) { return ImageStore().Layers[layer == CurrentLayer ? 0 : 1]; }
inline Plane& LayerPlane(int layer, int space, int channel) { return Layer(layer).plane(space, channel); }
inline Sample& Pixel(int layer, int space, int channel, int x, int y) {
  return Layer(layer).plane(space, channel).at(x, y);
}

// Copies both spaces and all three channels of the ImageWidth x ImageHeight
// corner from one picture to another; the rest of the target is untouched.
void CopyPicture(const LayerData& from, LayerData& to);

void SaveResultToBackup();       // BackupLayer := result layer
void RestoreResultFromBackup();  // result layer := BackupLayer
void CopyCurrentToResult();      // result layer := current layer
void CopyResultToCurrent();      // current layer := result layer

// Readies the picture's part (columns 1..ImageWidth) of planes a pass is
// about to write: the pages of it not in use since the last clear are
// mapped now, shared out over the threads a page to a thread. Left to the
// pass, its threads would fault them in one after the other as they reach
// them, each clearing its own copy of a page several reach at once, or one
// thread would fault them all in a serial pass. Mapped on the calling thread
// alone they cost "Red Swimming Pool" 6-9 % more time for no CPU saved that
// a whole command shows. Only a matter of speed: the contents stay as they
// are, and where the system offers no way to do it nothing happens.
// Planes of a table of LargeTable's as well, whose pages, once mapped, stay.
void PrepareToWrite(std::initializer_list<Plane*> Planes);
void PrepareToWrite(std::initializer_list<FloatPlane*> Planes);
// The same for the picture's columns, ColumnBytes each, of a table of
// LargeTable's laid out column by column as a plane is.
void PrepareColumnsToWrite(void* Table, size_t ColumnBytes);
// The three planes of one space of a picture, or of both spaces.
void PrepareToWrite(LayerData& Picture, int Space);
void PrepareToWrite(LayerData& Picture);

// Zeroes the whole store, as at start-up. The cost follows the pages written
// since the last clear: a store nothing wrote to, or one not mapped yet,
// costs nothing to clear.
void ClearImageStore();

}  // namespace quillon
