// The item walk: every entry of the act's item table, every frame, in index order, on screen or not.
// Each entry's kind is read once and runs its kind's rule; a rule's effects are seen by the rest of
// that entry's tests and by every later entry. Also the shared motion of the enemies.
#include "engine/core/ZoneForm.h"
#include "engine/objects/HopRule.h"

namespace orvane {

namespace {

constexpr int kLastItem = static_cast<int>(kItemRecords) - 1;

// patrolling enemies swing between just below 0 and just above 128
constexpr double kPatrolFar = 128;
constexpr double kPatrolStep = 0.5;
constexpr double kPatrolFacingRight = 64;  // sprite column while moving right

}  // namespace

void ZoneForm::MoveEnemies() {
  if (PatrolOffset > kPatrolFar) PatrolDir = 0;
  if (PatrolOffset < 0) PatrolDir = 1;
  if (PatrolDir == 1) {
    PatrolOffset += kPatrolStep;
    PatrolFacing = kPatrolFacingRight;
  } else {
    PatrolOffset -= kPatrolStep;
    PatrolFacing = 0;
  }
  if (zone_.items.hasHoppingEnemies) {
    HopStep(HopOffsetA, HopSpeedA);
    HopStep(HopOffsetB, HopSpeedB);
  }
}

void ZoneForm::ItemWalk() {
  const ItemTables& items = zone_.items;
  for (ItemIndex = 0; ItemIndex <= kLastItem; ++ItemIndex) {
    const uint8_t kind = ItemKind[ItemIndex];
    if (const ItemRule rule = items.rules[kind]) rule(*this, kind);
  }
}

}  // namespace orvane
