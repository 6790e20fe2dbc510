#include "modules/filters/RandomFill.h"

#include <array>
#include <functional>
#include <vector>

#include "engine/BitScan.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "engine/Random.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TRNCCWork RNCCWork;

namespace {

// The fill ends its probing (or its sweeping) once the picture can no longer
// change under it. A round or sweep that changes nothing although a change
// was possible leaves the picture as it was and only advances the random
// state, so the fill goes on, as the plain loop would; these limits bound the
// number of such rounds and sweeps in a row. They are reached only when a
// change has a vanishing chance (deviation ranges of about 2^31 values whose
// every reachable value but one clamps back to the key colour).
constexpr int IdleRoundLimit = 256;
constexpr int IdleSweepLimit = 4096;

enum class FillResult { NoSource, KeptKey, Changed };

// A bit per pixel, line by line (a line is a column, or a row for the row
// map), each line padded to whole 64-bit words. Positions count from 1.
class BitMap {
 public:
  void Reset(int lines, int length) {
    words_ = (length + 63) / 64;
    bits_.assign(static_cast<size_t>(lines) * words_, 0);
  }
  bool Get(int line, int pos) const { return (Word(line, pos) >> Bit(pos)) & 1; }
  void Set(int line, int pos) { WordRef(line, pos) |= uint64_t{1} << Bit(pos); }
  void Clear(int line, int pos) { WordRef(line, pos) &= ~(uint64_t{1} << Bit(pos)); }
  const uint64_t* Line(int line) const { return &bits_[static_cast<size_t>(line - 1) * words_]; }
  uint64_t* Line(int line) { return &bits_[static_cast<size_t>(line - 1) * words_]; }
  int Words() const { return words_; }

  // The first position of from..last whose bit is clear, or 0.
  int FirstClear(int line, int from, int last) const { return FirstBitFrom<false>(Line(line), last, from - 1) + 1; }
  // The last position of first..from whose bit is clear, or 0.
  int LastClear(int line, int first, int from) const {
    const int found = LastBitBelow<false>(Line(line), from) + 1;
    return found >= first ? found : 0;
  }

 private:
  static int Bit(int pos) { return (pos - 1) & 63; }
  uint64_t Word(int line, int pos) const { return bits_[static_cast<size_t>(line - 1) * words_ + ((pos - 1) >> 6)]; }
  uint64_t& WordRef(int line, int pos) { return bits_[static_cast<size_t>(line - 1) * words_ + ((pos - 1) >> 6)]; }
  int words_ = 0;
  std::vector<uint64_t> bits_;
};

// The three channels of a pixel in one word: the fill reads eight
// neighbours at random places of the picture, and one word is one memory
// access where three planes are three. Lanes() spreads a word into three
// 21-bit lanes, each holding its sample plus Offset, so eight of them add up
// in one sum without a lane running into the next; Sum adds up to eight
// words so, Of(c) reading back channel c's sum of samples plus Offsets.
constexpr int LaneBits = 21;
inline int64_t LaneOf(uint64_t lanes, int c) {
  return static_cast<int64_t>((lanes >> (LaneBits * c)) & ((uint64_t{1} << LaneBits) - 1));
}

// Any sample: the lanes themselves, 8 bytes a pixel.
struct WideWords {
  using Word = uint64_t;
  static constexpr int64_t Offset = 32768;
  static constexpr int32_t Lowest = -32768, Largest = 32767;
  static Word Pack(Sample a, Sample b, Sample c) {
    return static_cast<uint64_t>(a + Offset) | static_cast<uint64_t>(b + Offset) << LaneBits |
           static_cast<uint64_t>(c + Offset) << (2 * LaneBits);
  }
  static uint64_t Lanes(Word w) { return w; }
  struct Sum {
    uint64_t lanes = 0;
    void Add(Word w) { lanes += w; }
    int64_t Of(int c) const { return LaneOf(lanes, c); }
  };
};

// Samples of 0..1023 only: 10 bits a channel, 4 bytes a pixel. Half the
// memory of the wide words keeps far more of a large picture in the cache,
// which is what the random probes wait for.
struct NarrowWords {
  using Word = uint32_t;
  static constexpr int64_t Offset = 0;
  static constexpr int32_t Lowest = 0, Largest = 1023;
  static Word Pack(Sample a, Sample b, Sample c) {
    return static_cast<uint32_t>(a) | static_cast<uint32_t>(b) << 10 | static_cast<uint32_t>(c) << 20;
  }
  static uint64_t Lanes(Word w) {
    return (w & 0x3FFu) | static_cast<uint64_t>((w >> 10) & 0x3FFu) << LaneBits |
           static_cast<uint64_t>(w >> 20) << (2 * LaneBits);
  }
  // Channels 1 and 3 add up in place in one sum, channel 2 in another: eight
  // 10-bit samples add up to 13 bits, short of the next channel's bits.
  struct Sum {
    uint64_t outer = 0, middle = 0;
    void Add(Word w) {
      outer += w & 0x3FF003FFu;
      middle += w & 0x000FFC00u;
    }
    int64_t Of(int c) const {
      return static_cast<int64_t>(c == 0 ? outer & 0xFFFFF : (c == 1 ? middle >> 10 : outer >> 20));
    }
  };
};

template <typename Words>
Sample ChannelOf(typename Words::Word w, int c) {
  return static_cast<Sample>(LaneOf(Words::Lanes(w), c) - Words::Offset);
}

template <typename Words>
class Filler {
  using Word = typename Words::Word;

 public:
  explicit Filler(const TRNCCWork& w)
      : W_(ImageWidth), H_(ImageHeight), space_(SpaceOf(w.Space)), mode_(w.Mode == 2 ? 2 : 1) {
    for (int c = 0; c < 3; ++c) {
      plane_[c] = &LayerPlane(ResultLayer, space_, c + 1);
      key_[c] = w.Key[c];
      lo_[c] = -static_cast<int64_t>(w.Deviation[c].Minus);
      hi_[c] = w.Deviation[c].Plus;
      top_[c] = ChannelTop(space_, c + 1);
    }
    // A key no word can hold marks nothing: no sample holds it either.
    bool keyIsSample = true;
    for (int c = 0; c < 3; ++c) keyIsSample = keyIsSample && key_[c] >= Words::Lowest && key_[c] <= Words::Largest;
    keyKey_ = keyIsSample ? Words::Pack(static_cast<Sample>(key_[0]), static_cast<Sample>(key_[1]),
                                        static_cast<Sample>(key_[2]))
                          : 0;
    for (int c = 0; c < 3; ++c) keyChannel_[c] = ChannelOf<Words>(keyKey_, c);
    keyAt_.Reset(W_, H_);
    if (mode_ == 2) keyInRow_.Reset(H_, W_);
    Pixels().resize(static_cast<size_t>(W_) * H_);
    px_ = Pixels().data();
    std::vector<int64_t> keysInColumn(W_ + 1, 0);
    // Columns are disjoint in the pixel words and in the column map.
    ParallelColumns(1, W_, [&](int x0, int x1) {
      for (int x = x0; x <= x1; ++x) {
        Word* px = px_ + Index(x, 1);
        const Sample* a = plane_[0]->column(x);
        const Sample* b = plane_[1]->column(x);
        const Sample* c = plane_[2]->column(x);
        for (int y = 0; y < H_; ++y) px[y] = Words::Pack(a[y], b[y], c[y]);
        if (!keyIsSample) continue;
        for (int y = 1; y <= H_; ++y)
          if (px[y - 1] == keyKey_) {
            keyAt_.Set(x, y);
            ++keysInColumn[x];
          }
      }
    });
    for (int x = 1; x <= W_; ++x) keyCount_ += keysInColumn[x];
    if (mode_ == 2) {
      MarkRows();
    } else {
      MarkFillable();
    }
  }

  int64_t KeyCount() const { return keyCount_; }
  int Mode() const { return mode_; }
  bool IsKey(int x, int y) const { return keyAt_.Get(x, y); }
  // The key pixels of column x as words of bits, bit y - 1 for row y.
  const uint64_t* KeyColumn(int x) const { return keyAt_.Line(x); }

  // Fills key pixel (x, y) with the given mode: the rounded average of the
  // sources plus one deviation per channel (channels 1, 2, 3), clamped;
  // Deviation(c, span) draws it, Round(draw * span). Draws nothing when the
  // mode finds no source. When it keeps the key colour, sets possible if the
  // deviation ranges allow another result.
  template <typename Deviation>
  FillResult Fill(int mode, int x, int y, bool& possible, Deviation&& deviation) {
    int64_t avg[3];
    if (!Sources(mode, x, y, avg)) return FillResult::NoSource;
    int32_t v[3];
    for (int c = 0; c < 3; ++c) v[c] = Clamp(avg[c] + lo_[c] + deviation(c, hi_[c] - lo_[c]), 0, top_[c]);
    if (v[0] == key_[0] && v[1] == key_[1] && v[2] == key_[2]) {
      // Whether a change was possible matters only to a round or sweep
      // that changed nothing, so only a pixel left as it was asks.
      if (CanChange(avg)) possible = true;
      return FillResult::KeptKey;
    }
    px_[Index(x, y)] = Words::Pack(static_cast<Sample>(v[0]), static_cast<Sample>(v[1]), static_cast<Sample>(v[2]));
    keyAt_.Clear(x, y);
    if (mode_ == 2) {
      keyInRow_.Clear(y, x);
      ++nonKeysInRow_[y];
      ++nonKeysInColumn_[x];
    } else {
      // Its key neighbours now have a source; it is no key pixel any more.
      const std::array<int, 3> xs = Around(x, W_);
      const std::array<int, 3> rows = RowsFrom0(y);
      for (int i = 0; i < 3; ++i) {
        const Word* column = px_ + Index(xs[i], 1);
        uint64_t* fillable = fillable_.Line(xs[i]);
        for (int j = 0; j < 3; ++j)
          if (i != 1 || j != 1)
            fillable[rows[j] >> 6] |= static_cast<uint64_t>(column[rows[j]] == keyKey_) << (rows[j] & 63);
      }
      fillable_.Clear(x, y);
    }
    --keyCount_;
    return FillResult::Changed;
  }

  // Whether a probe of (x, y) fills, that is, whether (x, y) is a key pixel
  // for which the rounds' mode finds a source. Mode 1 keeps a map of them;
  // in mode 2 a key pixel has sources when neither its row nor its column is
  // key pixels only.
  bool Fillable(int x, int y) const {
    if (mode_ == 1) return fillable_.Get(x, y);
    return keyAt_.Get(x, y) && nonKeysInRow_[y] > 0 && nonKeysInColumn_[x] > 0;
  }
  // Mode 1's map (none in mode 2): Fillable(x, y) is bit y - 1 of column x,
  // MapWords() words of bits a column.
  const uint64_t* FillableMap() const { return mode_ == 1 ? fillable_.Line(1) : nullptr; }
  int MapWords() const { return fillable_.Words(); }

  // Where a fill of (x, y) will read and write, as far as the place tells:
  // N places, each the start of a word. (The caller prefetches them: a
  // function that only prefetched would have no effect the compiler need
  // keep.) In mode 1 that is all of it; mode 2 reads the words its searches
  // start from, and then the pixels they find (SourceReads).
  int Reads(int x, int y, const void* at[9]) const {
    if (mode_ == 2) {
      at[0] = px_ + Index(x, y);
      at[1] = keyInRow_.Line(y) + ((x - 1) >> 6);
      return 2;
    }
    const std::array<int, 3> xs = Around(x, W_), ys = Around(y, H_);
    for (int i = 0; i < 3; ++i) {
      at[2 * i] = px_ + Index(xs[i], ys[0]);
      at[2 * i + 1] = px_ + Index(xs[i], ys[2]);
    }
    at[6] = keyAt_.Line(x) + ((y - 1) >> 6);
    at[7] = fillable_.Line(xs[0]) + ((y - 1) >> 6);
    at[8] = fillable_.Line(xs[2]) + ((y - 1) >> 6);
    return 9;
  }
  // The pixels a mode 2 fill of (x, y) reads, once the words its searches
  // go through are at hand.
  void SourceReads(int x, int y, const void* at[4]) const {
    int right, left, down, up;
    if (!Nearest(x, y, right, left, down, up)) right = left = x, down = up = y;
    at[0] = px_ + Index(right, y);
    at[1] = px_ + Index(left, y);
    at[2] = px_ + Index(x, down);
    at[3] = px_ + Index(x, up);
  }

  // Whether any key pixel could still change under the given mode.
  bool AnyCanChange(int mode) const {
    for (int x = 1; x <= W_; ++x)
      for (int y = 1; y <= H_; ++y) {
        int64_t avg[3];
        if (IsKey(x, y) && Sources(mode, x, y, avg) && CanChange(avg)) return true;
      }
    return false;
  }

  // Writes the pixels back into the three planes.
  void Finish() {
    ParallelColumns(1, W_, [&](int x0, int x1) {
      for (int x = x0; x <= x1; ++x) {
        const Word* px = px_ + Index(x, 1);
        for (int c = 0; c < 3; ++c) {
          Sample* out = plane_[c]->column(x);
          for (int y = 0; y < H_; ++y) out[y] = ChannelOf<Words>(px[y], c);
        }
      }
    });
  }

 private:
  // The pixel words, [x - 1][y - 1]; kept from call to call, so a fill does
  // not ask the system for fresh pages every time.
  static std::vector<Word>& Pixels() {
    static std::vector<Word> words;
    return words;
  }
  size_t Index(int x, int y) const { return static_cast<size_t>(x - 1) * H_ + (y - 1); }
  // The positions before, at and after p on a wrapped line of n.
  static std::array<int, 3> Around(int p, int n) { return {p > 1 ? p - 1 : n, p, p < n ? p + 1 : 1}; }
  // The same for row y, counted from 0 as in the pixel words and the maps.
  std::array<int, 3> RowsFrom0(int y) const {
    const std::array<int, 3> rows = Around(y, H_);
    return {rows[0] - 1, rows[1] - 1, rows[2] - 1};
  }

  // Mode 2's row map, the key map turned over 64 x 64 bits at a time, and
  // the non-key pixels of each row and column.
  void MarkRows() {
    const int columnWords = keyAt_.Words(), rowWords = keyInRow_.Words();
    nonKeysInColumn_.assign(W_ + 1, 0);
    nonKeysInRow_.assign(H_ + 1, 0);
    for (int x = 1; x <= W_; ++x) {
      int keys = 0;
      for (int k = 0; k < columnWords; ++k) keys += __builtin_popcountll(keyAt_.Line(x)[k]);
      nonKeysInColumn_[x] = H_ - keys;
    }
    for (int bx = 0; bx < rowWords; ++bx)
      for (int by = 0; by < columnWords; ++by) {
        uint64_t block[64];  // block[i] bit j: column 64 bx + i + 1, row 64 by + j + 1
        for (int i = 0; i < 64; ++i) {
          const int x = 64 * bx + i + 1;
          block[i] = x <= W_ ? keyAt_.Line(x)[by] : 0;
        }
        Transpose(block);  // now block[j] bit i
        for (int j = 0; j < 64 && 64 * by + j < H_; ++j) keyInRow_.Line(64 * by + j + 1)[bx] = block[j];
      }
    for (int y = 1; y <= H_; ++y) {
      int keys = 0;
      for (int k = 0; k < rowWords; ++k) keys += __builtin_popcountll(keyInRow_.Line(y)[k]);
      nonKeysInRow_[y] = W_ - keys;
    }
  }

  // Turns a 64 x 64 matrix of bits over, bit j of word i to bit i of word j,
  // by swapping ever smaller blocks across the diagonal.
  static void Transpose(uint64_t a[64]) {
    uint64_t m = 0x00000000FFFFFFFFull;
    for (int j = 32; j != 0; j >>= 1, m ^= m << j)
      for (int k = 0; k < 64; k = ((k | j) + 1) & ~j) {
        const uint64_t t = ((a[k] >> j) ^ a[k | j]) & m;
        a[k] ^= t << j;
        a[k | j] ^= t;
      }
  }

  // The fillable map of mode 1: the key pixels that are not key pixels all
  // round. Column by column, word by word: around holds the key pixels whose
  // wrapped neighbours above and below are key pixels too, and a pixel is key
  // all round when it is that in its own and both neighbouring columns.
  void MarkFillable() {
    const int words = keyAt_.Words();
    fillable_.Reset(W_, H_);
    std::vector<uint64_t> around(static_cast<size_t>(W_) * words);
    const int lastWord = (H_ - 1) >> 6, lastBit = (H_ - 1) & 63;
    for (int x = 1; x <= W_; ++x) {
      const uint64_t* key = keyAt_.Line(x);
      uint64_t* a = &around[static_cast<size_t>(x - 1) * words];
      // Row 1's neighbour above is row H, row H's below is row 1.
      const uint64_t rowH = (key[lastWord] >> lastBit) & 1, row1 = key[0] & 1;
      for (int k = 0; k < words; ++k) {
        uint64_t above = key[k] << 1, below = key[k] >> 1;
        above |= k > 0 ? key[k - 1] >> 63 : rowH;
        if (k + 1 < words) below |= key[k + 1] << 63;
        if (k == lastWord) below |= row1 << lastBit;
        a[k] = key[k] & above & below;
      }
    }
    for (int x = 1; x <= W_; ++x) {
      const uint64_t* left = &around[static_cast<size_t>((x > 1 ? x - 1 : W_) - 1) * words];
      const uint64_t* mid = &around[static_cast<size_t>(x - 1) * words];
      const uint64_t* right = &around[static_cast<size_t>((x < W_ ? x + 1 : 1) - 1) * words];
      const uint64_t* key = keyAt_.Line(x);
      uint64_t* f = fillable_.Line(x);
      for (int k = 0; k < words; ++k) f[k] = key[k] & ~(left[k] & mid[k] & right[k]);
    }
  }

  // The nearest non-key pixel to the right, left, below and above key pixel
  // (x, y), each search wrapping and giving up when it comes back to the
  // start (the pixel itself is a key pixel, so a search that finds nothing
  // on its way around finds nothing at all); false when one finds nothing.
  bool Nearest(int x, int y, int& right, int& left, int& down, int& up) const {
    right = x < W_ ? keyInRow_.FirstClear(y, x + 1, W_) : 0;
    if (right == 0) right = keyInRow_.FirstClear(y, 1, x - 1);
    left = x > 1 ? keyInRow_.LastClear(y, 1, x - 1) : 0;
    if (left == 0) left = keyInRow_.LastClear(y, x + 1, W_);
    down = y < H_ ? keyAt_.FirstClear(x, y + 1, H_) : 0;
    if (down == 0) down = keyAt_.FirstClear(x, 1, y - 1);
    up = y > 1 ? keyAt_.LastClear(x, 1, y - 1) : 0;
    if (up == 0) up = keyAt_.LastClear(x, y + 1, H_);
    return right != 0 && left != 0 && down != 0 && up != 0;
  }

  // The rounded source averages of channels 1..3, or false when the mode
  // finds nothing to fill from.
  bool Sources(int mode, int x, int y, int64_t avg[3]) const {
    int64_t sum[3] = {0, 0, 0};
    int count = 0;
    auto add = [&](int sx, int sy) {
      const Word word = px_[Index(sx, sy)];
      for (int c = 0; c < 3; ++c) sum[c] += ChannelOf<Words>(word, c);
      ++count;
    };
    if (mode == 2) {
      int right, left, down, up;
      if (!Nearest(x, y, right, left, down, up)) return false;
      add(right, y);
      add(left, y);
      add(x, down);
      add(x, up);
    } else {
      // The eight wrapped neighbours (with W or H below 3 some of them are
      // the same pixel, counted as often as it is a neighbour). Key pixels
      // hold the key colour, so the sources' sum is the sum of all eight
      // words less the key colour once per key pixel among them: no branch
      // on whether a neighbour is a source, which is as good as random.
      const std::array<int, 3> xs = Around(x, W_);
      const std::array<int, 3> ys = RowsFrom0(y);
      const Word* column[3];
      for (int i = 0; i < 3; ++i) column[i] = px_ + Index(xs[i], 1);
      typename Words::Sum total;
      int keys = 0;
      auto add8 = [&](int i, int j) {
        const Word word = column[i][ys[j]];
        total.Add(word);
        keys += word == keyKey_;  // only key pixels hold the key colour
      };
      add8(0, 0), add8(0, 1), add8(0, 2), add8(1, 0), add8(1, 2), add8(2, 0), add8(2, 1), add8(2, 2);
      count = 8 - keys;
      if (count == 0) return false;
      for (int c = 0; c < 3; ++c) sum[c] = total.Of(c) - 8 * Words::Offset - keys * keyChannel_[c];
    }
    for (int c = 0; c < 3; ++c) avg[c] = RoundQuotient(sum[c], count);
    return true;
  }

  // True when some deviation within the ranges gives a colour other than the
  // key colour after clamping.
  bool CanChange(const int64_t avg[3]) const {
    for (int c = 0; c < 3; ++c) {
      const int64_t a = lo_[c] < hi_[c] ? lo_[c] : hi_[c], b = lo_[c] < hi_[c] ? hi_[c] : lo_[c];
      if (Clamp(avg[c] + a, 0, top_[c]) != key_[c] || Clamp(avg[c] + b, 0, top_[c]) != key_[c]) return true;
    }
    return false;
  }

  int W_, H_, space_, mode_;
  Plane* plane_[3];
  int32_t key_[3], top_[3];
  Word keyKey_;
  int64_t keyChannel_[3];  // its channels
  Word* px_;  // the pixel words
  int64_t lo_[3], hi_[3];
  BitMap keyAt_;     // column x, bit y: 1 = key colour
  BitMap keyInRow_;  // the same by rows, for the row searches of mode 2
  BitMap fillable_;  // mode 1: column x, bit y: 1 = key pixel with a source
  std::vector<int32_t> nonKeysInRow_, nonKeysInColumn_;  // mode 2, from 1
  int64_t keyCount_ = 0;
};

// The probes of the rounds, with their draws made ahead (on a thread of their
// own where the pool has one to spare), each draw rounded as an x and as a y
// as it is made. A probe takes two draws (x, then y) and, where it fills,
// three more, so where the coming probes fall follows from the draws and from
// which of them fill. A scout follows the probes a few ahead of the current
// one and fetches what the fills among them will read into the cache while the
// current ones are filled: the neighbourhood in mode 1; in mode 2 the words
// the searches along the row and the column start from, and a finder a few
// probes behind the scout, where those words have arrived, then fetches the
// pixels the searches find. A fill can change what a later probe does (its
// place fills no more, or a neighbour or a search finds a new source): each
// probe checks its place when it comes to it, so a wrong guess costs time,
// never a pixel.
template <typename Words>
class Prober {
 public:
  explicit Prober(Filler<Words>& fill)
      : fill_(fill), draws_(RandomSeed, ImageWidth - 1, ImageHeight - 1), mode_(fill.Mode()), W_(ImageWidth),
        H_(ImageHeight), map_(fill.FillableMap()), words_(fill.MapWords()) {}

  // Runs Rounds, which calls Round, with the draws made ahead.
  void Run(const std::function<void()>& Rounds) { draws_.Run(Rounds); }

  // One round of Probes probes; sets changed when a fill changed a pixel,
  // possible as Fill does.
  void Round(int64_t Probes, bool& changed, bool& possible) {
    int64_t p = draws_.Taken(), scout = scout_, finder = finder_;
    int lead = lead_, findLead = findLead_;
    for (int64_t i = 0; i < Probes; ++i) {
      for (; lead < Lead; ++lead) scout = Scout(scout);
      if (mode_ == 2)
        for (; findLead < FindLead; ++findLead) finder = Find(finder);
      const uint32_t seen = seen_[p & Mask];
      const int x = static_cast<int>(seen & 0x7FFF), y = static_cast<int>(seen >> 15 & 0x7FFF);
      const bool fills = Fills(x, y);
      if (fills) {
        const auto deviation = [&](int c, int64_t span) { return RoundDraw(draws_.Bits(p + 2 + c), span); };
        if (fill_.Fill(mode_, x, y, possible, deviation) == FillResult::Changed) changed = true;
      }
      const int step = fills ? 5 : 2;
      if (fills == (seen >> 31 != 0)) {
        --lead;
        if (mode_ == 2) --findLead;
      } else {  // the scout guessed wrong here: it starts again from the next probe
        scout = finder = p + step;
        lead = findLead = 0;
      }
      p += step;
      draws_.Take(step);
    }
    scout_ = scout;
    finder_ = finder;
    lead_ = lead;
    findLead_ = findLead;
  }

 private:
  static constexpr int Lead = 16;     // probes the scout is ahead
  static constexpr int FindLead = 8;  // probes the finder is ahead, in mode 2
  static constexpr int Ring = 128, Mask = Ring - 1;
  static_assert(5 * Lead + 2 < DrawWindow::Reach && 5 * Lead + 5 < Ring && FindLead < Lead);

  // Filler::Fillable, in mode 1 from the map's words.
  bool Fills(int x, int y) const {
    if (mode_ == 2) return fill_.Fillable(x, y);
    return map_[static_cast<unsigned>((x - 1) * words_ + ((y - 1) >> 6))] >> ((y - 1) & 63) & 1;
  }

  // Looks at the probe that starts with draw S: notes where it falls and
  // whether it fills, and if so fetches where the fill will read. Returns the
  // next probe's first draw.
  int64_t Scout(int64_t S) {
    const int x = draws_.PlaceA(S) + 1, y = draws_.PlaceB(S + 1) + 1;
    const bool fills = Fills(x, y);
    seen_[S & Mask] = static_cast<uint32_t>(x) | static_cast<uint32_t>(y) << 15 | static_cast<uint32_t>(fills) << 31;
    if (fills) {
      const void* reads[9];
      for (int k = fill_.Reads(x, y, reads) - 1; k >= 0; --k) __builtin_prefetch(reads[k]);
    }
    return S + (fills ? 5 : 2);
  }

  // Mode 2: follows the scout's guesses a few probes behind it, where the
  // words the searches go through have arrived, and fetches the pixels the
  // fills will read. Returns the next probe's first draw.
  int64_t Find(int64_t F) {
    const uint32_t seen = seen_[F & Mask];
    if (seen >> 31 == 0) return F + 2;
    const void* reads[4];
    fill_.SourceReads(static_cast<int>(seen & 0x7FFF), static_cast<int>(seen >> 15 & 0x7FFF), reads);
    for (const void* at : reads) __builtin_prefetch(at);
    return F + 5;
  }

  Filler<Words>& fill_;
  DrawWindow draws_;
  const int mode_, W_, H_;
  const uint64_t* const map_;  // mode 1: the map Fills reads
  const int words_;            // its words per column
  int64_t scout_ = 0;          // the next probe to look at
  int64_t finder_ = 0;         // mode 2: the next probe to find sources for
  int lead_ = 0, findLead_ = 0;  // how many probes they are ahead of the current one
  uint32_t seen_[Ring];        // by probe: x | y << 15 | whether the scout found it fills << 31
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
    Prober<Words> probe(fill);
    probe.Run([&] {
      for (int idle = 0;;) {
        bool changed = false, possible = false;
        probe.Round(pixels, changed, possible);
        if (fill.KeyCount() < enough) break;
        if (changed) {
          idle = 0;
          continue;
        }
        if (!fill.AnyCanChange(fill.Mode()) || ++idle >= IdleRoundLimit) break;
      }
    });
  }  // the draws made ahead are undone here

  const auto deviation = [](int, int64_t span) { return RandomRound(RandomSeed, span); };
  // A sweep visits the key pixels column by column, from the words of the key
  // map; a fill clears only the bit of the pixel it fills, so each word read
  // before its pixels are filled still lists the key pixels after them.
  const int words = (H + 63) / 64;
  for (int idle = 0; fill.KeyCount() > 0;) {
    bool changed = false, possible = false;
    for (int x = 1; x <= W; ++x) {
      const uint64_t* column = fill.KeyColumn(x);
      for (int k = 0; k < words; ++k)
        for (uint64_t bits = column[k]; bits != 0; bits &= bits - 1) {
          const int y = k * 64 + __builtin_ctzll(bits) + 1;
          if (fill.Fill(1, x, y, possible, deviation) == FillResult::Changed) changed = true;
        }
    }
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
