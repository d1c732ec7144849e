// The background: up to nine bands of 128x128 cells scrolling slower than the world.
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {
constexpr int kBackRows = 7;
constexpr int kBackColumns = 16;
constexpr int kCell = 128;
constexpr Number kDriftWrap = 1023;
constexpr int kWrap = 1024;  // the background repeats every 8 cells

// x - 1024 k, with k the rounded x divided by 1024 truncating.
Number Wrap(Number x) { return x - kWrap * DivRounded(x, kWrap); }
}  // namespace

void ZoneForm::Parallax() {
  const ParallaxTables& p = zone_.parallax;
  for (int i = 1; i <= 3; ++i) {
    LayerDrift[i] += p.driftPerFrame[static_cast<size_t>(i)];
    if (LayerDrift[i] > kDriftWrap) LayerDrift[i] = 0;
  }
  for (int i = 1; i <= 7; ++i) LayerBase[i] = CameraX / p.divisor[static_cast<size_t>(i)];
  LayerBase[8] = CameraY / p.verticalDivisor;
  for (int i = 1; i <= 3; ++i) LayerOffset[i] = LayerDrift[i] + Wrap(LayerBase[i]);
  for (int i = 4; i <= 7; ++i) LayerOffset[i] = Wrap(LayerBase[i]);
  LayerOffset[8] = p.band8CopiesBand7 ? LayerOffset[7] : Wrap(CameraX / p.band8Divisor);
  if (p.hasBand9) LayerOffset[9] = LayerOffset[8];
}

void ZoneForm::DrawBackground() {
  const ParallaxTables& p = zone_.parallax;
  int index = 0;
  for (int r = 0; r < kBackRows; ++r) {
    for (int c = 0; c < kBackColumns; ++c, ++index) {
      const int v = BackMap[index];
      if (v == 0 || v > p.maxValue) continue;
      const Number sx = c * kCell - LayerOffset[v];
      const Number sy = r * kCell - LayerBase[8] - p.lift[static_cast<size_t>(v)];
      Place(BackSheet, {0, (v - 1) * kCell, kCell, v * kCell}, sx, sy);
    }
  }
}

}  // namespace orvane
