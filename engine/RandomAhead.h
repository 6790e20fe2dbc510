// The draws the random generator will give next, computed ahead of their use
// over the threads, for passes that draw once or a few times per pixel.
//
// Draw n returns the slot of the shuffle table that the n-th step of the
// generator picks, and stores that step there. The steps themselves follow
// from the state alone (the generator jumps ahead by any count in a few
// multiplications), so the n-th draw is the last step stored in its slot
// before n, or the table's value from before the first draw: a matter of
// the steps only, whichever draws a pass uses for what. Each thread takes a
// stretch of steps, finds the draws whose slot was stored within its
// stretch, and the table at the start of every stretch then gives the rest.
// A pass that takes its draws in order can have the next ones computed in
// the background while it uses these (ReachLater).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/HugePages.h"
#include "engine/Parallel.h"

namespace quillon {

class DrawsAhead {
 public:
  // Starts from State (RandomSeed, say) and the shuffle table as they are;
  // neither changes until Commit.
  explicit DrawsAhead(int32_t& State);
  // From the next Reach on, computes the place of each draw as well:
  // Round(draw * XSpan) and Round(draw * YSpan), for a pass that draws a
  // point of the picture from two draws in a row (0 <= spans < 2^16). Set
  // on no draws computed (after Clear, say).
  void SetPlaces(int XSpan, int YSpan);

  // Makes sure draws 0 .. Count - 1 are computed.
  void Reach(int64_t Count) {
    ReachLater(Count);
    Wait();
  }
  // Reach computed in a background pass of the pool, in at most Ranges
  // ranges (0: over every thread), while the caller goes on: the draws are
  // there after Wait. In between, the state and the shuffle table are free
  // to change (Commit of another DrawsAhead, say).
  void ReachLater(int64_t Count, int Ranges = 0);
  void Wait();
  // Draws computed so far, or being computed until Wait.
  int64_t Size() const { return size_; }
  // The integer s of draw n (the draw is s / 2^31), n < Size(): what
  // detail::NextBits would return.
  const int32_t* Bits() const { return bits_.get(); }
  // The place of draw n, n < Size(), when asked for: Round(draw * XSpan) in
  // the low 16 bits, Round(draw * YSpan) in the high 16.
  const uint32_t* Places() const { return places_.get(); }

  // Leaves the state and the shuffle table as Used calls of Random01 from the
  // start would have left them (Used <= Size()).
  void Commit(int64_t Used);
  // Commits Used draws and starts again after them: the draw after the ones
  // used becomes draw 0, none computed yet. The memory is kept for the next.
  void Restart(int64_t Used);
  // Forgets the draws computed or being computed, none committed: the next
  // Reach starts from the state and the table as they are then.
  void Clear();

 private:
  // A stretch of steps computed by one item of work.
  struct Stretch {
    Stretch() {}          // left unset: the work on it sets it
    int64_t First;        // index of its first draw
    int32_t StateBefore;  // the generator's state before that draw
    int32_t Table[98];    // the shuffle table before that draw (slots 1..97)
  };
  // The places of draws First .. End - 1 from their integers.
  void Place(int64_t First, int64_t End);
  // After the new stretches are stepped through: their tables, and their
  // first draws of each slot from them.
  void ChainTables();

  int32_t& state_;
  bool placed_ = false;
  int xSpan_ = 0, ySpan_ = 0;
  // Left unset until computed: each item of work is the first to write its
  // part, on its own thread.
  HugeArray<int32_t> bits_;
  HugeArray<uint32_t> places_;
  int64_t size_ = 0, bitsCapacity_ = 0, placesCapacity_ = 0;
  std::vector<Stretch> stretches_;
  // The work of a Reach: the stretches it computes from, the table before
  // the first, what each of them stored in each slot and where each slot
  // was first drawn from (by slot, from the stretch's start), for
  // ChainTables, and the stretches not yet stepped through; and its pass,
  // last, so that it is dropped before what it works on.
  size_t firstNew_ = 0;
  int32_t tableThen_[98];
  std::vector<int32_t> stored_;
  std::vector<int16_t> firstOf_;
  std::atomic<int64_t> stretchesLeft_{0};
  BackgroundPass pass_;
};

}  // namespace quillon
