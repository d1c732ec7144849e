// Sinking sand: the player sinks slowly and can only jump out.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::SandStep() {}

}  // namespace orvane
