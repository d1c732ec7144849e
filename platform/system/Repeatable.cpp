#include "platform/system/Repeatable.h"

namespace platform {

double SeededRandom::Next() {
  // 53 random bits make a fraction in [0, 1).
  const uint64_t hi = engine_() >> 5, lo = engine_() >> 6;
  return static_cast<double>(hi * 67108864ull + lo) / 9007199254740992.0;
}

}  // namespace platform
