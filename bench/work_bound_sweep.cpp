// The sweep of stored values: every parameter of every module at its range's
// ends, one beyond each and a few magnitudes out to -2147483648 and
// 2147483647, each rendered by the quillon command (its own process, as a
// user runs it) with the other values at their defaults. For each module it
// prints the worst time of a value outside the ranges as a ratio to the
// module's slowest in-range setting (its work bound's slowest setting, or
// the slowest of the range ends when it has none). A refused value costs
// only the refusal. A render that runs past 12 times the slowest in-range
// time is stopped and shown as such.
//
//   ./build/work_bound_sweep [--size WxH] [MODULE ...]   (default 1024x1024, every module)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "engine/Instances.h"
#include "engine/WorkBound.h"
#include "shell/Application.h"
#include "shell/widgets/Form.h"
#include "tools/quillon/Cli.h"

extern char** environ;

using namespace quillon;

namespace {

struct Run {
  double Seconds = 0;
  int Status = 0;        // the command's exit status
  bool Stopped = false;  // ran past its time and was stopped
};

std::string Binary;
std::string Size = "1024x1024";

// Renders Type with Settings ("p4=7" ...); stops it after Limit seconds.
Run Render(int Type, const std::vector<std::string>& Settings, double Limit) {
  std::string output = "/tmp/work_bound_sweep.";
  output += std::to_string(getpid()) + ".bmp";
  std::vector<std::string> args = {Binary, "render", "--raw", "--size", Size, "-o", output, std::to_string(Type)};
  args.insert(args.end(), Settings.begin(), Settings.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  Run run;
  if (posix_spawn(&pid, Binary.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    std::perror("posix_spawn");
    std::exit(1);
  }
  posix_spawn_file_actions_destroy(&actions);
  // The child's descriptor becomes readable when it ends: one blocking poll.
  const int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  pollfd p{fd, POLLIN, 0};
  if (poll(&p, 1, static_cast<int>(Limit * 1000)) == 0) {
    kill(pid, SIGKILL);
    run.Stopped = true;
  }
  close(fd);
  int status = 0;
  waitpid(pid, &status, 0);
  run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  unlink(output.c_str());
  return run;
}

double Best(int Type, const std::vector<std::string>& Settings, int Times) {
  double best = 1e9;
  for (int n = 0; n < Times; ++n) best = std::min(best, Render(Type, Settings, 3600).Seconds);
  return best;
}

// The values a parameter is tried with outside its range Min..Max.
std::vector<int64_t> OutsideValues(int64_t Min, int64_t Max) {
  std::set<int64_t> v = {Min - 1, Max + 1, INT_MIN, INT_MAX};
  for (int64_t m : {1000LL, 100000LL, 10000000LL, 1000000000LL}) {
    v.insert(m);
    v.insert(-m);
    v.insert(Max * 10);
  }
  std::vector<int64_t> out;
  for (int64_t x : v)
    if ((x < Min || x > Max) && x >= INT_MIN && x <= INT_MAX) out.push_back(x);
  return out;
}

std::string Setting(int k, int64_t v) {
  std::string s = "p";
  s += std::to_string(k);
  s += '=';
  return s + std::to_string(v);
}

void Sweep(int Type) {
  // A new instance's defaults and ranges, the ranges as the command checks them.
  const T_Prm_Module_Synthe m = FreshInstance(Type);
  std::vector<std::pair<int, std::pair<int64_t, int64_t>>> params;
  for (int k = 1; k <= ParamCount; ++k) {
    std::pair<int64_t, int64_t> range{m.ParamMin[k], m.ParamMax[k]};
    if (const TForm* form = TypeForm[Type]) {
      auto it = form->ParamLimits.find(k);
      if (it != form->ParamLimits.end()) range = it->second;
    }
    if (range.first != 0 || range.second != 0 || m.ParamValue[k] != 0) params.push_back({k, range});
  }

  // The slowest in-range setting: the bound's own, and each range end.
  std::vector<std::string> slowest;
  if (const TWorkBound* bound = TypeWorkBound[Type])
    for (const auto& [k, v] : bound->Slowest) slowest.push_back(Setting(k, v));
  double reference = Best(Type, slowest, 2);
  std::string referenceSetting = slowest.empty() ? "defaults" : "";
  for (const std::string& s : slowest) referenceSetting += s + " ";
  for (const auto& [k, range] : params)
    for (int64_t v : {range.first, range.second}) {
      const double t = Best(Type, {Setting(k, v)}, 2);
      if (t > reference) {
        reference = t;
        referenceSetting = Setting(k, v);
      }
    }

  Run worst;
  std::string worstSetting = "-";
  int refused = 0, tried = 0;
  for (const auto& [k, range] : params)
    for (int64_t v : OutsideValues(range.first, range.second)) {
      ++tried;
      Run r = Render(Type, {Setting(k, v)}, 12 * reference + 1);
      if (r.Status == 2) ++refused;
      // A slow value is timed again, its better run kept (a busy machine).
      if (!r.Stopped && r.Seconds > 3 * reference) {
        const Run again = Render(Type, {Setting(k, v)}, 12 * reference + 1);
        if (again.Seconds < r.Seconds) r = again;
      }
      if (r.Seconds > worst.Seconds) {
        worst = r;
        worstSetting = Setting(k, v) + (r.Status == 2 ? " (refused)" : "");
      }
    }
  std::printf("%-22s %-30s %8.3f  %-28s %8.3f%s %6.2f  %d/%d\n", TypeName[Type].c_str(), referenceSetting.c_str(),
              reference, worstSetting.c_str(), worst.Seconds, worst.Stopped ? "+" : " ", worst.Seconds / reference,
              refused, tried);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return 1;
  self[n] = 0;
  Binary = std::string(self).substr(0, std::string(self).rfind('/')) + "/quillon";
  std::vector<std::string> modules;
  for (int a = 1; a < argc; ++a) {
    const std::string arg = argv[a];
    if (arg == "--size" && a + 1 < argc)
      Size = argv[++a];
    else
      modules.push_back(arg);
  }
  StartApplication();
  std::printf("sweep at %s; times in seconds, '+' = stopped at 12x\n", Size.c_str());
  std::printf("%-22s %-30s %8s  %-28s %9s %6s  %s\n", "module", "slowest in-range setting", "time",
              "worst outside the ranges", "time", "ratio", "refused/tried");
  for (int t = 1; t <= MaxModuleTypes; ++t) {
    if (!RegisteredType(t)) continue;
    if (!modules.empty() && std::find(modules.begin(), modules.end(), TypeName[t]) == modules.end() &&
        std::find(modules.begin(), modules.end(), TypeCode[t]) == modules.end() &&
        std::find(modules.begin(), modules.end(), std::to_string(t)) == modules.end())
      continue;
    Sweep(t);
  }
  return 0;
}
