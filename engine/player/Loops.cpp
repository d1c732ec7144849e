// Riding loops and quarter pipes along the curve table.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::LoopRiding() {}

}  // namespace orvane
