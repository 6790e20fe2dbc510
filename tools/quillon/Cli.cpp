#include "tools/quillon/Cli.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <limits>
#include <map>
#include <new>
#include <ostream>

#include "engine/Bitmap.h"
#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/Errors.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Presets.h"
#include "engine/Startup.h"
#include "engine/UserInterface.h"
#include "engine/WorkBound.h"
#include "shell/Application.h"
#include "shell/Synthe.h"
#include "shell/widgets/MessageBox.h"
#include "tools/quillon/Args.h"
#include "tools/quillon/Output.h"

namespace quillon {

namespace {

constexpr int MinSide = 128;  // the image-size dialog's bounds
constexpr int MaxSide = 1024;
const char* const DefaultOutput = "texture.bmp";


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

// The comma-separated parts of a value, blanks around each part dropped
// ("Add, Max, Min").
std::vector<std::string> SplitComma(const std::string& text) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (;;) {
    const size_t comma = text.find(',', from);
    std::string part = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    const size_t first = part.find_first_not_of(" \t");
    const size_t last = part.find_last_not_of(" \t");
    parts.push_back(first == std::string::npos ? "" : part.substr(first, last - first + 1));
    if (comma == std::string::npos) return parts;
    from = comma + 1;
  }
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

// What the module's form shows of parameter k: its caption ("" when none).
std::string FormCaption(int type, int k, bool color = false) {
  const TForm* form = TypeForm[type];
  if (!form) return "";
  const auto& captions = color ? form->ColorCaptions : form->ParamCaptions;
  auto it = captions.find(k);
  return it == captions.end() ? "" : it->second;
}

// The values parameter k may take: the form's own limits where it sets them
// (a list's items, a seed slider wider than the stored range), else the
// instance's range.
std::pair<int32_t, int32_t> ParamLimits(const T_Prm_Module_Synthe& m, int k) {
  if (const TForm* form = TypeForm[m.ModuleType]) {
    auto it = form->ParamLimits.find(k);
    if (it != form->ParamLimits.end()) return it->second;
  }
  return {m.ParamMin[k], m.ParamMax[k]};
}

// A parameter is used when its range, its default or its form says so.
bool UsedParam(const T_Prm_Module_Synthe& m, int k) {
  const auto [min, max] = ParamLimits(m, k);
  return m.ParamValue[k] != 0 || min != 0 || max != 0 || !FormCaption(m.ModuleType, k).empty();
}

// A parameter's value as typed, refused outside its limits unless Raw.
int32_t ParamSetting(const T_Prm_Module_Synthe& m, int k, int32_t v, bool raw) {
  const auto [min, max] = ParamLimits(m, k);
  if (raw || (v >= min && v <= max)) return v;
  const std::string name = "\"" + TypeName[m.ModuleType] + "\"";
  if (!UsedParam(m, k))
    throw BadInput{"p" + std::to_string(k) + " is not a parameter of " + name +
                   " (see: quillon params; --raw stores it anyway)"};
  throw BadInput{"p" + std::to_string(k) + "=" + std::to_string(v) + " is outside " + std::to_string(min) + ".." +
                 std::to_string(max) + " for " + name + " (--raw passes any 32-bit value)"};
}

// A colour parameter is used when its default or its form says so; those
// are the ones "quillon params" lists. Fresh is a new instance of the type.
bool UsedColor(const T_Prm_Module_Synthe& fresh, int k) {
  return fresh.ParamColor[k] != 0 || !FormCaption(fresh.ModuleType, k, true).empty();
}

std::string ModuleTypeName(int32_t type) {
  return RegisteredType(type) ? "\"" + TypeName[type] + "\"" : "type " + std::to_string(type);
}

// The weights the module window offers, in percent.
constexpr int32_t MinWeight = 0, MaxWeight = 100;

int32_t Weight(const std::string& text) {
  const int32_t v = Int32Value("weights", text);
  if (v < MinWeight || v > MaxWeight) throw BadInput{"weight " + text + " is outside 0..100 (percent)"};
  return v;
}

// Applies one k=v setting to instance i. A parameter value must lie within
// the parameter's range (what "quillon params" shows) unless Raw. ForPreset
// refuses what a module preset cannot hold: anything but p1..p33 (and a
// preset to take them from).
void ApplySetting(int i, const std::string& arg, bool raw, bool forPreset) {
  size_t eq = arg.find('=');
  if (eq == std::string::npos || eq == 0) throw BadInput{"expected key=value, got \"" + arg + "\""};
  const std::string key = Lower(arg.substr(0, eq)), value = arg.substr(eq + 1);
  T_Prm_Module_Synthe& m = ModuleParams[i];
  const bool numbered =
      (key[0] == 'p' || key[0] == 'c') && key.size() > 1 &&
      std::all_of(key.begin() + 1, key.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  if (forPreset && ((numbered && key[0] == 'c') || key == "blend" || key == "space" || key == "weights" ||
                    key == "active"))
    throw BadInput{key + " is not saved in a module preset, which holds p1..p33 only (give " + key +
                   "= to quillon render instead)"};
  if (numbered) {
    int64_t n;
    const bool color = key[0] == 'c';
    const int count = color ? ColorParamCount : ParamCount;
    if (!ParseInt(key.substr(1), n) || n < 1 || n > count)
      throw BadInput{std::string(color ? "colour parameter " : "parameter ") + key.substr(1) + " is outside 1.." +
                     std::to_string(count)};
    if (color && !UsedColor(FreshInstance(m.ModuleType), static_cast<int>(n)))
      throw BadInput{key + " is not a colour parameter of " + ModuleTypeName(m.ModuleType) +
                     " (see: quillon params)"};
    if (color)
      m.ParamColor[static_cast<int>(n)] = ParseColor(key, value);
    else
      m.ParamValue[static_cast<int>(n)] = ParamSetting(m, static_cast<int>(n), Int32Value(key, value), raw);
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
    m.ResultWeight = Weight(parts[0]);
    m.CurrentWeight = Weight(parts[1]);
  } else if (key == "active") {
    if (value != "0" && value != "1") throw BadInput{"active must be 0 or 1"};
    m.Active = value == "1" ? 1 : 0;
  } else if (key == "preset") {
    ModulePreset preset;
    CheckInputFile(value, ModulePresetSize, "module preset");
    try {
      ReadModulePreset(value, preset);
    } catch (const QuillonError& e) {
      throw BadInput{e.what()};
    }
    if (preset.ModuleType != m.ModuleType)
      throw BadInput{value + ": The current module type doesn't match the module preset type (the module is " +
                     ModuleTypeName(m.ModuleType) + ", the preset " + ModuleTypeName(preset.ModuleType) + ")"};
    ApplyPresetValues(i, preset);
  } else {
    throw BadInput{"unknown setting \"" + key + "\" (p1..p33, c1..c5, blend, space, weights, active, preset)"};
  }
}

void ParseSize(const std::string& text) {
  size_t x = Lower(text).find('x');
  int64_t w, h;
  if (x == std::string::npos || !ParseInt(text.substr(0, x), w) || !ParseInt(text.substr(x + 1), h))
    throw BadInput{"size must be WxH, e.g. --size 512x512, not \"" + text + "\""};
  if (w < MinSide || w > MaxSide || h < MinSide || h > MaxSide)
    throw BadInput{"size " + text + " is outside 128..1024 on a side"};
  ImageWidth = static_cast<int32_t>(w);
  ImageHeight = static_cast<int32_t>(h);
}

std::string Hex(int32_t color) {
  char hex[8];
  int32_t r, g, b;
  SplitRGB(color, r, g, b);
  std::snprintf(hex, sizeof hex, "#%02X%02X%02X", r & 0xFF, g & 0xFF, b & 0xFF);
  return hex;
}

// --- The commands -----------------------------------------------------------

struct Invocation {
  ParsedArgs Args;
  std::ostream& Out;
  std::ostream& Err;
};

struct Command {
  const char* Name;
  const char* Synopsis;  // after "quillon "
  const char* Summary;
  std::vector<OptionSpec> Options;
  int (*Run)(const Invocation&);
};

const std::vector<Command>& Commands();

const Command* FindCommand(const std::string& name) {
  for (const Command& c : Commands())
    if (name == c.Name) return &c;
  return nullptr;
}

const char* const ParamSettingHelp =
    "  pN=INT          parameter N (see: quillon params MODULE); a value outside the\n"
    "                  range shown there is refused unless --raw is given\n";
const char* const PresetSettingHelp =
    "  preset=FILE.mpr a module preset of the same type (its values are used as stored)\n";
const char* const InstanceSettingsHelp =
    "  cN=#RRGGBB      colour parameter N, one of those quillon params MODULE lists\n"
    "  blend=F1,F2,F3  blend function of each channel, by number or name (see: quillon blends)\n"
    "  space=rgb|hsl   the space the blend works in\n"
    "  weights=R,C     result- and current-layer weights in percent, 0..100\n"
    "  active=0|1      whether the module is computed\n";

int Render(const Invocation& inv);
int Preset(const Invocation& inv);

// A command's usage, its options and, for the commands that build a chain,
// the settings.
std::string CommandUsage(const Command& c) {
  std::string text = std::string("usage: quillon ") + c.Synopsis + "\n" + c.Summary + "\n";
  if (!c.Options.empty()) text += "options:\n" + DescribeOptions(c.Options);
  if (c.Run == Render)
    text += std::string("settings of the module just named:\n") + ParamSettingHelp + InstanceSettingsHelp +
            PresetSettingHelp;
  if (c.Run == Preset)
    text += std::string("settings of the module (a module preset holds p1..p33 only):\n") + ParamSettingHelp +
            PresetSettingHelp;
  return text;
}

std::string GeneralUsage() {
  std::string text = "usage: quillon COMMAND [ARGS]\ncommands:\n";
  for (const Command& c : Commands()) {
    std::string line = std::string("  ") + c.Name;
    line.resize(std::max<size_t>(line.size() + 2, 10), ' ');
    text += line + c.Summary + "\n";
  }
  return text +
         "  --version print the version\n"
         "'quillon help COMMAND' or 'quillon COMMAND --help' tells more.\n"
         "Exit status: 0 done, 1 a failure while computing or writing, 2 refused input\n"
         "(nothing computed, no file touched).\n";
}

void NoOperands(const Invocation& inv, const char* command) {
  if (!inv.Args.Operands.empty())
    throw BadInput{std::string("quillon ") + command + " takes no arguments, not \"" + inv.Args.Operands[0] + "\""};
}

int List(const Invocation& inv) {
  NoOperands(inv, "list");
  for (int t = 1; t <= MaxModuleTypes; ++t)
    if (RegisteredType(t)) inv.Out << t << '\t' << TypeCode[t] << '\t' << TypeName[t] << '\n';
  return ExitOk;
}

int Blends(const Invocation& inv) {
  NoOperands(inv, "blends");
  for (int f = 0; f < BlendFunctionCount; ++f) inv.Out << f << '\t' << BlendFunctionNames[f] << '\n';
  return ExitOk;
}

int Params(const Invocation& inv) {
  if (inv.Args.Operands.size() != 1) throw BadInput{"usage: quillon params MODULE"};
  const int type = RequireModule(inv.Args.Operands[0]);
  const T_Prm_Module_Synthe m = FreshInstance(type);
  inv.Out << type << '\t' << TypeCode[type] << '\t' << TypeName[type] << '\n';
  inv.Out << "parameter\tdefault\tmin\tmax\tlabel\n";
  for (int k = 1; k <= ParamCount; ++k)
    if (UsedParam(m, k)) {
      const auto [min, max] = ParamLimits(m, k);
      inv.Out << 'p' << k << '\t' << m.ParamValue[k] << '\t' << min << '\t' << max << '\t' << FormCaption(type, k)
              << '\n';
    }
  bool heading = false;
  for (int k = 1; k <= ColorParamCount; ++k) {
    if (!UsedColor(m, k)) continue;
    if (!heading) inv.Out << "colour\tdefault\tlabel\n";
    heading = true;
    inv.Out << 'c' << k << '\t' << Hex(m.ParamColor[k]) << '\t' << FormCaption(type, k, true) << '\n';
  }
  return ExitOk;
}

// The chain of the operands: MODULE [k=v ...] [+ MODULE [k=v ...] ...].
// Parameter values are checked against the ranges unless Raw. ForPreset
// takes one module and the settings a module preset holds.
void BuildChain(const std::vector<std::string>& operands, bool raw, bool forPreset, const char* usage) {
  if (operands.empty()) throw BadInput{std::string("no module given; usage: quillon ") + usage};
  bool expectModule = true;
  for (const std::string& arg : operands) {
    if (arg == "+") {
      if (forPreset) throw BadInput{"one module only: a preset holds one module's values"};
      if (expectModule) throw BadInput{"\"+\" must be followed by a module"};
      expectModule = true;
    } else if (expectModule) {
      if (NextInstance > MaxInstances) throw BadInput{"Too much modules ..."};
      if (CreateInstance(RequireModule(arg)) == 0) throw BadInput{"cannot add module \"" + arg + "\""};
      expectModule = false;
    } else {
      ApplySetting(CurrentInstance, arg, raw, forPreset);
    }
  }
  if (expectModule) throw BadInput{"\"+\" must be followed by a module"};
}

int Render(const Invocation& inv) {
  const ParsedArgs& a = inv.Args;
  if (a.Has("size")) ParseSize(a.Options.at("size"));
  const OutputTarget target = CheckOutput(a.Has("output") ? a.Options.at("output") : DefaultOutput, "bmp", "24-bit BMP");
  BuildChain(a.Operands, a.Has("raw"), false, FindCommand("render")->Synopsis);
  // A render that would take too long is refused before anything is computed.
  for (int i = 1; i <= CurrentInstance; ++i)
    if (ModuleParams[i].Active == 1)
      if (const auto refusal = CheckWork(i))
        throw BadInput{WorkRefusalText(*refusal)};
  bool anyActive = false;
  for (int i = 1; i < NextInstance; ++i) anyActive = anyActive || ModuleParams[i].Active == 1;
  if (!anyActive)
    inv.Err << "quillon: warning: no module of the chain is active (active=0): nothing is computed and the "
               "picture is black\n";

  // The program's Process: status texts while computing and rendering, the
  // elapsed time at the end.
  TStatusBar& bar = F_Synthe->StatusBar1;
  std::ostream& err = inv.Err;
  bar.OnPaint = [&err](const PaintedText& p) { err << p.Text << '\n'; };
  const auto start = std::chrono::steady_clock::now();
  SetPanelText(StatusPanelsItem(bar.Panels, 0), "Process");
  ControlRefresh(bar);
  try {
    ComputeChain();
    SetPanelText(StatusPanelsItem(bar.Panels, 0), "Create Picture");
    ControlRefresh(bar);
    WriteOutput(target, EncodeResultBMP(), inv.Out);
  } catch (const std::bad_alloc&) {
    bar.OnPaint = nullptr;
    err << "quillon: not enough memory for a " << ImageWidth << " x " << ImageHeight << " picture\n";
    return ExitFailed;
  } catch (const std::exception& e) {
    bar.OnPaint = nullptr;
    err << "quillon: " << e.what() << '\n';
    return ExitFailed;
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  SetPanelText(StatusPanelsItem(bar.Panels, 0), "Finished");
  SetPanelText(StatusPanelsItem(bar.Panels, 1), "Process Time : " + std::to_string(ms.count()) + " milliseconds");
  ControlRefresh(bar);
  bar.OnPaint = nullptr;
  return ExitOk;
}

int Preset(const Invocation& inv) {
  const ParsedArgs& a = inv.Args;
  const char* usage = FindCommand("preset")->Synopsis;
  if (a.Operands.empty() || a.Operands[0] != "save")
    throw BadInput{std::string("usage: quillon ") + usage};
  if (!a.Has("output")) throw BadInput{"quillon preset save needs the file to write: -o FILE.mpr"};
  const OutputTarget target = CheckOutput(a.Options.at("output"), "mpr", "module preset (.mpr)");
  BuildChain({a.Operands.begin() + 1, a.Operands.end()}, a.Has("raw"), true, usage);
  try {
    WriteOutput(target, EncodeModulePreset(PresetOfInstance(CurrentInstance)), inv.Out);
  } catch (const std::exception& e) {
    inv.Err << "quillon: " << e.what() << '\n';
    return ExitFailed;
  }
  return ExitOk;
}

int Help(const Invocation& inv) {
  const auto& ops = inv.Args.Operands;
  if (ops.empty()) {
    inv.Out << GeneralUsage();
    return ExitOk;
  }
  const Command* c = FindCommand(ops[0]);
  if (!c || ops.size() > 1) throw BadInput{"no help on \"" + ops[0] + "\"; the commands are those of: quillon help"};
  inv.Out << CommandUsage(*c);
  return ExitOk;
}

const OptionSpec HelpOption{"help", 'h', "", "print this command's usage"};
const OptionSpec RawOption{"raw", 0, "", "pass any 32-bit parameter value, as a module preset would"};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"list", "list", "every module type: number, code, display name", {HelpOption}, List},
      {"params", "params MODULE",
       "a module's parameters (default, range, label on its form) and its colour parameters",
       {HelpOption},
       Params},
      {"blends", "blends", "the 24 blend functions by number and name", {HelpOption}, Blends},
      {"render", "render [--size WxH] [-o FILE.bmp] [--raw] MODULE [k=v ...] [+ MODULE [k=v ...] ...]",
       "computes the chain and writes the picture as a 24-bit BMP",
       {{"size", 0, "WxH", "picture size, 128..1024 on a side (default 256x256)"},
        {"output", 'o', "FILE", "the BMP to write (default texture.bmp; - for standard output)"},
        RawOption,
        HelpOption},
       Render},
      {"preset", "preset save MODULE [k=v ...] -o FILE.mpr [--raw]",
       "writes a module preset with the module's values, as preset= reads it back",
       {{"output", 'o', "FILE", "the module preset to write (- for standard output)"}, RawOption, HelpOption},
       Preset},
      {"help", "help [COMMAND]", "the usage of the command, or of every command", {}, Help},
  };
  return commands;
}

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
  if (Args.empty()) {
    Err << GeneralUsage();
    return ExitBadInput;
  }
  if (Args[0] == "--version" || Args[0] == "-V") {
    Out << "quillon " << QUILLON_VERSION << '\n';
    return ExitOk;
  }
  const bool topHelp = Args[0] == "--help" || Args[0] == "-h";
  const Command* command = FindCommand(topHelp ? "help" : Args[0]);
  if (!command) {
    Err << "quillon: unknown command \"" << Args[0] << "\"\n" << GeneralUsage();
    return ExitBadInput;
  }
  StartApplication();
  ClearMessageLog();
  SetMessageSink([&Err](const MessageBoxRecord& m) { Err << "message: " << m.Text << '\n'; });
  // The engine's messages are printed directly, the boxes the shell and
  // the modules show through the kit's sink.
  UserInterfaceHooks ui = UserInterface();
  ui.Message = [&Err](const std::string& Text) { Err << "message: " << Text << '\n'; };
  const UserInterfaceHooks shellUi = SetUserInterface(std::move(ui));
  int status = ExitBadInput;
  try {
    Invocation inv{ParseArgs({Args.begin() + 1, Args.end()}, command->Options), Out, Err};
    if (inv.Args.Has("help")) {
      Out << CommandUsage(*command);
      status = ExitOk;
    } else {
      status = command->Run(inv);
    }
  } catch (const BadInput& bad) {
    Err << "quillon: " << bad.Message << '\n';
    status = ExitBadInput;
  } catch (const std::bad_alloc&) {
    Err << "quillon: not enough memory\n";
    status = ExitFailed;
  }
  SetMessageSink(nullptr);
  SetUserInterface(shellUi);
  return status;
}

}  // namespace quillon
