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
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace quillon {

class DrawsAhead {
 public:
  // Starts from State (RandomSeed, say) and the shuffle table as they are;
  // neither changes until Commit.
  explicit DrawsAhead(int32_t& State);

  // Makes sure draws 0 .. Count - 1 are computed.
  void Reach(int64_t Count);
  // Draws computed so far.
  int64_t Size() const { return size_; }
  // The integer s of draw n (the draw is s / 2^31), n < Size(): what
  // detail::NextBits would return.
  const int32_t* Bits() const { return bits_.get(); }

  // Leaves the state and the shuffle table as Used calls of Random01 from the
  // start would have left them (Used <= Size()).
  void Commit(int64_t Used);
  // Commits Used draws and starts again after them: the draw after the ones
  // used becomes draw 0, none computed yet. The memory is kept for the next.
  void Restart(int64_t Used);

 private:
  // A stretch of steps computed by one item of work.
  struct Stretch {
    int64_t First;        // index of its first draw
    int32_t StateBefore;  // the generator's state before that draw
    int32_t Table[98];    // the shuffle table before that draw (slots 1..97)
  };
  int32_t& state_;
  // Left unset until computed: each item of work is the first to write its
  // part, on its own thread.
  std::unique_ptr<int32_t[]> bits_;
  int64_t size_ = 0, capacity_ = 0;
  std::vector<Stretch> stretches_;
};

}  // namespace quillon
