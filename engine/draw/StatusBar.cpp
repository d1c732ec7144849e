// Pieces at fixed screen positions: the status bar, the title card and the act-clear screen.
#include "engine/core/ZoneForm.h"

namespace orvane {

void ZoneForm::DrawStatusBar() {}

void ZoneForm::DrawTitleCard() {}

void ZoneForm::ActClearScreen() {
  TallyStart();
  TallyCount();
  TallySlide();
  TallyAdvance();
  TallyFinish();
}

}  // namespace orvane
