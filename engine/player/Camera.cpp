// World limits, the fall out of the world, the death fall and the camera.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::WorldLimitsAndCamera() {}

}  // namespace orvane
