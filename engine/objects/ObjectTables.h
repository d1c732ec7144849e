// The item kinds a zone program knows: the rule each runs in the item walk and the picture each is
// drawn with. Each zone program fills its own (zones/*/ItemValues.cpp).
#pragma once

#include <array>
#include <cstdint>

namespace orvane {

class ZoneForm;

// One kind's tests for the entry under treatment (ItemIndex). `kind` is the entry's kind as the walk
// read it when it reached the entry: a rule that changes ItemKind still finishes as the old kind.
using ItemRule = void (*)(ZoneForm& zone, uint8_t kind);

// How an item kind is drawn.
enum class ItemPicture : uint8_t {
  None,
  Ring,
  Sparkle,
  Box,          // closed, or opened with its icon rising out of it (kinds 3..12)
  Strip,        // hazards and springs (kinds 13..23)
  LampPost,
  Platform,
  TallPicture,  // the zone's tall picture (kind 26)
  TopPicture,   // the zone's picture above the hopper (kind 27, second zone only)
  SmallPicture, // the zone's small picture (kind 28)
  PatrolEnemy,
  HopEnemyA,
  HopEnemyB,
};

struct ItemTables {
  // The walk's dispatch: the rule of each kind, or nullptr for kinds that do nothing.
  std::array<ItemRule, 256> rules{};
  // The drawing of each kind.
  std::array<ItemPicture, 256> pictures{};
  // The hopping enemies and their offsets exist.
  bool hasHoppingEnemies = true;
};

}  // namespace orvane
