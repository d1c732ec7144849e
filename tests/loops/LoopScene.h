// Loops built in the test: the curve file's heights and a loop laid out as the levels lay it out.
#pragma once

#include "engine/core/ZoneForm.h"
#include "tests/support/ZoneFixture.h"

namespace orvane::test {

// Fills CurveTable as the curve file does: entry i is round(sqrt(radius^2 - i^2)), at most 127.
void LoadCurve(ZoneForm& f, int radius = 126);

// Where a loop stands: its floor row and the column of its left half.
struct LoopPlace {
  int floorRow;
  int column;
};

// A floor of value 1 along row `floorRow` and a loop on it (see assets/levels/LOOPS.md).
void BuildLoop(ZoneFixture& z, LoopPlace at);

// Puts the player's centre at (x, y): PlayerX = x - 20, PlayerY = y - 19.
void PutCentre(ZoneForm& f, double x, double y);

// Runs the loop step alone and turns the centre back into the position, as the frame's tail does.
void LoopStepOnly(ZoneForm& f);

}  // namespace orvane::test
