// The act-end capsule of the last act: standing on it, the burst, the freed figures.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::CapsuleStep() {}

}  // namespace orvane
