// The quillon command's argument conventions, as command-line image tools
// have them: options anywhere on the line, "--name value" or "--name=value",
// "-o value" or "-ovalue", and "--" ending the options. Each command gives its
// options as a table; whatever is not an option is an operand, in order.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace quillon {

// Refused input: the message is printed and the command exits with status 2.
struct BadInput {
  std::string Message;
};

struct OptionSpec {
  std::string Long;       // "output" for --output
  char Short = 0;         // 'o' for -o; 0 when none
  std::string ValueName;  // "FILE"; empty for a switch
  std::string Help;
};

struct ParsedArgs {
  // The value of each option given, by its long name ("" for a switch); the
  // last one wins when an option is given twice.
  std::map<std::string, std::string> Options;
  std::vector<std::string> Operands;

  bool Has(const std::string& Long) const { return Options.count(Long) != 0; }
};

// Splits Args by the table. An unknown option, or an option without its value,
// is refused with a message naming the known ones.
ParsedArgs ParseArgs(const std::vector<std::string>& Args, const std::vector<OptionSpec>& Table);

// Text in lower case, for names compared without regard to case.
std::string Lower(std::string Text);

// "  -o, --output FILE   help" lines of a table, for the usage texts.
std::string DescribeOptions(const std::vector<OptionSpec>& Table);

}  // namespace quillon
