// Plumvale's value sets of the player's passes and of the item walk.
#pragma once

#include "engine/core/ZoneTables.h"

namespace orvane {

CollisionTables PlumvaleCollision();
LoopTables PlumvaleLoops();
ItemTables PlumvaleItems();

}  // namespace orvane
