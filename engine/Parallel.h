// Splitting whole-picture passes over threads. Every pass hands each thread
// a disjoint range of columns and computes each pixel from the same inputs as
// the serial pass would, so the pictures are identical at every thread count.
#pragma once

#include <functional>

namespace quillon {

// Threads used by whole-picture passes; 0 = one per hardware thread.
void SetThreadCount(int count);
int ThreadCount();

// Runs body(first, last) over [begin, end] split into contiguous ranges, one
// per thread. Small ranges run on the calling thread.
void ParallelColumns(int begin, int end, const std::function<void(int, int)>& body);

}  // namespace quillon
