#include "engine/Parallel.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace quillon {

namespace {

int RequestedThreads = 0;

// The most threads a pass uses, whatever was requested.
constexpr int MaxThreads = 64;

// Set on the pool's threads and on a thread while it runs a pass: a pass
// started from inside another one runs on the thread that starts it.
thread_local bool InsidePass = false;

// Threads started once and kept: a pass wakes as many as it needs, hands
// each its range of columns and waits until all are done, so a small picture
// does not pay for starting threads.
class ThreadPool {
 public:
  ~ThreadPool() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : threads_) t.join();
  }

  // Runs body over ranges[0..n-1], range 0 on the calling thread. Returns
  // false, having run nothing, when another thread's pass holds the pool.
  bool Run(const std::function<void(int, int)>& body, const std::vector<std::pair<int, int>>& ranges) {
    std::unique_lock<std::mutex> busy(run_, std::try_to_lock);
    if (!busy.owns_lock()) return false;
    const int helpers = static_cast<int>(ranges.size()) - 1;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      while (static_cast<int>(threads_.size()) < helpers) {
        const int index = static_cast<int>(threads_.size());
        threads_.emplace_back([this, index] { Work(index); });
      }
      body_ = &body;
      ranges_ = &ranges;
      pending_ = helpers;
      error_ = nullptr;
      ++generation_;
    }
    wake_.notify_all();
    std::exception_ptr mine;
    try {
      InsidePass = true;
      body(ranges[0].first, ranges[0].second);
    } catch (...) {
      mine = std::current_exception();
    }
    InsidePass = false;
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [this] { return pending_ == 0; });
    body_ = nullptr;
    ranges_ = nullptr;  // a thread waking late finds no pass
    if (mine) std::rethrow_exception(mine);
    if (error_) std::rethrow_exception(error_);
    return true;
  }

 private:
  // Thread index runs range index + 1 of every pass that has one for it.
  void Work(int index) {
    InsidePass = true;
    uint64_t seen = 0;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stop_ || generation_ != seen; });
      if (stop_) return;
      seen = generation_;
      if (ranges_ == nullptr || index + 1 >= static_cast<int>(ranges_->size())) continue;
      const std::function<void(int, int)>& body = *body_;
      const std::pair<int, int> range = (*ranges_)[index + 1];
      lock.unlock();
      std::exception_ptr error;
      try {
        body(range.first, range.second);
      } catch (...) {
        error = std::current_exception();
      }
      lock.lock();
      if (error && !error_) error_ = error;
      if (--pending_ == 0) done_.notify_one();
    }
  }

  std::mutex run_;    // held by the pass using the pool
  std::mutex mutex_;  // guards everything below
  std::condition_variable wake_, done_;
  std::vector<std::thread> threads_;
  const std::function<void(int, int)>* body_ = nullptr;
  const std::vector<std::pair<int, int>>* ranges_ = nullptr;
  uint64_t generation_ = 0;
  int pending_ = 0;
  bool stop_ = false;
  std::exception_ptr error_;
};

ThreadPool& Pool() {
  static ThreadPool pool;
  return pool;
}

}  // namespace

void SpinPause(int& Spins) {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
  if (++Spins % 64 == 0) std::this_thread::yield();
}

void SetThreadCount(int count) { RequestedThreads = count < 0 ? 0 : count; }

int ThreadCount() {
  if (RequestedThreads > 0) return std::min(RequestedThreads, MaxThreads);
  // Asked once: the system answers by reading a file, which would cost every
  // pass a good part of a small picture's time.
  static const int hardware = [] {
    const unsigned hw = std::thread::hardware_concurrency();
    return hw == 0 ? 1 : static_cast<int>(std::min(hw, 16u));
  }();
  return hardware;
}

namespace {

// Runs body over [begin, end] split into one contiguous range per thread,
// each thread getting at least PerThread items.
void RunSplit(int begin, int end, int PerThread, const std::function<void(int, int)>& body) {
  int count = end - begin + 1;
  if (count <= 0) return;
  int threads = std::min(ThreadCount(), count / PerThread);
  if (threads <= 1 || InsidePass) {
    body(begin, end);
    return;
  }
  std::vector<std::pair<int, int>> ranges;
  ranges.reserve(threads);
  int chunk = count / threads, extra = count % threads, first = begin;
  for (int t = 0; t < threads; ++t) {
    int last = first + chunk - 1 + (t < extra ? 1 : 0);
    ranges.emplace_back(first, last);
    first = last + 1;
  }
  if (!Pool().Run(body, ranges)) body(begin, end);
}

}  // namespace

void ParallelColumns(int begin, int end, const std::function<void(int, int)>& body) { RunSplit(begin, end, 32, body); }

void ParallelItems(int begin, int end, const std::function<void(int, int)>& body) { RunSplit(begin, end, 1, body); }

}  // namespace quillon
