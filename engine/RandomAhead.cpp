#include "engine/RandomAhead.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/Parallel.h"
#include "engine/Random.h"

namespace quillon {

namespace {

// Steps per item of work: enough to outweigh the jump and the table of each
// stretch, few enough that the last stretch's replay at Commit stays short.
constexpr int64_t StretchSteps = 4096;

}  // namespace

DrawsAhead::DrawsAhead(int32_t& State) : state_(State) {}

void DrawsAhead::Reach(int64_t Count) {
  const int64_t from = Size();
  if (Count <= from) return;
  // Where the new stretches start: after the last draw computed so far, or
  // from the state and the table as they are.
  int32_t stateThen = state_;
  int32_t tableThen[98];
  std::memcpy(tableThen, detail::RandomTable, sizeof(tableThen));
  if (!stretches_.empty()) {
    const Stretch& last = stretches_.back();
    stateThen = last.StateBefore;
    std::memcpy(tableThen, last.Table, sizeof(tableThen));
    for (int64_t n = last.First; n < from; ++n) {
      const int32_t step = detail::StepBits(stateThen);
      tableThen[detail::SlotOf(step)] = step;
    }
  }
  if (Count > capacity_) {
    std::unique_ptr<int32_t[]> more(new int32_t[static_cast<size_t>(Count)]);
    if (from > 0) std::memcpy(more.get(), bits_.get(), sizeof(int32_t) * static_cast<size_t>(from));
    bits_ = std::move(more);
    capacity_ = Count;
  }
  size_ = Count;
  const size_t firstNew = stretches_.size();
  const int64_t start = static_cast<int64_t>(static_cast<uint32_t>(stateThen) & detail::StepMap::Mask);
  for (int64_t first = from; first < Count; first += StretchSteps) {
    Stretch s;
    s.First = first;
    s.StateBefore = static_cast<int32_t>(detail::Steps(first - from)(static_cast<uint64_t>(start)));
    stretches_.push_back(s);
  }
  // Each stretch steps through its draws; a draw whose slot the stretch
  // stored before gets that step, the first draw of each slot is noted
  // until the table at the stretch's start is known. The steps
  // come a run at a time, first as sixteen chains sixteen steps apart
  // (sixteen steps make again a step of the same form) and their slots
  // rounded in doubles, so that both run in vectors.
  std::vector<int32_t> stored((stretches_.size() - firstNew) * 98);
  std::vector<int16_t> firstOf((stretches_.size() - firstNew) * 98);  // by slot, from the stretch's start
  ParallelItems(static_cast<int>(firstNew), static_cast<int>(stretches_.size()) - 1, [&](int a, int b) {
    constexpr int Chains = 16, Run = 256;
    constexpr detail::StepMap Leap = detail::Steps(Chains);
    int32_t steps[Run];
    uint8_t slots[Run];
    for (int k = a; k <= b; ++k) {
      const Stretch& s = stretches_[k];
      const int64_t end = std::min(s.First + StretchSteps, Count);
      int32_t* slotStep = &stored[(k - firstNew) * 98];
      std::fill(slotStep, slotStep + 98, -1);
      int16_t* firstDraw = &firstOf[(k - firstNew) * 98];
      uint64_t state = static_cast<uint32_t>(s.StateBefore);
      for (int64_t first = s.First; first < end; first += Run) {
        const int n = static_cast<int>(std::min<int64_t>(Run, end - first));
        for (int i = 0; i < n && i < Chains; ++i) steps[i] = static_cast<int32_t>(state = detail::OneStep(state));
        for (int i = Chains; i < n; ++i) steps[i] = static_cast<int32_t>(Leap(static_cast<uint64_t>(steps[i - Chains])));
        for (int i = 0; i < n; ++i)
          slots[i] = static_cast<uint8_t>(detail::SlotOfRounded(RoundDrawShort(steps[i], RandomTableSize)));
        for (int i = 0; i < n; ++i) {
          const int slot = slots[i];
          if (slotStep[slot] >= 0)
            bits_[first + i] = slotStep[slot];
          else
            firstDraw[slot] = static_cast<int16_t>(first + i - s.First);
          slotStep[slot] = steps[i];
        }
        state = static_cast<uint32_t>(steps[n - 1]);
      }
    }
  });
  // The table before each stretch, from the one before the first, and the
  // first draw of each slot in the stretch from it.
  for (size_t k = firstNew; k < stretches_.size(); ++k) {
    std::memcpy(stretches_[k].Table, tableThen, sizeof(tableThen));
    const int32_t* slotStep = &stored[(k - firstNew) * 98];
    const int16_t* firstDraw = &firstOf[(k - firstNew) * 98];
    for (int slot = 1; slot <= RandomTableSize; ++slot)
      if (slotStep[slot] >= 0) {
        bits_[stretches_[k].First + firstDraw[slot]] = tableThen[slot];
        tableThen[slot] = slotStep[slot];
      }
  }
}

void DrawsAhead::Commit(int64_t Used) {
  if (Used <= 0) return;
  // The stretch holding the last draw used, replayed up to it.
  const auto s = std::prev(std::upper_bound(stretches_.begin(), stretches_.end(), Used - 1,
                                            [](int64_t n, const Stretch& t) { return n < t.First; }));
  int32_t state = s->StateBefore;
  std::memcpy(detail::RandomTable, s->Table, sizeof(s->Table));
  for (int64_t n = s->First; n < Used; ++n) {
    const int32_t step = detail::StepBits(state);
    detail::RandomTable[detail::SlotOf(step)] = step;
  }
  state_ = state;
}

void DrawsAhead::Restart(int64_t Used) {
  Commit(Used);
  stretches_.clear();
  size_ = 0;
}

}  // namespace quillon
