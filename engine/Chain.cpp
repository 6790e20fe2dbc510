#include "engine/Chain.h"

#include <cmath>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "shell/widgets/Cursor.h"

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

// min and max as fmin and fmax define them (a NaN operand gives the other
// one), without the library call: the blend runs them per sample.
inline long double Min(long double a, long double b) {
  if (a != a) return b;
  if (b != b) return a;
  return b < a ? b : a;
}
inline long double Max(long double a, long double b) {
  if (a != a) return b;
  if (b != b) return a;
  return b > a ? b : a;
}

// The blend functions, inlined into the per-pixel loop: passing 80-bit reals
// to a function goes through memory and costs more than the function itself.
[[gnu::always_inline]] inline long double Blend(int Function, long double X, long double Y) {
  using std::fabs;
  auto rx = [&] { return Round(X); };
  auto ry = [&] { return Round(Y); };
  auto A = [&] { return static_cast<long double>(Round((X + Y) / 2)); };
  auto D = [&] { return fabs(X - Y); };
  auto V = [&] { return static_cast<long double>(rx() ^ ry()); };
  switch (Function) {
    case 0: return X;
    case 1: return Y;
    case 2: return X + Y;
    case 3: return Y - X;
    case 4: return X - Y;
    case 5: return A();
    case 6: return D();
    case 7: return static_cast<long double>(rx() & ry());
    case 8: return static_cast<long double>(rx() | ry());
    case 9: return V();
    case 10: return Min(X, Y);
    case 11: return Max(X, Y);
    case 12: return Min(Y, D());
    case 13: return Max(Y, D());
    case 14: return Min(X, D());
    case 15: return Max(X, D());
    case 16: return Min(A(), D());
    case 17: return Max(A(), D());
    case 18: return A() + D();
    case 19: return fabs(A() - D());
    case 20: return Min(V(), Y);
    case 21: return Max(V(), Y);
    case 22: return Min(V(), X);
    case 23: return Max(V(), X);
    default: return X;
  }
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
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      const Sample* cc[3] = {cur.plane(space, 1).column(x), cur.plane(space, 2).column(x),
                             cur.plane(space, 3).column(x)};
      Sample* rc[3] = {res.plane(space, 1).column(x), res.plane(space, 2).column(x), res.plane(space, 3).column(x)};
      const Sample* mask = BlendMask.column(x);
      for (int y = 0; y < h; ++y) {
        long double rw = bp.ResultWeight, cw = bp.CurrentWeight;
        if (maskWeights) {
          cw = static_cast<long double>(mask[y]) / 100;
          rw = 1 - cw;
        }
        if (bp.ApplyTransparency == 1 && PackRGB(cc[0][y], cc[1][y], cc[2][y]) == bp.TransparencyColor) continue;
        for (int c = 0; c < 3; ++c) {
          const long double X = rc[c][y] * rw, Y = cc[c][y] * cw;
          const long double v = Blend(bp.Function[c], X, Y);
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
  // The chain computes under the wait cursor, the user's sign that the
  // program is busy; the cursor comes back also when a module raises an error.
  TWaitCursor waitCursor;
  for (int i = 1; i <= CurrentInstance && i < NextInstance; ++i) {
    T_Prm_Module_Synthe& m = ModuleParams[i];
    if (m.Active != 1 || !RegisteredType(m.ModuleType)) continue;
    RunningInstance = i;
    TypeExecuteProc[m.ModuleType]();
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
