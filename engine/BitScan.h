// Searches along rows of bits held in 64-bit words, bit i of the row being
// bit i % 64 of word i / 64. Set looks for set bits; with Set false the
// search looks for clear ones among the row's Count bits (the padding after
// them is never found).
#pragma once

#include <bit>
#include <cstdint>
#include <type_traits>

namespace quillon {

// The lowest bit at index From or above, below index Count, that is Set;
// -1 for none.
template <bool Set = true>
inline int FirstBitFrom(const uint64_t* Words, int Count, int From) {
  constexpr uint64_t flip = Set ? 0 : ~uint64_t{0};
  if (From >= Count) return -1;
  int w = From >> 6;
  uint64_t bits = (Words[w] ^ flip) & (~uint64_t{0} << (From & 63));
  const int last = (Count - 1) >> 6;
  while (bits == 0) {
    if (++w > last) return -1;
    bits = Words[w] ^ flip;
  }
  const int found = (w << 6) + std::countr_zero(bits);
  return found < Count ? found : -1;
}

// The highest bit below index Below that is Set; -1 for none.
template <bool Set = true>
inline int LastBitBelow(const uint64_t* Words, int Below) {
  constexpr uint64_t flip = Set ? 0 : ~uint64_t{0};
  if (Below <= 0) return -1;
  int w = (Below - 1) >> 6;
  const int keep = ((Below - 1) & 63) + 1;  // bits 0 .. keep - 1 of word w
  uint64_t bits = (Words[w] ^ flip) & (keep == 64 ? ~uint64_t{0} : (uint64_t{1} << keep) - 1);
  while (bits == 0) {
    if (--w < 0) return -1;
    bits = Words[w] ^ flip;
  }
  return (w << 6) + 63 - std::countl_zero(bits);
}

// Calls Visit(i) for each set bit i of the WordCount words at Words, lowest
// first, reading each word once, when the visits reach it: a visit may clear
// bits it has passed. A Visit that returns bool ends the visits by returning
// true, and the call then returns true.
template <typename Visitor>
inline bool ForEachSetBit(const uint64_t* Words, int WordCount, Visitor&& Visit) {
  for (int k = 0; k < WordCount; ++k)
    for (uint64_t bits = Words[k]; bits != 0; bits &= bits - 1) {
      const int i = (k << 6) + std::countr_zero(bits);
      if constexpr (std::is_same_v<decltype(Visit(i)), bool>) {
        if (Visit(i)) return true;
      } else {
        Visit(i);
      }
    }
  return false;
}

}  // namespace quillon
