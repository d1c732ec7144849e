// The ring demo's floor: a road running into the distance between kerbs of
// red and yellow, a dashed centre line, and checkered patches of blue and
// green every twenty rows, with a chequered band at the far end.
#include "assets/levels/Levels.h"

namespace levels {

namespace {

constexpr int kDemoCols = 9;
constexpr int kDemoRows = 71;
constexpr uint8_t kYellow = 1, kRed = 4, kBlue = 5, kGreen = 6;

uint8_t DemoCell(int row, int col) {
  // kerbs: two rows red, two rows yellow
  if (col == 0 || col == kDemoCols - 1) return (row / 2) % 2 == 0 ? kRed : kYellow;
  // the verges beside the kerbs stay open
  if (col == 1 || col == kDemoCols - 2) return 0;
  // the start band and the far band: a chequer over the whole road
  if (row < 2 || row >= kDemoRows - 4) return (row + col) % 2 == 0 ? (row < 2 ? kGreen : kRed) : 0;
  // a checkered patch every twenty rows, blue and green by turns
  const int patch = (row - 8) / 20;
  const int inPatch = (row - 8) % 20;
  if (row >= 8 && inPatch < 6) return (row + col) % 2 == 0 ? (patch % 2 == 0 ? kBlue : kGreen) : 0;
  // the dashed centre line
  if (col == kDemoCols / 2) return (row / 3) % 2 == 0 ? kYellow : 0;
  return 0;
}

}  // namespace

assets::Bytes DemoFloorBytes() {
  assets::Bytes bytes(static_cast<size_t>(kDemoCols * kDemoRows));
  for (int row = 0; row < kDemoRows; ++row)
    for (int col = 0; col < kDemoCols; ++col) bytes[static_cast<size_t>(row * kDemoCols + col)] = DemoCell(row, col);
  return bytes;
}

}  // namespace levels
