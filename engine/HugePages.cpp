#include "engine/HugePages.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quillon {

void AdviseHugePages(void* p, size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  madvise(p, bytes, MADV_HUGEPAGE);
#else
  (void)p, (void)bytes;
#endif
}

}  // namespace quillon
