#include "engine/Random.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace quillon {

int32_t RandomSeed = 0;
int32_t BlendRandomSeed = 0;

namespace detail {
int32_t RandomTable[RandomTableSize + 1];
}

void InitRandom(int32_t& State) {
  for (int i = 1; i <= RandomTableSize; ++i) detail::RandomTable[i] = detail::StepBits(State);
}

// Makes draws from made_ up to at least draw k, a block at a time, in runs
// that do not wrap around the ring. The generator's states come first, four
// chains of steps four apart (four steps make again a step of the same form),
// so four multiplies overlap; then the shuffle table takes them in order.
void DrawWindow::Make(int64_t k) {
  int64_t end = made_ + Block > k + 1 ? made_ + Block : k + 1;
  if (end > taken_ + Reach) end = taken_ + Reach;
  constexpr detail::StepMap Four = detail::Steps(4);
  while (made_ < end) {
    const int first = static_cast<int>(made_ & Mask);
    const int n = static_cast<int>(std::min<int64_t>(end - made_, Window - first));
    int32_t* raw = raw_ + first;
    int32_t* out = out_ + first;
    uint8_t* slot = slot_ + first;
    uint64_t s = static_cast<uint32_t>(state_);
    for (int i = 0; i < n && i < 4; ++i) raw[i] = static_cast<int32_t>(s = detail::OneStep(s));
    for (int i = 4; i < n; ++i) raw[i] = static_cast<int32_t>(Four(static_cast<uint64_t>(raw[i - 4])));
    for (int i = 0; i < n; ++i) slot[i] = static_cast<uint8_t>(detail::SlotOf(raw[i]));
    for (int i = 0; i < n; ++i) {
      out[i] = detail::RandomTable[slot[i]];
      detail::RandomTable[slot[i]] = raw[i];
    }
    made_ += n;
    state_ = raw[n - 1];
  }
}

// Puts back, last first, the values the draws made ahead took out of the
// table, and the state of the last draw taken.
void DrawWindow::Release() {
  for (int64_t i = made_ - 1; i >= taken_; --i) detail::RandomTable[slot_[i & Mask]] = out_[i & Mask];
  if (made_ > taken_) state_ = taken_ > 0 ? raw_[(taken_ - 1) & Mask] : start_;
  made_ = taken_;
}

double RandomTableSlot(int I) {
  return (I >= 1 && I <= RandomTableSize) ? detail::RandomTable[I] * DrawScale : 0.0;
}

int32_t MillisecondsSinceMidnight() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  return static_cast<int32_t>(((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + ms);
}

}  // namespace quillon
