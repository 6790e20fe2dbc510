#include "tools/quillon/Cli.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <limits>
#include <ostream>
#include <sstream>

#include "engine/Bitmap.h"
#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/Errors.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Presets.h"
#include "engine/Startup.h"
#include "shell/Application.h"
#include "shell/Synthe.h"
#include "shell/widgets/MessageBox.h"

namespace quillon {

namespace {

constexpr int MinSide = 128;  // the image-size dialog's bounds
constexpr int MaxSide = 1024;
const char* const DefaultOutput = "texture.bmp";

// Refused input: the message is printed and the command exits with status 2.
struct BadInput {
  std::string Message;
};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool ParseInt(const std::string& text, int64_t& value) {
  if (text.empty()) return false;
  size_t i = 0;
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size()) return false;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    v = v * 10 + (text[i] - '0');
    if (v > 0x80000000LL) return false;
  }
  value = negative ? -v : v;
  return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
}

int32_t Int32Value(const std::string& key, const std::string& text) {
  int64_t v;
  if (!ParseInt(text, v)) throw BadInput{"\"" + text + "\" is not an integer (" + key + ")"};
  return static_cast<int32_t>(v);
}

std::vector<std::string> SplitComma(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream ss(text);
  std::string part;
  while (std::getline(ss, part, ',')) parts.push_back(part);
  return parts;
}

size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diag = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diag + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diag = up;
    }
  }
  return row[b.size()];
}

int RequireModule(const std::string& name) {
  int type = FindModuleType(name);
  if (type != 0) return type;
  std::string message = "unknown module \"" + name + "\"";
  auto close = ClosestModuleNames(name);
  if (!close.empty()) {
    message += "; closest: ";
    for (size_t i = 0; i < close.size(); ++i) message += (i ? ", \"" : "\"") + close[i] + "\"";
  }
  throw BadInput{message + " (see: quillon list)"};
}

int32_t ParseColor(const std::string& key, const std::string& text) {
  if (text.size() == 7 && text[0] == '#' &&
      std::all_of(text.begin() + 1, text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); })) {
    const int32_t rgb = static_cast<int32_t>(std::stoul(text.substr(1), nullptr, 16));
    return PackRGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  }
  throw BadInput{"\"" + text + "\" is not a colour #RRGGBB (" + key + ")"};
}

int32_t ParseBlendFunction(const std::string& text) {
  for (int f = 0; f < BlendFunctionCount; ++f)
    if (Lower(text) == Lower(BlendFunctionNames[f])) return f;
  int32_t v = Int32Value("blend", text);
  if (v < 0 || v >= BlendFunctionCount) throw BadInput{"blend function " + text + " is outside 0..23"};
  return v;
}

// Applies one k=v setting to instance i.
void ApplySetting(int i, const std::string& arg) {
  size_t eq = arg.find('=');
  if (eq == std::string::npos || eq == 0) throw BadInput{"expected key=value, got \"" + arg + "\""};
  const std::string key = Lower(arg.substr(0, eq)), value = arg.substr(eq + 1);
  T_Prm_Module_Synthe& m = ModuleParams[i];
  if ((key[0] == 'p' || key[0] == 'c') && key.size() > 1 &&
      std::all_of(key.begin() + 1, key.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
    int64_t n;
    const bool color = key[0] == 'c';
    const int count = color ? ColorParamCount : ParamCount;
    if (!ParseInt(key.substr(1), n) || n < 1 || n > count)
      throw BadInput{std::string(color ? "colour parameter " : "parameter ") + key.substr(1) + " is outside 1.." +
                     std::to_string(count)};
    if (color)
      m.ParamColor[static_cast<int>(n)] = ParseColor(key, value);
    else
      m.ParamValue[static_cast<int>(n)] = Int32Value(key, value);
  } else if (key == "blend") {
    auto parts = SplitComma(value);
    if (parts.size() != 3) throw BadInput{"blend needs three functions, e.g. blend=2,2,2"};
    for (int c = 1; c <= 3; ++c) m.BlendFunction[c] = ParseBlendFunction(parts[c - 1]);
  } else if (key == "space") {
    if (Lower(value) == "rgb")
      m.BlendSpace = 0;
    else if (Lower(value) == "hsl")
      m.BlendSpace = 1;
    else
      throw BadInput{"space must be rgb or hsl, not \"" + value + "\""};
  } else if (key == "weights") {
    auto parts = SplitComma(value);
    if (parts.size() != 2) throw BadInput{"weights needs two percentages, e.g. weights=100,100"};
    m.ResultWeight = Int32Value("weights", parts[0]);
    m.CurrentWeight = Int32Value("weights", parts[1]);
  } else if (key == "active") {
    if (value != "0" && value != "1") throw BadInput{"active must be 0 or 1"};
    m.Active = value == "1" ? 1 : 0;
  } else if (key == "preset") {
    ModulePreset preset;
    try {
      ReadModulePreset(value, preset);
    } catch (const QuillonError& e) {
      throw BadInput{e.what()};
    }
    if (preset.ModuleType != m.ModuleType) throw BadInput{"The current module type doesn't match the module preset type"};
    ApplyPresetValues(i, preset);
  } else {
    throw BadInput{"unknown setting \"" + key + "\" (p1..p33, c1..c5, blend, space, weights, active, preset)"};
  }
}

void ParseSize(const std::string& text) {
  size_t x = Lower(text).find('x');
  int64_t w, h;
  if (x == std::string::npos || !ParseInt(text.substr(0, x), w) || !ParseInt(text.substr(x + 1), h))
    throw BadInput{"size must be WxH, e.g. 512x512, not \"" + text + "\""};
  if (w < MinSide || w > MaxSide || h < MinSide || h > MaxSide)
    throw BadInput{"size " + text + " is outside 128..1024 on a side"};
  ImageWidth = static_cast<int32_t>(w);
  ImageHeight = static_cast<int32_t>(h);
}

// Fails early when the output cannot be created, so no computation is wasted.
void CheckWritable(const std::string& path) {
  const std::string probe = path + ".probe";
  std::FILE* f = std::fopen(probe.c_str(), "wb");
  if (!f) throw BadInput{"cannot write \"" + path + "\""};
  std::fclose(f);
  std::remove(probe.c_str());
}

int List(std::ostream& out) {
  for (int t = 1; t <= MaxModuleTypes; ++t)
    if (RegisteredType(t)) out << t << '\t' << TypeCode[t] << '\t' << TypeName[t] << '\n';
  return ExitOk;
}

int Params(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2) throw BadInput{"usage: quillon params MODULE"};
  const int type = RequireModule(args[1]);
  // A scratch instance at index 0 receives the type's defaults and ranges.
  T_Prm_Module_Synthe saved = ModuleParams[0];
  ModuleParams[0] = T_Prm_Module_Synthe{};
  ModuleParams[0].ModuleType = type;
  if (TypeDefaultsProc[type]) TypeDefaultsProc[type](0);
  if (TypeRangesProc[type]) TypeRangesProc[type](0);
  const T_Prm_Module_Synthe m = ModuleParams[0];
  ModuleParams[0] = saved;
  out << type << '\t' << TypeCode[type] << '\t' << TypeName[type] << '\n';
  out << "parameter\tdefault\tmin\tmax\n";
  for (int k = 1; k <= ParamCount; ++k)
    if (m.ParamValue[k] != 0 || m.ParamMin[k] != 0 || m.ParamMax[k] != 0)
      out << 'p' << k << '\t' << m.ParamValue[k] << '\t' << m.ParamMin[k] << '\t' << m.ParamMax[k] << '\n';
  for (int k = 1; k <= ColorParamCount; ++k)
    if (m.ParamColor[k] != 0) {
      char hex[8];
      int32_t r, g, b;
      SplitRGB(m.ParamColor[k], r, g, b);
      std::snprintf(hex, sizeof hex, "#%02X%02X%02X", r, g, b);
      out << 'c' << k << '\t' << hex << '\n';
    }
  return ExitOk;
}

int Render(const std::vector<std::string>& args, std::ostream& err) {
  std::string output = DefaultOutput;
  size_t i = 1;
  for (; i < args.size(); ++i) {
    if (args[i] == "--size" && i + 1 < args.size())
      ParseSize(args[++i]);
    else if (args[i] == "-o" && i + 1 < args.size())
      output = args[++i];
    else if (args[i] == "--size" || args[i] == "-o")
      throw BadInput{args[i] + " needs a value"};
    else
      break;
  }
  if (i >= args.size()) throw BadInput{"usage: quillon render [--size WxH] [-o FILE.bmp] MODULE [k=v ...] [+ MODULE ...]"};
  bool expectModule = true;
  for (; i < args.size(); ++i) {
    if (args[i] == "+") {
      if (expectModule) throw BadInput{"\"+\" must be followed by a module"};
      expectModule = true;
    } else if (expectModule) {
      if (NextInstance > MaxInstances) throw BadInput{"Too much modules ..."};
      if (CreateInstance(RequireModule(args[i])) == 0) throw BadInput{"cannot add module \"" + args[i] + "\""};
      expectModule = false;
    } else {
      ApplySetting(CurrentInstance, args[i]);
    }
  }
  if (expectModule) throw BadInput{"\"+\" must be followed by a module"};
  CheckWritable(output);

  // The program's Process: status texts while computing and rendering, the
  // elapsed time at the end.
  TStatusBar& bar = F_Synthe->StatusBar1;
  bar.OnPaint = [&err](const PaintedText& p) { err << p.Text << '\n'; };
  const auto start = std::chrono::steady_clock::now();
  SetPanelText(StatusPanelsItem(bar.Panels, 0), "Process");
  ControlRefresh(bar);
  try {
    ComputeChain();
    SetPanelText(StatusPanelsItem(bar.Panels, 0), "Create Picture");
    ControlRefresh(bar);
    SaveResultBMP(output);
  } catch (const std::exception& e) {
    bar.OnPaint = nullptr;
    err << "error: " << e.what() << '\n';
    return ExitFailed;
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  SetPanelText(StatusPanelsItem(bar.Panels, 0), "Finished");
  SetPanelText(StatusPanelsItem(bar.Panels, 1), "Process Time : " + std::to_string(ms.count()) + " milliseconds");
  ControlRefresh(bar);
  bar.OnPaint = nullptr;
  return ExitOk;
}

const char* const Usage =
    "usage:\n"
    "  quillon list\n"
    "  quillon params MODULE\n"
    "  quillon render [--size WxH] [-o FILE.bmp] MODULE [k=v ...] [+ MODULE [k=v ...] ...]\n"
    "settings: pN=INT (N 1..33), cN=#RRGGBB (N 1..5), blend=F1,F2,F3, space=rgb|hsl,\n"
    "          weights=RESULT,CURRENT, active=0|1, preset=FILE.mpr\n";

}  // namespace

int FindModuleType(const std::string& Name) {
  int64_t n;
  if (ParseInt(Name, n)) return RegisteredType(static_cast<int32_t>(n)) ? static_cast<int>(n) : 0;
  const std::string lower = Lower(Name);
  for (int t = 1; t <= MaxModuleTypes; ++t)
    if (RegisteredType(t) && (Lower(TypeCode[t]) == lower || Lower(TypeName[t]) == lower)) return t;
  return 0;
}

std::vector<std::string> ClosestModuleNames(const std::string& Name) {
  std::vector<std::pair<size_t, std::string>> scored;
  const std::string lower = Lower(Name);
  for (int t = 1; t <= MaxModuleTypes; ++t)
    if (RegisteredType(t)) {
      const std::string name = Lower(TypeName[t]);
      size_t d = std::min(EditDistance(lower, name), EditDistance(lower, Lower(TypeCode[t])));
      if (!lower.empty() && name.find(lower) != std::string::npos) d = 0;
      scored.emplace_back(d, TypeName[t]);
    }
  std::stable_sort(scored.begin(), scored.end(), [](auto& a, auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (size_t i = 0; i < scored.size() && i < 3; ++i) names.push_back(scored[i].second);
  return names;
}

int RunQuillon(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err) {
  if (Args.empty() || Args[0] == "-h" || Args[0] == "--help" || Args[0] == "help") {
    (Args.empty() ? Err : Out) << Usage;
    return Args.empty() ? ExitBadInput : ExitOk;
  }
  StartApplication();
  ClearMessageLog();
  SetMessageSink([&Err](const MessageBoxRecord& m) { Err << "message: " << m.Text << '\n'; });
  int status = ExitBadInput;
  try {
    if (Args[0] == "list")
      status = List(Out);
    else if (Args[0] == "params")
      status = Params(Args, Out);
    else if (Args[0] == "render")
      status = Render(Args, Err);
    else
      throw BadInput{"unknown command \"" + Args[0] + "\"\n" + Usage};
  } catch (const BadInput& bad) {
    Err << "quillon: " << bad.Message << '\n';
    status = ExitBadInput;
  }
  SetMessageSink(nullptr);
  return status;
}

}  // namespace quillon
