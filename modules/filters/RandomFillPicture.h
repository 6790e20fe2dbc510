// The picture a random colour fill works on: the three channels of each
// pixel packed in one word, and bit maps of the key pixels (by columns, and
// by rows for mode 2), of those a probe of mode 1 fills, and the counts of
// non-key pixels of mode 2's rows and columns, with what a fill reads and
// changes in them. The fill itself (its rounds of probes and its sweeps)
// lives in RandomFill.cpp.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/BitScan.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "modules/filters/FilterSupport.h"
#include "modules/filters/RandomFill.h"

namespace quillon::fill {

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

  // The first position of from..last of a line's bits that is clear, or 0.
  static int FirstClear(const uint64_t* Line, int from, int last) { return FirstBitFrom<false>(Line, last, from - 1) + 1; }
  // The last position of first..from of a line's bits that is clear, or 0.
  static int LastClear(const uint64_t* Line, int first, int from) {
    const int found = LastBitBelow<false>(Line, from) + 1;
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

// The positions before, at and after p on a wrapped line of n.
inline std::array<int, 3> Around(int p, int n) { return {p > 1 ? p - 1 : n, p, p < n ? p + 1 : 1}; }

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
    const FillResult result = Paint(x, y, avg, possible, deviation);
    if (result == FillResult::Changed) Unkey(x, y);
    return result;
  }

  // The colour part of a fill: the pixel words only, the maps as they were.
  template <typename Deviation>
  FillResult Paint(int x, int y, const int64_t avg[3], bool& possible, Deviation&& deviation) {
    int32_t v[3];
    for (int c = 0; c < 3; ++c) v[c] = Clamp(avg[c] + lo_[c] + deviation(c, hi_[c] - lo_[c]), 0, top_[c]);
    if (v[0] == key_[0] && v[1] == key_[1] && v[2] == key_[2]) {
      // Whether a change was possible matters only to a round or sweep
      // that changed nothing, so only a pixel left as it was asks.
      if (CanChange(avg)) possible = true;
      return FillResult::KeptKey;
    }
    px_[Index(x, y)] = Words::Pack(static_cast<Sample>(v[0]), static_cast<Sample>(v[1]), static_cast<Sample>(v[2]));
    return FillResult::Changed;
  }

  // The map part of a fill: key pixel (x, y) is one no more.
  void Unkey(int x, int y) {
    if (mode_ == 2)
      Mode2Maps().Unkey(x, y);
    else
      Mode1Maps().Unkey(x, y);
    --keyCount_;
  }

  // Undoes Unkey for each of the pixels (x, y) listed, whatever else was
  // unkeyed since.
  template <typename Claims>
  void Rekey(const Claims& c) {
    for (const auto& one : c) {
      keyAt_.Set(one.x, one.y);
      if (mode_ == 2) {
        keyInRow_.Set(one.y, one.x);
        --nonKeysInRow_[one.y];
        --nonKeysInColumn_[one.x];
      }
      ++keyCount_;
    }
    // Mode 1: a pixel is fillable when it is a key pixel and not all its
    // neighbours are; only the pixels around those keyed again can differ.
    if (mode_ == 2) return;
    for (const auto& one : c)
      for (int x : Around(one.x, W_))
        for (int y : Around(one.y, H_)) {
          bool allRound = true;
          for (int nx : Around(x, W_))
            for (int ny : Around(y, H_))
              if (nx != x || ny != y) allRound = allRound && keyAt_.Get(nx, ny);
          if (keyAt_.Get(x, y) && !allRound)
            fillable_.Set(x, y);
          else
            fillable_.Clear(x, y);
        }
  }

  // Mode 1's maps, as a loop over many probes keeps them at hand: bit y - 1
  // of column x, PerColumn words of bits a column.
  struct Maps1 {
    uint64_t* key;
    uint64_t* fillable;
    int PerColumn, W, H;

    bool Fillable(int x, int y) const {
      return fillable[static_cast<size_t>(x - 1) * PerColumn + ((y - 1) >> 6)] >> ((y - 1) & 63) & 1;
    }
    // Mode 1 finds its sources in the pixel words, as it paints.
    void SourcePlaces(int, int, uint16_t[4]) const {}
    // Key pixel (x, y) is one no more, and its key neighbours now have a
    // source (it is no key neighbour of its own any more where the picture
    // is so small that it is one). Mostly its three rows lie within one word.
    void Unkey(int x, int y) const {
      const size_t columns[3] = {static_cast<size_t>(x > 1 ? x - 2 : W - 1) * PerColumn,
                                 static_cast<size_t>(x - 1) * PerColumn, static_cast<size_t>(x < W ? x : 0) * PerColumn};
      const size_t at = columns[1] + ((y - 1) >> 6);
      const uint64_t bit = uint64_t{1} << ((y - 1) & 63);
      key[at] &= ~bit;
      const int above = y - 2;  // the row above's place in the words, from 0
      if (above >= 0 && y < H && (above & 63) <= 61) {
        const size_t word = above >> 6;
        const uint64_t rows = uint64_t{7} << (above & 63);
        for (const size_t c : columns) fillable[c + word] |= key[c + word] & rows;
      } else {
        const int rows[3] = {above >= 0 ? above : H - 1, y - 1, y < H ? y : 0};
        for (const size_t c : columns)
          for (const int r : rows) fillable[c + (r >> 6)] |= key[c + (r >> 6)] & uint64_t{1} << (r & 63);
      }
      fillable[at] &= ~bit;
    }
  };
  // (The views are handed out by const calls as well: Sources only reads
  // through them.)
  Maps1 Mode1Maps() const {
    return {const_cast<uint64_t*>(keyAt_.Line(1)), const_cast<uint64_t*>(fillable_.Line(1)), keyAt_.Words(), W_, H_};
  }

  // Mode 2's maps, held the same way: the key pixels by columns and by rows
  // (bit x - 1 of row y), and the non-key pixels of each row and column.
  struct Maps2 {
    uint64_t* key;
    uint64_t* keyInRow;
    int32_t* nonKeysInRow;
    int32_t* nonKeysInColumn;
    int PerColumn, PerRow, W, H;

    uint64_t* Column(int x) const { return key + static_cast<size_t>(x - 1) * PerColumn; }
    uint64_t* Row(int y) const { return keyInRow + static_cast<size_t>(y - 1) * PerRow; }
    // A key pixel has sources when neither its row nor its column is key
    // pixels only.
    bool Fillable(int x, int y) const {
      return (Column(x)[(y - 1) >> 6] >> ((y - 1) & 63) & 1) && nonKeysInRow[y] > 0 && nonKeysInColumn[x] > 0;
    }
    // The nearest non-key pixel to the right, left, below and above key pixel
    // (x, y), each search wrapping and giving up when it comes back to the
    // start (the pixel itself is a key pixel, so a search that finds nothing
    // on its way around finds nothing at all); false when one finds nothing.
    bool Nearest(int x, int y, int& right, int& left, int& down, int& up) const {
      const uint64_t* row = Row(y);
      const uint64_t* column = Column(x);
      right = x < W ? BitMap::FirstClear(row, x + 1, W) : 0;
      if (right == 0) right = BitMap::FirstClear(row, 1, x - 1);
      left = x > 1 ? BitMap::LastClear(row, 1, x - 1) : 0;
      if (left == 0) left = BitMap::LastClear(row, x + 1, W);
      down = y < H ? BitMap::FirstClear(column, y + 1, H) : 0;
      if (down == 0) down = BitMap::FirstClear(column, 1, y - 1);
      up = y > 1 ? BitMap::LastClear(column, 1, y - 1) : 0;
      if (up == 0) up = BitMap::LastClear(column, y + 1, H);
      return right != 0 && left != 0 && down != 0 && up != 0;
    }
    // Where the searches of fillable pixel (x, y) find its sources: right,
    // left, down, up.
    void SourcePlaces(int x, int y, uint16_t Source[4]) const {
      int right, left, down, up;
      Nearest(x, y, right, left, down, up);
      Source[0] = static_cast<uint16_t>(right);
      Source[1] = static_cast<uint16_t>(left);
      Source[2] = static_cast<uint16_t>(down);
      Source[3] = static_cast<uint16_t>(up);
    }
    void Unkey(int x, int y) const {
      Column(x)[(y - 1) >> 6] &= ~(uint64_t{1} << ((y - 1) & 63));
      Row(y)[(x - 1) >> 6] &= ~(uint64_t{1} << ((x - 1) & 63));
      ++nonKeysInRow[y];
      ++nonKeysInColumn[x];
    }
  };
  Maps2 Mode2Maps() const {
    return {const_cast<uint64_t*>(keyAt_.Line(1)),
            const_cast<uint64_t*>(keyInRow_.Line(1)),
            const_cast<int32_t*>(nonKeysInRow_.data()),
            const_cast<int32_t*>(nonKeysInColumn_.data()),
            keyAt_.Words(),
            keyInRow_.Words(),
            W_,
            H_};
  }

  // Whether a probe of (x, y) fills, that is, whether (x, y) is a key pixel
  // for which the rounds' mode finds a source. Mode 1 keeps a map of them;
  // in mode 2 a key pixel has sources when neither its row nor its column is
  // key pixels only.
  bool Fillable(int x, int y) const { return mode_ == 1 ? Mode1Maps().Fillable(x, y) : Mode2Maps().Fillable(x, y); }
  // Claimed fills made Unkey's changes to the maps (Maps1::Unkey,
  // Maps2::Unkey) but not to the count of key pixels.
  void Unkeyed(int64_t N) { keyCount_ -= N; }

  // The pixels a fill of (x, y) reads: in mode 2 those at the places its
  // searches found (Source), in mode 1 its neighbourhood. N places, each
  // within a word. (The caller prefetches them: a function that only
  // prefetched would have no effect the compiler need keep.)
  int PixelReads(int x, int y, const uint16_t Source[4], const void* at[6]) const {
    if (mode_ == 2) {
      at[0] = px_ + Index(Source[0], y);
      at[1] = px_ + Index(Source[1], y);
      at[2] = px_ + Index(x, Source[2]);
      at[3] = px_ + Index(x, Source[3]);
      return 4;
    }
    const std::array<int, 3> xs = Around(x, W_), ys = Around(y, H_);
    for (int i = 0; i < 3; ++i) {
      at[2 * i] = px_ + Index(xs[i], ys[0]);
      at[2 * i + 1] = px_ + Index(xs[i], ys[2]);
    }
    return 6;
  }

  // The rounded source averages of a claimed fill of (x, y) whose mode 2
  // searches found Source, from the pixel words as they are now. (Mode 1
  // finds its sources in the words, so Sources gives them then. A claimed
  // pixel has a source: a neighbour that was no key pixel when it was
  // claimed is painted by now, with a colour other than the key.)
  void ClaimedSources(int x, int y, const uint16_t Source[4], int64_t avg[3]) const {
    if (mode_ == 1)
      Sources(1, x, y, avg);
    else
      Average4(Source[0], Source[1], x, y, Source[2], Source[3], avg);
  }

  // Whether any key pixel could still change under the rounds' mode.
  // Only a fillable key pixel has sources, and the maps tell which are.
  bool AnyCanChange() const {
    for (int x = 1; x <= W_; ++x)
      if (ForEachSetBit(keyAt_.Line(x), keyAt_.Words(), [&](int i) {
            int64_t avg[3];
            return Fillable(x, i + 1) && Sources(mode_, x, i + 1, avg) && CanChange(avg);
          }))
        return true;
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
  // The same for row y, counted from 0 as in the pixel words and the maps.
  std::array<int, 3> RowsFrom0(int y) const {
    const std::array<int, 3> rows = Around(y, H_);
    return {rows[0] - 1, rows[1] - 1, rows[2] - 1};
  }

  // Mode 2's row map and the non-key pixels of each row and column.
  void MarkRows() {
    nonKeysInColumn_.assign(W_ + 1, H_);
    nonKeysInRow_.assign(H_ + 1, W_);
    for (int x = 1; x <= W_; ++x)
      ForEachSetBit(keyAt_.Line(x), keyAt_.Words(), [&](int i) {
        keyInRow_.Set(i + 1, x);
        --nonKeysInRow_[i + 1];
        --nonKeysInColumn_[x];
      });
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

  // The rounded source averages of channels 1..3, or false when the mode
  // finds nothing to fill from.
  bool Sources(int mode, int x, int y, int64_t avg[3]) const {
    if (mode == 2) {
      int right, left, down, up;
      if (!Mode2Maps().Nearest(x, y, right, left, down, up)) return false;
      Average4(right, left, x, y, down, up, avg);
      return true;
    }
    // The eight wrapped neighbours (with W or H below 3 some of them are the
    // same pixel, counted as often as it is a neighbour). Key pixels hold
    // the key colour, so the sources' sum is the sum of all eight words less
    // the key colour once per key pixel among them: no branch on whether a
    // neighbour is a source, which is as good as random.
    const std::array<int, 3> xs = Around(x, W_);
    const std::array<int, 3> ys = RowsFrom0(y);
    const Word* column[3];
    for (int i = 0; i < 3; ++i) column[i] = px_ + Index(xs[i], 1);
    typename Words::Sum total;
    int keys = 0;
    auto add = [&](int i, int j) {
      const Word word = column[i][ys[j]];
      total.Add(word);
      keys += word == keyKey_;  // only key pixels hold the key colour
    };
    add(0, 0), add(0, 1), add(0, 2), add(1, 0), add(1, 2), add(2, 0), add(2, 1), add(2, 2);
    const int count = 8 - keys;
    if (count == 0) return false;
    for (int c = 0; c < 3; ++c)
      avg[c] = RoundQuotient(total.Of(c) - 8 * Words::Offset - keys * keyChannel_[c], count);
    return true;
  }

  // Mode 2's average: of pixels (Right, y), (Left, y), (x, Down), (x, Up).
  void Average4(int Right, int Left, int x, int y, int Down, int Up, int64_t avg[3]) const {
    const Word words[4] = {px_[Index(Right, y)], px_[Index(Left, y)], px_[Index(x, Down)], px_[Index(x, Up)]};
    for (int c = 0; c < 3; ++c) {
      int64_t sum = 0;
      for (const Word w : words) sum += ChannelOf<Words>(w, c);
      avg[c] = RoundQuotient(sum, 4);
    }
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

}  // namespace quillon::fill
