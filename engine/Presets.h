// Module preset files (.mpr): the magic, the module type and the 33 parameter
// values, all signed 32-bit little-endian, 140 bytes in all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

inline constexpr int32_t PresetMagic = 123456604;
inline constexpr int ModulePresetSize = 140;

struct ModulePreset {
  int32_t Magic = PresetMagic;
  int32_t ModuleType = 0;
  int32_t Values[33] = {};  // parameters 1..33
};

// The 140 bytes of the preset's file.
std::vector<unsigned char> EncodeModulePreset(const ModulePreset& Preset);

// Writes the preset to Path; raises QuillonError when the file cannot be
// written (a failed write leaves no half file behind).
void WriteModulePreset(const std::string& Path, const ModulePreset& Preset);

// Reads a preset from Path. A file that cannot be opened or is shorter than
// 140 bytes raises QuillonError and Preset is left as it was. The magic is
// read but not compared.
void ReadModulePreset(const std::string& Path, ModulePreset& Preset);

// The preset of an instance, and a preset's values stored into an instance.
ModulePreset PresetOfInstance(int Instance);
void ApplyPresetValues(int Instance, const ModulePreset& Preset);

}  // namespace quillon
