// Plumvale's item kinds: the common ones, and the diagonal springs and the two hopping enemies.
#include "engine/objects/ItemRules.h"
#include "zones/SharedTables.h"
#include "zones/plumvale/Values.h"

namespace orvane {

ItemTables PlumvaleItems() {
  using namespace items;
  ItemTables t = CommonItems();
  t.rules[21] = SpringUpRight;
  t.rules[22] = SpringUpLeft;
  t.rules[30] = HopEnemyA;
  t.rules[31] = HopEnemyB;
  t.pictures[30] = ItemPicture::HopEnemyA;
  t.pictures[31] = ItemPicture::HopEnemyB;
  t.hasHoppingEnemies = true;
  return t;
}

}  // namespace orvane
