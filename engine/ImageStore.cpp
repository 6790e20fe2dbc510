#include "engine/ImageStore.h"

#include <algorithm>
#include <cstdlib>
#include <cerrno>
#include <cstdint>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

#include "engine/HugePages.h"
#include "engine/Parallel.h"

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace quillon {

int32_t ImageWidth = 256;
int32_t ImageHeight = 256;

// Every plane starts on a huge page of the system's (see AdviseHugePages) and
// fills whole ones, so no page holds parts of two planes, and the clear below
// can hand pages back instead of writing them.
constexpr size_t StorePage = 4096;
static_assert(sizeof(Plane) % HugePage == 0 && sizeof(FloatPlane) % HugePage == 0);
static_assert(sizeof(StorePlanes) % HugePage == 0);

std::atomic<StorePlanes*> MappedStore{nullptr};
int32_t LineBuffer[MaxImageSide];

namespace {
std::mutex MapMutex;

// Zero-filled memory of Bytes starting at a multiple of Alignment (a power
// of two, a page at least); null when the system refuses it. On Linux the
// pages are the system's own zero-filled ones, mapped when first touched, so
// a small picture costs only the pages it writes.
void* MapZeroed(size_t bytes, size_t alignment) {
  const size_t whole = (bytes + alignment - 1) / alignment * alignment;
#if defined(__linux__)
  const size_t span = whole + alignment - StorePage;
  void* const p = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return nullptr;
  const uintptr_t at = reinterpret_cast<uintptr_t>(p);
  const uintptr_t start = (at + alignment - 1) / alignment * alignment;
  if (start > at) munmap(p, start - at);
  if (at + span > start + whole) munmap(reinterpret_cast<void*>(start + whole), at + span - (start + whole));
  return reinterpret_cast<void*>(start);
#else
  void* const p = std::aligned_alloc(alignment, whole);
  if (p) std::memset(p, 0, whole);
  return p;
#endif
}

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

StorePlanes& MapImageStore() {
  std::lock_guard<std::mutex> lock(MapMutex);
  if (StorePlanes* const s = MappedStore.load(std::memory_order_acquire)) return *s;
  void* const block = MapZeroed(sizeof(StorePlanes), HugePage);
  if (!block) throw std::bad_alloc();
  AdviseHugePages(block, sizeof(StorePlanes));
  // Zero-filled memory holds the store as at start-up: every plane is an
  // array of integers or floats, all zero.
  StorePlanes* const s = static_cast<StorePlanes*>(block);
  MappedStore.store(s, std::memory_order_release);
  return *s;
}

namespace {

// The bytes at the start of each plane or table made ready: those of the
// store's planes since the last clear, the tables' for good.
struct ReadyPart {
  const void* Plane;
  size_t Bytes;
};
std::mutex ReadyMutex;  // guards the three below
std::vector<ReadyPart> ReadyParts;
std::vector<std::pair<uintptr_t, size_t>> TableSpans;  // the tables' memory
bool CanPopulate = true;

}  // namespace

void* TableMemory(size_t Bytes) {
  // Page-aligned, as a static table was: its rows start on the boundaries
  // the vector loops over them expect.
  void* const p = MapZeroed(Bytes, StorePage);
  if (!p) throw std::bad_alloc();
  std::lock_guard<std::mutex> lock(ReadyMutex);
  TableSpans.emplace_back(reinterpret_cast<uintptr_t>(p), Bytes);
  return p;
}

void CopyPicture(const LayerData& from, LayerData& to) {
  if (&from == &to) return;
  PrepareToWrite(to);
  const size_t bytes = static_cast<size_t>(ImageHeight) * sizeof(Sample);
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int s = 0; s < 2; ++s)
      for (int c = 0; c < 3; ++c)
        for (int x = x0; x <= x1; ++x) std::memcpy(to.planes[s][c].column(x), from.planes[s][c].column(x), bytes);
  });
}

void SaveResultToBackup() { CopyPicture(Layer(ResultLayer), ImageStore().BackupLayer); }
void RestoreResultFromBackup() { CopyPicture(ImageStore().BackupLayer, Layer(ResultLayer)); }
void CopyCurrentToResult() { CopyPicture(Layer(CurrentLayer), Layer(ResultLayer)); }
void CopyResultToCurrent() { CopyPicture(Layer(ResultLayer), Layer(CurrentLayer)); }

namespace {

// Whether p lies in the store.
bool InStore(const void* p) {
  const uintptr_t at = reinterpret_cast<uintptr_t>(p);
  const uintptr_t start = reinterpret_cast<uintptr_t>(MappedStore.load(std::memory_order_acquire));
  return start != 0 && at >= start && at - start < sizeof(StorePlanes);
}

// Whether p lies in the store or in a table of LargeTable's. Only their
// parts are made ready: other memory, a caller's copy of a picture say, is
// left to its writes.
bool Kept(const void* p) {
  const uintptr_t at = reinterpret_cast<uintptr_t>(p);
  return InStore(p) || std::any_of(TableSpans.begin(), TableSpans.end(), [&](const std::pair<uintptr_t, size_t>& t) {
           return at >= t.first && at - t.first < t.second;
         });
}

// Maps the pages of the first Bytes of each plane of the store or table (at
// most its size) not made ready yet, one huge page to an item of work.
void PrepareParts(const std::vector<ReadyPart>& parts) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
  std::vector<std::pair<char*, size_t>> pages;
  {
    std::lock_guard<std::mutex> lock(ReadyMutex);
    if (!CanPopulate) return;
    for (const ReadyPart& part : parts) {
      if (!Kept(part.Plane)) continue;
      auto known = std::find_if(ReadyParts.begin(), ReadyParts.end(),
                                [&](const ReadyPart& r) { return r.Plane == part.Plane; });
      const size_t from = known == ReadyParts.end() ? 0 : known->Bytes;
      if (part.Bytes <= from) continue;
      if (known == ReadyParts.end())
        ReadyParts.push_back(part);
      else
        known->Bytes = part.Bytes;
      // Whole pages from the first one not yet ready, cut at huge pages.
      char* const base = static_cast<char*>(const_cast<void*>(part.Plane));
      for (size_t at = from / StorePage * StorePage; at < part.Bytes;) {
        const size_t next = std::min((at / HugePage + 1) * HugePage, part.Bytes);
        pages.emplace_back(base + at, next - at);
        at = next;
      }
    }
  }
  if (pages.empty()) return;
  ParallelItems(0, static_cast<int>(pages.size()) - 1, [&](int first, int last) {
    for (int k = first; k <= last; ++k)
      if (madvise(pages[k].first, pages[k].second, MADV_POPULATE_WRITE) != 0 && errno == EINVAL) {
        // A system that does not know the request: the writes fault the
        // pages in themselves, as they always did.
        std::lock_guard<std::mutex> lock(ReadyMutex);
        CanPopulate = false;
        return;
      }
  });
#else
  (void)parts;
#endif
}

// The bytes of the picture's columns of a table laid out column by column.
size_t PictureColumns(size_t ColumnBytes) {
  return static_cast<size_t>(std::clamp(ImageWidth, 0, MaxImageSide)) * ColumnBytes;
}

template <typename P>
void PrepareEach(std::initializer_list<P*> planes) {
  std::vector<ReadyPart> parts;
  for (P* p : planes) parts.push_back({p, PictureColumns(sizeof(p->v[0]))});
  PrepareParts(parts);
}

}  // namespace

void PrepareColumnsToWrite(void* Table, size_t ColumnBytes) { PrepareParts({{Table, PictureColumns(ColumnBytes)}}); }

void PrepareToWrite(std::initializer_list<Plane*> Planes) { PrepareEach(Planes); }
void PrepareToWrite(std::initializer_list<FloatPlane*> Planes) { PrepareEach(Planes); }

void PrepareToWrite(LayerData& Picture, int Space) {
  PrepareToWrite({&Picture.plane(Space, 1), &Picture.plane(Space, 2), &Picture.plane(Space, 3)});
}

void PrepareToWrite(LayerData& Picture) {
  PrepareToWrite({&Picture.planes[0][0], &Picture.planes[0][1], &Picture.planes[0][2], &Picture.planes[1][0],
                  &Picture.planes[1][1], &Picture.planes[1][2]});
}

void ClearImageStore() {
  if (StorePlanes* const s = MappedStore.load(std::memory_order_acquire)) ZeroPages(s, sizeof(StorePlanes));
  std::memset(LineBuffer, 0, sizeof(LineBuffer));
  std::lock_guard<std::mutex> lock(ReadyMutex);
  std::erase_if(ReadyParts, [](const ReadyPart& r) { return InStore(r.Plane); });
}

}  // namespace quillon
