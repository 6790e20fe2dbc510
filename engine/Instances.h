// Module instances, the chain, and the per-type module catalog.
#pragma once

#include <cassert>
#include <cstdint>
#include <string>

namespace quillon {

class TForm;  // a parameter form of the widget kit

// A fixed array indexed from 1, as every interface of the system counts.
template <typename T, int N>
struct Array1 {
  T v[N];
  T& operator[](int i) {
    assert(i >= 1 && i <= N);
    return v[i - 1];
  }
  const T& operator[](int i) const {
    assert(i >= 1 && i <= N);
    return v[i - 1];
  }
  static constexpr int size() { return N; }
};

inline constexpr int ParamCount = 33;
inline constexpr int ColorParamCount = 5;

// One module instance, fields in the record's order.
struct T_Prm_Module_Synthe {
  int32_t ModuleType = 0;
  uint8_t Active = 0;                  // 1 = computed
  Array1<int32_t, 3> BlendFunction{};  // 0..23, one per channel
  int32_t BlendSpace = 0;              // 0 RGB, 1 HSL
  int32_t ResultWeight = 0;            // percent
  int32_t CurrentWeight = 0;           // percent
  int32_t TransparencyColor = 0;       // packed colour
  uint8_t ApplyTransparency = 0;
  Array1<std::string, ParamCount> ParamString{};
  Array1<int32_t, ParamCount> ParamValue{};
  Array1<int32_t, ParamCount> ParamMin{};
  Array1<int32_t, ParamCount> ParamMax{};
  Array1<std::string, ColorParamCount> ParamColorString{};
  Array1<int32_t, ColorParamCount> ParamColor{};
};

inline constexpr int MaxInstances = 199;   // chain positions 1..199
inline constexpr int MaxModuleTypes = 123; // room in the per-type tables

// The chain: index 0 is scratch space, the chain occupies 1..NextInstance-1.
extern T_Prm_Module_Synthe ModuleParams[MaxInstances + 2];
extern int32_t NextInstance;     // number of instances + 1
extern int32_t CurrentInstance;  // the selected instance, 0 = none
extern int32_t RunningInstance;  // the instance being executed

using InstanceProc = void (*)(int Instance);
using ExecuteProc = void (*)();

// Per-type tables, indexed by module type number 1..123.
extern InstanceProc TypeDefaultsProc[MaxModuleTypes + 1];
extern InstanceProc TypeRangesProc[MaxModuleTypes + 1];
extern ExecuteProc TypeExecuteProc[MaxModuleTypes + 1];
extern std::string TypeName[MaxModuleTypes + 1];
extern std::string TypeCode[MaxModuleTypes + 1];
extern uint8_t TypeGenerator[MaxModuleTypes + 1];
extern TForm* TypeForm[MaxModuleTypes + 1];
extern uint8_t TypeNormalGlyphs[MaxModuleTypes + 1];

inline bool ValidModuleType(int32_t Type) { return Type >= 1 && Type <= MaxModuleTypes; }
// A type is registered once its execute procedure is in the table.
inline bool RegisteredType(int32_t Type) { return ValidModuleType(Type) && TypeExecuteProc[Type] != nullptr; }

// What a module's registration routines store at its type number: its
// procedures, then its display name, code, generator flag and form.
void StoreTypeProcs(int32_t Type, InstanceProc Defaults, InstanceProc Ranges, ExecuteProc Execute);
void StoreTypeNames(int32_t Type, const std::string& Name, const std::string& Code, uint8_t Generator, TForm* Form);

// Start-up globals of the engine.
extern int32_t LanguageFlag;  // 1 English, 2 French
extern uint8_t TextureDirty;  // the chain changed since the last save or load
extern std::string TextureName;

// Appends an instance of Type at the end of the chain with the common
// defaults and the type's defaults and ranges, selects it and marks the
// texture changed. With 199 instances the message "Too much modules ..." is
// shown and nothing changes; a type that is not registered is refused the same
// way with its own message. Returns the new instance's position, or 0.
int CreateInstance(int32_t Type);

// A scratch instance of Type with its defaults and ranges, as a new instance
// of the chain would have them; the chain is left as it is.
T_Prm_Module_Synthe FreshInstance(int32_t Type);

void ClearValues(int Instance);  // 33 values and 5 colours := 0
void ClearRanges(int Instance);  // 33 minimums and maximums := 0
void SetParamRange(int Instance, int Param, int32_t Min, int32_t Max);

}  // namespace quillon
