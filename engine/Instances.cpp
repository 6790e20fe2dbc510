#include "engine/Instances.h"

#include "engine/UserInterface.h"

namespace quillon {

T_Prm_Module_Synthe ModuleParams[MaxInstances + 2];
int32_t NextInstance = 1;
int32_t CurrentInstance = 0;
int32_t RunningInstance = 0;

InstanceProc TypeDefaultsProc[MaxModuleTypes + 1];
InstanceProc TypeRangesProc[MaxModuleTypes + 1];
ExecuteProc TypeExecuteProc[MaxModuleTypes + 1];
std::string TypeName[MaxModuleTypes + 1];
std::string TypeCode[MaxModuleTypes + 1];
uint8_t TypeGenerator[MaxModuleTypes + 1];
TForm* TypeForm[MaxModuleTypes + 1];
uint8_t TypeNormalGlyphs[MaxModuleTypes + 1];

int32_t LanguageFlag = 1;
uint8_t TextureDirty = 0;
std::string TextureName = "No Name";

void StoreTypeProcs(int32_t Type, InstanceProc Defaults, InstanceProc Ranges, ExecuteProc Execute) {
  TypeDefaultsProc[Type] = Defaults;
  TypeRangesProc[Type] = Ranges;
  TypeExecuteProc[Type] = Execute;
}

void StoreTypeNames(int32_t Type, const std::string& Name, const std::string& Code, uint8_t Generator, TForm* Form) {
  TypeName[Type] = Name;
  TypeCode[Type] = Code;
  TypeGenerator[Type] = Generator;
  TypeForm[Type] = Form;
}

int CreateInstance(int32_t Type) {
  if (NextInstance > MaxInstances) {
    ShowUserMessage("Too much modules ...");
    return 0;
  }
  if (!RegisteredType(Type)) {
    ShowUserMessage("Unknown module type " + std::to_string(Type) + " ...");
    return 0;
  }
  const int i = NextInstance++;
  T_Prm_Module_Synthe& m = ModuleParams[i];
  m = T_Prm_Module_Synthe{};
  m.ModuleType = Type;
  m.Active = 1;
  for (int c = 1; c <= 3; ++c) m.BlendFunction[c] = 2;  // "Add"
  m.BlendSpace = 0;
  m.ResultWeight = 100;
  m.CurrentWeight = 100;
  if (TypeDefaultsProc[Type]) TypeDefaultsProc[Type](i);
  if (TypeRangesProc[Type]) TypeRangesProc[Type](i);
  CurrentInstance = i;
  TextureDirty = 1;
  return i;
}

T_Prm_Module_Synthe FreshInstance(int32_t Type) {
  // Built in the scratch slot 0, which gets its contents back.
  const T_Prm_Module_Synthe saved = ModuleParams[0];
  ModuleParams[0] = T_Prm_Module_Synthe{};
  ModuleParams[0].ModuleType = Type;
  if (RegisteredType(Type)) {
    if (TypeDefaultsProc[Type]) TypeDefaultsProc[Type](0);
    if (TypeRangesProc[Type]) TypeRangesProc[Type](0);
  }
  const T_Prm_Module_Synthe m = ModuleParams[0];
  ModuleParams[0] = saved;
  return m;
}

void ClearValues(int Instance) {
  T_Prm_Module_Synthe& m = ModuleParams[Instance];
  for (int k = 1; k <= ParamCount; ++k) m.ParamValue[k] = 0;
  for (int k = 1; k <= ColorParamCount; ++k) m.ParamColor[k] = 0;
}

void ClearRanges(int Instance) {
  T_Prm_Module_Synthe& m = ModuleParams[Instance];
  for (int k = 1; k <= ParamCount; ++k) m.ParamMin[k] = m.ParamMax[k] = 0;
}

void SetParamRange(int Instance, int Param, int32_t Min, int32_t Max) {
  ModuleParams[Instance].ParamMin[Param] = Min;
  ModuleParams[Instance].ParamMax[Param] = Max;
}

}  // namespace quillon
