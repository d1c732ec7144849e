// The player's frame: keys and states, the running rules, air moves and the jump, gravity, ground
// states, then the move, the block collision, the items and the tail of the frame.
#include "engine/core/Sounds.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::Movement() {
  ReadKeys();
  RunningRules();
  AirMovesAndJump();
  Gravity();
  GroundStates();
  MoveEnemies();
  MovePlayer();
  CollideWithBlocks();
  ItemWalk();
  if (Invulnerable == -1) HurtBlink();
  if (LostRingsActive == -1) MoveLostRings();
  CapsuleStep();
  if (zone_.hasSand) SandStep();
  LoopRiding();
  WorldLimitsAndCamera();
}

void ZoneForm::ReadKeys() {
  if (os_.input.KeyDown(platform::Key::Escape)) {
    QuitRequested = 1;
    EndIt();
  }
}

void ZoneForm::RunningRules() {}
void ZoneForm::AirMovesAndJump() {}
void ZoneForm::Gravity() {}
void ZoneForm::GroundStates() {}
void ZoneForm::MovePlayer() {}

}  // namespace orvane
