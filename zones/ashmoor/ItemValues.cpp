// Ashmoor's item kinds: the common ones, but its right spring leaves the player's surface alone and
// kind 27 is a picture of its own. There are no diagonal springs and no hopping enemies here.
#include "engine/core/Vocabulary.h"
#include "engine/objects/ItemRules.h"
#include "zones/SharedTables.h"
#include "zones/ashmoor/Values.h"

namespace orvane {

ItemTables AshmoorItems() {
  ItemTables t = CommonItems();
  t.rules[kind::kSpringRight] = items::SpringRightKeepSurface;
  t.pictures[kind::kTopPicture] = ItemPicture::TopPicture;
  return t;
}

}  // namespace orvane
