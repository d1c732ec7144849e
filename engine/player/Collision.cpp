// Keeping the player out of the solid blocks and on floors, slopes and steps.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::CollideWithBlocks() {}

}  // namespace orvane
