// The value sets the player's passes read, one set per test: block collision, loops and curves.
// Each zone program fills its own (zones/*/PlayerValues.cpp).
#pragma once

#include "engine/core/ValueSet.h"

namespace orvane {

struct CollisionTables {
  // Filled with the block collision.
};

struct LoopTables {
  // Filled with the loop riding.
};

}  // namespace orvane
