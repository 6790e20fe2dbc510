#include "engine/ImageStore.h"

#include <cstdint>

#include "engine/Parallel.h"

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace quillon {

int32_t ImageWidth = 256;
int32_t ImageHeight = 256;

// Every plane starts on a page and fills whole pages, so the clear below can
// hand its pages back instead of writing them.
constexpr size_t StorePage = 4096;
static_assert(sizeof(Plane) % StorePage == 0 && sizeof(FloatPlane) % StorePage == 0);

alignas(StorePage) LayerData Layers[2];
alignas(StorePage) LayerData BackupLayer;
alignas(StorePage) LayerData Buffers[3];
alignas(StorePage) FloatPlane FloatMatrix;
alignas(StorePage) FloatPlane FloatPlanes[3];
alignas(StorePage) Plane BlendMask;
int32_t LineBuffer[MaxImageSide];

namespace {
// Zeroes whole pages of the store. The store is zero-filled memory of the
// program's own, so on Linux its pages go back to the system, which maps a
// zero page on the next touch: the cost follows the pages a run wrote, not
// the size of the store, and a store nothing wrote to costs nothing to clear.
// Elsewhere, or when the system refuses, the bytes are written.
void ZeroPages(void* p, size_t bytes) {
#if defined(__linux__)
  const long page = sysconf(_SC_PAGESIZE);
  if (page > 0 && reinterpret_cast<uintptr_t>(p) % static_cast<size_t>(page) == 0 &&
      bytes % static_cast<size_t>(page) == 0 && madvise(p, bytes, MADV_DONTNEED) == 0)
    return;
#endif
  std::memset(p, 0, bytes);
}
}  // namespace

void CopyPicture(const LayerData& from, LayerData& to) {
  if (&from == &to) return;
  const size_t bytes = static_cast<size_t>(ImageHeight) * sizeof(Sample);
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int s = 0; s < 2; ++s)
      for (int c = 0; c < 3; ++c)
        for (int x = x0; x <= x1; ++x) std::memcpy(to.planes[s][c].column(x), from.planes[s][c].column(x), bytes);
  });
}

void SaveResultToBackup() { CopyPicture(Layer(ResultLayer), BackupLayer); }
void RestoreResultFromBackup() { CopyPicture(BackupLayer, Layer(ResultLayer)); }
void CopyCurrentToResult() { CopyPicture(Layer(CurrentLayer), Layer(ResultLayer)); }
void CopyResultToCurrent() { CopyPicture(Layer(ResultLayer), Layer(CurrentLayer)); }

namespace {
// Asks the system to back the store with huge pages where it can: a run
// then takes one page fault per 2 MB it first writes instead of one per
// 4 KB, which is a good share of a large picture's time. Only advice: the
// contents and every picture are the same either way.
void AdviseHugePages(void* p, size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  madvise(p, bytes, MADV_HUGEPAGE);
#else
  (void)p, (void)bytes;
#endif
}
}  // namespace

void ClearImageStore() {
  static const bool advised = [] {
    AdviseHugePages(Layers, sizeof(Layers));
    AdviseHugePages(&BackupLayer, sizeof(BackupLayer));
    AdviseHugePages(Buffers, sizeof(Buffers));
    AdviseHugePages(&FloatMatrix, sizeof(FloatMatrix));
    AdviseHugePages(FloatPlanes, sizeof(FloatPlanes));
    AdviseHugePages(&BlendMask, sizeof(BlendMask));
    return true;
  }();
  (void)advised;
  ZeroPages(Layers, sizeof(Layers));
  ZeroPages(&BackupLayer, sizeof(BackupLayer));
  ZeroPages(Buffers, sizeof(Buffers));
  ZeroPages(&FloatMatrix, sizeof(FloatMatrix));
  ZeroPages(FloatPlanes, sizeof(FloatPlanes));
  ZeroPages(&BlendMask, sizeof(BlendMask));
  std::memset(LineBuffer, 0, sizeof(LineBuffer));
}

}  // namespace quillon
