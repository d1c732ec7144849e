// Drawing helpers shared by the zone sheets: block shapes, loop quarters, scenery and sky.
#pragma once

#include <functional>
#include <vector>

#include "assets/art/Canvas.h"
#include "assets/art/Ground.h"

namespace assets::art {

// The loop curve (Qloop.crv) carries the rider's centre on a circle of radius 126 round the
// loop's middle; the curve poses stand their feet about 11 pixels further out, so the track's
// surface is drawn there, and the track is a band kLoopBand deep beyond it.
constexpr double kLoopRadius = 137.0;
constexpr double kLoopBand = 28.0;

// Block shapes of the collision table, as surface heights per column.
Image FullTile(const GroundStyle& st, bool openTop = true);
Image StepTile(const GroundStyle& st, bool leftHigh);   // left half 0 / right 32, or the mirror
Image SlopeTile(const GroundStyle& st, bool risingRight);  // 68 - x/2 or 4 + x/2
// A loop quarter: the track's band, from kLoopRadius to kLoopRadius + kLoopBand round the tile
// corner (cx, cy); open inside and beyond it.
Image LoopTile(const GroundStyle& st, double cx, double cy, const Ramp& outer);
// The circle leaves the loop's four cells over the top and half way up both walls, so a frame
// holds the loop there and the track stays whole where the rider runs: posts kLoopPost wide on
// both edges of the end markers beside the loop (drawn behind the player; one cell picture
// serves both sides, so each side stands two posts, joined by a beam), and a lintel
// kLoopCapDepth deep on the foot of the ceiling markers above it (drawn over the player).
constexpr int kLoopPost = 22;
constexpr int kLoopCapDepth = 20;
Image LoopSideTile(const Ramp& post);
Image LoopCapTile(const Ramp& post, const Ramp& track);

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
