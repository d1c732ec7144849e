// Ashmoor's value sets of the player's passes and of the item walk.
#pragma once

#include "engine/core/ZoneTables.h"

namespace orvane {

CollisionTables AshmoorCollision();
LoopTables AshmoorLoops();
ItemTables AshmoorItems();

}  // namespace orvane
