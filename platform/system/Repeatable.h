// The clock and the random generator of a repeatable run: the headless backend's, and the window's
// while a demo plays, so that a replay on the screen shows what zonesim shows for the same script.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <utility>

#include "platform/system/System.h"

namespace platform {

// At frame n the clock reads 100000 + floor(n * 1000 / 60) whole milliseconds; `frames` tells n.
class FrameClock final : public Clock {
 public:
  explicit FrameClock(std::function<int64_t()> frames) : frames_(std::move(frames)) {}
  int32_t TickCount() override { return static_cast<int32_t>(100000 + frames_() * 1000 / 60); }

 private:
  std::function<int64_t()> frames_;
};

class SeededRandom final : public Random {
 public:
  explicit SeededRandom(uint32_t seed) : engine_(seed) {}
  double Next() override;
  // A repeatable run stays repeatable: re-seeding from the timer keeps the sequence.
  void Reseed() override {}

 private:
  std::mt19937 engine_;
};

}  // namespace platform
