// Plumvale's item kinds: the rule each runs in the item walk and the picture each is drawn with.
#include "engine/objects/ItemRules.h"
#include "zones/plumvale/Values.h"

namespace orvane {

ItemTables PlumvaleItems() {
  using namespace items;
  ItemTables t;
  t.rules[1] = Ring;
  t.rules[2] = Sparkle;
  for (int kind = 3; kind <= 11; ++kind) t.rules[kind] = ItemBox;
  t.rules[13] = HazardBlock;
  t.rules[15] = SideHazard;
  t.rules[17] = SpringUp;
  t.rules[18] = SpringRight;
  t.rules[19] = SpringLeft;
  t.rules[20] = SpringDown;
  t.rules[21] = SpringUpRight;
  t.rules[22] = SpringUpLeft;
  t.rules[24] = LampPost;
  t.rules[25] = Platform;
  t.rules[29] = PatrolEnemy;
  t.rules[30] = HopEnemyA;
  t.rules[31] = HopEnemyB;

  t.pictures[1] = ItemPicture::Ring;
  t.pictures[2] = ItemPicture::Sparkle;
  for (int kind = 3; kind <= 12; ++kind) t.pictures[kind] = ItemPicture::Box;
  for (int kind = 13; kind <= 23; ++kind) t.pictures[kind] = ItemPicture::Strip;
  t.pictures[24] = ItemPicture::LampPost;
  t.pictures[25] = ItemPicture::Platform;
  t.pictures[26] = ItemPicture::TallPicture;
  t.pictures[28] = ItemPicture::SmallPicture;
  t.pictures[29] = ItemPicture::PatrolEnemy;
  t.pictures[30] = ItemPicture::HopEnemyA;
  t.pictures[31] = ItemPicture::HopEnemyB;

  t.hasHoppingEnemies = true;
  return t;
}

}  // namespace orvane
