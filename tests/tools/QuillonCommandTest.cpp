#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Instances.h"
#include "engine/Startup.h"
#include "shell/widgets/MessageBox.h"
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

// The command prints the engine's messages while it runs and hands the
// shell's message boxes back when it returns, keeping nothing of its streams.
TEST(QuillonCommand, EngineMessagesArePrintedOnlyWhileItRuns) {
  std::ostringstream out, err;
  ASSERT_EQ(RunQuillon({"list"}, out, err), ExitOk);
  NextInstance = MaxInstances + 1;
  EXPECT_EQ(CreateInstance(1), 0);
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Text, "Too much modules ...");
  EXPECT_TRUE(err.str().empty());
  ResetEngine();
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
  EXPECT_NE(params.Out.find("p1\t215\t0\t359\tHue Variants > Variant 1\n"), std::string::npos) << params.Out;
  EXPECT_NE(params.Out.find("p10\t0\t0\t1000\tRandom Seed\n"), std::string::npos) << params.Out;
  // A list's parameter, stored with the range 0..0, takes the list's items.
  Outcome plank = RunCommand({"params", "Plank"});
  EXPECT_NE(plank.Out.find("p4\t0\t0\t1\tOrientation"), std::string::npos) << plank.Out;
  Outcome blends = RunCommand({"blends"});
  EXPECT_EQ(blends.Status, ExitOk);
  EXPECT_EQ(std::count(blends.Out.begin(), blends.Out.end(), '\n'), 24);
  EXPECT_NE(blends.Out.find("0\tResult Layer\n"), std::string::npos);
  EXPECT_NE(blends.Out.find("23\tComplex 12\n"), std::string::npos);
}

// Every parameter a module uses is listed with the label its form shows.
TEST(QuillonCommand, EveryUsedParameterHasItsFormsLabel) {
  std::istringstream list(RunCommand({"list"}).Out);
  std::string line;
  int modules = 0;
  while (std::getline(list, line)) {
    const std::string type = line.substr(0, line.find('\t'));
    std::istringstream params(RunCommand({"params", type}).Out);
    std::string row;
    while (std::getline(params, row)) {
      if (row.size() > 1 && row[0] == 'p' && std::isdigit(static_cast<unsigned char>(row[1]))) {
        EXPECT_NE(row.back(), '\t') << "type " << type << ": " << row;
      }
    }
    ++modules;
  }
  EXPECT_GE(modules, 31);
}

// --- Conventions of the command line -------------------------------------

// A folder of its own per test, emptied first.
std::string FreshDir(const std::string& name) {
  const std::string dir = TempPath(name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir + "/";
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const std::string& path) {
  auto bytes = ReadAll(path);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(QuillonCommand, OptionsGoAnywhereInEitherSpelling) {
  const std::string dir = FreshDir("anywhere");
  const std::string out = dir + "a.bmp";
  ASSERT_EQ(RunCommand({"render", "--size", "128x128", "-o", out, "29", "p10=3"}).Status, ExitOk);
  const auto expected = ReadAll(out);
  const std::vector<std::vector<std::string>> spellings = {
      {"render", "29", "p10=3", "-o", out, "--size", "128x128"},
      {"render", "29", "--size=128x128", "p10=3", "--output=" + out},
      {"render", "-o" + out, "29", "--output", out, "p10=3", "--size", "128x128"},
      {"render", "--size", "128x128", "-o", out, "--", "29", "p10=3"},
  };
  for (const auto& args : spellings) {
    std::filesystem::remove(out);
    Outcome o = RunCommand(args);
    ASSERT_EQ(o.Status, ExitOk) << args[1] << ": " << o.Err;
    EXPECT_EQ(ReadAll(out), expected) << args[1];
  }
  // After "--" a module spelled like an option is a module, not an option.
  Outcome o = RunCommand({"render", "-o", out, "--", "--size"});
  EXPECT_EQ(o.Status, ExitBadInput);
  EXPECT_NE(o.Err.find("unknown module \"--size\""), std::string::npos) << o.Err;
}

TEST(QuillonCommand, HelpAndVersion) {
  Outcome version = RunCommand({"--version"});
  EXPECT_EQ(version.Status, ExitOk);
  EXPECT_EQ(version.Out, "quillon " QUILLON_TEST_VERSION "\n");
  Outcome help = RunCommand({"help", "render"});
  EXPECT_EQ(help.Status, ExitOk);
  EXPECT_EQ(help.Out.rfind("usage: quillon render ", 0), 0u) << help.Out;
  EXPECT_NE(help.Out.find("--output FILE"), std::string::npos);
  EXPECT_EQ(RunCommand({"render", "--help"}).Out, help.Out);
  EXPECT_EQ(RunCommand({"render", "29", "-h"}).Out, help.Out);
  Outcome unknown = RunCommand({"render", "--frob", "29"});
  EXPECT_EQ(unknown.Status, ExitBadInput);
  EXPECT_NE(unknown.Err.find("--size WxH; -o, --output FILE; --raw; -h, --help"), std::string::npos) << unknown.Err;
}

// Every refusal exits 2 before computing and leaves the existing output as
// it was.
TEST(QuillonCommand, RefusalsLeaveTheOutputAlone) {
  const std::string dir = FreshDir("refusals");
  const std::string out = dir + "keep.bmp";
  WriteText(out, "previous picture");
  const std::string readOnly = dir + "ro.bmp";
  WriteText(readOnly, "read-only picture");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
  const std::string fifo = dir + "fifo.mpr";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string longPreset = dir + "long.mpr";
  WriteText(longPreset, std::string(141, 'x'));
  std::filesystem::create_directory(dir + "sub");
  const std::string grass = dir + "grass.mpr";
  ASSERT_EQ(RunCommand({"preset", "save", "Grass", "-o", grass}).Status, ExitOk);
  const std::string savedPreset = dir + "saved.mpr";

  struct Case {
    std::vector<std::string> Args;
    std::string Says;
  };
  const std::vector<Case> cases = {
      {{"render", "-o", out, "29", "p1=360"}, "p1=360 is outside 0..359"},
      {{"render", "-o", out, "29", "p20=1"}, "p20 is not a parameter"},
      {{"render", "-o", out, "Plank", "p4=2"}, "p4=2 is outside 0..1"},
      {{"render", "-o", out, "29", "weights=100,101"}, "outside 0..100"},
      {{"render", "-o", out, "29", "weights=-1,100"}, "outside 0..100"},
      {{"render", "-o", out, "29", "--raw=1"}, "takes no value"},
      {{"render", "29", "-o"}, "needs its FILE"},
      {{"render", "-o", dir + "pic.png", "29"}, "only 24-bit BMP files are written"},
      {{"render", "-o", "", "29"}, "the output name is empty"},
      {{"render", "-o", dir + "sub", "29"}, "is a folder"},
      {{"render", "-o", dir + "none/x.bmp", "29"}, "does not exist"},
      {{"render", "-o", readOnly, "29"}, "is read-only"},
      {{"render", "-o", out, "29", "preset=" + fifo}, "is not a regular file"},
      {{"render", "-o", out, "29", "preset=" + dir + "sub"}, "is not a regular file"},
      {{"render", "-o", out, "29", "preset=" + longPreset}, "is longer than one"},
      {{"preset", "save", "29", "-o", dir + "p.txt"}, "module preset (.mpr) files"},
      {{"preset", "save", "29"}, "-o FILE.mpr"},
      {{"preset", "save", "29", "+", "29", "-o", dir + "p.mpr"}, "one module only"},
      // A module preset holds p1..p33 only: nothing else is dropped unsaid.
      {{"preset", "save", "Grass", "c1=#ff0000", "-o", savedPreset},
       "c1 is not saved in a module preset, which holds p1..p33 only"},
      {{"preset", "save", "Grass", "-o", savedPreset, "BLEND=2,2,2"}, "blend is not saved in a module preset"},
      {{"preset", "save", "Grass", "-o", savedPreset, "space=hsl"}, "space is not saved in a module preset"},
      {{"preset", "save", "Grass", "-o", savedPreset, "weights=50,50"}, "weights is not saved in a module preset"},
      {{"preset", "save", "Grass", "-o", savedPreset, "active=1"}, "active is not saved in a module preset"},
      // The colour parameters are those "quillon params" lists.
      {{"render", "-o", out, "Red Swimming Pool", "c1=#112233"},
       "c1 is not a colour parameter of \"Red Swimming Pool\""},
      {{"render", "-o", out, "Grass", "c3=#112233"}, "c3 is not a colour parameter of \"Grass\""},
      {{"render", "-o", out, "29", "preset=" + grass},
       grass + ": The current module type doesn't match the module preset type (the module is \"Red Swimming "
               "Pool\", the preset \"Grass\")"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Says);
    Outcome o = RunCommand(c.Args);
    EXPECT_EQ(o.Status, ExitBadInput) << o.Err;
    EXPECT_NE(o.Err.find(c.Says), std::string::npos) << o.Err;
    EXPECT_EQ(o.Err.find("Process"), std::string::npos) << "nothing is computed";
  }
  EXPECT_EQ(ReadText(out), "previous picture");
  EXPECT_EQ(ReadText(readOnly), "read-only picture");
  EXPECT_EQ(Listing(dir),
            (std::vector<std::string>{"fifo.mpr", "grass.mpr", "keep.bmp", "long.mpr", "ro.bmp", "sub"}));
}

TEST(QuillonCommand, WritingTouchesNothingButTheOutput) {
  const std::string dir = FreshDir("neighbours");
  for (const char* name : {"out.bmp.probe", "out.bmp.tmp", ".out.bmp.000000", "target.bmp"}) WriteText(dir + name, name);
  std::filesystem::create_symlink("target.bmp", dir + "link.bmp");
  ASSERT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "out", "29"}).Status, ExitOk);
  ASSERT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "out.bmp", "29"}).Status, ExitOk);
  ASSERT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "link.bmp", "29"}).Status, ExitOk);
  for (const char* name : {"out.bmp.probe", "out.bmp.tmp", ".out.bmp.000000"}) EXPECT_EQ(ReadText(dir + name), name);
  EXPECT_TRUE(std::filesystem::is_symlink(dir + "link.bmp"));
  EXPECT_EQ(ReadAll(dir + "target.bmp"), ReadAll(dir + "out.bmp"));
  EXPECT_EQ(ReadAll(dir + "out"), ReadAll(dir + "out.bmp"));
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{".out.bmp.000000", "link.bmp", "out", "out.bmp", "out.bmp.probe",
                                                    "out.bmp.tmp", "target.bmp"}));

  // "-o -" writes the same bytes to standard output.
  Outcome toStdout = RunCommand({"render", "--size", "128x128", "-o", "-", "29"});
  ASSERT_EQ(toStdout.Status, ExitOk);
  EXPECT_EQ(toStdout.Out, ReadText(dir + "out.bmp"));
}

TEST(QuillonCommand, SettingsAcceptRawValuesNamesAndBlanks) {
  const std::string dir = FreshDir("settings");
  EXPECT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "a.bmp", "29", "p1=5000", "--raw"}).Status, ExitOk);
  EXPECT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "b.bmp", "29", "+", "29", "p10=4",
                        "blend= add ,MAX,  Subtract Current - Result"})
                .Status,
            ExitOk);
  EXPECT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "c.bmp", "29", "+", "29", "p10=4", "blend=2,11,3"})
                .Out,
            "");
  EXPECT_EQ(ReadAll(dir + "b.bmp"), ReadAll(dir + "c.bmp"));
  // A colour parameter the module reads changes the picture.
  ASSERT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "green.bmp", "Grass"}).Status, ExitOk);
  ASSERT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "red.bmp", "Grass", "c1=#FF0000"}).Status, ExitOk);
  EXPECT_NE(ReadAll(dir + "green.bmp"), ReadAll(dir + "red.bmp"));
  Outcome idle = RunCommand({"render", "--size", "128x128", "-o", dir + "d.bmp", "29", "active=0"});
  EXPECT_EQ(idle.Status, ExitOk);
  EXPECT_NE(idle.Err.find("warning: no module of the chain is active"), std::string::npos) << idle.Err;
}

TEST(QuillonCommand, SavedPresetGivesTheSamePicture) {
  const std::string dir = FreshDir("presets");
  ASSERT_EQ(RunCommand({"preset", "save", "29", "p10=77", "p3=120", "-o", dir + "pool.mpr"}).Status, ExitOk);
  EXPECT_EQ(ReadAll(dir + "pool.mpr").size(), 140u);
  ASSERT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "a.bmp", "29", "p10=77", "p3=120"}).Status, ExitOk);
  ASSERT_EQ(RunCommand({"render", "--size", "128x128", "-o", dir + "b.bmp", "29", "preset=" + dir + "pool.mpr"}).Status,
            ExitOk);
  EXPECT_EQ(ReadAll(dir + "a.bmp"), ReadAll(dir + "b.bmp"));
  Outcome mismatch = RunCommand({"render", "-o", dir + "c.bmp", "56", "preset=" + dir + "pool.mpr"});
  EXPECT_EQ(mismatch.Status, ExitBadInput);
  EXPECT_NE(mismatch.Err.find("The current module type doesn't match the module preset type"), std::string::npos);
}

// Values that would take too long are refused before computing, the same
// from a preset as from the command line, and the output is left alone.
TEST(QuillonCommand, TooMuchWorkIsRefusedBeforeComputing) {
  const std::string dir = FreshDir("work");
  ASSERT_EQ(RunCommand({"preset", "save", "105", "p1=100000", "--raw", "-o", dir + "body.mpr"}).Status, ExitOk);
  WriteText(dir + "old.bmp", "previous");
  const Outcome raw = RunCommand({"render", "--size", "128x128", "-o", dir + "old.bmp", "29", "+", "105", "p1=100000", "--raw"});
  const Outcome preset =
      RunCommand({"render", "--size", "128x128", "-o", dir + "old.bmp", "29", "+", "105", "preset=" + dir + "body.mpr"});
  for (const Outcome& o : {raw, preset}) {
    EXPECT_EQ(o.Status, ExitBadInput);
    EXPECT_NE(o.Err.find("quillon: (2) Inside The Body: parameter 1 (Variant) = 100000 is too much work at 128 x 128; "
                         "the largest value computed at this size is "),
              std::string::npos)
        << o.Err;
    EXPECT_EQ(o.Err.find("Process"), std::string::npos) << "nothing is computed";
  }
  EXPECT_EQ(ReadText(dir + "old.bmp"), "previous");
}

// Runs Script with /bin/sh in the folder Dir, $Q naming the built program;
// returns its exit status, or -1 when it did not exit.
int RunScript(const std::string& Dir, const std::string& Script) {
  // A name of this process's own: the tests run side by side in processes
  // of their own, and one must not run another's script.
  const std::string file = ::testing::TempDir() + "quillon-test-script." + std::to_string(getpid()) + ".sh";
  WriteText(file, "cd '" + Dir + "' || exit 99\nQ='" + std::string(QUILLON_BINARY_DIR) + "/quillon'\n" + Script + "\n");
  const int status = std::system(("sh '" + file + "'").c_str());
  std::remove(file.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The real program: a write beyond the file-size limit fails with status 1,
// and the previous output is kept with no temporary file beside it.
TEST(QuillonCommand, AFailedWriteKeepsThePreviousFile) {
  const std::string dir = FreshDir("limit");
  WriteText(dir + "big.bmp", "previous picture");
  EXPECT_EQ(RunScript(dir, "ulimit -f 16; exec \"$Q\" render --size 256x256 -o big.bmp 29 2>/dev/null"), ExitFailed);
  EXPECT_EQ(ReadText(dir + "big.bmp"), "previous picture");
  EXPECT_EQ(Listing(dir), std::vector<std::string>{"big.bmp"});

  // Standard output redirected to a file meets the same limit.
  EXPECT_EQ(RunScript(dir, "ulimit -f 100; exec \"$Q\" render --size 1024x1024 -o - 29 >out.bmp 2>err.txt"),
            ExitFailed);
  EXPECT_NE(ReadText(dir + "err.txt").find("quillon: cannot write to standard output: File too large"),
            std::string::npos)
      << ReadText(dir + "err.txt");
}

// A name of up to 255 bytes is written: the temporary file beside it has a
// short name of its own.
TEST(QuillonCommand, WritesOutputsWithTheLongestNames) {
  const std::string dir = FreshDir("long-names");
  const std::string bmp248 = std::string(244, 'b') + ".bmp", bmp255 = std::string(251, 'b') + ".bmp";
  const std::string mpr255 = std::string(251, 'p') + ".mpr";
  for (const std::string& name : {bmp248, bmp255}) {
    Outcome o = RunCommand({"render", "--size", "128x128", "-o", dir + name, "29"});
    EXPECT_EQ(o.Status, ExitOk) << o.Err;
    EXPECT_EQ(ReadAll(dir + name).size(), 54u + 128u * 3 * 128);
  }
  Outcome o = RunCommand({"preset", "save", "29", "p10=5", "-o", dir + mpr255});
  EXPECT_EQ(o.Status, ExitOk) << o.Err;
  EXPECT_EQ(ReadAll(dir + mpr255).size(), 140u);
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{bmp248, bmp255, mpr255}));
}

bool Sanitized() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  return true;
#else
  return std::getenv("QUILLON_SANITIZED") != nullptr;
#endif
}

// The commands that compute no picture run in 64 MB of address space; a
// render that cannot get the memory of its picture says so and exits 1.
TEST(QuillonCommand, RunsInASmallAddressSpace) {
  if (Sanitized()) GTEST_SKIP() << "the sanitizers reserve far more address space than the limit";
  const std::string dir = FreshDir("small-memory");
  struct Case {
    std::string Args;
    int Status;
    std::string Says;
  };
  const std::vector<Case> cases = {
      {"--version", ExitOk, "quillon " QUILLON_TEST_VERSION "\n"},
      {"help render", ExitOk, "usage: quillon render "},
      {"list", ExitOk, "29\tT001\tRed Swimming Pool\n"},
      {"params 29", ExitOk, "p10\t0\t0\t1000\tRandom Seed\n"},
      {"blends", ExitOk, "23\tComplex 12\n"},
      {"render --size 1024x1024 -o pic.bmp 29", ExitFailed, "quillon: not enough memory for a 1024 x 1024 picture\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Args);
    EXPECT_EQ(RunScript(dir, "ulimit -v 65536; exec \"$Q\" " + c.Args + " >out.txt 2>&1"), c.Status);
    EXPECT_NE(ReadText(dir + "out.txt").find(c.Says), std::string::npos) << ReadText(dir + "out.txt");
  }
  EXPECT_EQ(Listing(dir), std::vector<std::string>{"out.txt"});
}

}  // namespace
