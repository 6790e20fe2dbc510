#include "engine/WorkBound.h"

#include <algorithm>
#include <limits>

#include "engine/ImageStore.h"
#include "engine/UserInterface.h"

namespace quillon {

const TWorkBound* TypeWorkBound[MaxModuleTypes + 1];

void StoreTypeWorkBound(int32_t Type, const TWorkBound* Bound) { TypeWorkBound[Type] = Bound; }

double MeanHeld(double A, double B, double Top) {
  const double lo = std::min(A, B), hi = std::max(A, B);
  // The integral of the held value from 0 to u.
  auto integral = [Top](double u) {
    if (u <= 0) return 0.0;
    if (u <= Top) return u * u / 2;
    return Top * Top / 2 + Top * (u - Top);
  };
  if (hi - lo < 1) return std::clamp(lo, 0.0, std::max(Top, 0.0));
  return (integral(hi) - integral(lo)) / (hi - lo);
}

double WorkLimit(int32_t Type, int Width, int Height) {
  const TWorkBound* bound = ValidModuleType(Type) ? TypeWorkBound[Type] : nullptr;
  if (bound == nullptr) return std::numeric_limits<double>::infinity();
  ParamValues slowest = FreshInstance(Type).ParamValue;
  for (const auto& [param, value] : bound->Slowest) slowest[param] = value;
  return WorkBoundFactor * bound->Count(slowest, Width, Height);
}

std::optional<WorkRefusal> CheckWork(int Instance) {
  const T_Prm_Module_Synthe& m = ModuleParams[Instance];
  if (!ValidModuleType(m.ModuleType) || TypeWorkBound[m.ModuleType] == nullptr) return std::nullopt;
  const TWorkBound& bound = *TypeWorkBound[m.ModuleType];
  const int W = ImageWidth, H = ImageHeight;
  const double limit = WorkLimit(m.ModuleType, W, H);
  ParamValues values = m.ParamValue;
  auto fits = [&](int k, int64_t v) {
    const int32_t kept = values[k];
    values[k] = static_cast<int32_t>(v);
    const bool ok = bound.Count(values, W, H) <= limit;
    values[k] = kept;
    return ok;
  };
  if (bound.Count(values, W, H) <= limit) return std::nullopt;
  for (int k = 1; k <= ParamCount; ++k) {
    const int64_t value = values[k];
    const int64_t nearest = std::clamp<int64_t>(value, m.ParamMin[k], std::max(m.ParamMin[k], m.ParamMax[k]));
    if (value == nearest) continue;
    if (!fits(k, nearest)) {
      values[k] = static_cast<int32_t>(nearest);
      continue;
    }
    // The count fits at `ok` and not at `over`; halve the gap between them.
    int64_t ok = nearest, over = value;
    while (over - ok > 1 || ok - over > 1) {
      const int64_t mid = ok + (over - ok) / 2;
      (fits(k, mid) ? ok : over) = mid;
    }
    return WorkRefusal{Instance, k, static_cast<int32_t>(value), static_cast<int32_t>(ok), W, H};
  }
  // Unreachable while the slowest setting is the slowest: with every value
  // inside its range the count fits. A bound whose slowest setting is not
  // refuses without naming a value.
  return WorkRefusal{Instance, 0, 0, 0, W, H};
}

std::string WorkRefusalText(const WorkRefusal& r) {
  const T_Prm_Module_Synthe& m = ModuleParams[r.Instance];
  const std::string caption = ParamCaptionOf(m.ModuleType, r.Param);
  std::string text = "(";
  text += std::to_string(r.Instance);
  text += ") ";
  text += TypeName[m.ModuleType];
  const std::string size = std::to_string(r.Width) + " x " + std::to_string(r.Height);
  if (r.Param == 0) return text + ": its values are too much work at " + size;
  text += ": parameter ";
  text += std::to_string(r.Param);
  if (!caption.empty()) text += " (" + caption + ")";
  text += " = " + std::to_string(r.Value) + " is too much work at " + size + "; the ";
  text += r.Value > m.ParamMax[r.Param] ? "largest" : "smallest";
  return text + " value computed at this size is " + std::to_string(r.Limit);
}

}  // namespace quillon
