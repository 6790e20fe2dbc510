// The program's random generator: a 31-bit linear congruential generator
// behind a 97-slot shuffle table shared by every user.
//
// Every draw is an integer s over 2^31, and the table only ever holds draws,
// so it keeps the integers. Round(draw * n) for an integer n is then the
// integer s * n over 2^31 rounded to nearest with ties to even, which the
// 80-bit product gives exactly as long as s * n fits its 64-bit mantissa; the
// calls below compute it on integers there and in 80 bits beyond. The hot
// calls are inline: the modules draw up to a few million times per picture.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/Numeric.h"

namespace quillon {

// The modules' random state; each module that uses randomness seeds it from
// its seed parameter and calls InitRandom(RandomSeed).
extern int32_t RandomSeed;
// The state of the module window's randomize buttons.
extern int32_t BlendRandomSeed;

inline constexpr int RandomTableSize = 97;
inline constexpr double DrawScale = 1.0 / 2147483648.0;  // a draw is its integer times this

// Round(Bits / 2^31 * Span), to nearest with ties to even, for a draw's
// integer Bits (0 <= Bits < 2^31) and any Span: on integers when |Span| is at
// most 2^32 (the product then has at most 63 bits, so the 80-bit product is
// exact and both round the same value), in 80 bits beyond, as the program
// computes it there.
inline int64_t RoundDraw(int64_t Bits, int64_t Span) {
  if (Span >= -(int64_t{1} << 32) && Span <= (int64_t{1} << 32)) {
    // p = q * 2^31 + rest with 0 <= rest < 2^31 (q the floor, also below
    // zero). Adding 2^30 - 1, and one more when q is odd, carries into q
    // exactly when rest is above one half, or is one half and q is odd. No
    // branch: whether a draw rounds up is as good as random.
    const int64_t p = Bits * Span;
    return (p + (0x3FFFFFFF + ((p >> 31) & 1))) >> 31;
  }
  return Round(static_cast<Real>(static_cast<double>(Bits) * DrawScale) * static_cast<Real>(Span));
}

// RoundDraw for 0 <= Span < 2^16, in doubles, so that a loop of them runs in
// vector code: Bits * Span < 2^47 and its scaling by 2^-31 are exact.
inline int32_t RoundDrawShort(int32_t Bits, int32_t Span) {
  return static_cast<int32_t>(RoundToInteger(static_cast<double>(Bits) * (Span * DrawScale)));
}

namespace detail {
// Slots 1..97 of the shuffle table as the integers s of their draws s / 2^31.
extern int32_t RandomTable[RandomTableSize + 1];  // slot 0 unused

// A run of generator steps as one map s -> (a s + c) mod 2^31 of the state:
// Steps(1) is one step, Steps(n) n of them, found by squaring, so a loop can
// jump ahead or run several chains of steps side by side.
struct StepMap {
  static constexpr uint64_t Mask = 0x7FFFFFFF;
  uint64_t a, c;
  constexpr uint64_t operator()(uint64_t s) const { return (a * s + c) & Mask; }
  // This map, then Next.
  constexpr StepMap Then(const StepMap& Next) const { return {(Next.a * a) & Mask, (Next.a * c + Next.c) & Mask}; }
};
inline constexpr StepMap OneStep{843314861, 453816693};
constexpr StepMap Steps(int64_t Count) {
  StepMap result{1, 0}, power = OneStep;
  for (; Count > 0; Count >>= 1) {
    if (Count & 1) result = result.Then(power);
    power = power.Then(power);
  }
  return result;
}

// One step of the generator; returns the new state, the integer of the draw.
inline int32_t StepBits(int32_t& State) {
  State = static_cast<int32_t>(OneStep(static_cast<uint32_t>(State)));
  return State;
}

// The slot a step r picks: Round(r * 97) + 1, slot 1 when that is 98.
// SlotOfRounded takes Round(r * 97) however it was worked out.
inline int SlotOfRounded(int32_t Rounded) { return Rounded < RandomTableSize ? Rounded + 1 : 1; }
inline int SlotOf(int32_t r) { return SlotOfRounded(static_cast<int32_t>(RoundDraw(r, RandomTableSize))); }

// Draws and returns the integer held in the slot the new step picks,
// storing the step there.
inline int32_t NextBits(int32_t& State) {
  const int32_t r = StepBits(State);
  int32_t& slot = RandomTable[SlotOf(r)];
  const int32_t v = slot;
  slot = r;
  return v;
}
}  // namespace detail

// One step of the generator: returns the draw s / 2^31 in [0, 1).
inline double RandomStep(int32_t& State) { return detail::StepBits(State) * DrawScale; }

// Fills slots 1..97 of the shuffle table with 97 successive draws.
void InitRandom(int32_t& State);

// Draws r, takes slot j = Round(r * 97) + 1 (slot 1 when j is outside 1..97),
// returns the value held there and stores r in its place.
inline double Random01(int32_t& State) { return detail::NextBits(State) * DrawScale; }

// Round(Random01(State) * Span): one draw, rounded as RoundDraw says.
inline int64_t RandomRound(int32_t& State, int64_t Span) { return RoundDraw(detail::NextBits(State), Span); }

// Lo + Round(u * (Hi - Lo)) for the draw u = Bits / 2^31.
inline int32_t BitsInRange(int32_t Bits, int32_t Lo, int32_t Hi) {
  return static_cast<int32_t>(Lo + RoundDraw(Bits, static_cast<int64_t>(Hi) - Lo));
}

// Lo + Round(Random01(State) * (Hi - Lo)); exactly one draw, also when Lo = Hi.
inline int32_t RandomInt(int32_t& State, int32_t Lo, int32_t Hi) {
  return BitsInRange(detail::NextBits(State), Lo, Hi);
}

// A window of draws made ahead of being taken, for a loop that looks at the
// draws it is about to take (to fetch early what they will point at, say)
// but learns only as it goes how many it takes. (A pass that knows its draws
// beforehand has DrawsAhead, engine/RandomAhead.h, make them over the
// threads.) Draw k is the k-th draw after construction, the one the calls
// above would give in turn. Draws are taken in order; Release() leaves the
// generator and the shuffle table exactly as the draws taken left them,
// undoing the ones made ahead, and is called on destruction. Until then
// nothing else may draw.
//
// Each draw can also be rounded ahead to two ranges (Place). Run() makes the
// draws on a thread of the pool of its own while the loop takes them, where
// the pool has one to spare: the same draws in the same order, so the
// results do not depend on the thread count.
//
// A loop that may find out late that it took draws it should not have
// marks where it is sure (Mark) and can go back to any draw from there on
// (Rewind), as long as it takes at most MaxHeld draws beyond its mark.
class DrawWindow {
 public:
  // Draws Taken() .. Taken() + Reach - 1 can be looked at.
  static constexpr int Reach = 1023;

  // The draws from State, each also rounded to 0..SpanA and 0..SpanB (both
  // below 2^16) for Place.
  explicit DrawWindow(int32_t& State, int32_t SpanA = 0, int32_t SpanB = 0);
  DrawWindow(const DrawWindow&) = delete;
  DrawWindow& operator=(const DrawWindow&) = delete;
  ~DrawWindow() { Release(); }

  // Runs Loop, which takes the draws, on the calling thread; with the draws
  // made on another thread when none is made yet and the pool has one to
  // spare, and Beside (if given) on a third where it has one more. Loop is
  // told whether Beside runs: if not, the loop does Beside's work itself.
  // Beside must return once Loop has (Stopped()).
  void Run(const std::function<void(bool BesideRuns)>& Loop, const std::function<void()>& Beside = {});

  // The integer of draw k, Taken() <= k < Taken() + Reach.
  int32_t Bits(int64_t k) {
    if (k >= ready_) Await(k);
    return out_[k & Mask];
  }
  // Round(draw k * SpanA) and Round(draw k * SpanB), k as for Bits, worked
  // out as the draws are made.
  int32_t PlaceA(int64_t k) {
    if (k >= ready_) Await(k);
    return static_cast<int32_t>(place_[k & Mask] & 0xFFFF);
  }
  int32_t PlaceB(int64_t k) {
    if (k >= ready_) Await(k);
    return static_cast<int32_t>(place_[k & Mask] >> 16);
  }
  int64_t Taken() const { return taken_; }
  // Whether the loop Run runs is done: Beside's signal to return.
  bool Stopped() const { return stop_.load(std::memory_order_acquire); }

  // For a loop that reads many draws between checks: makes sure the draws
  // up to K - 1 are made (K <= Taken() + Reach) and returns how many are.
  // Draws from the last Mark up to there can then be read unchecked, by
  // MadeBits and MadePlaces, and taken.
  int64_t MadeTo(int64_t K) {
    if (K > ready_) Await(K - 1);
    return ready_;
  }
  int32_t MadeBits(int64_t k) const { return out_[k & Mask]; }
  // PlaceA | PlaceB << 16.
  uint32_t MadePlaces(int64_t k) const { return place_[k & Mask]; }

  // Takes the next N draws, made already or within Reach.
  void Take(int64_t N) {
    if (taken_ + N > ready_) Await(taken_ + N - 1);
    taken_ += N;
    const int64_t kept = taken_ < mark_ ? taken_ : mark_;
    if (kept - published_ >= Block) Publish(kept);
  }
  // From now on the window keeps the draws from K on (K between the last
  // Mark's and Taken()), until the next Mark: Rewind can go back to any of
  // them. Without a Mark, draws taken are gone.
  void Mark(int64_t K) {
    mark_ = K;
    if (K - published_ >= Block) Publish(K);
  }
  // Goes back to draw K, K between the last Mark's Taken() and Taken(): the
  // draws from K on are taken again, as they were.
  void Rewind(int64_t K) { taken_ = K; }
  void Release();

  // The most draws beyond the last Mark a loop may take.
  static constexpr int MaxHeld = 6400;

 private:
  // The ring holds Window draws: the maker's thread keeps up to it made
  // ahead, and a loop that marks may go back over what it holds.
  static constexpr int Window = 8192, Block = 256;
  // Makes sure draw k is made (on this thread, or by the maker's).
  void Await(int64_t k);
  // Makes draws made_ .. End - 1, with their places.
  void Make(int64_t End);
  // Makes draws ahead of the taker until told to stop.
  void MakeAhead();
  void Publish(int64_t Kept) { low_.store(published_ = Kept, std::memory_order_release); }

  int32_t& state_;
  const int32_t start_;  // the state before draw 0
  const int32_t spanA_, spanB_;
  static constexpr int64_t Mask = Window - 1;  // draw k is at k & Mask of the ring
  // The taker looks at most MaxHeld + Reach draws beyond its last mark, and
  // the last draw it published (what the maker may not overwrite) is less
  // than a Block behind that; the maker stays a Block short of the ring.
  static_assert(MaxHeld + Reach + 3 * Block <= Window);
  // Each thread's own fields and the fields one writes for the other lie on
  // cache lines of their own, so neither thread's writes evict what the
  // other reads in its loop.
  alignas(64) std::atomic<int64_t> made_{0};  // draws made, by whichever thread makes them
  alignas(64) std::atomic<int64_t> low_{0};   // the taker's last Taken() published
  alignas(64) std::atomic<bool> stop_{false}; // the taker is done (polled by Beside too)
  alignas(64) bool ahead_ = false;            // a thread of the pool makes the draws
  int64_t ready_ = 0;                         // draws the taker knows to be made
  int64_t taken_ = 0, published_ = 0;
  int64_t mark_ = INT64_MAX;  // the draw a Rewind may go back to, or none
  // By draw k at k & Mask: the draw, the generator's state it drew, the slot
  // it took its value from, its places (PlaceA | PlaceB << 16).
  std::unique_ptr<int32_t[]> out_, raw_;
  std::unique_ptr<uint8_t[]> slot_;
  std::unique_ptr<uint32_t[]> place_;
};

// Slot I (1..97) of the shuffle table, for tests.
double RandomTableSlot(int I);

// Milliseconds since local midnight, the start-up seed of both states.
int32_t MillisecondsSinceMidnight();

}  // namespace quillon
