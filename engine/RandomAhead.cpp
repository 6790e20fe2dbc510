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

// Makes room for Count values in Values, keeping the first From. The draws
// of a large picture take megabytes that a pass writes at once.
template <typename T>
void Grow(HugeArray<T>& Values, int64_t& Capacity, int64_t Count, int64_t From) {
  if (Count <= Capacity) return;
  HugeArray<T> more = MakeHugeArray<T>(static_cast<size_t>(Count));
  if (From > 0) std::memcpy(more.get(), Values.get(), sizeof(T) * static_cast<size_t>(From));
  Values = std::move(more);
  Capacity = Count;
}

// A run of N steps from its first sixteen, as sixteen chains sixteen steps
// apart (sixteen steps make again a step of the same form), and the slots
// they pick, rounded in doubles: both in vectors. A step's low 31 bits
// follow from the low 32 bits of its product, so 32-bit lanes do.
constexpr int Chains = 16;
QUILLON_VECTOR_CLONES void StepRun(int32_t* Steps, uint8_t* Slots, int N) {
  constexpr detail::StepMap Leap = detail::Steps(Chains);
  constexpr uint32_t a = Leap.a, c = Leap.c, mask = detail::StepMap::Mask;
  for (int i = Chains; i < N; ++i) Steps[i] = static_cast<int32_t>((a * static_cast<uint32_t>(Steps[i - Chains]) + c) & mask);
  for (int i = 0; i < N; ++i) Slots[i] = static_cast<uint8_t>(detail::SlotOfRounded(RoundDrawShort(Steps[i], RandomTableSize)));
}

// The places of Count draws from their integers, in vectors.
QUILLON_VECTOR_CLONES void PlacesOf(const int32_t* Bits, uint32_t* Places, int64_t Count, int XSpan, int YSpan) {
  for (int64_t n = 0; n < Count; ++n)
    Places[n] =
        static_cast<uint32_t>(RoundDrawShort(Bits[n], XSpan)) | static_cast<uint32_t>(RoundDrawShort(Bits[n], YSpan)) << 16;
}

}  // namespace

DrawsAhead::DrawsAhead(int32_t& State) : state_(State) {}

void DrawsAhead::SetPlaces(int XSpan, int YSpan) {
  placed_ = true;
  xSpan_ = XSpan;
  ySpan_ = YSpan;
}

void DrawsAhead::Place(int64_t First, int64_t End) {
  PlacesOf(&bits_[First], &places_[First], End - First, xSpan_, ySpan_);
}

void DrawsAhead::ReachLater(int64_t Count, int Ranges) {
  Wait();
  const int64_t from = Size();
  if (Count <= from) return;
  // Where the new stretches start: after the last draw computed so far, or
  // from the state and the table as they are.
  int32_t stateThen = state_;
  std::memcpy(tableThen_, detail::RandomTable, sizeof(tableThen_));
  if (!stretches_.empty()) {
    const Stretch& last = stretches_.back();
    stateThen = last.StateBefore;
    std::memcpy(tableThen_, last.Table, sizeof(tableThen_));
    for (int64_t n = last.First; n < from; ++n) {
      const int32_t step = detail::StepBits(stateThen);
      tableThen_[detail::SlotOf(step)] = step;
    }
  }
  Grow(bits_, bitsCapacity_, Count, from);
  if (placed_) Grow(places_, placesCapacity_, Count, from);
  size_ = Count;
  firstNew_ = stretches_.size();
  stretches_.resize(firstNew_ + static_cast<size_t>((Count - from + StretchSteps - 1) / StretchSteps));
  const uint64_t start = static_cast<uint32_t>(stateThen) & detail::StepMap::Mask;
  // Each stretch steps through its draws; a draw whose slot the stretch
  // stored before gets that step, the first draw of each slot is noted
  // until the table at the stretch's start is known: the range that ends
  // last chains the tables and fills those in (ChainTables). The steps
  // come a run at a time (StepRun).
  stored_.resize((stretches_.size() - firstNew_) * 98);
  firstOf_.resize((stretches_.size() - firstNew_) * 98);
  stretchesLeft_ = static_cast<int64_t>(stretches_.size() - firstNew_);
  pass_.Start(static_cast<int>(firstNew_), static_cast<int>(stretches_.size()) - 1, Ranges, [this, Count, from, start](int a, int b) {
    constexpr int Run = 256;
    int32_t steps[Run];
    uint8_t slots[Run];
    for (int k = a; k <= b; ++k) {
      Stretch& s = stretches_[k];
      s.First = from + static_cast<int64_t>(k - firstNew_) * StretchSteps;
      s.StateBefore = static_cast<int32_t>(detail::Steps(s.First - from)(start));
      const int64_t end = std::min(s.First + StretchSteps, Count);
      int32_t* slotStep = &stored_[(k - firstNew_) * 98];
      std::fill(slotStep, slotStep + 98, -1);
      int16_t* firstDraw = &firstOf_[(k - firstNew_) * 98];
      uint64_t state = static_cast<uint32_t>(s.StateBefore);
      for (int64_t first = s.First; first < end; first += Run) {
        const int n = static_cast<int>(std::min<int64_t>(Run, end - first));
        for (int i = 0; i < n && i < Chains; ++i) steps[i] = static_cast<int32_t>(state = detail::OneStep(state));
        StepRun(steps, slots, n);
        for (int i = 0; i < n; ++i) {
          const int slot = slots[i];
          if (slotStep[slot] >= 0) {
            bits_[first + i] = slotStep[slot];
          } else {
            bits_[first + i] = 0;  // until ChainTables
            firstDraw[slot] = static_cast<int16_t>(first + i - s.First);
          }
          slotStep[slot] = steps[i];
        }
        state = static_cast<uint32_t>(steps[n - 1]);
      }
      if (placed_) Place(s.First, end);
    }
    if (stretchesLeft_.fetch_sub(b - a + 1) == b - a + 1) ChainTables();
  });
}

void DrawsAhead::Wait() { pass_.Wait(); }

void DrawsAhead::ChainTables() {
  // The table before each stretch, from the one before the first, and the
  // first draw of each slot in the stretch from it.
  for (size_t k = firstNew_; k < stretches_.size(); ++k) {
    Stretch& s = stretches_[k];
    std::memcpy(s.Table, tableThen_, sizeof(tableThen_));
    const int32_t* slotStep = &stored_[(k - firstNew_) * 98];
    const int16_t* firstDraw = &firstOf_[(k - firstNew_) * 98];
    for (int slot = 1; slot <= RandomTableSize; ++slot)
      if (slotStep[slot] >= 0) {
        const int64_t n = s.First + firstDraw[slot];
        bits_[n] = tableThen_[slot];
        if (placed_) Place(n, n + 1);
        tableThen_[slot] = slotStep[slot];
      }
  }
}

void DrawsAhead::Commit(int64_t Used) {
  Wait();
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
  Clear();
}

void DrawsAhead::Clear() {
  pass_.Drop();
  stretches_.clear();
  size_ = 0;
}

}  // namespace quillon
