#include "tests/loops/LoopScene.h"

#include <algorithm>
#include <cmath>

namespace orvane::test {

void LoadCurve(ZoneForm& f, int radius) {
  for (int i = 0; i <= 128; ++i) {
    const double sq = static_cast<double>(radius) * radius - i * i;
    f.CurveTable[i] = static_cast<uint8_t>(std::min(127.0, sq > 0 ? std::nearbyint(std::sqrt(sq)) : 0.0));
  }
}

void BuildLoop(ZoneFixture& z, LoopPlace at) {
  const LoopTables& t = z->Zone().loops;
  const int g = at.floorRow, c = at.column;
  z.FillRow(g, 1);
  z.SetBlock(g - 1, c, static_cast<uint8_t>(t.lowerLeft));
  z.SetBlock(g - 2, c, static_cast<uint8_t>(t.upperLeft));
  z.SetBlock2(g - 1, c + 1, 6);
  z.SetBlock2(g - 2, c + 1, 7);
  z.SetBlock(g - 1, c - 1, static_cast<uint8_t>(t.loopEnd));
  z.SetBlock(g - 1, c + 2, static_cast<uint8_t>(t.loopEnd));
  z.SetBlock(g - 2, c - 1, static_cast<uint8_t>(t.loopEnd));
  z.SetBlock(g - 2, c + 2, static_cast<uint8_t>(t.loopEnd));
  z.SetBlock2(g - 3, c, 9);
  z.SetBlock2(g - 3, c + 1, 9);
}

void PutCentre(ZoneForm& f, double x, double y) {
  f.PlayerX = x - 20;
  f.PlayerY = y - 19;
}

void LoopStepOnly(ZoneForm& f) {
  f.LoopRiding();
  f.PlayerX = f.SensorX - 20;
  f.PlayerY = f.SensorY - 19;
}

}  // namespace orvane::test
