// Ashmoor's item kinds: the rule each runs in the item walk and the picture each is drawn with.
// There are no diagonal springs and no hopping enemies here, the right spring leaves the player's
// surface alone, and kind 27 is a picture of its own.
#include "engine/objects/ItemRules.h"
#include "zones/ashmoor/Values.h"

namespace orvane {

ItemTables AshmoorItems() {
  using namespace items;
  ItemTables t;
  t.rules[1] = Ring;
  t.rules[2] = Sparkle;
  for (int kind = 3; kind <= 11; ++kind) t.rules[kind] = ItemBox;
  t.rules[13] = HazardBlock;
  t.rules[15] = SideHazard;
  t.rules[17] = SpringUp;
  t.rules[18] = SpringRightKeepSurface;
  t.rules[19] = SpringLeft;
  t.rules[20] = SpringDown;
  t.rules[24] = LampPost;
  t.rules[25] = Platform;
  t.rules[29] = PatrolEnemy;

  t.pictures[1] = ItemPicture::Ring;
  t.pictures[2] = ItemPicture::Sparkle;
  for (int kind = 3; kind <= 12; ++kind) t.pictures[kind] = ItemPicture::Box;
  for (int kind = 13; kind <= 23; ++kind) t.pictures[kind] = ItemPicture::Strip;
  t.pictures[24] = ItemPicture::LampPost;
  t.pictures[25] = ItemPicture::Platform;
  t.pictures[26] = ItemPicture::TallPicture;
  t.pictures[27] = ItemPicture::TopPicture;
  t.pictures[28] = ItemPicture::SmallPicture;
  t.pictures[29] = ItemPicture::PatrolEnemy;

  t.hasHoppingEnemies = false;
  return t;
}

}  // namespace orvane
