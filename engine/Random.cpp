#include "engine/Random.h"

#include <chrono>
#include <ctime>

#include "engine/Numeric.h"

namespace quillon {

int32_t RandomSeed = 0;
int32_t BlendRandomSeed = 0;

namespace {
double Table[RandomTableSize + 1];  // slot 0 unused
}

double RandomStep(int32_t& State) {
  uint64_t s = static_cast<uint32_t>(State);
  s = (s * 843314861ull + 453816693ull) & 0x7FFFFFFFull;
  State = static_cast<int32_t>(s);
  return static_cast<double>(s) / 2147483648.0;
}

void InitRandom(int32_t& State) {
  for (int i = 1; i <= RandomTableSize; ++i) Table[i] = RandomStep(State);
}

double Random01(int32_t& State) {
  double r = RandomStep(State);
  int64_t j = Round(static_cast<Real>(r) * 97) + 1;
  if (j < 1 || j > RandomTableSize) j = 1;
  double v = Table[j];
  Table[j] = r;
  return v;
}

int32_t RandomInt(int32_t& State, int32_t Lo, int32_t Hi) {
  Real span = static_cast<Real>(Hi) - static_cast<Real>(Lo);
  return static_cast<int32_t>(Lo + Round(static_cast<Real>(Random01(State)) * span));
}

double RandomTableSlot(int I) { return (I >= 1 && I <= RandomTableSize) ? Table[I] : 0.0; }

int32_t MillisecondsSinceMidnight() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  return static_cast<int32_t>(((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + ms);
}

}  // namespace quillon
