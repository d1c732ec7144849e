// The act's items, the lost rings, the invincibility stars and the shield. Each item kind is drawn
// with its zone's picture; the pieces go through the clipped placement, except the lost rings, the
// stars and the shield.
#include <cmath>

#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

using platform::Rect;

constexpr int kLastItem = 300;
constexpr double kDrawnFrom = -128;  // items are drawn while their x on screen lies strictly between these
constexpr double kDrawnTo = 448;

// CommonSheet
constexpr int kRingSize = 16;
constexpr int kSparkleTop = 128;
constexpr int kSparkleFrames = 6;     // ItemTimer frames per sparkle picture
constexpr int kBoxLeft = 23, kBoxRight = 51, kBoxHeight = 32;
constexpr int kFirstBoxKind = 3;
constexpr Rect kOpenedBox{23, 288, 51, 320};
constexpr int kIconLeft = 29, kIconRight = 45, kIconTop = 5, kIconBottom = 19;
constexpr double kIconInset = 5;
constexpr int kStripLeft = 51, kStripRight = 83, kStripHeight = 32;
constexpr int kFirstStripKind = 13;
constexpr Rect kLampPole{0, 238, 16, 288};
constexpr Rect kLampHeadUnlit{0, 288, 16, 304};
constexpr Rect kLampHeadLit{0, 304, 16, 320};
constexpr double kLampHeadAbove = 14;
constexpr double kLampHeadRadius = 11;
constexpr double kLampHeadLift = 3;
constexpr double kLampHeadTurn = 4;  // ItemTimer per radian
constexpr int kStarLeft = 83, kStarTop = 64, kStarSize = 32;

// ZoneSpriteSheet
constexpr Rect kPlatform{0, 136, 112, 168};
constexpr Rect kTallPicture{0, 0, 43, 135};
constexpr Rect kTopPicture{43, 0, 75, 41};
constexpr Rect kSmallPicture{43, 41, 75, 91};
constexpr Rect kHopEnemy{43, 0, 63, 32};
constexpr int kPatrolTop = 168, kPatrolHeight = 22, kPatrolWidth = 64;

// ShieldSheet
constexpr int kShieldWidth = 64, kShieldHeight = 48;

// invincibility stars
constexpr int kStars = 6;
constexpr int kLastStarFrame = 2;
constexpr double kStarRadius = 18;
constexpr double kStarTurn = 6;  // InvincibleTimer per radian
constexpr double kStarInsetX = 5, kStarInsetY = 2;

Rect RingRect(int frame) { return {0, frame * kRingSize, kRingSize, frame * kRingSize + kRingSize}; }

}  // namespace

void ZoneForm::DrawItems() {
  const ItemTables& items = zone_.items;
  for (int i = 0; i <= kLastItem; ++i) {
    const Number x = ItemX[i] - CameraX;
    if (!(x > kDrawnFrom && x < kDrawnTo)) continue;
    const Number y = ItemY[i] - CameraY;
    const int kind = ItemKind[i];
    const int timer = ItemTimer[i];
    switch (items.pictures[static_cast<size_t>(kind)]) {
      case ItemPicture::None: break;
      case ItemPicture::Ring: Place(CommonSheet, RingRect(RingSpinFrame), x, y); break;
      case ItemPicture::Sparkle: {
        const int top = kSparkleTop + kRingSize * (timer / kSparkleFrames);
        Place(CommonSheet, {0, top, kRingSize, top + kRingSize}, x, y);
        break;
      }
      case ItemPicture::Box: {
        const int row = (kind - kFirstBoxKind) * kBoxHeight;
        if (timer == 0) {
          Place(CommonSheet, {kBoxLeft, row, kBoxRight, row + kBoxHeight}, x, y);
        } else if (timer >= 1) {
          // the icon rises out of the opened box
          Place(CommonSheet, kOpenedBox, x, y);
          Place(CommonSheet, {kIconLeft, row + kIconTop, kIconRight, row + kIconBottom}, x + kIconInset,
                y + kIconInset - timer);
        }
        break;
      }
      case ItemPicture::Strip: {
        const int row = (kind - kFirstStripKind) * kStripHeight;
        Place(CommonSheet, {kStripLeft, row, kStripRight, row + kStripHeight}, x, y);
        break;
      }
      case ItemPicture::LampPost:
        Place(CommonSheet, kLampPole, x, y);
        if (timer == 0) {
          Place(CommonSheet, kLampHeadUnlit, x, y - kLampHeadAbove);
        } else {
          // a touched post's head goes round a circle
          const double a = timer / kLampHeadTurn;
          Place(CommonSheet, kLampHeadLit, x + kLampHeadRadius * std::sin(a),
                y - kLampHeadLift + kLampHeadRadius * std::cos(a));
        }
        break;
      case ItemPicture::Platform: Place(ZoneSpriteSheet, kPlatform, x, y); break;
      case ItemPicture::TallPicture: Place(ZoneSpriteSheet, kTallPicture, x, y); break;
      case ItemPicture::TopPicture: Place(ZoneSpriteSheet, kTopPicture, x, y); break;
      case ItemPicture::SmallPicture: Place(ZoneSpriteSheet, kSmallPicture, x, y); break;
      case ItemPicture::PatrolEnemy: {
        const int left = ToInt32(PatrolFacing);
        const int top = PatrolFrame * kPatrolHeight + kPatrolTop;
        Place(ZoneSpriteSheet, {left, top, left + kPatrolWidth, top + kPatrolHeight}, x + PatrolOffset, y);
        break;
      }
      case ItemPicture::HopEnemyA: Place(ZoneSpriteSheet, kHopEnemy, x, y + HopOffsetA); break;
      case ItemPicture::HopEnemyB: Place(ZoneSpriteSheet, kHopEnemy, x, y + HopOffsetB); break;
    }
  }
}

void ZoneForm::DrawLostRings() {
  for (int i = 1; i <= 32; ++i) {
    if (LostRingAlive[i] == 1)
      PlaceUnclipped(CommonSheet, RingRect(RingSpinFrame), LostRingX[i] - CameraX, LostRingY[i] - CameraY);
  }
}

void ZoneForm::DrawStars() {
  for (StarIndex = 0; StarIndex < kStars; ++StarIndex) {
    const int k = StarIndex;
    // frames 0, 1, 2 round the six stars, turned on by SparklePhase
    const int s = k + SparklePhase;
    StarFrame = ToInt16(s);
    for (int back = 3; StarFrame > kLastStarFrame && back <= 9; back += 2) StarFrame = ToInt16(s - back);
    const double a = InvincibleTimer / kStarTurn + k;
    const double trail = (k / 2) * 2;  // the later pairs lag behind the motion
    const int top = StarFrame * kStarSize + kStarTop;
    PlaceUnclipped(CommonSheet, {kStarLeft, top, kStarLeft + kStarSize, top + kStarSize},
                   PlayerScreenX + kStarInsetX - trail * SpeedX + kStarRadius * std::sin(a),
                   PlayerScreenY + kStarInsetY - trail * SpeedY + kStarRadius * std::cos(a));
  }
}

void ZoneForm::DrawShield() {
  const int top = ShieldFrame * kShieldHeight;
  const Rect r{0, top, kShieldWidth, top + kShieldHeight};
  if (ShieldAction == 0) PlaceUnclipped(ShieldSheet, r, PlayerScreenX - 2, PlayerScreenY - 5 + SpriteDropY);
  // a dash or bounce draws it further left, round the stretched shape
  if (ShieldAction > 1) PlaceUnclipped(ShieldSheet, r, PlayerScreenX - 15, PlayerScreenY - 5 + SpriteDropY);
}

}  // namespace orvane
