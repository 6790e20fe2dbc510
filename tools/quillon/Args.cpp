#include "tools/quillon/Args.h"

#include <algorithm>
#include <cctype>

namespace quillon {

namespace {

std::string Spelling(const OptionSpec& o) {
  std::string s = o.Short ? std::string("-") + o.Short + ", --" + o.Long : "--" + o.Long;
  return o.ValueName.empty() ? s : s + " " + o.ValueName;
}

std::string KnownOptions(const std::vector<OptionSpec>& Table) {
  std::string known;
  for (const OptionSpec& o : Table) known += (known.empty() ? "" : "; ") + Spelling(o);
  return known;
}

}  // namespace

ParsedArgs ParseArgs(const std::vector<std::string>& Args, const std::vector<OptionSpec>& Table) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (size_t i = 0; i < Args.size(); ++i) {
    const std::string& arg = Args[i];
    // "-" alone is an operand (standard output where a file is expected).
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      parsed.Operands.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const bool isLong = arg[1] == '-';
    const size_t eq = isLong ? arg.find('=') : std::string::npos;
    const std::string name = isLong ? arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2) : "";
    const OptionSpec* spec = nullptr;
    for (const OptionSpec& o : Table)
      if (isLong ? o.Long == name : o.Short == arg[1]) spec = &o;
    if (!spec)
      throw BadInput{"unknown option \"" + arg + "\"; " +
                     (Table.empty() ? std::string("this command takes none")
                                    : "the options here are: " + KnownOptions(Table)) +
                     " (a module or value that starts with \"-\" goes after \"--\")"};
    std::string value;
    if (spec->ValueName.empty()) {
      if (eq != std::string::npos || (!isLong && arg.size() > 2))
        throw BadInput{"option " + Spelling(*spec) + " takes no value, not \"" + arg + "\""};
    } else if (eq != std::string::npos) {
      value = arg.substr(eq + 1);  // --name=value
    } else if (!isLong && arg.size() > 2) {
      value = arg.substr(2);  // -ovalue
    } else if (i + 1 < Args.size()) {
      value = Args[++i];
    } else {
      throw BadInput{"option " + Spelling(*spec) + " needs its " + spec->ValueName + " after it"};
    }
    parsed.Options[spec->Long] = value;
  }
  return parsed;
}

std::string Lower(std::string Text) {
  for (char& c : Text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Text;
}

std::string DescribeOptions(const std::vector<OptionSpec>& Table) {
  std::string text;
  for (const OptionSpec& o : Table) {
    std::string line = "  " + Spelling(o);
    line.resize(std::max<size_t>(line.size() + 2, 26), ' ');
    text += line + o.Help + "\n";
  }
  return text;
}

}  // namespace quillon
