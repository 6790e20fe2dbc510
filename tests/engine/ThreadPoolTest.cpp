// The kept threads of the column passes: every column once at every thread
// count, passes one after another on the same threads, a pass inside a pass,
// passes from two threads at once, and an error raised in any range; passes
// in the background, waited for or dropped; the pool's size from the CPUs
// the process may use.
#include <sched.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include "EngineTest.h"

namespace quillon::test {
namespace {

using ThreadPoolTest = EngineTest;

// How often each column of 1..n was visited by one pass at the given threads.
std::vector<int> Visits(int n, int threads) {
  SetThreadCount(threads);
  std::vector<std::atomic<int>> seen(n + 1);
  ParallelColumns(1, n, [&](int a, int b) {
    for (int x = a; x <= b; ++x) seen[x].fetch_add(1);
  });
  std::vector<int> out;
  for (int x = 1; x <= n; ++x) out.push_back(seen[x].load());
  return out;
}

TEST_F(ThreadPoolTest, EveryColumnOnceAtEveryThreadCountPassAfterPass) {
  const struct {
    int Columns, Threads;
  } cases[] = {{1, 8}, {31, 8}, {64, 2}, {65, 3}, {1024, 8}, {1024, 1}, {1000, 7}, {1024, 64}, {1024, 500}, {700, 5}};
  for (int round = 0; round < 3; ++round)
    for (const auto& c : cases)
      EXPECT_EQ(Visits(c.Columns, c.Threads), std::vector<int>(c.Columns, 1))
          << c.Columns << " columns, " << c.Threads << " threads";
}

// A few large items: each once, split down to one item per thread.
TEST_F(ThreadPoolTest, ItemsSplitDownToOnePerThread) {
  const struct {
    int Items, Threads, Ranges;
  } cases[] = {{1, 8, 1}, {3, 8, 3}, {8, 8, 8}, {13, 4, 4}, {5, 1, 1}};
  for (const auto& c : cases) {
    SetThreadCount(c.Threads);
    std::vector<std::atomic<int>> seen(c.Items);
    std::atomic<int> ranges{0};
    ParallelItems(0, c.Items - 1, [&](int a, int b) {
      ranges.fetch_add(1);
      for (int k = a; k <= b; ++k) seen[k].fetch_add(1);
    });
    for (int k = 0; k < c.Items; ++k) EXPECT_EQ(seen[k].load(), 1) << c.Items << " items, item " << k;
    EXPECT_EQ(ranges.load(), c.Ranges) << c.Items << " items on " << c.Threads << " threads";
  }
}

TEST_F(ThreadPoolTest, APassInsideAPassRunsOnItsOwnThread) {
  SetThreadCount(4);
  std::atomic<int> inner{0}, split{0};
  ParallelColumns(1, 256, [&](int, int) {
    ParallelColumns(1, 256, [&](int a, int b) {
      inner.fetch_add(b - a + 1);
      split.fetch_add(1);
    });
  });
  EXPECT_EQ(inner.load(), 4 * 256);
  EXPECT_EQ(split.load(), 4) << "each inner pass is one range";
}

TEST_F(ThreadPoolTest, PassesFromTwoThreadsAtOnceBothCoverTheirColumns) {
  SetThreadCount(4);
  std::atomic<long> total{0};
  auto many = [&] {
    for (int k = 0; k < 200; ++k)
      ParallelColumns(1, 512, [&](int a, int b) { total.fetch_add(b - a + 1); });
  };
  std::thread other(many);
  many();
  other.join();
  EXPECT_EQ(total.load(), 2L * 200 * 512);
}

TEST_F(ThreadPoolTest, AnErrorInAnyRangeIsRaisedByThePassAndThePoolGoesOn) {
  SetThreadCount(4);
  for (int failing : {1, 300, 1024}) {
    std::atomic<int> done{0};
    EXPECT_THROW(ParallelColumns(1, 1024,
                                 [&](int a, int b) {
                                   if (failing >= a && failing <= b) throw std::runtime_error("range failed");
                                   done.fetch_add(1);
                                 }),
                 std::runtime_error)
        << "column " << failing;
    EXPECT_EQ(done.load(), 3) << "the other ranges ran to the end";
  }
  EXPECT_EQ(Visits(1024, 4), std::vector<int>(1024, 1));
}

// A pass in the background runs each item once by its Wait, split as asked,
// also while its caller runs passes of its own meanwhile, which queue behind
// it.
TEST_F(ThreadPoolTest, ABackgroundPassRunsEveryItemOnceByItsWait) {
  for (int threads : {1, 3, 8}) {
    SetThreadCount(threads);
    for (int ranges : {0, 2}) {
      std::vector<std::atomic<int>> seen(100);
      std::atomic<int> split{0};
      BackgroundPass pass;
      pass.Start(0, 99, ranges, [&](int a, int b) {
        split.fetch_add(1);
        for (int k = a; k <= b; ++k) seen[k].fetch_add(1);
      });
      EXPECT_EQ(Visits(512, threads), std::vector<int>(512, 1)) << threads << " threads";
      pass.Wait();
      for (int k = 0; k < 100; ++k) ASSERT_EQ(seen[k].load(), 1) << threads << " threads, item " << k;
      EXPECT_EQ(split.load(), std::min(threads, ranges > 0 ? ranges : threads)) << threads << " threads";
    }
  }
}

// A pass not waited for runs no range after it is dropped; with one thread
// it runs none at all.
TEST_F(ThreadPoolTest, ADroppedBackgroundPassRunsNoMoreRanges) {
  for (int threads : {1, 4}) {
    SetThreadCount(threads);
    std::atomic<int> ran{0};
    {
      BackgroundPass pass;
      pass.Start(0, 63, 0, [&](int, int) { ran.fetch_add(1); });
    }
    const int dropped = ran.load();
    EXPECT_EQ(Visits(256, threads), std::vector<int>(256, 1));
    EXPECT_EQ(ran.load(), dropped) << threads << " threads";
    if (threads == 1) {
      EXPECT_EQ(dropped, 0);
    }
  }
}

TEST_F(ThreadPoolTest, AnErrorInABackgroundPassIsRaisedByItsWait) {
  for (int threads : {1, 4}) {
    SetThreadCount(threads);
    BackgroundPass pass;
    pass.Start(0, 7, 0, [&](int a, int b) {
      if (a <= 5 && 5 <= b) throw std::runtime_error("item failed");
    });
    EXPECT_THROW(pass.Wait(), std::runtime_error) << threads << " threads";
    pass.Wait();  // nothing left to wait for
    EXPECT_EQ(Visits(256, threads), std::vector<int>(256, 1));
  }
}

// The first N CPUs of Mask.
cpu_set_t FirstCpus(const cpu_set_t& Mask, int N) {
  cpu_set_t out;
  CPU_ZERO(&out);
  for (int cpu = 0; cpu < CPU_SETSIZE && CPU_COUNT(&out) < N; ++cpu)
    if (CPU_ISSET(cpu, &Mask)) CPU_SET(cpu, &out);
  return out;
}

TEST_F(ThreadPoolTest, CountsTheCpusOfANarrowedAffinityMask) {
  cpu_set_t all;
  ASSERT_EQ(sched_getaffinity(0, sizeof(all), &all), 0);
  const int full = AvailableCpus();
  EXPECT_LE(full, CPU_COUNT(&all));
  for (int n : {1, 2, 3}) {
    if (n > CPU_COUNT(&all)) break;
    const cpu_set_t some = FirstCpus(all, n);
    ASSERT_EQ(sched_setaffinity(0, sizeof(some), &some), 0);
    EXPECT_EQ(AvailableCpus(), std::min(n, full)) << n << " CPUs";
  }
  ASSERT_EQ(sched_setaffinity(0, sizeof(all), &all), 0);
  EXPECT_EQ(AvailableCpus(), full);
}

TEST_F(ThreadPoolTest, ReadsACpuQuotaAsWholeCpus) {
  const struct {
    const char* Text;
    int Cpus;
  } cases[] = {{"max 100000\n", 0},     {"200000 100000\n", 2}, {"150000 100000", 2}, {"50000 100000\n", 1},
               {"-1 100000\n", 0},      {"100000 0", 0},         {"", 0},             {"12x 100000", 0},
               {"100000000 1000", 64}};
  for (const auto& c : cases) EXPECT_EQ(CpusOfQuota(c.Text), c.Cpus) << "\"" << c.Text << "\"";
}

TEST_F(ThreadPoolTest, OneThreadRunsThePassOnTheCallingThread) {
  SetThreadCount(1);
  const std::thread::id caller = std::this_thread::get_id();
  int ranges = 0;
  ParallelColumns(1, 4096, [&](int a, int b) {
    ++ranges;
    EXPECT_EQ(std::this_thread::get_id(), caller);
    EXPECT_EQ(b - a + 1, 4096);
  });
  EXPECT_EQ(ranges, 1);
}

}  // namespace
}  // namespace quillon::test
