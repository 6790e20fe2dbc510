#include "engine/Parallel.h"

#include <sched.h>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace quillon {

namespace {

int RequestedThreads = 0;

// The most threads a pass uses, whatever was requested, and the most it
// uses unasked.
constexpr int MaxThreads = 64, DefaultMaxThreads = 16;

// Set on the pool's threads and on a thread while it runs a pass: a pass
// started from inside another one runs on the thread that starts it.
thread_local bool InsidePass = false;

// Threads started once and kept: a pass wakes them, and the ranges of
// columns go to whichever thread asks first, the calling thread among them,
// so a pass never waits for a thread the system has not run yet: the
// caller does the ranges nobody took. A small picture does not pay for
// starting threads.
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

  // Runs body over ranges[0..n-1]. Returns false, having run nothing, when
  // another thread's pass holds the pool or its threads cannot be started.
  bool Run(const std::function<void(int, int)>& body, const std::vector<std::pair<int, int>>& ranges) {
    std::unique_lock<std::mutex> busy(run_, std::try_to_lock);
    if (!busy.owns_lock()) return false;
    const int helpers = static_cast<int>(ranges.size()) - 1;
    std::unique_lock<std::mutex> lock(mutex_);
    while (static_cast<int>(threads_.size()) < helpers) {
      const int index = static_cast<int>(threads_.size());
      try {
        threads_.emplace_back([this, index] { Work(index + 1); });
      } catch (const std::system_error&) {
        // The system starts no more threads (a limit on memory or on
        // processes): the caller runs the pass alone, as one range, since
        // the ranges of a pass may count on running at the same time.
        return false;
      }
    }
    body_ = &body;
    ranges_ = &ranges;
    taken_.assign(ranges.size(), false);
    left_ = static_cast<int>(ranges.size());
    finished_ = 0;
    error_ = nullptr;
    lock.unlock();
    wake_.notify_all();
    lock.lock();
    InsidePass = true;
    while (left_ > 0) RunNext(lock, 0);
    InsidePass = false;
    done_.wait(lock, [&] { return finished_ == static_cast<int>(ranges.size()); });
    body_ = nullptr;
    ranges_ = nullptr;  // a thread waking late finds no pass
    if (error_) std::rethrow_exception(error_);
    return true;
  }

 private:
  // Each thread of the pool runs ranges of every pass it wakes in time for,
  // range Own first if nobody has taken it.
  void Work(int Own) {
    InsidePass = true;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stop_ || left_ > 0; });
      if (stop_) return;
      RunNext(lock, Own);
    }
  }

  // Takes range Own of the pass, or the first one nobody has taken (so a
  // thread meets the same columns pass after pass, in the same cache, while
  // all run in time), and runs it with the lock released.
  void RunNext(std::unique_lock<std::mutex>& lock, int Own) {
    const std::function<void(int, int)>& body = *body_;
    int k = Own < static_cast<int>(taken_.size()) && !taken_[Own] ? Own : 0;
    while (taken_[k]) ++k;
    taken_[k] = true;
    --left_;
    const std::pair<int, int> range = (*ranges_)[k];
    const int count = static_cast<int>(ranges_->size());
    lock.unlock();
    std::exception_ptr error;
    try {
      body(range.first, range.second);
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    if (error && !error_) error_ = error;
    if (++finished_ == count) done_.notify_all();
  }

  std::mutex run_;    // held by the pass using the pool
  std::mutex mutex_;  // guards everything below
  std::condition_variable wake_, done_;
  std::vector<std::thread> threads_;
  const std::function<void(int, int)>* body_ = nullptr;
  const std::vector<std::pair<int, int>>* ranges_ = nullptr;
  std::vector<bool> taken_;       // by range of the pass
  int left_ = 0, finished_ = 0;  // ranges of the pass not taken yet, and ended
  bool stop_ = false;
  std::exception_ptr error_;
};

ThreadPool& Pool() {
  static ThreadPool pool;
  return pool;
}

}  // namespace

int CpusOfQuota(const std::string& Text) {
  long long quota = -1, period = 0;
  std::istringstream in(Text);
  std::string first;
  if (!(in >> first) || first == "max") return 0;
  try {
    size_t used = 0;
    quota = std::stoll(first, &used);
    if (used != first.size()) return 0;
  } catch (const std::exception&) {
    return 0;
  }
  if (!(in >> period) || quota <= 0 || period <= 0) return 0;
  return static_cast<int>(std::min<long long>((quota + period - 1) / period, MaxThreads));
}

namespace {

std::string FileText(const char* Path) {
  std::ifstream in(Path);
  std::ostringstream text;
  text << in.rdbuf();
  return in ? text.str() : std::string();
}

// The CPU quota of the process's control group as whole CPUs, 0 for none:
// cgroup v2's cpu.max, or v1's quota and period.
int CgroupCpus() {
  const std::string v2 = FileText("/sys/fs/cgroup/cpu.max");
  if (!v2.empty()) return CpusOfQuota(v2);
  const std::string quota = FileText("/sys/fs/cgroup/cpu/cpu.cfs_quota_us");
  const std::string period = FileText("/sys/fs/cgroup/cpu/cpu.cfs_period_us");
  return quota.empty() || period.empty() ? 0 : CpusOfQuota(quota + " " + period);
}

}  // namespace

int AvailableCpus() {
  int cpus = 0;
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof(set), &set) == 0) cpus = CPU_COUNT(&set);
  if (cpus <= 0) cpus = static_cast<int>(std::thread::hardware_concurrency());
  const int quota = CgroupCpus();
  if (quota > 0) cpus = std::min(cpus, quota);
  return std::max(cpus, 1);
}

void SetThreadCount(int count) { RequestedThreads = count < 0 ? 0 : count; }

int ThreadCount() {
  if (RequestedThreads > 0) return std::min(RequestedThreads, MaxThreads);
  // Asked once: the system answers by reading files, which would cost every
  // pass a good part of a small picture's time.
  static const int available = std::min(AvailableCpus(), DefaultMaxThreads);
  return available;
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
