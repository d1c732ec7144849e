// The item kinds a zone program knows and the rule each runs in the item walk.
// Each zone program fills its own (zones/*/ItemValues.cpp).
#pragma once

#include <array>

namespace orvane {

class ZoneForm;
// One kind's tests for the entry under treatment (ItemIndex).
using ItemRule = void (ZoneForm::*)();

struct ItemTables {
  // The walk's dispatch: the rule of each kind, or nullptr for kinds that do nothing.
  std::array<ItemRule, 256> rules{};
  // The right spring also puts the player back on the floor (SurfaceMode 0, OnCurve 0).
  bool rightSpringResetsSurface = true;
  // The hopping enemies and their offsets exist.
  bool hasHoppingEnemies = true;
};

}  // namespace orvane
