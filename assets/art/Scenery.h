// Drawing helpers shared by the zone sheets: block shapes, loop quarters, scenery and sky.
#pragma once

#include <functional>
#include <vector>

#include "assets/art/Canvas.h"
#include "assets/art/Ground.h"

namespace assets::art {

// The loop curve (Qloop.crv) carries the rider's centre on a circle of radius 126 round the
// loop's middle; the curve poses stand their feet about 11 pixels further out, so the track's
// surface is drawn there (the cells' edges flatten it where it would leave the four cells).
constexpr double kLoopRadius = 137.0;

// Block shapes of the collision table, as surface heights per column.
Image FullTile(const GroundStyle& st, bool openTop = true);
Image StepTile(const GroundStyle& st, bool leftHigh);   // left half 0 / right 32, or the mirror
Image SlopeTile(const GroundStyle& st, bool risingRight);  // 68 - x/2 or 4 + x/2
// A loop quarter: solid outside the circle of radius 128 around the tile corner (cx, cy).
Image LoopTile(const GroundStyle& st, double cx, double cy, const Ramp& outer);

// Leaves: a clump of shaded leaves (for bushes, canopies, hedges).
void LeafClump(Image& img, double cx, double cy, double rx, double ry, const Ramp& leaf, int seed, double sway = 0);
void Flower(Image& img, int x, int y, const Ramp& petal, Rgb centre);
void Rock(Image& img, double cx, double cy, double rx, double ry, const Ramp& ramp);

// Writes a tile table: column 0 then column 1.
struct TilePair {
  int t1, t2;
};
void SaveTileTable(const std::filesystem::path& path, const std::vector<TilePair>& pairs);
void SaveBackMap(const std::filesystem::path& path, const std::vector<std::vector<int>>& rows);

}  // namespace assets::art
