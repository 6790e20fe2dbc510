#include "modules/chaotic/ChaosModules.h"

#include <algorithm>
#include <cmath>

namespace quillon {

void RegisterChaosNames(int32_t Type, const char* Name, const char* Code, TForm* Form) {
  StoreTypeNames(Type, Name, Code, 1, Form);
  TypeNormalGlyphs[Type] = 0;  // drawn with the red glyphs
}

namespace {
void SetCommonDefaults(T_Prm_Module_Synthe& m, int32_t Luminosity) {
  m.ParamValue[7] = 1000;
  m.ParamValue[8] = Luminosity;
  m.ParamValue[10] = 0;
  m.ParamValue[11] = -52;
  m.ParamValue[12] = 52;
  m.ParamValue[13] = -52;
  m.ParamValue[14] = 52;
}

void SetCommonRanges(int Instance) {
  SetParamRange(Instance, 7, 1, 10000);
  SetParamRange(Instance, 8, 1, 1000);
  SetParamRange(Instance, 10, 0, 1000);
  for (int k = 11; k <= 14; ++k) SetParamRange(Instance, k, -100, 100);
}
}  // namespace

void SetChaos1Defaults(int Instance, int32_t WidthEffect, int32_t HeightEffect, int32_t Variant, int32_t Luminosity) {
  ClearValues(Instance);
  T_Prm_Module_Synthe& m = ModuleParams[Instance];
  m.ParamValue[1] = WidthEffect;
  m.ParamValue[2] = HeightEffect;
  m.ParamValue[4] = Variant;
  SetCommonDefaults(m, Luminosity);
}

void SetChaos1Ranges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, -1000, 1000);
  SetParamRange(Instance, 2, -1000, 1000);
  SetParamRange(Instance, 4, 1, 200);
  SetCommonRanges(Instance);
}

ChaosWork1 ReadChaosWork1(int Instance) {
  const auto& p = ModuleParams[Instance].ParamValue;
  auto r = [&](int k) { return static_cast<double>(p[k]); };
  return ChaosWork1{r(1), r(2), r(4), r(11), r(12), r(13), r(14), p[7], p[8], p[10]};
}

void SetChaos2Defaults(int Instance, int32_t WidthEffect1, int32_t HeightEffect1, int32_t WidthEffect2,
                       int32_t HeightEffect2, int32_t Luminosity) {
  ClearValues(Instance);
  T_Prm_Module_Synthe& m = ModuleParams[Instance];
  m.ParamValue[1] = WidthEffect1;
  m.ParamValue[2] = HeightEffect1;
  m.ParamValue[4] = WidthEffect2;
  m.ParamValue[5] = HeightEffect2;
  SetCommonDefaults(m, Luminosity);
}

void SetChaos2Ranges(int Instance) {
  ClearRanges(Instance);
  for (int k : {1, 2, 4, 5}) SetParamRange(Instance, k, -1000, 1000);
  SetCommonRanges(Instance);
}

ChaosWork2 ReadChaosWork2(int Instance) {
  const auto& p = ModuleParams[Instance].ParamValue;
  auto r = [&](int k) { return static_cast<double>(p[k]); };
  // Width effects 1 and 2 first, then height effects 1 and 2.
  return ChaosWork2{r(1), r(4), r(2), r(5), r(11), r(12), r(13), r(14), p[7], p[8], p[10]};
}

double ChaosCarefulPhaseSteps(int32_t Variant, int64_t Iterations) {
  const double step = std::fabs(ChaosScale(Variant));
  if (step == 0) return 0;
  // Step i's phase is 1 + i * step, up to the rounding of its additions:
  // at most i half units in the last place of a phase below 2^29, a few
  // units after 10^8 steps. The first step that may reach the careful range
  // is counted with a margin of 64 on the phase.
  const double first = std::ceil((trig::FastLimit - 64) / step);
  return std::clamp(static_cast<double>(Iterations) - first, 0.0, static_cast<double>(Iterations));
}

namespace {
double PassesAndSteps(int32_t Details, int Width, int Height) {
  return static_cast<double>(Width) * Height + static_cast<double>(ChaosIterations(Details));
}
}  // namespace

double Chaos1WorkCount(const ParamValues& p, int Width, int Height) {
  return PassesAndSteps(p[7], Width, Height) +
         ChaosCarefulStepCost * ChaosCarefulPhaseSteps(p[4], ChaosIterations(p[7]));
}

double Chaos2WorkCount(const ParamValues& p, int Width, int Height) { return PassesAndSteps(p[7], Width, Height); }

}  // namespace quillon
