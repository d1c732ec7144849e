// The act's items, the lost rings, the invincibility stars and the shield.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::DrawItems() {}

void ZoneForm::DrawLostRings() {}

void ZoneForm::DrawStars() {}

void ZoneForm::DrawShield() {}

}  // namespace orvane
