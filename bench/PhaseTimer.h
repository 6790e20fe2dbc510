// Times the phases of a composite texture from its status marks: each phase
// runs from the painting of its mark (" [phase k]") to the next mark, the
// last one until Close is called after the run.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "shell/Synthe.h"

namespace quillon::bench {

class PhaseTimer {
 public:
  using Clock = std::chrono::steady_clock;

  PhaseTimer() {
    F_Synthe->StatusBar1.OnPaint = [this](const PaintedText& t) {
      const auto at = t.Text.rfind(" [phase ");
      if (t.Panel != 1 || at == std::string::npos) return;
      Close();
      phase_ = std::stoi(t.Text.substr(at + 8));
      since_ = Clock::now();
    };
  }
  ~PhaseTimer() { F_Synthe->StatusBar1.OnPaint = nullptr; }
  PhaseTimer(const PhaseTimer&) = delete;
  PhaseTimer& operator=(const PhaseTimer&) = delete;

  // Ends the phase being timed.
  void Close() {
    if (phase_ == 0) return;
    if (seconds_.size() <= static_cast<size_t>(phase_)) seconds_.resize(phase_ + 1, 0.0);
    seconds_[phase_] += std::chrono::duration<double>(Clock::now() - since_).count();
    phase_ = 0;
  }
  // Seconds spent in phase Phase over all runs so far.
  double Seconds(int Phase) const { return Phase < static_cast<int>(seconds_.size()) ? seconds_[Phase] : 0.0; }
  // The highest phase number timed.
  int Phases() const { return static_cast<int>(seconds_.size()) - 1; }

 private:
  int phase_ = 0;
  Clock::time_point since_;
  std::vector<double> seconds_;
};

}  // namespace quillon::bench
