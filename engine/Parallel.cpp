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

}  // namespace

// A pass: its body, its ranges, which of them a thread has taken, how many
// have ended, and the first error raised in one.
struct PoolPass {
  const std::function<void(int, int)>* body = nullptr;
  std::vector<std::pair<int, int>> ranges;
  std::vector<bool> taken;
  int left = 0, finished = 0;  // ranges not taken yet, and ended
  bool background = false;     // whether its caller goes on with other work
  bool started = false;        // whether the pool hands its ranges out
  std::exception_ptr error;
};

namespace {

// Threads started once and kept: a pass wakes them, and its ranges go to
// whichever thread asks first, the thread that waits for the pass among
// them, so a pass never waits for a thread the system has not run yet: the
// waiting thread does the ranges nobody took. Passes started while others
// still have ranges to hand out queue behind them. A small picture does not
// pay for starting threads.
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

  // Hands the ranges of P out to the pool's threads. Returns false, having
  // handed nothing out, when the threads cannot be started.
  bool Start(PoolPass& P) {
    const int helpers = static_cast<int>(P.ranges.size()) - 1;
    std::unique_lock<std::mutex> lock(mutex_);
    while (static_cast<int>(threads_.size()) < helpers) {
      const int index = static_cast<int>(threads_.size());
      try {
        threads_.emplace_back([this, index] { Work(index + 1); });
      } catch (const std::system_error&) {
        // The system starts no more threads (a limit on memory or on
        // processes): the pass runs on the waiting thread alone, as one
        // range, since the ranges of a pass may count on running at the
        // same time.
        return false;
      }
    }
    P.taken.assign(P.ranges.size(), false);
    P.left = static_cast<int>(P.ranges.size());
    P.started = true;
    open_.push_back(&P);
    // As many threads as there are ranges for beside the caller's: each
    // woken thread costs a call to the system and the waking of a CPU.
    const int wake = std::min(P.background ? helpers + 1 : helpers, static_cast<int>(threads_.size()));
    lock.unlock();
    if (wake == static_cast<int>(threads_.size()))
      wake_.notify_all();
    else
      for (int k = 0; k < wake; ++k) wake_.notify_one();
    return true;
  }

  // Runs the ranges of P no thread has taken on the calling thread, or
  // drops them when Run is false, and waits until the others have ended.
  void Finish(PoolPass& P, bool Run) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (Run) {
      InsidePass = true;
      while (P.left > 0) RunNext(lock, P, 0);
      InsidePass = false;
    } else if (P.left > 0) {
      P.finished += P.left;
      Taken(P, P.left);
    }
    done_.wait(lock, [&] { return P.finished == static_cast<int>(P.ranges.size()); });
  }

 private:
  // Each thread of the pool runs ranges of every pass it wakes in time for,
  // range Own first if nobody has taken it.
  void Work(int Own) {
    InsidePass = true;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stop_ || !open_.empty(); });
      if (stop_) return;
      RunNext(lock, *open_.front(), Own);
    }
  }

  // Notes N more ranges of P taken; once all are, P leaves the queue.
  void Taken(PoolPass& P, int N) {
    P.left -= N;
    if (P.left == 0) open_.erase(std::find(open_.begin(), open_.end(), &P));
  }

  // Takes range Own of the pass, or the first one nobody has taken (so a
  // thread meets the same columns pass after pass, in the same cache, while
  // all run in time), and runs it with the lock released.
  void RunNext(std::unique_lock<std::mutex>& lock, PoolPass& P, int Own) {
    int k = Own < static_cast<int>(P.taken.size()) && !P.taken[Own] ? Own : 0;
    while (P.taken[k]) ++k;
    P.taken[k] = true;
    Taken(P, 1);
    const std::pair<int, int> range = P.ranges[k];
    lock.unlock();
    std::exception_ptr error;
    try {
      (*P.body)(range.first, range.second);
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    if (error && !P.error) P.error = error;
    if (++P.finished == static_cast<int>(P.ranges.size())) done_.notify_all();
  }

  std::mutex mutex_;  // guards everything below and the passes' counts
  std::condition_variable wake_, done_;
  std::vector<std::thread> threads_;
  std::vector<PoolPass*> open_;  // passes with ranges to hand out, oldest first
  bool stop_ = false;
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

// [begin, end] split into one contiguous range per thread, at most
// MaxRanges, each thread getting at least PerThread items; one range where
// the split would leave one, or inside a pass.
std::vector<std::pair<int, int>> Split(int begin, int end, int PerThread, int MaxRanges = MaxThreads) {
  const int count = end - begin + 1;
  if (count <= 0) return {};
  const int threads = std::min({ThreadCount(), count / PerThread, MaxRanges});
  if (threads <= 1 || InsidePass) return {{begin, end}};
  std::vector<std::pair<int, int>> ranges;
  ranges.reserve(threads);
  int chunk = count / threads, extra = count % threads, first = begin;
  for (int t = 0; t < threads; ++t) {
    int last = first + chunk - 1 + (t < extra ? 1 : 0);
    ranges.emplace_back(first, last);
    first = last + 1;
  }
  return ranges;
}

// Starts P's ranges on the pool when there is more than one and the pool
// takes them.
void StartOnPool(PoolPass& P) {
  if (P.ranges.size() > 1) Pool().Start(P);
}

// Runs the ranges of P: those the pool did not take on the calling thread,
// and all of them as one range when the pool took none.
void FinishPass(PoolPass& P) {
  if (P.started) {
    Pool().Finish(P, true);
    if (P.error) std::rethrow_exception(P.error);
  } else if (!P.ranges.empty()) {
    (*P.body)(P.ranges.front().first, P.ranges.back().second);
  }
}

void RunSplit(int begin, int end, int PerThread, const std::function<void(int, int)>& body) {
  PoolPass pass;
  pass.body = &body;
  pass.ranges = Split(begin, end, PerThread);
  StartOnPool(pass);
  FinishPass(pass);
}

}  // namespace

void ParallelColumns(int begin, int end, const std::function<void(int, int)>& body) { RunSplit(begin, end, 32, body); }

void ParallelItems(int begin, int end, const std::function<void(int, int)>& body) { RunSplit(begin, end, 1, body); }

BackgroundPass::BackgroundPass() = default;

BackgroundPass::~BackgroundPass() { Drop(); }

void BackgroundPass::Drop() {
  if (pass_ && pass_->started) Pool().Finish(*pass_, false);
  pass_.reset();
}

void BackgroundPass::Start(int begin, int end, int Ranges, std::function<void(int, int)> body) {
  Wait();
  body_ = std::move(body);
  pass_ = std::make_unique<PoolPass>();
  pass_->body = &body_;
  pass_->background = true;
  pass_->ranges = Split(begin, end, 1, Ranges > 0 ? Ranges : MaxThreads);
  StartOnPool(*pass_);
}

void BackgroundPass::Wait() {
  if (!pass_) return;
  const std::unique_ptr<PoolPass> pass = std::move(pass_);
  FinishPass(*pass);
}

}  // namespace quillon
