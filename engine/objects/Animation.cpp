// Animation counters: the player's animation state and frame, and the shared counters.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::Animation() {}

}  // namespace orvane
