// Ashmoor's item kinds and the rule each runs in the item walk.
#include "zones/ashmoor/Values.h"

namespace orvane {

ItemTables AshmoorItems() { return {}; }

}  // namespace orvane
