#include "engine/Presets.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/Errors.h"
#include "engine/FileIO.h"
#include "engine/Instances.h"

namespace quillon {

namespace {
void PutInt32(std::vector<unsigned char>& out, int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(u >> (8 * i)));
}
int32_t GetInt32(const unsigned char* p) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(p[i]) << (8 * i);
  return static_cast<int32_t>(u);
}
}  // namespace

std::vector<unsigned char> EncodeModulePreset(const ModulePreset& Preset) {
  std::vector<unsigned char> bytes;
  bytes.reserve(ModulePresetSize);
  PutInt32(bytes, Preset.Magic);
  PutInt32(bytes, Preset.ModuleType);
  for (int32_t v : Preset.Values) PutInt32(bytes, v);
  return bytes;
}

void WriteModulePreset(const std::string& Path, const ModulePreset& Preset) {
  WriteFileAtomically(Path, EncodeModulePreset(Preset));
}

void ReadModulePreset(const std::string& Path, ModulePreset& Preset) {
  std::FILE* f = std::fopen(Path.c_str(), "rb");
  if (!f) throw QuillonError("Cannot open module preset \"" + Path + "\": " + std::strerror(errno));
  unsigned char bytes[ModulePresetSize];
  size_t got = std::fread(bytes, 1, sizeof bytes, f);
  const bool failed = std::ferror(f) != 0;
  const int err = errno;
  std::fclose(f);
  if (failed) throw QuillonError("Cannot read module preset \"" + Path + "\": " + std::strerror(err));
  if (got < sizeof bytes)
    throw QuillonError("Module preset \"" + Path + "\" is too short (" + std::to_string(got) + " of " +
                       std::to_string(ModulePresetSize) + " bytes)");
  ModulePreset p;
  p.Magic = GetInt32(bytes);
  p.ModuleType = GetInt32(bytes + 4);
  for (int k = 0; k < 33; ++k) p.Values[k] = GetInt32(bytes + 8 + 4 * k);
  Preset = p;
}

ModulePreset PresetOfInstance(int Instance) {
  ModulePreset p;
  p.ModuleType = ModuleParams[Instance].ModuleType;
  for (int k = 1; k <= ParamCount; ++k) p.Values[k - 1] = ModuleParams[Instance].ParamValue[k];
  return p;
}

void ApplyPresetValues(int Instance, const ModulePreset& Preset) {
  for (int k = 1; k <= ParamCount; ++k) ModuleParams[Instance].ParamValue[k] = Preset.Values[k - 1];
}

}  // namespace quillon
