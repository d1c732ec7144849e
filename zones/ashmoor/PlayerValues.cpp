// Ashmoor's block values as the player's collision and loop passes read them.
#include "zones/ashmoor/Values.h"

namespace orvane {

CollisionTables AshmoorCollision() { return {}; }

LoopTables AshmoorLoops() { return {}; }

}  // namespace orvane
