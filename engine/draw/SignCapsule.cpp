// The end sign, and in the last act the capsule, its figures and its debris.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::DrawEndSign() {}

void ZoneForm::DrawCapsule() {}

void ZoneForm::CapsuleReleaseTest() {
  // the act ends once the first piece of debris has fallen well below the capsule
  if (DebrisY[0] > CapsuleY + 128 && ActDone == 0) {
    CapsuleState = 2;
    ActDone = 1;
  }
}

}  // namespace orvane
