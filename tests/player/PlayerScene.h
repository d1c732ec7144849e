// Small scenes the player tests share: a floor, a player standing on it, keys held.
#pragma once

#include "tests/support/ZoneFixture.h"

namespace orvane::test {

using platform::Key;

// Row 2 is solid ground (value 1): its top is at y 256, so a standing player has PlayerY 218.
constexpr int kGroundRow = 2;
constexpr double kStandingY = 256 - 38;

inline void StandOnGround(ZoneFixture& fx, double x, uint8_t ground = 1) {
  fx.FillRow(kGroundRow, ground);
  fx.Play(x, kStandingY);
}

// A player in the open air, far from any block.
inline void FloatInAir(ZoneFixture& fx, double x, double y) {
  fx.Play(x, y);
  fx->Airborne = -1;
}

}  // namespace orvane::test
