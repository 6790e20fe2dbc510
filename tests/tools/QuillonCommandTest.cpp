#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Startup.h"
#include "tools/quillon/Cli.h"

using namespace quillon;

namespace {

struct Outcome {
  int Status;
  std::string Out;
  std::string Err;
};

Outcome RunCommand(std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = RunQuillon(args, out, err);
  return {status, out.str(), err.str()};
}

bool Exists(const std::string& path) {
  std::ifstream f(path);
  return f.good();
}

std::string TempPath(const std::string& name) { return ::testing::TempDir() + name; }

TEST(QuillonCommand, RefusesBadInputWithStatus2AndWritesNothing) {
  const std::string out = TempPath("refused.bmp");
  std::remove(out.c_str());
  const std::vector<std::vector<std::string>> refused = {
      {},
      {"frobnicate"},
      {"render"},
      {"render", "-o", out, "No Such Module"},
      {"render", "--size", "100x256", "-o", out, "1"},
      {"render", "--size", "256x2000", "-o", out, "1"},
      {"render", "--size", "big", "-o", out, "1"},
      {"params"},
  };
  for (const auto& args : refused) {
    SCOPED_TRACE(args.empty() ? std::string("(no arguments)") : args[0]);
    Outcome o = RunCommand(args);
    EXPECT_EQ(o.Status, ExitBadInput);
    EXPECT_FALSE(o.Err.empty());
    EXPECT_FALSE(Exists(out));
  }
}

TEST(QuillonCommand, UnknownModuleNamesTheClosestOnes) {
  Outcome o = RunCommand({"params", "Red Swiming Pool"});
  EXPECT_EQ(o.Status, ExitBadInput);
  EXPECT_NE(o.Err.find("unknown module \"Red Swiming Pool\""), std::string::npos) << o.Err;
}

}  // namespace
