// Plumvale's item kinds and the rule each runs in the item walk.
#include "zones/plumvale/Values.h"

namespace orvane {

ItemTables PlumvaleItems() { return {}; }

}  // namespace orvane
