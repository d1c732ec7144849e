// The two zones' sheets: block tiles and the tile table, foreground rows, parallax tiles and
// the background map, and the zone sprites.
//
// Block values of Plum Vale (what the level author picks; every value draws its collision shape):
//   1 grass-topped earth          2 plain earth (for blocks below the surface)
//   3 half-height ledge (top 64)  4-8 scenery on open air: flower bush, plum tree, mushrooms, fence, crystals
//   9-16 steps and slopes         17 tree-trunk pillar, 18 stone pillar (walls without a floor)
//   19 tall grass scenery
//   20-33 the same shapes in front of the earthen cave wall, 21-25 scenery on it, 34 the cave wall alone
//   35 the trellis hedge alone, 36-49 shapes and 37-41 scenery in front of it
//   50 the ruin wall alone, 51-64 shapes and 52-56 scenery in front of it
//   65, 66 loop quarters (lower and upper left; track band from radius 137 round the loop middle),
//   67 loop end: the frame beside the loop (a post on either edge and a beam)
// Ash Moor:
//   1-14 full blocks: 1 ash crust, 5 basalt, 9 sand-topped, the others with ember veins or fossils
//   15-17 ledges (top 64), 18, 19, 28 scenery (dead tree, steam vent, amber crystals)
//   20-27 steps and slopes, 29-41 shapes in front of the basalt cave (32, 33 scenery, 60 the cave alone)
//   42-50 shapes in front of the obsidian colonnade (45, 46 scenery, 61 the colonnade alone)
//   51-59 shapes in front of the dune wall (54, 55 scenery), 62, 63 loop quarters, 64 loop end (the frame)
#pragma once

#include <filesystem>

#include "assets/art/Canvas.h"

namespace assets::art {

void WritePlumVale(const std::filesystem::path& game);
void WriteAshMoor(const std::filesystem::path& game);

// A small landscape of the zone (sky, distance, a strip of ground) for the launcher's pictures.
Image PlumValeScene(int w, int h);
Image AshMoorScene(int w, int h);

}  // namespace assets::art
