// Plumvale's item kinds: the common ones, and the diagonal springs and the two hopping enemies.
#include "engine/core/Vocabulary.h"
#include "engine/objects/ItemRules.h"
#include "zones/SharedTables.h"
#include "zones/plumvale/Values.h"

namespace orvane {

ItemTables PlumvaleItems() {
  using namespace items;
  ItemTables t = CommonItems();
  t.rules[kind::kSpringUpRight] = SpringUpRight;
  t.rules[kind::kSpringUpLeft] = SpringUpLeft;
  t.rules[kind::kHopEnemyA] = HopEnemyA;
  t.rules[kind::kHopEnemyB] = HopEnemyB;
  t.pictures[kind::kHopEnemyA] = ItemPicture::HopEnemyA;
  t.pictures[kind::kHopEnemyB] = ItemPicture::HopEnemyB;
  t.hasHoppingEnemies = true;
  return t;
}

}  // namespace orvane
