// Whole commands of the textures that fill, several at once on two CPUs, as
// on a busy machine: each round starts --at-once quillon commands together,
// each held to the CPUs of --cpus, and waits for all of them. Per texture
// it prints the median and the worst wall time of the commands and the
// median CPU time (user and system) one took.
//
//   busy_commands_bench [--cpus=0,1|all] [--at-once=4] [--rounds=5]
//                       [--size=1024x1024] [--quillon=PATH] [TEXTURE ...]
//
// --cpus=all lets each command use every CPU of this process; with
// --at-once=1 the figures are those of a command alone (--cpus=0: on one
// CPU). The quillon program is the one built beside this benchmark.
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  std::string cpus = "0,1", size = "1024x1024", quillon;
  int atOnce = 4, rounds = 5;
  std::vector<std::string> textures;
};

// The CPUs named by Text ("all", or numbers by commas, counted among the
// CPUs this process may use).
cpu_set_t CpusOf(const std::string& Text) {
  cpu_set_t all, out;
  sched_getaffinity(0, sizeof(all), &all);
  if (Text == "all") return all;
  std::vector<int> mine;
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
    if (CPU_ISSET(cpu, &all)) mine.push_back(cpu);
  CPU_ZERO(&out);
  for (size_t at = 0; at < Text.size();) {
    const size_t comma = std::min(Text.find(',', at), Text.size());
    const int k = std::atoi(Text.substr(at, comma - at).c_str());
    if (k >= 0 && k < static_cast<int>(mine.size())) CPU_SET(mine[k], &out);
    at = comma + 1;
  }
  return out;
}

struct Run {
  double wall, cpu;  // seconds
};

// Starts one command on Cpus; returns its process.
pid_t Start(const Options& o, const cpu_set_t& Cpus, const std::string& Texture, int Slot) {
  const std::string out = "/tmp/busy-commands-" + std::to_string(getpid()) + "-" + std::to_string(Slot) + ".bmp";
  std::fflush(stdout);  // or the child writes it out again
  const pid_t pid = fork();
  if (pid != 0) return pid;
  sched_setaffinity(0, sizeof(Cpus), &Cpus);
  if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(126);
  execl(o.quillon.c_str(), o.quillon.c_str(), "render", "--size", o.size.c_str(), "-o", out.c_str(), Texture.c_str(),
        static_cast<char*>(nullptr));
  _exit(127);
}

// One round: AtOnce commands started together, each timed until it ends.
std::vector<Run> Round(const Options& o, const cpu_set_t& Cpus, const std::string& Texture) {
  std::map<pid_t, Clock::time_point> started;
  for (int k = 0; k < o.atOnce; ++k) {
    const auto t = Clock::now();
    started[Start(o, Cpus, Texture, k)] = t;
  }
  std::vector<Run> runs;
  while (!started.empty()) {
    int status = 0;
    rusage use{};
    const pid_t pid = wait4(-1, &status, 0, &use);
    if (pid < 0) break;
    const auto it = started.find(pid);
    if (it == started.end()) continue;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "%s: a command failed (status %d)\n", Texture.c_str(), status);
      std::exit(1);
    }
    const double cpu = use.ru_utime.tv_sec + use.ru_stime.tv_sec + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) * 1e-6;
    runs.push_back({std::chrono::duration<double>(Clock::now() - it->second).count(), cpu});
    started.erase(it);
  }
  for (int k = 0; k < o.atOnce; ++k)
    std::remove(("/tmp/busy-commands-" + std::to_string(getpid()) + "-" + std::to_string(k) + ".bmp").c_str());
  return runs;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int k = 1; k < argc; ++k) {
    const std::string a = argv[k];
    auto value = [&](const char* name) { return a.rfind(name, 0) == 0 ? a.substr(std::string(name).size()) : ""; };
    if (!value("--cpus=").empty())
      o.cpus = value("--cpus=");
    else if (!value("--at-once=").empty())
      o.atOnce = std::max(1, std::atoi(value("--at-once=").c_str()));
    else if (!value("--rounds=").empty())
      o.rounds = std::max(1, std::atoi(value("--rounds=").c_str()));
    else if (!value("--size=").empty())
      o.size = value("--size=");
    else if (!value("--quillon=").empty())
      o.quillon = value("--quillon=");
    else
      o.textures.push_back(a);
  }
  if (o.quillon.empty()) {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof(self) - 1);
    std::string dir = n > 0 ? std::string(self, static_cast<size_t>(n)) : std::string("./x");
    o.quillon = dir.substr(0, dir.rfind('/') + 1) + "quillon";
  }
  if (o.textures.empty()) o.textures = {"Red Swimming Pool", "Cloth", "Roughcast", "Plank", "Coral"};
  const cpu_set_t cpus = CpusOf(o.cpus);
  std::printf("%d commands at once on %d CPUs (%s), %d rounds, %s, %s\n", o.atOnce, CPU_COUNT(&cpus), o.cpus.c_str(),
              o.rounds, o.size.c_str(), o.quillon.c_str());
  std::printf("%-18s %5s %10s %10s %8s %10s\n", "texture", "runs", "median_ms", "worst_ms", "worst/m", "cpu_ms");
  for (const std::string& texture : o.textures) {
    std::vector<double> walls, cpu;
    for (int r = 0; r < o.rounds; ++r)
      for (const Run& run : Round(o, cpus, texture)) {
        walls.push_back(run.wall);
        cpu.push_back(run.cpu);
      }
    const double median = Median(walls), worst = *std::max_element(walls.begin(), walls.end());
    std::printf("%-18s %5zu %10.1f %10.1f %8.2f %10.1f\n", texture.c_str(), walls.size(), median * 1e3, worst * 1e3,
                worst / median, Median(cpu) * 1e3);
    std::fflush(stdout);
  }
  return 0;
}
