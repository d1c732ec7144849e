// Rings and item boxes: a touched ring becomes a sparkle and counts; a ball opens a box, which gives
// its content fifteen frames later.
#include <array>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/objects/Contact.h"
#include "engine/objects/ItemRules.h"

namespace orvane::items {

namespace {

// contact boxes
constexpr ContactBox kRingBox{{5, 34}, {4, 34}, {0, 16}, {0, 16}};
constexpr ContactBox kBoxSolid{{8, 34}, {4, 38}, {0, 28}, {0, 32}};    // the box is solid here
constexpr ContactBox kBoxOpening{{5, 34}, {4, 34}, {0, 28}, {0, 32}};  // a ball here opens it
constexpr ContactBox kBoxTop{{8, 34}, {38, 38}, {2, 26}, {0, 34}};     // feet above the box's top

// the ring pull of the double-jump shield
constexpr double kPullReachX = 160;
constexpr double kPullReachY = 120;
constexpr double kPullTargetX = 14;  // towards the player's middle
constexpr double kPullTargetY = 19;
constexpr int kPullStep = 2;

constexpr int16_t kSparkleLastFrame = 24;

// item boxes
constexpr double kBoxSideSplitX = 12;   // which side a player is pushed out to
constexpr double kBoxFeetLowTop = 16;   // feet this far below the box's top push out sideways ...
constexpr double kBoxFeetLowBottom = 34;
constexpr double kBoxPushLeft = -34;    // ... to these positions
constexpr double kBoxPushRight = 20;
constexpr double kPlayerFeet = 38;
constexpr double kPlayerRight = 34;
constexpr double kBoxUnderside = 34;
constexpr int16_t kBoxOpeningStep = 4;
constexpr int16_t kBoxOpenedAfter = 64;

struct BoxContent {
  int rings;
  int16_t shield;  // 0: none
  bool invincibility;
  int sound;       // -1: none
};
constexpr std::array<BoxContent, 9> kBoxContents{{
    {10, 0, false, kSoundRing},  // 3
    {0, 1, false, kSoundEget},   // 4
    {0, 2, false, kSoundFget},   // 5
    {0, 3, false, kSoundBget},   // 6
    {0, 0, false, -1},           // 7
    {0, 0, true, -1},            // 8
    {0, 0, false, -1},           // 9
    {0, 0, false, -1},           // 10
    {0, 0, false, -1},           // 11
}};

void Give(ZoneForm& z, uint8_t kind) {
  const int slot = kind - kind::kFirstBox;
  if (slot < 0 || slot >= static_cast<int>(kBoxContents.size())) return;
  const BoxContent& c = kBoxContents[static_cast<size_t>(slot)];
  if (c.rings > 0) z.RingCount = AddSaturated(z.RingCount, c.rings);
  if (c.shield > 0) z.ShieldKind = c.shield;
  if (c.invincibility) z.InvincibleTimer = 1;
  if (c.sound >= 0) z.RestartSound(c.sound);
}

}  // namespace

void Ring(ZoneForm& z, uint8_t /*kind*/) {
  const int i = z.ItemIndex;
  // collect
  if (Touches(z, kRingBox, z.ItemX[i], z.ItemY[i])) {
    z.ItemKind[i] = kind::kSparkle;
    z.RingCount = AddSaturated(z.RingCount, 1);
    z.RestartSound(kSoundRing);
  }
  // pull towards the player: still a ring until the next frame, so a ring taken now moves too
  if (z.ShieldKind == 1 && z.ItemX[i] < z.PlayerX + kPullReachX && z.ItemX[i] > z.PlayerX - kPullReachX &&
      z.ItemY[i] < z.PlayerY + kPullReachY && z.ItemY[i] > z.PlayerY - kPullReachY) {
    if (z.ItemX[i] < z.PlayerX + kPullTargetX) z.ItemX[i] = AddSaturated(z.ItemX[i], kPullStep);
    if (z.ItemX[i] > z.PlayerX + kPullTargetX) z.ItemX[i] = AddSaturated(z.ItemX[i], -kPullStep);
    if (z.ItemY[i] < z.PlayerY + kPullTargetY) z.ItemY[i] = AddSaturated(z.ItemY[i], kPullStep);
    if (z.ItemY[i] > z.PlayerY + kPullTargetY) z.ItemY[i] = AddSaturated(z.ItemY[i], -kPullStep);
  }
}

void Sparkle(ZoneForm& z, uint8_t /*kind*/) {
  const int i = z.ItemIndex;
  z.ItemTimer[i] = AddSaturated(z.ItemTimer[i], 1);
  if (z.ItemTimer[i] > kSparkleLastFrame) z.ItemKind[i] = kind::kNone;
}

void ItemBox(ZoneForm& z, uint8_t kind) {
  const int i = z.ItemIndex;
  const double x = z.ItemX[i], y = z.ItemY[i];

  // solid while closed, for a player who is not a ball
  if (Touches(z, kBoxSolid, x, y) && z.PlayerAnim != anim::kBall && z.ItemTimer[i] == 0 && z.Rolling == 0) {
    auto feetLow = [&] {
      return z.PlayerY + kPlayerFeet > y + kBoxFeetLowTop && z.PlayerY + kPlayerFeet < y + kBoxFeetLowBottom;
    };
    if (z.PlayerX + kPlayerRight < x + kBoxSideSplitX && feetLow()) {
      z.PlayerX = x + kBoxPushLeft;
      z.SpeedX = 0;
    }
    if (z.PlayerX + kPlayerRight > x + kBoxSideSplitX && feetLow()) {
      z.PlayerX = x + kBoxPushRight;
      z.SpeedX = 0;
    }
    if (Touches(z, kBoxTop, x, y)) {
      z.PlayerY = y - kPlayerFeet;
      z.SpeedY = 0;
      z.Airborne = 0;
    }
    if (z.PlayerY < y + kBoxUnderside && z.SpeedY < 0) z.SpeedY = 0;
  }

  // opened by a ball from any side; falling onto it bounces back with the landing speed
  if (Touches(z, kBoxOpening, x, y) && z.PlayerAnim == anim::kBall && z.ItemTimer[i] == 0) {
    z.ItemTimer[i] = 1;
    if (z.SpeedY > 0) z.SpeedY = -z.SpeedY;
    z.RestartSound(kSoundTv);
  }

  if (z.ItemTimer[i] > 0) z.ItemTimer[i] = AddSaturated(z.ItemTimer[i], kBoxOpeningStep);
  if (z.ItemTimer[i] > kBoxOpenedAfter) {
    Give(z, kind);
    z.ItemKind[i] = kind::kOpenedBox;
    z.ItemTimer[i] = 0;
  }
}

}  // namespace orvane::items
