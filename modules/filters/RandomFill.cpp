#include "modules/filters/RandomFill.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <span>
#include <system_error>
#include <thread>

#include "engine/BitScan.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "engine/Random.h"
#include "engine/RandomAhead.h"
#include "modules/filters/FilterSupport.h"
#include "modules/filters/RandomFillPicture.h"

namespace quillon {

TRNCCWork RNCCWork;

namespace {

using fill::FillResult;
using fill::Filler;
using fill::NarrowWords;
using fill::WideWords;

// The fill ends its probing (or its sweeping) once the picture can no longer
// change under it. A round or sweep that changes nothing although a change
// was possible leaves the picture as it was and only advances the random
// state, so the fill goes on, as the plain loop would; these limits bound the
// number of such rounds and sweeps in a row. They are reached only when a
// change has a vanishing chance (deviation ranges of about 2^31 values whose
// every reachable value but one clamps back to the key colour).
constexpr int IdleRoundLimit = 256;
constexpr int IdleSweepLimit = 4096;

// The probing rounds. A probe takes two draws (x, then y) and, where it
// fills, three more, so where the coming probes fall follows from the draws
// and from which of them fill.
//
// Whether a probe fills follows from the maps alone, and so does what a fill
// changes in them, unless its colour comes out as the key colour: then the
// pixel stays a key pixel. So the probes run over the maps, each fill only
// claimed (the maps updated, the place and the draws noted), and the claims
// are painted in their order, a chunk at a time, from the pixel words as the
// fills before left them, every pixel they read known and fetched ahead. A
// claim painted with the key colour undoes itself and every claim after it,
// and the probes go on again from the probe after it. The maps are small
// enough for the nearer caches and the pixel words are not: this way the
// probes wait for neither.
//
// Where there is a CPU for it, a thread of its own paints the chunks while
// the probes go on; either waits for the other blocked on a condition, the
// probes only when the painter is a whole queue behind, or at the end of a
// round or of a window of draws. The draws, and the places of the probes
// from them, are computed ahead a window at a time by the pool (DrawsAhead),
// the next window while the probes take the draws of this one.
template <typename Words>
class Rounds {
 public:
  explicit Rounds(Filler<Words>& fill)
      : fill_(fill), mode_(fill.Mode()), W_(ImageWidth), H_(ImageHeight), draws_(&Kept().draws[0]),
        next_(&Kept().draws[1]), chunks_(Kept().chunks) {
    window_ = std::clamp<int64_t>(int64_t{2} * W_ * H_, 4096, WindowDraws);
    for (DrawsAhead* d : {draws_, next_}) {
      d->Clear();
      d->SetPlaces(W_ - 1, H_ - 1);
    }
    draws_->ReachLater(window_, BackgroundRanges);
    StartNextWindow();  // from the end of the first, once it is there
    if (ThreadCount() > 1) {
      try {
        painter_ = std::thread([this] { PaintBeside(); });
      } catch (const std::system_error&) {
        // No thread to be had (a limit on memory or on processes): the
        // chunks are painted here, as with one thread, to the same picture.
      }
    }
  }
  // Leaves the generator as the draws taken left it.
  ~Rounds() {
    if (painter_.joinable()) {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
      }
      toPainter_.notify_one();
      painter_.join();
    }
    next_->Clear();
    draws_->Restart(p_);
  }

  // One round of Probes probes; sets changed when a fill changed a pixel,
  // possible as Filler::Fill does.
  void Round(int64_t Probes, bool& changed, bool& possible) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      changed_ = possible_ = false;
    }
    for (int64_t i = 0;;) {
      if (i == Probes || p_ + 5 > draws_->Size()) {
        if (!Drain()) {
          i = Undo();
          continue;
        }
        if (i == Probes) break;
        NextWindow();
      }
      Chunk& chunk = chunks_[written_ % Chunks];
      i = mode_ == 1 ? ClaimRun(fill_.Mode1Maps(), i, Probes, chunk) : ClaimRun(fill_.Mode2Maps(), i, Probes, chunk);
      if (chunk.count > 0 && !HandOver(chunk)) i = Undo();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    changed = changed || changed_;
    possible = possible || possible_;
  }

 private:
  // A fill decided, not yet painted.
  struct Claim {
    uint16_t x, y;
    uint16_t source[4];  // mode 2: where its searches found its sources
    int32_t probe;       // its probe's number in the round
    int32_t draw;        // its probe's first draw in the window
    int32_t bits[3];     // the draws of its deviations
  };
  static constexpr int Chunks = 16, ChunkClaims = 1024;
  struct Chunk {
    int count;
    Claim claims[ChunkClaims];
  };
  // The most draws of a window, and the draws a window shares with the next:
  // a probe that does not fit in one starts again in the next. Once, after
  // the first two undos, there has been more than one undo in UndoShare
  // chunks, the chunks are painted by the probes' thread.
  static constexpr int64_t WindowDraws = 1 << 20, Overlap = 4;
  // Two threads compute the next window in a third of the time the probes
  // take over one or less; more would only cost CPU. The first window, which
  // the probes wait for, as well: over every thread it took 1.4 ms instead
  // of 2.1, for 6.2 ms of CPU instead of 3.4, on memory the process had not
  // used yet.
  static constexpr int BackgroundRanges = 2;
  static constexpr int UndoShare = 32;
  // The pixels of the claim Ahead of the one painted are fetched early.
  static constexpr int Ahead = 8;

  // The window after this one is computed from where it starts on (the
  // state and the table are put there for it) while the probes take the
  // draws of this one.
  void StartNextWindow() {
    draws_->Commit(draws_->Size() - Overlap);
    next_->Clear();
    next_->ReachLater(window_, BackgroundRanges);
  }
  // The probes go on in the next window, from the same draw.
  void NextWindow() {
    p_ -= draws_->Size() - Overlap;
    std::swap(draws_, next_);
    draws_->Wait();
    StartNextWindow();
  }

  // Probes from probe i while the round, the window's draws and the chunk
  // last, claiming the fills; returns the next probe. On the maps alone, at
  // hand in registers: the loop the fill waits for. A claim notes where its
  // sources are when the maps tell (mode 2's searches), before it changes
  // them.
  template <class Maps>
  int64_t ClaimRun(const Maps& maps, int64_t i, int64_t Probes, Chunk& C) {
    const int32_t* bits = draws_->Bits();
    const uint32_t* places = draws_->Places();
    const int64_t last = draws_->Size() - 5;  // a probe takes at most 5 draws
    int64_t p = p_;
    int n = 0;
    for (; i < Probes && p <= last && n < limit_; ++i) {
      const int x = static_cast<int>(places[p] & 0xFFFF) + 1;
      const int y = static_cast<int>(places[p + 1] >> 16) + 1;
      if (!maps.Fillable(x, y)) {
        p += 2;
        continue;
      }
      Claim& c = C.claims[n++];
      c = Claim{static_cast<uint16_t>(x), static_cast<uint16_t>(y), {}, static_cast<int32_t>(i),
                static_cast<int32_t>(p), {bits[p + 2], bits[p + 3], bits[p + 4]}};
      maps.SourcePlaces(x, y, c.source);
      maps.Unkey(x, y);
      p += 5;
    }
    fill_.Unkeyed(n);
    C.count = n;
    p_ = p;
    return i;
  }

  // Hands the chunk just claimed over to the painter, or paints it here
  // once the painter is done; false when a claim kept the key colour.
  bool HandOver(Chunk& C) {
    std::unique_lock<std::mutex> lock(mutex_);
    ++handed_;
    if (painter_.joinable() && !here_) {
      ++written_;
      toPainter_.notify_one();
      toProber_.wait(lock, [&] { return kept_ >= 0 || written_ - painted_ < Chunks; });
    } else {
      toProber_.wait(lock, [&] { return kept_ >= 0 || painted_ == written_; });
      if (kept_ < 0) {
        lock.unlock();  // the painter, if any, waits for a chunk handed over
        const int kept = PaintChunk(C, changed_, possible_);
        lock.lock();
        ++written_;
        if (kept < 0) ++painted_;
        kept_ = kept;
      } else {
        ++written_;  // undone with the chunks before it
      }
    }
    if (kept_ < 0) limit_ = std::min(2 * limit_, ChunkClaims);
    return kept_ < 0;
  }

  // Waits until every chunk handed over is painted (true) or the painter
  // halts at a claim that kept the key colour (false).
  bool Drain() {
    std::unique_lock<std::mutex> lock(mutex_);
    toProber_.wait(lock, [&] { return kept_ >= 0 || painted_ == written_; });
    return kept_ < 0;
  }

  // After a claim kept the key colour: undoes it and the claims after it,
  // goes back to the draws after its probe and returns the probe after it.
  // Each undo wastes the claims after it: where claims often keep the key
  // colour, the chunks are painted here and shrink down to one fill at a
  // time.
  int64_t Undo() {
    std::lock_guard<std::mutex> lock(mutex_);
    const Claim kept = chunks_[painted_ % Chunks].claims[kept_];
    for (int64_t q = written_ - 1; q >= painted_; --q) {
      const Chunk& c = chunks_[q % Chunks];
      const int from = q == painted_ ? kept_ : 0;
      fill_.Rekey(std::span<const Claim>(c.claims + from, c.count - from));
    }
    written_ = painted_ = painted_ + 1;
    kept_ = -1;
    here_ = here_ || (++undos_ > 2 && undos_ * UndoShare > handed_);
    if (here_) limit_ = std::max(limit_ / 2, 1);
    p_ = kept.draw + 5;
    return kept.probe + 1;
  }

  // Paints the claims of C in order up to the first that keeps the key
  // colour, and returns that one, or -1; sets changed and possible as the
  // fills painted do.
  int PaintChunk(const Chunk& C, bool& changed, bool& possible) const {
    for (int k = 0; k < C.count; ++k) {
      if (k + Ahead < C.count) FetchPixels(C.claims[k + Ahead]);
      const Claim& c = C.claims[k];
      int64_t avg[3] = {};
      fill_.ClaimedSources(c.x, c.y, c.source, avg);
      const auto deviation = [&](int channel, int64_t span) { return RoundDraw(c.bits[channel], span); };
      if (fill_.Paint(c.x, c.y, avg, possible, deviation) == FillResult::KeptKey) {
        changed = changed || k > 0;
        return k;
      }
    }
    changed = changed || C.count > 0;
    return -1;
  }

  // Fetches the pixels claim C will read into the caches. Inline: as a call,
  // the painting loop around it keeps its values in memory.
  [[gnu::always_inline]] void FetchPixels(const Claim& C) const {
    const void* reads[6];
    for (int r = fill_.PixelReads(C.x, C.y, C.source, reads) - 1; r >= 0; --r) __builtin_prefetch(reads[r]);
  }

  // The painter's thread: paints the chunks as they are handed over; after a
  // claim kept the key colour, waits for the probes to undo what followed.
  void PaintBeside() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      toPainter_.wait(lock, [&] { return stop_ || (kept_ < 0 && painted_ < written_); });
      if (stop_) return;
      const Chunk& c = chunks_[painted_ % Chunks];
      bool changed = false, possible = false;
      lock.unlock();
      const int kept = PaintChunk(c, changed, possible);
      lock.lock();
      changed_ = changed_ || changed;
      possible_ = possible_ || possible;
      if (kept >= 0)
        kept_ = kept;
      else
        ++painted_;
      // The probes wait for half a queue at a time.
      if (kept >= 0 || written_ - painted_ <= Chunks / 2) toProber_.notify_one();
    }
  }

  // The memory of the draws and the chunks, kept from call to
  // call, so a fill does not ask the system for fresh pages every time.
  struct Memory {
    DrawsAhead draws[2]{DrawsAhead(RandomSeed), DrawsAhead(RandomSeed)};
    std::unique_ptr<Chunk[]> chunks{new Chunk[Chunks]};
  };
  static Memory& Kept() {
    static Memory memory;
    return memory;
  }

  Filler<Words>& fill_;
  const int mode_, W_, H_;
  DrawsAhead *draws_, *next_;  // the window the probes take draws from, the next
  const std::unique_ptr<Chunk[]>& chunks_;
  int64_t window_;             // draws of a window
  int64_t p_ = 0;              // the next draw of the window
  int limit_ = ChunkClaims;  // claims per chunk
  int64_t handed_ = 0, undos_ = 0;
  bool here_ = false;  // whether the chunks are painted by the probes' thread
  std::thread painter_;
  // Between the probes and the painter: chunks handed over and painted
  // since the round began (chunk k at k % Chunks), the claim of the next one
  // to paint that kept the key colour (or -1), and the round's changed and
  // possible as the painting found them.
  std::mutex mutex_;
  std::condition_variable toPainter_, toProber_;
  int64_t written_ = 0, painted_ = 0;
  int kept_ = -1;
  bool changed_ = false, possible_ = false, stop_ = false;
};

// The probing rounds repeat until fewer than a tenth of the pixels are key
// pixels (at least one round is made), then sweeps repeat until none is left.
// Neither loop runs on once the picture cannot change any more: a picture of
// key pixels only, or one whose remaining key pixels have nothing to fill
// from, is left as it is.
template <typename Words>
void FillPicture(const TRNCCWork& work) {
  const int W = ImageWidth, H = ImageHeight;
  Filler<Words> fill(work);
  const int64_t pixels = static_cast<int64_t>(W) * H;
  const int64_t enough = Round(static_cast<Real>(pixels) * 10 / 100);

  {
    Rounds<Words> rounds(fill);
    for (int idle = 0;;) {
      bool changed = false, possible = false;
      rounds.Round(pixels, changed, possible);
      if (fill.KeyCount() < enough) break;
      if (changed) {
        idle = 0;
        continue;
      }
      if (!fill.AnyCanChange() || ++idle >= IdleRoundLimit) break;
    }
  }  // the draws taken are committed here

  const auto deviation = [](int, int64_t span) { return RandomRound(RandomSeed, span); };
  // A sweep visits the key pixels column by column, from the words of the key
  // map; a fill clears only the bit of the pixel it fills, so each word read
  // before its pixels are filled still lists the key pixels after them.
  const int words = (H + 63) / 64;
  // (A picture of key pixels only has nothing to fill from: a sweep would
  // neither draw nor change anything.)
  for (int idle = 0; fill.KeyCount() > 0 && fill.KeyCount() < pixels;) {
    bool changed = false, possible = false;
    for (int x = 1; x <= W; ++x)
      ForEachSetBit(fill.KeyColumn(x), words, [&](int i) {
        if (fill.Fill(1, x, i + 1, possible, deviation) == FillResult::Changed) changed = true;
      });
    if (changed) {
      idle = 0;
      continue;
    }
    if (!possible || ++idle >= IdleSweepLimit) break;
  }

  fill.Finish();
}

// Whether every sample of the three planes lies in Lo..Hi.
bool PlanesWithin(const Plane* const planes[3], int32_t Lo, int32_t Hi) {
  for (int c = 0; c < 3; ++c) {
    int32_t mn, mx;
    PlaneRange(*planes[c], mn, mx);
    if (mn < Lo || mx > Hi) return false;
  }
  return true;
}

}  // namespace

void RandomColorFill() {
  InitRandom(RandomSeed);
  if (ImageWidth < 1 || ImageHeight < 1) return;
  const TRNCCWork work = RNCCWork;
  const int space = SpaceOf(work.Space);
  const Plane* planes[3] = {&LayerPlane(ResultLayer, space, 1), &LayerPlane(ResultLayer, space, 2),
                            &LayerPlane(ResultLayer, space, 3)};
  // Fills write 0..359 at most, so narrow words stay narrow.
  if (PlanesWithin(planes, NarrowWords::Lowest, NarrowWords::Largest))
    FillPicture<NarrowWords>(work);
  else
    FillPicture<WideWords>(work);
  SyncColorSpace(space);
}

}  // namespace quillon
