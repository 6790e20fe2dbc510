#include "engine/Random.h"

#include <chrono>
#include <ctime>

namespace quillon {

int32_t RandomSeed = 0;
int32_t BlendRandomSeed = 0;

namespace detail {
int32_t RandomTable[RandomTableSize + 1];
}

void InitRandom(int32_t& State) {
  for (int i = 1; i <= RandomTableSize; ++i) detail::RandomTable[i] = detail::StepBits(State);
}

double RandomTableSlot(int I) {
  return (I >= 1 && I <= RandomTableSize) ? detail::RandomTable[I] * DrawScale : 0.0;
}

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
