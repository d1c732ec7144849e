#include "assets/levels/ItemKinds.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/objects/HopRule.h"

namespace levels {

namespace {

// The lowest point of the enemies' hop from a start offset, run long enough
// to see every phase.
double LowestHop(double offset) {
  double speed = 0;
  double lowest = offset;
  for (int frame = 0; frame < 20000; ++frame) {
    orvane::HopStep(offset, speed);
    lowest = std::max(lowest, offset);
  }
  return lowest;
}

constexpr int kHopSprite = 32;

std::array<ItemKindInfo, 27> MakeKinds() {
  using K = orvane::kind::Kind;
  const int hopBottom = HopLowestOffset() + kHopSprite;
  return {{
      {K::kRing, "ring", 0, 0, 16, 16, Footing::Floats, true, true, false},
      {K::kBoxRings, "box_rings", 0, 0, 28, 32, Footing::Stands, true, true, false},
      {K::kBoxJumpShield, "box_jump_shield", 0, 0, 28, 32, Footing::Stands, true, true, false},
      {K::kBoxDashShield, "box_dash_shield", 0, 0, 28, 32, Footing::Stands, true, true, false},
      {K::kBoxBounceShield, "box_bounce_shield", 0, 0, 28, 32, Footing::Stands, true, true, false},
      {K::kBoxBlank, "box_blank", 0, 0, 28, 32, Footing::Stands, true, true, false},
      {K::kBoxInvincible, "box_invincible", 0, 0, 28, 32, Footing::Stands, true, true, false},
      {9, "box_blank9", 0, 0, 28, 32, Footing::Stands, true, true, false},
      {10, "box_blank10", 0, 0, 28, 32, Footing::Stands, true, true, false},
      {11, "box_blank11", 0, 0, 28, 32, Footing::Stands, true, true, false},
      {K::kHazardBlock, "spikes", 0, 0, 32, 32, Footing::Stands, true, true, false},
      {K::kSideHazard, "side_spikes", 0, 0, 32, 32, Footing::Stands, true, true, false},
      {K::kSpringUp, "spring_up", 0, 0, 32, 32, Footing::Stands, true, true, false},
      {K::kSpringRight, "spring_right", 0, 0, 32, 32, Footing::Stands, true, true, false},
      {K::kSpringLeft, "spring_left", 0, 0, 32, 32, Footing::Stands, true, true, false},
      {K::kSpringDown, "spring_down", 0, 0, 32, 32, Footing::Hangs, true, true, false},
      {K::kSpringUpRight, "spring_upright", 0, 0, 32, 32, Footing::Stands, true, false, false},
      {K::kSpringUpLeft, "spring_upleft", 0, 0, 32, 32, Footing::Stands, true, false, false},
      // the pole is drawn from ItemY to ItemY + 50, its head 14 above
      {K::kLampPost, "lamppost", 0, -14, 16, 64, Footing::Stands, true, true, false},
      {K::kPlatform, "platform", 0, 0, 112, 32, Footing::Floats, true, true, false},
      {K::kTallPicture, "picture_tall", 0, 0, 43, 135, Footing::Stands, true, true, false},
      {K::kTopPicture, "picture_ash", 0, 0, 32, 41, Footing::Stands, false, true, false},
      {K::kSmallPicture, "picture_small", 0, 0, 32, 50, Footing::Stands, true, true, false},
      // the sprite, 64 wide, sweeps 0 to 129 pixels right of ItemX
      {K::kPatrolEnemy, "patrol", -1, 0, 195, 22, Footing::Stands, true, true, true},
      // hoppers are placed so that the lowest point of their hop meets the ground
      {K::kHopEnemyA, "hopper_a", 0, 0, 20, hopBottom, Footing::Stands, true, false, false},
      {K::kHopEnemyB, "hopper_b", 0, 0, 20, hopBottom, Footing::Stands, true, false, false},
      {0, "", 0, 0, 0, 0, Footing::Floats, false, false, false},
  }};
}

const std::array<ItemKindInfo, 27>& Kinds() {
  static const auto kinds = MakeKinds();
  return kinds;
}

}  // namespace

bool Hurts(uint8_t kind) {
  using namespace orvane::kind;
  return kind == kHazardBlock || kind == kSideHazard || (kind >= kPatrolEnemy && kind <= kHopEnemyB);
}

bool IsSpring(uint8_t kind) { return kind >= orvane::kind::kSpringUp && kind <= orvane::kind::kSpringUpLeft; }

int HopLowestOffset() {
  static const int lowest = static_cast<int>(std::ceil(std::max(LowestHop(0), LowestHop(orvane::kHopOffsetBStart))));
  return lowest;
}

std::optional<ItemKindInfo> KindByName(std::string_view name) {
  for (const auto& k : Kinds())
    if (k.kind != 0 && k.name == name) return k;
  return std::nullopt;
}

std::optional<ItemKindInfo> KindInfo(uint8_t kind) {
  for (const auto& k : Kinds())
    if (k.kind != 0 && k.kind == kind) return k;
  return std::nullopt;
}

}  // namespace levels
