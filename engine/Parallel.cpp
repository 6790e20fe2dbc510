#include "engine/Parallel.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace quillon {

namespace {
int RequestedThreads = 0;
}

void SetThreadCount(int count) { RequestedThreads = count < 0 ? 0 : count; }

int ThreadCount() {
  if (RequestedThreads > 0) return RequestedThreads;
  unsigned hw = std::thread::hardware_concurrency();
  return hw == 0 ? 1 : static_cast<int>(std::min(hw, 16u));
}

void ParallelColumns(int begin, int end, const std::function<void(int, int)>& body) {
  int count = end - begin + 1;
  if (count <= 0) return;
  int threads = std::min(ThreadCount(), count / 32);
  if (threads <= 1) {
    body(begin, end);
    return;
  }
  std::vector<std::thread> workers;
  workers.reserve(threads - 1);
  int chunk = count / threads, extra = count % threads, first = begin;
  int mine_first = 0, mine_last = -1;
  for (int t = 0; t < threads; ++t) {
    int last = first + chunk - 1 + (t < extra ? 1 : 0);
    if (t == 0) {
      mine_first = first;
      mine_last = last;
    } else {
      workers.emplace_back(body, first, last);
    }
    first = last + 1;
  }
  body(mine_first, mine_last);
  for (auto& w : workers) w.join();
}

}  // namespace quillon
