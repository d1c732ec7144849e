// Springs set the player's speed in every frame of contact; the lamp post stores the restart point
// once per act life; the platform carries the player from above and lets the player jump off.
#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/objects/Contact.h"
#include "engine/objects/ItemRules.h"

namespace orvane::items {

namespace {

// contact boxes
constexpr ContactBox kSpringUpBox{{5, 34}, {4, 38}, {0, 32}, {15, 32}};
constexpr ContactBox kSpringRightBox{{5, 34}, {0, 34}, {14, 16}, {0, 32}};
constexpr ContactBox kSpringLeftBox{{5, 34}, {0, 34}, {16, 32}, {0, 32}};
constexpr ContactBox kSpringDownBox{{5, 34}, {4, 34}, {0, 32}, {15, 32}};
constexpr ContactBox kSpringDiagonalBox{{5, 34}, {4, 38}, {0, 32}, {4, 32}};
// the up spring's side faces, against the position after this frame's move
constexpr ContactBox kSpringLeftFace{{35, 35}, {4, 34}, {0, 12}, {17, 32}};
constexpr ContactBox kSpringRightFace{{0, 0}, {4, 34}, {18, 29}, {17, 32}};
constexpr double kSpringStopLeft = -35;
constexpr double kSpringStopRight = 29;
constexpr ContactBox kLampBox{{5, 34}, {4, 34}, {0, 16}, {0, 64}};

// spring speeds
constexpr double kSpringUpSpeed = -13;
constexpr double kSpringSideSpeed = 15;
constexpr double kSpringDownSpeed = 7;
constexpr double kSpringDiagonalSpeed = 10;
constexpr int16_t kSpringPoseRows = 32;

// lamp posts
constexpr int16_t kLampTouched = 13;
constexpr int16_t kLampSpinStart = 12;  // the head spins while the counter is above this ...
constexpr int16_t kLampSpinEnd = 62;    // ... up to this, and then rests
constexpr double kCheckpointLeftOfPost = 14;

// platforms
constexpr double kPlatformLeft = 8;        // item x edges the player's x 10..34 must overlap
constexpr double kPlatformRight = 96;
constexpr double kPlayerLeftOnPlatform = 10;
constexpr double kPlayerRight = 34;
constexpr double kPlayerFeet = 38;
constexpr double kPlatformTop = 2;         // the feet must cross this line ...
constexpr double kPlatformTopBand = 6;     // ... coming from above this one
constexpr double kStandOnPlatform = -36;
constexpr double kPlatformJumpSpeed = -6.5;

// Launch of the up and diagonal springs, after their speeds: ends any flight or shield move and
// leaves no air move until the next jump.
void Launch(ZoneForm& z) {
  z.Rolling = 0;
  z.ShieldAction = 0;
  z.Sprung = kOn;
  z.AirActionReady = 0;
  z.Airborne = kOn;
  z.Flying = 0;
  z.FlightTired = 0;
  z.FlightTimer = 0;
  z.StopSound(kSoundFall);
  z.StopSound(kSoundFly);
  z.SpringPose = kSpringPoseRows;
  z.RestartSound(kSoundSpring);
}

void Diagonal(ZoneForm& z, double speedX) {
  if (!Touches(z, kSpringDiagonalBox, ItemLeft(z), ItemTop(z))) return;
  z.SurfaceMode = surface::kFloor;
  z.OnCurve = 0;
  z.SpeedY = -kSpringDiagonalSpeed;
  z.SpeedX = speedX;
  Launch(z);
}

}  // namespace

void SpringUp(ZoneForm& z, uint8_t /*kind*/) {
  const double x = ItemLeft(z), y = ItemTop(z);
  if (Touches(z, kSpringUpBox, x, y)) {
    z.SpeedY = kSpringUpSpeed;
    Launch(z);
  }
  // the sides stop a player walking into the spring flush against it
  if (TouchesAhead(z, kSpringLeftFace, x, y)) {
    z.PlayerX = x + kSpringStopLeft;
    z.SpeedX = 0;
  }
  if (TouchesAhead(z, kSpringRightFace, x, y)) {
    z.PlayerX = x + kSpringStopRight;
    z.SpeedX = 0;
  }
}

void SpringRight(ZoneForm& z, uint8_t /*kind*/) {
  if (!Touches(z, kSpringRightBox, ItemLeft(z), ItemTop(z))) return;
  z.SurfaceMode = surface::kFloor;
  z.OnCurve = 0;
  z.SpeedX = kSpringSideSpeed;
  z.RestartSound(kSoundSpring);
}

void SpringRightKeepSurface(ZoneForm& z, uint8_t /*kind*/) {
  if (!Touches(z, kSpringRightBox, ItemLeft(z), ItemTop(z))) return;
  z.SpeedX = kSpringSideSpeed;
  z.RestartSound(kSoundSpring);
}

void SpringLeft(ZoneForm& z, uint8_t /*kind*/) {
  if (!Touches(z, kSpringLeftBox, ItemLeft(z), ItemTop(z))) return;
  z.SpeedX = -kSpringSideSpeed;
  z.RestartSound(kSoundSpring);
}

void SpringDown(ZoneForm& z, uint8_t /*kind*/) {
  if (!Touches(z, kSpringDownBox, ItemLeft(z), ItemTop(z))) return;
  z.SpeedY = kSpringDownSpeed;
  z.RestartSound(kSoundSpring);
}

void SpringUpRight(ZoneForm& z, uint8_t /*kind*/) { Diagonal(z, kSpringDiagonalSpeed); }

void SpringUpLeft(ZoneForm& z, uint8_t /*kind*/) { Diagonal(z, -kSpringDiagonalSpeed); }

void LampPost(ZoneForm& z, uint8_t /*kind*/) {
  const int i = z.ItemIndex;
  if (Touches(z, kLampBox, z.ItemX[i], z.ItemY[i]) && z.ItemTimer[i] == 0) {
    z.ItemTimer[i] = kLampTouched;
    z.CheckpointX = AddSaturated(z.ItemX[i], -static_cast<int>(kCheckpointLeftOfPost));
    z.CheckpointY = ToInt16(z.PlayerY);
    // silent while the act takes no input: the restart at the post touches it again
    if (z.ControlOn == kSet) z.RestartSound(kSoundLamp);
  }
  if (z.ItemTimer[i] > kLampSpinStart && z.ItemTimer[i] <= kLampSpinEnd) z.ItemTimer[i] += 1;
}

void Platform(ZoneForm& z, uint8_t /*kind*/) {
  const double x = ItemLeft(z), y = ItemTop(z);
  // landing: the feet cross the platform's top in this frame's fall
  if (z.PlayerX + kPlayerRight > x + kPlatformLeft && z.PlayerX + kPlayerLeftOnPlatform < x + kPlatformRight &&
      z.PlayerY + z.SpeedY + kPlayerFeet > y + kPlatformTop && z.PlayerY + kPlayerFeet < y + kPlatformTopBand &&
      z.SpeedY > 0) {
    z.PlayerY = y + kStandOnPlatform;
    z.Airborne = 0;
    z.AirActionReady = 0;
    z.SpeedY = 0;
  }
  // a jump pressed in a frame that ended on the ground, wherever the player stands
  if (z.JumpPressed == kOn && z.Airborne == 0 && z.SpinState != spin::kCrouching && z.SpinState != spin::kCharging) {
    z.SpeedY = kPlatformJumpSpeed;
    z.Airborne = kOn;
    z.AirActionReady = kOn;
    z.Rolling = 0;
    z.RestartSound(kSoundJump);
  }
}

}  // namespace orvane::items
