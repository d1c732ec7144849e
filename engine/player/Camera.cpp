// World limits, the fall out of the world, the death fall and the camera. The camera has no lag and
// no look-ahead: it follows the player's rounded position and stops at the world's edges.
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

// the player is held inside the world: its box may not pass this right edge, nor the bottom
constexpr Number kWorldRight = 9976;
constexpr Number kPitFloorY = kWorldHeight - kPlayerHeight;  // 1242: the player rests there while dying

// the death fall on the screen
constexpr Number kPitDeathStartY = 202;
constexpr Number kDeathLeapSpeedY = -7;
constexpr Number kDeathOffScreenY = 240;

// the view follows the player at screen (140, 100) until the world's edges
constexpr int kViewFollowX = 140;
constexpr int kCameraMaxX = 9662;
constexpr int kViewFollowY = 100;
constexpr int kCameraMaxY = 1040;

}  // namespace

void ZoneForm::WorldLimitsAndCamera() {
  // position from the centre point
  PlayerX = SensorX - kCentreX;
  PlayerY = SensorY - kCentreY;

  // the left and right ends of the world
  if (PlayerX < 0) {
    SpeedX = 0;
    PlayerX = 0;
  }
  if (PlayerX + kPlayerWidth > kWorldRight) {
    SpeedX = 0;
    PlayerX = kWorldRight - kPlayerWidth;
  }

  // out of the bottom: pinned there, and the death fall starts once
  if (PlayerY + kPlayerHeight > kWorldHeight) {
    Airborne = 0;
    PlayerY = kPitFloorY;
    if (Dying == 0) {
      DeathY = kPitDeathStartY;
      DeathSpeedY = kDeathLeapSpeedY;
    }
    Dying = kSet;
    AirActionReady = 0;
  }

  // the death fall has left the screen: the act starts again
  if (DeathY > kDeathOffScreenY) ResetAct();

  // camera, horizontal
  PlayerCol = ToInt16(PlayerX);
  if (PlayerCol <= kViewFollowX) {
    PlayerScreenX = PlayerCol;
    CameraX = 0;
  } else if (PlayerCol < kCameraMaxX + kViewFollowX + 1) {
    CameraX = PlayerCol - kViewFollowX;
    PlayerScreenX = kViewFollowX;
  } else {
    PlayerScreenX = PlayerCol - kCameraMaxX;
    CameraX = kCameraMaxX;
  }

  // camera, vertical
  PlayerRow = ToInt16(PlayerY);
  if (PlayerRow <= kViewFollowY) {
    PlayerScreenY = PlayerRow;
    CameraY = 0;
  } else if (PlayerRow < kCameraMaxY + kViewFollowY + 1) {
    CameraY = PlayerRow - kViewFollowY;
    PlayerScreenY = kViewFollowY;
  } else {
    PlayerScreenY = PlayerRow - kCameraMaxY;
    CameraY = kCameraMaxY;
  }
}

}  // namespace orvane
