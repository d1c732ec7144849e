// The items that hurt. A hit takes the rings if there are any, else the shield, else the life; after
// a hit the player is protected while HurtTimer runs, and invincibility protects from every hit. A
// ball or an invincible player destroys enemies.
#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/objects/Contact.h"
#include "engine/objects/ItemRules.h"

namespace orvane::items {

namespace {

// contact boxes
constexpr ContactBox kHazardHit{{5, 34}, {4, 34}, {0, 30}, {2, 32}};
constexpr ContactBox kHazardTop{{5, 34}, {4, 38}, {0, 28}, {5, 32}};
constexpr ContactBox kSideHazardTop{{5, 34}, {4, 38}, {0, 28}, {0, 32}};
// faces against the position after this frame's move; the side hazard's left face is its hit box
constexpr ContactBox kHazardLeftFace{{35, 35}, {4, 34}, {0, 12}, {17, 32}};
constexpr ContactBox kHazardRightFace{{0, 0}, {4, 34}, {18, 25}, {17, 32}};
constexpr ContactBox kSideHazardHit = kHazardLeftFace;
constexpr ContactBox kPatrolEnemyBox{{4, 34}, {4, 38}, {4, 54}, {0, 16}};  // item x from ItemX + PatrolOffset
constexpr ContactBox kHopEnemyBox{{4, 34}, {4, 38}, {0, 20}, {0, 32}};     // item y from ItemY + the hop offset

constexpr double kFaceStopLeft = -35;
constexpr double kFaceStopRight = 25;
constexpr double kStandOnHazard = -31;
constexpr double kStandOnSideHazard = -38;

// thrown back by a hit
constexpr double kThrowBackUp = -5;
constexpr double kThrowBackAway = 6;
constexpr double kDeathJump = -7;
constexpr double kSideHazardDeathSpeedY = -5;
constexpr int32_t kEnemyScore = 100;

void ThrowBack(ZoneForm& z) {
  z.SpeedY = kThrowBackUp;
  if (z.Facing == kFacingRight) z.SpeedX = -kThrowBackAway;
  if (z.Facing == kFacingLeft) z.SpeedX = kThrowBackAway;
}

void Kill(ZoneForm& z) {
  z.Dying = kSet;
  z.DeathY = z.PlayerScreenY;
  z.DeathSpeedY = kDeathJump;
}

// The player stands on a hazard's top at `y`, as on the ground.
void StandOn(ZoneForm& z, double y) {
  z.PlayerY = y;
  z.AirActionReady = 0;
  z.Sprung = 0;
  z.SpeedY = 0;
  z.Airborne = 0;
}

bool Unguarded(const ZoneForm& z) { return z.HurtTimer == 0 && z.InvincibleTimer == 0; }

void Enemy(ZoneForm& z, const ContactBox& box, double x, double y) {
  // ring loss
  if (Overlaps(box, z.PlayerX, z.PlayerY, x, y) && z.RingCount > 0 && z.ShieldKind == 0 && z.InvincibleTimer == 0 &&
      z.PlayerAnim != anim::kBall && z.HurtTimer == 0) {
    z.ScatterRings();
    ThrowBack(z);
  } else if ((z.PlayerAnim == anim::kBall || z.InvincibleTimer > 0) && Overlaps(box, z.PlayerX, z.PlayerY, x, y)) {
    // destroyed; the entry still runs its remaining tests as an enemy this frame
    z.ItemKind[z.ItemIndex] = kind::kNone;
    z.RestartSound(kSoundTv);
    z.SpeedY = -z.SpeedY;
    z.Score = z.Score > INT32_MAX - kEnemyScore ? INT32_MAX : z.Score + kEnemyScore;
  }
  // shield loss
  if (Overlaps(box, z.PlayerX, z.PlayerY, x, y) && z.ShieldKind > 0 && z.InvincibleTimer == 0 &&
      z.PlayerAnim != anim::kBall && z.HurtTimer == 0) {
    z.ShieldKind = 0;
    z.HurtRecoil = kOn;
    z.Airborne = kOn;
    ThrowBack(z);
    z.Invulnerable = kOn;
  }
  // death
  if (Overlaps(box, z.PlayerX, z.PlayerY, x, y) && z.Dying == 0 && z.RingCount == 0 && z.HurtRecoil == 0 &&
      z.ShieldKind == 0 && z.InvincibleTimer == 0 && z.PlayerAnim != anim::kBall && z.HurtTimer == 0) {
    Kill(z);
  }
}

}  // namespace

void HazardBlock(ZoneForm& z, uint8_t /*kind*/) {
  const double x = ItemLeft(z), y = ItemTop(z);
  // solid sides
  if (TouchesAhead(z, kHazardLeftFace, x, y)) {
    z.PlayerX = x + kFaceStopLeft;
    z.SpeedX = 0;
  }
  if (TouchesAhead(z, kHazardRightFace, x, y)) {
    z.PlayerX = x + kFaceStopRight;
    z.SpeedX = 0;
  }
  // ring loss
  if (Touches(z, kHazardHit, x, y) && z.RingCount > 0 && Unguarded(z) && z.ShieldKind == 0) {
    z.ScatterRings();
    ThrowBack(z);
    z.Rolling = 0;
  }
  // shield loss: protected at once, so no later entry of this frame hurts again
  if (Touches(z, kHazardHit, x, y) && Unguarded(z) && z.ShieldKind > 0) {
    ThrowBack(z);
    z.Rolling = 0;
    z.HurtRecoil = kOn;
    z.ShieldKind = 0;
    z.Sprung = 0;
    z.Invulnerable = kOn;
    z.HurtTimer = 1;
    z.Airborne = kOn;
  }
  // death
  if (Touches(z, kHazardHit, x, y) && z.Dying == 0 && z.RingCount == 0 && Unguarded(z) && z.ShieldKind == 0 &&
      z.HurtRecoil == 0) {
    z.Rolling = 0;
    Kill(z);
  }
  // top, for a player who is not thrown back
  if (Touches(z, kHazardTop, x, y) && z.HurtRecoil == 0) {
    StandOn(z, y + kStandOnHazard);
  }
}

void SideHazard(ZoneForm& z, uint8_t /*kind*/) {
  const double x = ItemLeft(z), y = ItemTop(z);
  // top
  if (Touches(z, kSideHazardTop, x, y) && z.HurtRecoil == 0) {
    StandOn(z, y + kStandOnSideHazard);
  }
  // right face
  if (TouchesAhead(z, kHazardRightFace, x, y)) {
    z.PlayerX = x + kFaceStopRight;
    z.SpeedX = 0;
  }
  // ring loss, through the left face only
  if (TouchesAhead(z, kSideHazardHit, x, y) && Unguarded(z) && z.RingCount > 0 && z.ShieldKind == 0) {
    z.ScatterRings();
    ThrowBack(z);
    z.Rolling = 0;
  }
  // shield loss
  if (TouchesAhead(z, kSideHazardHit, x, y) && Unguarded(z) && z.ShieldKind > 0) {
    ThrowBack(z);
    z.Rolling = 0;
    z.HurtRecoil = kOn;
    z.ShieldKind = 0;
    z.Invulnerable = kOn;
    z.Airborne = kOn;
  }
  // death
  if (TouchesAhead(z, kSideHazardHit, x, y) && z.Dying == 0 && z.HurtRecoil == 0 && z.RingCount == 0 &&
      Unguarded(z) && z.ShieldKind == 0) {
    z.SpeedY = kSideHazardDeathSpeedY;
    z.Rolling = 0;
    Kill(z);
  }
  // the left face is solid only while the player is protected
  if (TouchesAhead(z, kSideHazardHit, x, y) && z.HurtTimer > 0) {
    z.PlayerX = x + kFaceStopLeft;
    z.SpeedX = 0;
  }
}

void PatrolEnemy(ZoneForm& z, uint8_t /*kind*/) {
  Enemy(z, kPatrolEnemyBox, ItemLeft(z) + z.PatrolOffset, ItemTop(z));
}

void HopEnemyA(ZoneForm& z, uint8_t /*kind*/) { Enemy(z, kHopEnemyBox, ItemLeft(z), ItemTop(z) + z.HopOffsetA); }

void HopEnemyB(ZoneForm& z, uint8_t /*kind*/) { Enemy(z, kHopEnemyBox, ItemLeft(z), ItemTop(z) + z.HopOffsetB); }

}  // namespace orvane::items
