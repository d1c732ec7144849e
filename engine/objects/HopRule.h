// The hop the hopping enemies share, one step a frame: they fall back faster each frame and are
// thrown up again once below their lowest line. The item walk moves them by it; the level tools run
// it to find how low a hopper reaches, and stand it on the ground there.
#pragma once

namespace orvane {

inline constexpr double kHopGravity = 0.1;
inline constexpr double kHopLowest = 48;  // pixels below the enemy's ItemY
inline constexpr double kHopThrow = -8;
// In Plum Vale the second hopper starts this far above the first, so the two hop out of step.
inline constexpr double kHopOffsetBStart = -128;

inline void HopStep(double& offset, double& speed) {
  speed += kHopGravity;
  offset += speed;
  if (offset > kHopLowest) speed = kHopThrow;
}

}  // namespace orvane
