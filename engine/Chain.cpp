#include "engine/Chain.h"

#include <array>
#include <cmath>
#include <utility>

#include "engine/BlendFunctions.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "engine/Pixels.h"
#include "engine/UserInterface.h"
#include "engine/WorkBound.h"

namespace quillon {

TBlendParams BlendParams;
uint8_t BlendFlag = 0;

const char* const BlendFunctionNames[BlendFunctionCount] = {
    "Result Layer", "Current Layer", "Add",        "Subtract Current - Result", "Subtract Result - Current",
    "Middle",       "Difference",    "And",        "Or",                        "Xor",
    "Min",          "Max",           "Complex 1",  "Complex 2",                 "Complex 3",
    "Complex 4",    "Complex 5",     "Complex 6",  "Complex 7",                 "Complex 8",
    "Complex 9",    "Complex 10",    "Complex 11", "Complex 12"};

namespace {

// The weights of the integer blend: both whole numbers (as 100 %, the
// default, gives 1), the pair not read from the mask, and small enough that
// the weighted samples (at most 2^15 * 2^10) and every value the functions
// make of them (eight times that at most) fit 32 bits. With such weights the
// weighted samples are integers, so BlendInteger gives BlendValue's values,
// and Round of the clamped integer is that integer.
bool IntegerWeights(double ResultWeight, double CurrentWeight, bool MaskWeights) {
  auto whole = [](double w) { return w == std::floor(w) && std::fabs(w) <= 1024; };
  return !MaskWeights && whole(ResultWeight) && whole(CurrentWeight);
}

// One channel of one column of the result on the integer path, in place.
// Keep (when given) marks the pixels of the transparent colour, which stay
// as they are.
template <int Function>
QUILLON_VECTOR_CLONES void BlendColumnInteger(Sample* __restrict result, const Sample* __restrict current, int n,
                                              int32_t rw, int32_t cw, int32_t top, const uint8_t* __restrict keep) {
  auto value = [&](int y) {
    const int32_t v = BlendInteger<Function, int32_t>(result[y] * rw, current[y] * cw);
    return static_cast<Sample>(v < 0 ? 0 : (v > top ? top : v));
  };
  if (keep == nullptr) {
    for (int y = 0; y < n; ++y) result[y] = value(y);
  } else {
    for (int y = 0; y < n; ++y) result[y] = keep[y] ? result[y] : value(y);
  }
}

using IntegerColumnPass = void (*)(Sample*, const Sample*, int, int32_t, int32_t, int32_t, const uint8_t*);

template <size_t... F>
constexpr std::array<IntegerColumnPass, sizeof...(F)> IntegerColumnPasses(std::index_sequence<F...>) {
  return {&BlendColumnInteger<static_cast<int>(F)>...};
}
constexpr auto IntegerPasses = IntegerColumnPasses(std::make_index_sequence<BlendFunctionCount>{});

// A function number outside 0..23 keeps the weighted result, as function 0.
IntegerColumnPass IntegerPassOf(int Function) {
  return IntegerPasses[Function >= 0 && Function < BlendFunctionCount ? Function : 0];
}

}  // namespace

void BlendCurrentIntoResult() {
  const TBlendParams bp = BlendParams;
  // Blend space 1 is HSL; 0 and any other value blend in RGB.
  const int space = bp.BlendSpace == 1 ? SpaceHSL : SpaceRGB;
  const bool maskWeights = bp.ResultWeight < 1.0 && bp.CurrentWeight < 1.0;
  LayerData& cur = Layer(CurrentLayer);
  LayerData& res = Layer(ResultLayer);
  const int h = ImageHeight;
  const bool transparency = bp.ApplyTransparency == 1;
  auto keepOf = [&](const Sample* const cc[3], uint8_t* keep) {
    for (int y = 0; y < h; ++y) keep[y] = PackRGB(cc[0][y], cc[1][y], cc[2][y]) == bp.TransparencyColor;
  };
  if (IntegerWeights(bp.ResultWeight, bp.CurrentWeight, maskWeights)) {
    const auto rw = static_cast<int32_t>(bp.ResultWeight), cw = static_cast<int32_t>(bp.CurrentWeight);
    ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
      uint8_t keep[MaxImageSide];
      for (int x = x0; x <= x1; ++x) {
        const Sample* cc[3] = {cur.plane(space, 1).column(x), cur.plane(space, 2).column(x),
                               cur.plane(space, 3).column(x)};
        if (transparency) keepOf(cc, keep);
        for (int c = 0; c < 3; ++c) {
          Sample* rc = res.plane(space, c + 1).column(x);
          const int32_t top = (space == SpaceHSL && c == 0) ? MaxHue : MaxSatLum;
          IntegerPassOf(bp.Function[c])(rc, cc[c], h, rw, cw, top, transparency ? keep : nullptr);
        }
      }
    });
    SyncColorSpace(space);
    return;
  }
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      const Sample* cc[3] = {cur.plane(space, 1).column(x), cur.plane(space, 2).column(x),
                             cur.plane(space, 3).column(x)};
      Sample* rc[3] = {res.plane(space, 1).column(x), res.plane(space, 2).column(x), res.plane(space, 3).column(x)};
      const Sample* mask = ImageStore().BlendMask.column(x);
      for (int y = 0; y < h; ++y) {
        long double rw = bp.ResultWeight, cw = bp.CurrentWeight;
        if (maskWeights) {
          cw = static_cast<long double>(mask[y]) / 100;
          rw = 1 - cw;
        }
        if (transparency && PackRGB(cc[0][y], cc[1][y], cc[2][y]) == bp.TransparencyColor) continue;
        for (int c = 0; c < 3; ++c) {
          const long double X = rc[c][y] * rw, Y = cc[c][y] * cw;
          const long double v = BlendValue(bp.Function[c], X, Y);
          const long double top = (space == SpaceHSL && c == 0) ? MaxHue : MaxSatLum;
          const long double clamped = v < 0 ? 0 : (v > top ? top : v);
          rc[c][y] = static_cast<Sample>(Round(clamped));
        }
      }
    }
  });
  SyncColorSpace(space);
}

void ComputeChain() {
  // The chain computes under the busy sign (the wait cursor), which goes
  // away also when a module raises an error.
  TBusyScope busy;
  for (int i = 1; i <= CurrentInstance && i < NextInstance; ++i) {
    T_Prm_Module_Synthe& m = ModuleParams[i];
    if (m.Active != 1 || !RegisteredType(m.ModuleType)) continue;
    RunningInstance = i;
    // A render that would take too long is told and left black, as a
    // generator leaves a picture it cannot draw; the chain goes on.
    if (const auto refusal = CheckWork(i)) {
      ShowUserMessage(WorkRefusalText(*refusal));
      FillLayer(CurrentLayer, SpaceHSL, 0, 0, 0);
      SyncCurrentColorSpace(SpaceHSL);
    } else {
      TypeExecuteProc[m.ModuleType]();
    }
    BlendFlag = TypeGenerator[m.ModuleType];
    BlendParams.BlendSpace = m.BlendSpace;
    BlendParams.ResultWeight = m.ResultWeight / 100.0;
    BlendParams.CurrentWeight = m.CurrentWeight / 100.0;
    BlendParams.TransparencyColor = m.TransparencyColor;
    BlendParams.ApplyTransparency = m.ApplyTransparency;
    for (int c = 0; c < 3; ++c) BlendParams.Function[c] = m.BlendFunction[c + 1];
    if (BlendFlag == 1) {
      if (i > 1)
        BlendCurrentIntoResult();
      else
        CopyCurrentToResult();
    }
  }
}

}  // namespace quillon
