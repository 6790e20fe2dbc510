// "Red Swimming Pool" rendered by the quillon command, cut into the stretches
// its status texts mark: start-up (up to "Process"), the chain's set-up (up
// to phase 1), each phase (the last one with the hand-over of the picture,
// up to "Create Picture") and the BMP file (up to "Finished"). Each stretch is
// reported as its best time over the runs, in milliseconds, beside the best
// whole command; on a shared machine the best runs are the comparable ones.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "tools/quillon/Cli.h"

using namespace quillon;

namespace {

using Clock = std::chrono::steady_clock;

// An error stream that notes when each line of text ends and which stretch
// that line opens.
class LineClock : public std::streambuf {
 public:
  explicit LineClock(Clock::time_point start) : last_(start) {}
  // Seconds per stretch of this run.
  const std::map<std::string, double>& Stretches() const { return stretches_; }

 protected:
  int overflow(int c) override {
    if (c == '\n') {
      Mark(Name(line_));
      line_.clear();
    } else if (c != traits_type::eof()) {
      line_ += static_cast<char>(c);
    }
    return c;
  }

 private:
  // The stretch a status text opens ("finished" is never closed, so never
  // counted); texts that open none give "".
  static std::string Name(const std::string& text) {
    const size_t at = text.rfind(" [phase ");
    if (at != std::string::npos) return std::string(1, 'p').append(std::to_string(std::stoi(text.substr(at + 8))));
    if (text == "Process") return "setup";
    if (text == "Create Picture") return "bmp";
    if (text == "Finished") return "finished";
    return "";
  }
  // The stretch named by a line is the one that ends when the next such line
  // comes: "setup" ends at "[phase 1]", and so on. The time before "Process"
  // is start-up.
  void Mark(const std::string& opens) {
    if (opens.empty()) return;
    const Clock::time_point now = Clock::now();
    stretches_[open_] += std::chrono::duration<double>(now - last_).count();
    open_ = opens;
    last_ = now;
  }

  std::string line_, open_ = "startup";
  Clock::time_point last_;
  std::map<std::string, double> stretches_;
};

void BM_CommandPhasesRedSwimmingPool(benchmark::State& state) {
  const std::string size = std::to_string(state.range(0)) + "x" + std::to_string(state.range(0));
  const std::string out = "/tmp/quillon-phases-bench.bmp";
  std::map<std::string, double> best;
  double bestTotal = 1e9;
  for (auto _ : state) {
    const auto start = Clock::now();
    LineClock clock(start);
    std::ostream err(&clock);
    std::ostringstream o;
    if (RunQuillon({"render", "--size", size, "-o", out, "Red Swimming Pool"}, o, err) != ExitOk)
      state.SkipWithError("render failed");
    bestTotal = std::min(bestTotal, std::chrono::duration<double>(Clock::now() - start).count());
    for (const auto& [name, seconds] : clock.Stretches())
      best[name] = best.count(name) ? std::min(best[name], seconds) : seconds;
  }
  std::remove(out.c_str());
  for (const auto& [name, seconds] : best) state.counters[name] = seconds * 1e3;
  state.counters["best_ms"] = bestTotal * 1e3;
}
BENCHMARK(BM_CommandPhasesRedSwimmingPool)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
