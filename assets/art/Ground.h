// The ground painter shared by the two zones' block tiles: a solid shape inside a 128x128
// tile, filled with the zone's soil pattern, a band of the zone's top material along the
// walkable surface, lit edges on top and shaded faces on the sides.
#pragma once

#include <functional>

#include "assets/art/Canvas.h"

namespace assets::art {

struct GroundStyle {
  Ramp top;        // grass, ash crust, sand ...
  Ramp soilA;      // soil pattern, first tone family
  Ramp soilB;      // soil pattern, second tone family
  Rgb edge;        // dark line along side faces and cracks
  int topDepth;    // thickness of the top band in pixels
  int pattern;     // 0 diamond checker (Plum Vale), 1 basalt cells (Ash Moor)
  int seed;
};

using SolidFn = std::function<bool(int x, int y)>;
// Distance below the walkable surface, or a negative value to let the painter measure it.
using DepthFn = std::function<double(int x, int y)>;

// Paints a 128x128 tile; `openTop` says whether the space above the tile counts as open air.
Image PaintGround(const GroundStyle& style, const SolidFn& solid, const DepthFn& depth, bool openTop);

// Solid below a surface height s(x) (local y); NaN means the column is empty.
Image PaintSurface(const GroundStyle& style, const std::function<double(int x)>& surface, bool openTop = true);

// The soil colour alone at a pixel (for backdrops and sprites that reuse the zone's ground).
Rgb SoilAt(const GroundStyle& style, int x, int y);

}  // namespace assets::art
