// The machinery every phase-chain texture shares. A texture gives its chain
// as a table of phases; RunPhaseChain saves the result layer (the texture's
// work image while the phases run), shows each phase's status mark, seeds
// the random state where a phase asks for it, fills the callee's work record,
// calls the callee, copies or composes afterwards, then hands the finished
// work image over in the current layer and gives the result layer back.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/Chain.h"

namespace quillon {

enum class AfterPhase { Nothing, Copy, Compose };

struct Phase {
  // Fills the callee's work record (every field it reads).
  std::function<void()> FillWork;
  // The callee: a generator or filter algorithm entry point.
  void (*Operation)();
  // RandomSeed := this value before the call, for callees without a seed
  // field of their own; empty when the callee seeds itself or draws nothing.
  std::optional<int32_t> Seed{};
  AfterPhase After = AfterPhase::Nothing;
  // The blend of a compose step (every field is written before the blend).
  TBlendParams Compose{};
  // The status text after "(" + instance, e.g. ")  Swimming Pool [phase 1]";
  // empty: ") " + the type's display name + " [phase k]".
  std::string Status{};
};

// A work-record filler: the values in the record's field order. Every work
// record is a plain sequence of signed 32-bit fields, so the values are laid
// into it one after the other; the count must match the record exactly.
template <typename Record>
std::function<void()> Fill(Record& record, std::initializer_list<int32_t> values) {
  static_assert(std::is_trivially_copyable_v<Record> && sizeof(Record) % sizeof(int32_t) == 0);
  std::vector<int32_t> copy(values);
  return [&record, copy] {
    if (copy.size() * sizeof(int32_t) != sizeof(Record)) throw std::logic_error("work record size mismatch");
    std::memcpy(static_cast<void*>(&record), copy.data(), sizeof(Record));
  };
}

// A compose step's blend record: space 0 RGB / 1 HSL; result and current
// weights as fractions; the three channel functions; transparency colour and
// whether it applies.
TBlendParams ComposeWith(int32_t Space, double ResultWeight, double CurrentWeight, int32_t F1, int32_t F2,
                         int32_t F3, int32_t TransparencyColor, uint8_t ApplyTransparency);

// Runs the chain for the running instance, whose module type is Type. The
// result layer is given back as it was, also when a phase raises an error.
void RunPhaseChain(int Type, const std::vector<Phase>& Phases);

}  // namespace quillon
