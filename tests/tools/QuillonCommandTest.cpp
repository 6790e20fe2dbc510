#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
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

std::vector<unsigned char> ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(QuillonCommand, RendersATextureToABmpWithItsProgress) {
  const std::string out = TempPath("pool.bmp");
  std::remove(out.c_str());
  Outcome o = RunCommand({"render", "--size", "128x160", "-o", out, "Red Swimming Pool", "p10=7"});
  ASSERT_EQ(o.Status, ExitOk) << o.Err;
  const auto bytes = ReadAll(out);
  ASSERT_GE(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(U32(bytes, 18), 128u);
  EXPECT_EQ(U32(bytes, 22), 160u);
  EXPECT_EQ(bytes.size(), 54u + 128u * 3 * 160);
  EXPECT_EQ(o.Err.rfind("Process\n(1) Swimming Pool\n(1)  Swimming Pool [phase 1]\n", 0), 0u) << o.Err;
  EXPECT_NE(o.Err.find("(1) Red Swimming Pool [phase 7]\nCreate Picture\nFinished\nProcess Time : "),
            std::string::npos)
      << o.Err;

  // The same chain by code and by type number gives the same picture.
  const std::string again = TempPath("pool2.bmp");
  ASSERT_EQ(RunCommand({"render", "--size", "128x160", "-o", again, "t001", "p10=7"}).Status, ExitOk);
  EXPECT_EQ(ReadAll(again), bytes);
  ASSERT_EQ(RunCommand({"render", "--size", "128x160", "-o", again, "29", "p10=8"}).Status, ExitOk);
  EXPECT_NE(ReadAll(again), bytes);
}

TEST(QuillonCommand, RefusesBadSettingsBeforeComputing) {
  const std::string out = TempPath("bad.bmp");
  const std::string preset = TempPath("short.mpr");
  { std::ofstream(preset, std::ios::binary) << "short"; }
  std::remove(out.c_str());
  const std::vector<std::vector<std::string>> refused = {
      {"render", "-o", out, "29", "p34=1"},
      {"render", "-o", out, "29", "p0=1"},
      {"render", "-o", out, "29", "p1=abc"},
      {"render", "-o", out, "29", "p1=99999999999"},
      {"render", "-o", out, "29", "c6=#000000"},
      {"render", "-o", out, "29", "c1=red"},
      {"render", "-o", out, "29", "blend=2,2"},
      {"render", "-o", out, "29", "blend=2,2,24"},
      {"render", "-o", out, "29", "space=lab"},
      {"render", "-o", out, "29", "active=2"},
      {"render", "-o", out, "29", "preset=" + preset},
      {"render", "-o", out, "29", "preset=" + TempPath("missing.mpr")},
      {"render", "-o", out, "29", "+"},
      {"render", "-o", "/nonexistent-dir/x.bmp", "29"},
  };
  for (const auto& args : refused) {
    SCOPED_TRACE(args.back());
    Outcome o = RunCommand(args);
    EXPECT_EQ(o.Status, ExitBadInput) << o.Err;
    EXPECT_EQ(o.Err.find("Process"), std::string::npos) << "nothing is computed";
    EXPECT_FALSE(Exists(out));
  }
}

TEST(QuillonCommand, ListsAndDescribesModules) {
  Outcome list = RunCommand({"list"});
  EXPECT_EQ(list.Status, ExitOk);
  EXPECT_NE(list.Out.find("29\tT001\tRed Swimming Pool\n"), std::string::npos) << list.Out;
  Outcome params = RunCommand({"params", "Red Swimming Pool"});
  EXPECT_EQ(params.Status, ExitOk);
  EXPECT_NE(params.Out.find("p1\t215\t0\t359\n"), std::string::npos) << params.Out;
  EXPECT_NE(params.Out.find("p10\t0\t0\t1000\n"), std::string::npos) << params.Out;
}

}  // namespace
