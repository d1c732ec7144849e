// Rings, sparkles and item boxes, and the order of the walk itself.
#include <gtest/gtest.h>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/support/ZoneFixture.h"

namespace orvane {
namespace {

using test::ZoneFixture;

// A ring at (200, 200) overlaps a player standing at (180, 190).
constexpr int kRingX = 200, kRingY = 200;

TEST(Rings, CollectedRingCountsOnceAndSparklesFromTheNextFrame) {
  ZoneFixture z;
  z.SetItem(0, kind::kRing, kRingX, kRingY);
  z.Play(180, 190);
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kSparkle);
  EXPECT_EQ(z->RingCount, 1);
  EXPECT_EQ(z->ItemTimer[0], 0);  // the sparkle has not counted yet
  EXPECT_EQ(z.SoundCalls(kSoundRing, "play"), 1);
  // still touching: the sparkle counts, the ring is not taken twice
  for (int frame = 1; frame <= 24; ++frame) {
    z->ItemWalk();
    ASSERT_EQ(z->ItemKind[0], 2) << frame;
    ASSERT_EQ(z->ItemTimer[0], frame);
  }
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kNone);  // 25 sparkle frames, counter 0..24
  EXPECT_EQ(z->RingCount, 1);
}

TEST(Rings, RingCountStopsAtItsLargestValue) {
  ZoneFixture z;
  z.SetItem(0, kind::kRing, kRingX, kRingY);
  z.Play(180, 190);
  z->RingCount = 32767;
  z->ItemWalk();
  EXPECT_EQ(z->RingCount, 32767);
  EXPECT_EQ(z->ItemKind[0], kind::kSparkle);
}

TEST(Rings, ShieldOnePullsRingsInsideTheWindowOnly) {
  ZoneFixture z;
  z.Play(100, 100);
  z->ShieldKind = 1;
  z.SetItem(0, kind::kRing, 100 + 160, 150);  // exactly 160 to the right
  z.SetItem(1, kind::kRing, 100 - 160, 150);  // exactly 160 to the left
  z.SetItem(2, kind::kRing, 150, 100 + 120);  // exactly 120 below
  z.SetItem(3, kind::kRing, 150, 100 - 120);  // exactly 120 above
  z.SetItem(4, kind::kRing, 100 + 159, 150);  // just inside
  z.SetItem(5, kind::kRing, 100 - 119, 100 - 119);
  z->ItemWalk();
  EXPECT_EQ(z->ItemX[0], 260);
  EXPECT_EQ(z->ItemX[1], -60);
  EXPECT_EQ(z->ItemY[2], 220);
  EXPECT_EQ(z->ItemY[3], -20);
  EXPECT_EQ(z->ItemX[4], 257);  // towards PlayerX + 14, two pixels per axis
  EXPECT_EQ(z->ItemY[4], 148);  // towards PlayerY + 19
  EXPECT_EQ(z->ItemX[5], -17);
  EXPECT_EQ(z->ItemY[5], -17);
}

TEST(Rings, NoPullWithoutTheFirstShield) {
  ZoneFixture z;
  z.Play(100, 100);
  z->ShieldKind = 2;
  z.SetItem(0, kind::kRing, 200, 150);
  z->ItemWalk();
  EXPECT_EQ(z->ItemX[0], 200);
  EXPECT_EQ(z->ItemY[0], 150);
}

TEST(Rings, RingTakenThisFrameStillMovesTowardsThePlayer) {
  ZoneFixture z;
  z.SetItem(0, kind::kRing, kRingX, kRingY);
  z.Play(180, 190);
  z->ShieldKind = 1;
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kSparkle);
  EXPECT_EQ(z->ItemX[0], 198);  // 200 > 194
  EXPECT_EQ(z->ItemY[0], 202);  // 200 < 209
  z->ItemWalk();  // a sparkle is not pulled
  EXPECT_EQ(z->ItemX[0], 198);
}

TEST(Rings, PulledRingEndsInTheCollectionBox) {
  ZoneFixture z;
  z.Play(100, 100);
  z->ShieldKind = 1;
  z.SetItem(0, kind::kRing, 259, 219);
  int frames = 0;
  while (z->ItemKind[0] == kind::kRing && frames < 200) {
    z->ItemWalk();
    ++frames;
  }
  EXPECT_EQ(z->RingCount, 1);
  EXPECT_LE(frames, 80);
}

// An item box at (300, 400): 28 wide, 32 high.
constexpr int kBoxX = 300, kBoxY = 400;

TEST(ItemBoxes, WalkingIntoABoxPushesOutAndNeverOpens) {
  ZoneFixture z;
  z.SetItem(0, kind::kBoxRings, kBoxX, kBoxY);
  z.Play(270, 390);  // feet at 428, in the box's lower half
  z->SpeedX = 3;
  z->PlayerAnim = anim::kWalking;
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, kBoxX - 34);
  EXPECT_EQ(z->SpeedX, 0);
  EXPECT_EQ(z->ItemTimer[0], 0);
  EXPECT_EQ(z->ItemKind[0], kind::kBoxRings);
  // from the right
  z.Play(300, 390);
  z->SpeedX = -3;
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, kBoxX + 20);
  EXPECT_EQ(z->SpeedX, 0);
  EXPECT_EQ(z->ItemTimer[0], 0);
  EXPECT_EQ(z.SoundCalls(kSoundTv, "play"), 0);
}

TEST(ItemBoxes, AWalkingPlayerStandsOnTheBoxAndARisingOneStops) {
  ZoneFixture z;
  z.SetItem(0, kind::kBoxJumpShield, kBoxX, kBoxY);
  z.Play(290, 367);  // feet 5 below the top
  z->Airborne = kOn;
  z->SpeedY = 2;
  z->PlayerAnim = anim::kWalking;
  z->ItemWalk();
  EXPECT_EQ(z->PlayerY, kBoxY - 38);
  EXPECT_EQ(z->SpeedY, 0);
  EXPECT_EQ(z->Airborne, 0);
  EXPECT_EQ(z->ItemTimer[0], 0);

  z.Play(290, 415);  // head under the box, feet far below its top band
  z->Airborne = kOn;
  z->SpeedY = -4;
  z->ItemWalk();
  EXPECT_EQ(z->SpeedY, 0);
  EXPECT_EQ(z->PlayerY, 415);
}

TEST(ItemBoxes, RollingIntoABoxOpensItWithoutAPush) {
  ZoneFixture z;
  z.SetItem(0, kind::kBoxRings, kBoxX, kBoxY);
  z.Play(270, 390);
  z->SpeedX = 8;
  z->Rolling = kSet;
  z->PlayerAnim = anim::kBall;
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, 270);
  EXPECT_EQ(z->SpeedX, 8);
  EXPECT_EQ(z->SpeedY, 0);
  EXPECT_EQ(z->ItemTimer[0], 5);  // 1, and the first step of 4 in the same frame
  EXPECT_EQ(z.SoundCalls(kSoundTv, "play"), 1);
}

TEST(ItemBoxes, JumpingOntoABoxBouncesWithTheLandingSpeedReversed) {
  ZoneFixture z;
  z.SetItem(0, kind::kBoxBlank, kBoxX, kBoxY);
  z.Play(290, 367);
  z->Airborne = kOn;
  z->SpeedY = 4.5;
  z->PlayerAnim = anim::kBall;
  z->ItemWalk();
  EXPECT_EQ(z->SpeedY, -4.5);
  EXPECT_EQ(z->ItemTimer[0], 5);
}

TEST(ItemBoxes, OpeningFromTheSideOrBelowKeepsTheVerticalSpeed) {
  ZoneFixture z;
  z.SetItem(0, 9, kBoxX, kBoxY);
  z.Play(290, 410);
  z->Airborne = kOn;
  z->SpeedY = -3;
  z->PlayerAnim = anim::kBall;
  z->ItemWalk();
  EXPECT_EQ(z->SpeedY, -3);
  EXPECT_EQ(z->ItemTimer[0], 5);
}

TEST(ItemBoxes, ContentArrivesFifteenFramesAfterTheHit) {
  ZoneFixture z;
  z.SetItem(0, kind::kBoxRings, kBoxX, kBoxY);
  z.Play(270, 390);
  z->Rolling = kSet;
  z->PlayerAnim = anim::kBall;
  z->RingCount = 5;
  z->ItemWalk();  // the hit
  z.Play(0, 0);   // gone from the box: the opening runs on by itself
  for (int frame = 1; frame <= 14; ++frame) {
    z->ItemWalk();
    ASSERT_EQ(z->ItemKind[0], 3) << frame;
    ASSERT_EQ(z->ItemTimer[0], 5 + 4 * frame);
  }
  EXPECT_EQ(z->RingCount, 5);
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kOpenedBox);
  EXPECT_EQ(z->ItemTimer[0], 0);
  EXPECT_EQ(z->RingCount, 15);
  EXPECT_EQ(z.SoundCalls(kSoundRing, "play"), 1);
  // an opened box is inert
  z.Play(270, 390);
  z->Rolling = kSet;
  z->PlayerAnim = anim::kBall;
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[0], kind::kOpenedBox);
  EXPECT_EQ(z->ItemTimer[0], 0);
}

// Opens the box at index 0 and runs the walk until it has given its content.
void OpenBox(ZoneFixture& z) {
  z.Play(270, 390);
  z->Rolling = kSet;
  z->PlayerAnim = anim::kBall;
  z->ItemWalk();
  z.Play(0, 0);
  for (int i = 0; i < 15; ++i) z->ItemWalk();
  ASSERT_EQ(z->ItemKind[0], 12);
}

TEST(ItemBoxes, EachBoxGivesItsContent) {
  struct Case {
    uint8_t kind;
    int16_t shield;
    int16_t invincible;
    int sound;
  };
  const Case cases[] = {{4, 1, 0, kSoundEget}, {5, 2, 0, kSoundFget}, {6, 3, 0, kSoundBget}, {8, 0, 1, -1},
                        {7, 0, 0, -1},         {9, 0, 0, -1},         {10, 0, 0, -1},        {11, 0, 0, -1}};
  for (const Case& c : cases) {
    ZoneFixture z;
    z.SetItem(0, c.kind, kBoxX, kBoxY);
    z->RingCount = 100;  // no reward for a number of rings
    OpenBox(z);
    EXPECT_EQ(z->ShieldKind, c.shield) << int(c.kind);
    EXPECT_EQ(z->InvincibleTimer, c.invincible) << int(c.kind);
    EXPECT_EQ(z->RingCount, 100) << int(c.kind);
    for (int slot : {kSoundEget, kSoundFget, kSoundBget, kSoundRing})
      EXPECT_EQ(z.SoundCalls(slot, "play"), slot == c.sound ? 1 : 0) << int(c.kind);
    EXPECT_EQ(z.SoundCalls(kSoundTv, "play"), 1) << int(c.kind);
  }
}

TEST(ItemBoxes, NewShieldReplacesTheOldAndInvincibilityRestarts) {
  ZoneFixture z;
  z.SetItem(0, kind::kBoxBounceShield, kBoxX, kBoxY);
  z->ShieldKind = 1;
  OpenBox(z);
  EXPECT_EQ(z->ShieldKind, 3);

  ZoneFixture y;
  y.SetItem(0, kind::kBoxInvincible, kBoxX, kBoxY);
  y->InvincibleTimer = 700;
  OpenBox(y);
  EXPECT_EQ(y->InvincibleTimer, 1);
}

TEST(ItemWalk, InertKindsNeverTouchThePlayer) {
  for (int kind : {0, 12, 14, 16, 23, 26, 27, 28, 32, 100, 255}) {
    ZoneFixture z;
    for (int i = 0; i < static_cast<int>(kItemRecords); ++i) z.SetItem(i, static_cast<uint8_t>(kind), 180 + i % 7, 190 + i % 5);
    z.Play(180, 190);
    z->SpeedX = 2;
    z->SpeedY = 1;
    z->PlayerAnim = anim::kBall;
    z->JumpPressed = kOn;
    z->ItemWalk();
    EXPECT_EQ(z->PlayerX, 180) << kind;
    EXPECT_EQ(z->PlayerY, 190) << kind;
    EXPECT_EQ(z->SpeedX, 2) << kind;
    EXPECT_EQ(z->SpeedY, 1) << kind;
    EXPECT_EQ(z->Airborne, 0) << kind;
    EXPECT_EQ(z->RingCount, 0) << kind;
    EXPECT_EQ(z->ItemKind[150], kind) << kind;
    EXPECT_EQ(z->ItemTimer[150], 0) << kind;
    EXPECT_TRUE(z.os().Events().empty()) << kind;
  }
}

TEST(ItemWalk, VisitsEveryEntryInIndexOrder) {
  ZoneFixture z;
  z.Play(180, 190);
  z.SetItem(300, kind::kRing, kRingX, kRingY);  // the last entry is treated too
  z->ItemWalk();
  EXPECT_EQ(z->ItemKind[300], kind::kSparkle);
  EXPECT_EQ(z->ItemIndex, 301);
}

TEST(ItemWalk, AnEarlierPushOutMovesThePlayerForLaterEntries) {
  // An up spring's side stops the player at its x - 35; a ring only the old position reaches is
  // then missed when it comes later in the table, and taken when it comes first.
  for (const bool springFirst : {true, false}) {
    ZoneFixture z;
    z.SetItem(springFirst ? 0 : 1, 17, 500, 600);
    z.SetItem(springFirst ? 1 : 0, 1, 452, 590);
    z.Play(460, 590);
    z->SpeedX = 6;
    z->ItemWalk();
    EXPECT_EQ(z->PlayerX, 465) << springFirst;
    EXPECT_EQ(z->RingCount, springFirst ? 0 : 1) << springFirst;
  }
}

TEST(ItemWalk, FarOffScreenItemsStillAct) {
  ZoneFixture z;
  z->CameraX = 0;
  z->CameraY = 0;
  z.SetItem(0, kind::kSpringUp, 9000, 1000);
  z.Play(8990, 980);
  z->ItemWalk();
  EXPECT_EQ(z->SpeedY, -13);
}

}  // namespace
}  // namespace orvane
