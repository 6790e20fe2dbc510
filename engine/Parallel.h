// Splitting whole-picture passes over threads. Every pass hands each thread
// a disjoint range of columns and computes each pixel from the same inputs as
// the serial pass would, so the pictures are identical at every thread count.
#pragma once

#include <functional>
#include <memory>
#include <string>

// Marks a per-column loop to be compiled twice, for the baseline processor
// and for one with 256-bit integer vectors, the choice made once at start-up.
// Both compute the same values: the loops use integer and correctly rounded
// float operations only, which give the same result at any vector width.
// The sanitizers' builds have one version: the choice runs before their
// run-time is set up.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(__SANITIZE_THREAD__)
#define QUILLON_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define QUILLON_VECTOR_CLONES
#endif

namespace quillon {

// Threads used by whole-picture passes; 0 = one per CPU this process may
// use (at most 16), and never more than 64. With one, no thread is started.
void SetThreadCount(int count);
int ThreadCount();

// The CPUs this process may run on: those of its affinity mask, no more
// than its control group's CPU quota allows. Asked anew on every call.
int AvailableCpus();
// A CPU quota as cgroup v2's cpu.max writes it ("quota period", or "max"
// for none), rounded up to whole CPUs; 0 for none or for text it cannot read.
int CpusOfQuota(const std::string& Text);

// Runs body(first, last) over [begin, end] split into contiguous ranges, one
// per thread; the threads are started once and kept for the next pass, and
// the calling thread runs the ranges they have not taken. Passes started
// on several threads at once share the threads. Small ranges, a pass
// started inside another and a pass whose threads the system refuses to
// start run on the calling thread. An error raised in any range is raised
// again by the call once every range has ended.
void ParallelColumns(int begin, int end, const std::function<void(int, int)>& body);

// The same for a few large items of work (pages of memory, say): the range
// is split down to one item per thread.
void ParallelItems(int begin, int end, const std::function<void(int, int)>& body);

struct PoolPass;

// A pass of ParallelItems that runs while its caller goes on with other
// work: Start hands its ranges to the pool's threads and returns, Wait runs
// the ranges no thread has taken yet on the calling thread, waits for the
// rest and raises an error any range raised. A pass not waited for is
// dropped: the ranges not yet begun never run. Where ParallelItems would
// run on the calling thread (one CPU, say), the whole pass runs in Wait.
class BackgroundPass {
 public:
  BackgroundPass();
  BackgroundPass(const BackgroundPass&) = delete;
  BackgroundPass& operator=(const BackgroundPass&) = delete;
  ~BackgroundPass();

  // Waits for the pass started before, if any, then starts this one, in at
  // most Ranges ranges (0: as many as ParallelItems makes), waking as many
  // threads: a pass that has time enough need not take every CPU.
  void Start(int begin, int end, int Ranges, std::function<void(int, int)> body);
  // Returns at once when no pass was started since the last Wait.
  void Wait();
  // Drops the pass started, if any, as the destructor does.
  void Drop();

 private:
  std::function<void(int, int)> body_;
  std::unique_ptr<PoolPass> pass_;
};

}  // namespace quillon
