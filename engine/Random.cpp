#include "engine/Random.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "engine/Parallel.h"

namespace quillon {

int32_t RandomSeed = 0;
int32_t BlendRandomSeed = 0;

namespace detail {
int32_t RandomTable[RandomTableSize + 1];
}

void InitRandom(int32_t& State) {
  for (int i = 1; i <= RandomTableSize; ++i) detail::RandomTable[i] = detail::StepBits(State);
}


DrawWindow::DrawWindow(int32_t& State, int32_t SpanA, int32_t SpanB)
    : state_(State), start_(State), spanA_(SpanA), spanB_(SpanB), out_(new int32_t[Window]),
      raw_(new int32_t[Window]), slot_(new uint8_t[Window]), place_(new uint32_t[Window]) {}

void DrawWindow::Run(const std::function<void(bool)>& Loop, const std::function<void()>& Beside) {
  if (made_.load(std::memory_order_relaxed) > 0) {
    Loop(false);
    return;
  }
  // Item 0 is the loop, 1 the maker, 2 Beside; a thread given more than one
  // item (the pool hands out the first ones first) runs the loop alone.
  ParallelItems(0, Beside ? 2 : 1, [&](int a, int b) {
    if (a == 1) {
      MakeAhead();
    } else if (a == 2) {
      Beside();
    } else {
      ahead_ = b == 0;  // otherwise the loop makes the draws as it takes them
      struct Done {
        std::atomic<bool>& stop;
        ~Done() { stop.store(true, std::memory_order_release); }
      } done{stop_};
      Loop(Beside && b < 2);
    }
  });
  ahead_ = false;
  stop_.store(false, std::memory_order_relaxed);
  ready_ = made_.load(std::memory_order_relaxed);
}

void DrawWindow::Await(int64_t k) {
  if (!ahead_) {
    // A block at a time, never further ahead than the taker may look.
    const int64_t made = made_.load(std::memory_order_relaxed);
    Make(std::min(std::max(made + Block, k + 1), taken_ + Reach));
    ready_ = made_.load(std::memory_order_relaxed);
    return;
  }
  for (int spins = 0; (ready_ = made_.load(std::memory_order_acquire)) <= k;) SpinPause(spins);
}

// The maker's thread keeps a block ahead while the ring has room: the slots
// of the draws below the taker's published Taken() are free, all but the
// last one's, whose generator state the window goes on from after a
// Release. The taker looks at most Reach draws beyond Taken(), which is at
// most MaxHeld and a Block beyond the one published, so what it waits for
// always fits.
void DrawWindow::MakeAhead() {
  for (int spins = 0; !stop_.load(std::memory_order_acquire);) {
    const int64_t made = made_.load(std::memory_order_relaxed);
    if (made + Block >= low_.load(std::memory_order_acquire) + Window) {
      SpinPause(spins);
      continue;
    }
    Make(made + Block);
  }
}

// Makes the draws in runs that do not wrap around the ring. The generator's
// states come first, sixteen chains of steps sixteen apart (sixteen steps
// make again a step of the same form), so that vectors of them overlap; then
// the shuffle table takes them in order.
void DrawWindow::Make(int64_t End) {
  constexpr int Chains = 16;
  constexpr detail::StepMap Leap = detail::Steps(Chains);
  int64_t made = made_.load(std::memory_order_relaxed);
  while (made < End) {
    const int first = static_cast<int>(made & Mask);
    const int n = static_cast<int>(std::min<int64_t>({End - made, Mask + 1 - first, Block}));
    int32_t* raw = raw_.get() + first;
    int32_t* out = out_.get() + first;
    uint8_t* slot = slot_.get() + first;
    uint32_t* place = place_.get() + first;
    uint64_t s = static_cast<uint32_t>(made > 0 ? raw_[(made - 1) & Mask] : start_);
    for (int i = 0; i < n && i < Chains; ++i) raw[i] = static_cast<int32_t>(s = detail::OneStep(s));
    for (int i = Chains; i < n; ++i) raw[i] = static_cast<int32_t>(Leap(static_cast<uint64_t>(raw[i - Chains])));
    // detail::SlotOf, with the rounding in vectors.
    for (int i = 0; i < n; ++i)
      slot[i] = static_cast<uint8_t>(detail::SlotOfRounded(RoundDrawShort(raw[i], RandomTableSize)));
    // The draws go to the ring in whole vectors: its lines were last read
    // by the taking threads, and a store to one waits for it to come back.
    // Stores of one draw each would fill the queue of stores with a few
    // lines' worth.
    int32_t drawn[Block];
    for (int i = 0; i < n; ++i) {
      drawn[i] = detail::RandomTable[slot[i]];
      detail::RandomTable[slot[i]] = raw[i];
    }
    std::copy(drawn, drawn + n, out);
    for (int i = 0; i < n; ++i)
      place[i] = static_cast<uint32_t>(RoundDrawShort(drawn[i], spanA_)) |
                 static_cast<uint32_t>(RoundDrawShort(drawn[i], spanB_)) << 16;
    made += n;
  }
  made_.store(made, std::memory_order_release);
}

// Puts back, last first, the values the draws made ahead took out of the
// table, and the state of the last draw taken.
void DrawWindow::Release() {
  const int64_t made = made_.load(std::memory_order_relaxed);
  for (int64_t i = made - 1; i >= taken_; --i) detail::RandomTable[slot_[i & Mask]] = out_[i & Mask];
  if (made > 0) state_ = taken_ > 0 ? raw_[(taken_ - 1) & Mask] : start_;
  made_.store(taken_, std::memory_order_relaxed);
  ready_ = taken_;
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
