// Plumvale's block values as the player's collision and loop passes read them.
#include "zones/plumvale/Values.h"

namespace orvane {

CollisionTables PlumvaleCollision() { return {}; }

LoopTables PlumvaleLoops() { return {}; }

}  // namespace orvane
