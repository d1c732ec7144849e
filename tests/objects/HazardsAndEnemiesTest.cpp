// Hazards, enemies, the damage rule and the shared enemy motion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/support/ZoneFixture.h"
#include "zones/ZoneProgram.h"

namespace orvane {
namespace {

using test::ZoneFixture;

// A hazard block at (1200, 800); a player at (1180, 790) is inside its hit box.
constexpr int kHazardX = 1200, kHazardY = 800;

void AtHazard(ZoneFixture& z) {
  z.SetItem(0, kind::kHazardBlock, kHazardX, kHazardY);
  z.Play(1180, 790);
  z->Facing = kFacingRight;
}

TEST(Damage, HitWithFortyRingsScattersThirtyTwo) {
  ZoneFixture z;
  AtHazard(z);
  z->RingCount = 40;
  z->ItemWalk();
  int alive = 0;
  for (int i = 1; i <= 32; ++i) alive += z->LostRingAlive[i];
  EXPECT_EQ(alive, 32);
  EXPECT_EQ(z->RingCount, 0);
  EXPECT_EQ(z->LostRingsActive, -1);
  EXPECT_EQ(z->HurtRecoil, -1);
  EXPECT_EQ(z->Dying, 0);  // the death test of the same entry fails on HurtRecoil
  EXPECT_EQ(z->SpeedY, -5);
  EXPECT_EQ(z->SpeedX, -6);  // thrown back from facing right
  EXPECT_EQ(z->PlayerY, 790);  // not stood on the top while thrown back
  EXPECT_EQ(z.SoundCalls(kSoundHurt, "play"), 1);
}

TEST(Damage, ThrowBackFollowsTheFacing) {
  ZoneFixture z;
  AtHazard(z);
  z->Facing = kFacingLeft;
  z->RingCount = 1;
  z->ItemWalk();
  EXPECT_EQ(z->SpeedX, 6);
}

TEST(Damage, ABallIsHurtByTheHazardLikeAWalkingPlayer) {
  ZoneFixture z;
  AtHazard(z);
  z->PlayerAnim = anim::kBall;
  z->Rolling = kSet;
  z->RingCount = 5;
  z->ItemWalk();
  EXPECT_EQ(z->RingCount, 0);
  EXPECT_EQ(z->Rolling, 0);
  EXPECT_EQ(z->HurtRecoil, -1);
}

TEST(Damage, HazardShieldLossProtectsAtOnce) {
  ZoneFixture z;
  AtHazard(z);
  z->ShieldKind = 2;
  z->RingCount = 7;
  z->Sprung = kOn;
  z->ItemWalk();
  EXPECT_EQ(z->ShieldKind, 0);
  EXPECT_EQ(z->RingCount, 7);
  EXPECT_EQ(z->HurtTimer, 1);
  EXPECT_EQ(z->Invulnerable, -1);
  EXPECT_EQ(z->HurtRecoil, -1);
  EXPECT_EQ(z->Sprung, 0);
  EXPECT_EQ(z->Airborne, -1);
  EXPECT_EQ(z->Dying, 0);
}

TEST(Damage, NoRingsNoShieldDies) {
  ZoneFixture z;
  AtHazard(z);
  z->PlayerScreenY = 123;
  z->Rolling = kSet;
  z->ItemWalk();
  EXPECT_EQ(z->Dying, 1);
  EXPECT_EQ(z->DeathY, 123);
  EXPECT_EQ(z->DeathSpeedY, -7);
  EXPECT_EQ(z->Rolling, 0);
}

TEST(Damage, NoDeathWhileThrownBackProtectedOrInvincible) {
  {
    ZoneFixture z;
    AtHazard(z);
    z->HurtRecoil = kOn;
    z->ItemWalk();
    EXPECT_EQ(z->Dying, 0);
  }
  {
    ZoneFixture z;
    AtHazard(z);
    z->HurtTimer = 3;
    z->ItemWalk();
    EXPECT_EQ(z->Dying, 0);
  }
  {
    ZoneFixture z;
    AtHazard(z);
    z->InvincibleTimer = 10;
    z->RingCount = 4;
    z->ShieldKind = 1;
    z->ItemWalk();
    EXPECT_EQ(z->Dying, 0);
    EXPECT_EQ(z->RingCount, 4);
    EXPECT_EQ(z->ShieldKind, 1);
    // and an invincible player is still carried by its top
    EXPECT_EQ(z->PlayerY, kHazardY - 31);
    EXPECT_EQ(z->Airborne, 0);
  }
}

TEST(Damage, HazardBlockFacesStopThePlayer) {
  ZoneFixture z;
  z.SetItem(0, kind::kHazardBlock, kHazardX, kHazardY);
  z.Play(1160, 790);
  z->SpeedX = 6;  // 1201 inside the left face
  z->InvincibleTimer = 5;
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, kHazardX - 35);
  EXPECT_EQ(z->SpeedX, 0);

  z.Play(1226, 790);
  z->SpeedX = -4;  // 1222 inside the right face
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, kHazardX + 25);
  EXPECT_EQ(z->SpeedX, 0);
}

// A side hazard at (1600, 800). A player at x 1560 moving at 8 reaches its left face (1603) without
// touching its top.
constexpr int kSideX = 1600, kSideY = 800;

void IntoSideHazard(ZoneFixture& z) {
  z.SetItem(0, kind::kSideHazard, kSideX, kSideY);
  z.Play(1560, 790);
  z->SpeedX = 8;
  z->Facing = kFacingRight;
}

TEST(SideHazard, HurtsThroughTheLeftFace) {
  ZoneFixture z;
  IntoSideHazard(z);
  z->RingCount = 3;
  z->ItemWalk();
  EXPECT_EQ(z->RingCount, 0);
  EXPECT_EQ(z->HurtRecoil, -1);
  EXPECT_EQ(z->SpeedX, -6);
}

TEST(SideHazard, LeftFaceIsSolidWhileProtected) {
  ZoneFixture z;
  IntoSideHazard(z);
  z->HurtTimer = 20;
  z->RingCount = 3;
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, kSideX - 35);
  EXPECT_EQ(z->SpeedX, 0);
  EXPECT_EQ(z->RingCount, 3);
}

TEST(SideHazard, AnInvinciblePlayerPassesThroughTheLeftFace) {
  ZoneFixture z;
  IntoSideHazard(z);
  z->InvincibleTimer = 50;
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, 1560);
  EXPECT_EQ(z->SpeedX, 8);
  EXPECT_EQ(z->Dying, 0);
}

TEST(SideHazard, DeathThrowsUp) {
  ZoneFixture z;
  IntoSideHazard(z);
  z->ItemWalk();
  EXPECT_EQ(z->Dying, 1);
  EXPECT_EQ(z->SpeedY, -5);
}

TEST(SideHazard, ShieldLossLeavesTheTimerToTheEndOfTheFrame) {
  ZoneFixture z;
  IntoSideHazard(z);
  z->ShieldKind = 3;
  z->ItemWalk();
  EXPECT_EQ(z->ShieldKind, 0);
  EXPECT_EQ(z->HurtTimer, 0);
  EXPECT_EQ(z->Invulnerable, -1);
  EXPECT_EQ(z->HurtRecoil, -1);
}

TEST(SideHazard, TopAndRightFaceAreSolid) {
  ZoneFixture z;
  z.SetItem(0, kind::kSideHazard, kSideX, kSideY);
  z.Play(1590, 770);
  z->Airborne = kOn;
  z->SpeedY = 3;
  z->ItemWalk();
  EXPECT_EQ(z->PlayerY, kSideY - 38);
  EXPECT_EQ(z->Airborne, 0);
  EXPECT_EQ(z->SpeedY, 0);

  z.Play(1630, 790);
  z->SpeedX = -8;  // 1622 inside the right face
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, kSideX + 25);
  EXPECT_EQ(z->SpeedX, 0);
  EXPECT_EQ(z->Dying, 0);
}

// A patrolling enemy at (1400, 800) with the patrol offset at 0; a player at (1390, 790) touches it.
void AtEnemy(ZoneFixture& z, int index = 0) {
  z.SetItem(index, kind::kPatrolEnemy, 1400, 800);
  z.Play(1390, 790);
  z->Facing = kFacingRight;
}

TEST(Enemies, ABallDestroysAnEnemyAndBouncesBack) {
  ZoneFixture z;
  AtEnemy(z);
  z->Airborne = kOn;
  z->PlayerAnim = anim::kBall;
  z->SpeedY = 4;
  z->Score = 50;
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kNone);
  EXPECT_EQ(z->SpeedY, -4);
  EXPECT_EQ(z->Score, 150);
  EXPECT_EQ(z.SoundCalls(kSoundTv, "play"), 1);
  // gone from the next frame
  z->PlayerAnim = anim::kWalking;
  z->ItemWalk();
  EXPECT_EQ(z->Dying, 0);
  EXPECT_EQ(z->Score, 150);
}

TEST(Enemies, RollingAlongTheGroundKeepsSpeedYZero) {
  ZoneFixture z;
  AtEnemy(z);
  z->PlayerAnim = anim::kBall;
  z->Rolling = kSet;
  z->SpeedX = 9;
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kNone);
  EXPECT_EQ(z->SpeedY, 0);
  EXPECT_EQ(z->SpeedX, 9);
}

TEST(Enemies, AnInvincibleWalkerDestroysThem) {
  ZoneFixture z;
  AtEnemy(z);
  z->PlayerAnim = anim::kWalking;
  z->InvincibleTimer = 9;
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kNone);
  EXPECT_EQ(z->Dying, 0);
}

TEST(Enemies, ScoreDoesNotOverflow) {
  ZoneFixture z;
  AtEnemy(z);
  z->PlayerAnim = anim::kBall;
  z->Score = std::numeric_limits<int32_t>::max() - 50;
  z->ItemWalk();
  EXPECT_EQ(z->Score, std::numeric_limits<int32_t>::max());
}

TEST(Enemies, WithAShieldAndRingsOnlyTheShieldIsLost) {
  ZoneFixture z;
  AtEnemy(z);
  z->PlayerAnim = anim::kWalking;
  z->RingCount = 10;
  z->ShieldKind = 2;
  z->ItemWalk();
  EXPECT_EQ(z->ShieldKind, 0);
  EXPECT_EQ(z->RingCount, 10);
  EXPECT_EQ(z->HurtRecoil, -1);
  EXPECT_EQ(z->Invulnerable, -1);
  EXPECT_EQ(z->HurtTimer, 0);
  EXPECT_EQ(z->Airborne, -1);
  EXPECT_EQ(z->SpeedY, -5);
  EXPECT_EQ(z->LostRingsActive, 0);
  EXPECT_EQ(z->ItemKind[0], kind::kPatrolEnemy);
}

TEST(Enemies, DeathWithoutRingsOrShield) {
  ZoneFixture z;
  AtEnemy(z);
  z->PlayerAnim = anim::kWalking;
  z->ItemWalk();
  EXPECT_EQ(z->Dying, 1);
  EXPECT_EQ(z->ItemKind[0], kind::kPatrolEnemy);
}

TEST(Enemies, ALaterEntryCanStillTakeWhatAnEnemyHitLeft) {
  // An enemy's shield loss sets no timer, so a hazard later in the table takes the rings as well;
  // the hazard block's shield loss protects at once, so an enemy after it takes nothing more.
  for (const bool enemyFirst : {true, false}) {
    ZoneFixture z;
    z.SetItem(enemyFirst ? 0 : 1, 29, 1400, 800);
    z.SetItem(enemyFirst ? 1 : 0, 13, 1380, 790);
    z.Play(1390, 790);
    z->Facing = kFacingRight;
    z->PlayerAnim = anim::kWalking;
    z->RingCount = 10;
    z->ShieldKind = 1;
    z->ItemWalk();
    EXPECT_EQ(z->ShieldKind, 0) << enemyFirst;
    EXPECT_EQ(z->RingCount, enemyFirst ? 0 : 10) << enemyFirst;
    EXPECT_EQ(z->Dying, 0) << enemyFirst;
  }
}

TEST(Enemies, PatrollingEnemiesMoveAndTurnTogether) {
  // Two patrolling enemies 1000 apart: every frame both boxes stand at their x plus the one offset.
  ZoneFixture z;
  z.SetItem(0, kind::kPatrolEnemy, 1400, 800);
  z.SetItem(1, kind::kPatrolEnemy, 2400, 800);
  z->PatrolOffset = 127;
  z->PatrolDir = 1;
  for (int frame = 0; frame < 8; ++frame) {
    z->MoveEnemies();
    for (int i = 0; i < 2; ++i) {
      // a ball just left of the box's left edge (x + offset + 4) misses, one pixel further right hits
      const double edge = z->ItemX[i] + z->PatrolOffset + 4;
      z.Play(edge - 34, 790);
      z->PlayerAnim = anim::kBall;
      z->ItemWalk();
      ASSERT_EQ(z->ItemKind[i], 29) << frame << " " << i;
      z.Play(edge - 33, 790);
      z->PlayerAnim = anim::kBall;
      z->ItemWalk();
      ASSERT_EQ(z->ItemKind[i], 0) << frame << " " << i;
      z->ItemKind[i] = kind::kPatrolEnemy;
    }
  }
  EXPECT_EQ(z->PatrolDir, 0);  // turned on the way
}

TEST(Enemies, ThePatrolBoxMovesWithTheSharedOffset) {
  ZoneFixture z;
  AtEnemy(z);
  z->PlayerAnim = anim::kBall;
  z->PatrolOffset = 100;  // the enemy is now at 1500..1550
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kPatrolEnemy);
  z.Play(1490, 790);
  z->PlayerAnim = anim::kBall;
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kNone);
}

TEST(Enemies, HoppingEnemiesUseTheirOwnOffsets) {
  ZoneFixture z;
  z.SetItem(0, kind::kHopEnemyA, 1800, 900);
  z.SetItem(1, kind::kHopEnemyB, 1800, 900);
  z.Play(1790, 790);  // 100 above the entries' ItemY
  z->PlayerAnim = anim::kBall;
  z->HopOffsetA = -100;
  z->HopOffsetB = 0;
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kNone);
  EXPECT_EQ(z->ItemKind[1], kind::kHopEnemyB);
  z->HopOffsetB = -100;
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[1], kind::kNone);
}

TEST(Enemies, AshMoorHasNoHoppingEnemies) {
  ZoneFixture z(AshmoorTables());
  z.SetItem(0, kind::kHopEnemyA, 1800, 900);
  z.SetItem(1, kind::kHopEnemyB, 1800, 900);
  z.Play(1790, 890);
  z->PlayerAnim = anim::kWalking;
  z->ItemWalk();
  EXPECT_EQ(z->Dying, 0);
  for (int i = 0; i < 40; ++i) z->MoveEnemies();
  EXPECT_EQ(z->HopOffsetA, 0);
  EXPECT_EQ(z->HopSpeedA, 0);
  EXPECT_EQ(z->HopOffsetB, 0);
  EXPECT_EQ(z->PatrolOffset, 19);  // the patrol runs in both zones
}

TEST(EnemyMotion, HopOffsetFirstPasses48InFrame31) {
  ZoneFixture z;
  int first = 0;
  for (int frame = 1; frame <= 40 && first == 0; ++frame) {
    z->MoveEnemies();
    if (z->HopOffsetA > 48) first = frame;
  }
  EXPECT_EQ(first, 31);
  EXPECT_EQ(z->HopSpeedA, -8);
  // thrown up every 159 frames from then on
  int next = 0;
  for (int frame = 32; frame <= 400 && next == 0; ++frame) {
    z->MoveEnemies();
    if (z->HopOffsetA > 48) next = frame;
  }
  EXPECT_EQ(next - first, 159);
}

TEST(EnemyMotion, PatrolSwingsAndTurnsAtTheEnds) {
  ZoneFixture z;
  double lowest = 0, highest = 0;
  int turnsToLeft = 0, turnsToRight = 0;
  double dir = z->PatrolDir;
  for (int frame = 1; frame <= 1032; ++frame) {
    z->MoveEnemies();
    lowest = std::min(lowest, z->PatrolOffset);
    highest = std::max(highest, z->PatrolOffset);
    if (z->PatrolDir != dir) (z->PatrolDir == 0 ? turnsToLeft : turnsToRight) += 1;
    dir = z->PatrolDir;
    EXPECT_EQ(z->PatrolFacing, z->PatrolDir == 1 ? 64 : 0);
  }
  EXPECT_EQ(lowest, -0.5);
  EXPECT_EQ(highest, 128.5);
  EXPECT_EQ(turnsToLeft, 2);
  EXPECT_EQ(turnsToRight, 2);

  // a full swing there and back takes 516 frames
  ZoneFixture p;
  p->MoveEnemies();
  const double atFirst = p->PatrolOffset;
  for (int i = 0; i < 516; ++i) p->MoveEnemies();
  EXPECT_EQ(p->PatrolOffset, atFirst);
  EXPECT_EQ(atFirst, -0.5);
}

TEST(EnemyMotion, PatrolTurnsJustBeyondItsEnds) {
  ZoneFixture z;
  z->PatrolOffset = 128.5;
  z->PatrolDir = 1;
  z->MoveEnemies();
  EXPECT_EQ(z->PatrolDir, 0);
  EXPECT_EQ(z->PatrolOffset, 128);
  EXPECT_EQ(z->PatrolFacing, 0);
  z->PatrolOffset = -0.5;
  z->MoveEnemies();
  EXPECT_EQ(z->PatrolDir, 1);
  EXPECT_EQ(z->PatrolOffset, 0);
  EXPECT_EQ(z->PatrolFacing, 64);
  z->PatrolOffset = 128;  // exactly 128 does not turn yet
  z->MoveEnemies();
  EXPECT_EQ(z->PatrolOffset, 128.5);
}

}  // namespace
}  // namespace orvane
