// The player's sprite: the frame rectangle by character, facing and pose, the curve poses, the blink,
// and the dying player over the foreground.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::DrawPlayer() {}

void ZoneForm::DrawDyingPlayer() {}

}  // namespace orvane
