// The item walk: every entry of the act's item table, every frame, in index order.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::MoveEnemies() {}

void ZoneForm::ItemWalk() {}

}  // namespace orvane
