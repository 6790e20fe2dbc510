// Large blocks of memory a pass first writes as a whole: backed by the
// system's huge pages where it gives them, so writing one takes a page fault
// per 2 MB instead of one per 4 KB, which is a good share of a large
// picture's time. Only advice: the contents are the same either way.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

namespace quillon {

inline constexpr size_t HugePage = size_t{2} << 20;

// Asks for huge pages behind [p, p + bytes).
void AdviseHugePages(void* p, size_t bytes);

// Count values of T, uninitialised, on whole huge pages when they fill one
// at least; throws std::bad_alloc when the system refuses them.
template <typename T>
struct HugeFree {
  void operator()(T* p) const { std::free(p); }
};
template <typename T>
using HugeArray = std::unique_ptr<T[], HugeFree<T>>;

template <typename T>
HugeArray<T> MakeHugeArray(size_t Count) {
  const bool huge = sizeof(T) * Count >= HugePage;
  const size_t alignment = huge ? HugePage : 64;
  const size_t bytes = (sizeof(T) * Count + alignment - 1) / alignment * alignment;
  void* const p = std::aligned_alloc(alignment, bytes);
  if (p == nullptr) throw std::bad_alloc();
  if (huge) AdviseHugePages(p, bytes);
  return HugeArray<T>(static_cast<T*>(p));
}

}  // namespace quillon
