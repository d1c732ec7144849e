// levelcheck: judges a compiled act (its .map and .itm bytes) against the
// rules the engine and the art rely on: block values inside the zone's set,
// loops and quarter pipes in the one layout the loop riding knows, sand over
// open cells with a floor beneath, standing scenery on flat ground, no falling
// slope whose foot stops a runner, items inside the world, clear of the
// ground and standing on it where they should, and the act's start, end sign
// and capsule on solid ground. For an act it also measures the whole map
// against Targets, and names every fast stretch that ends, unwarned, in a pit,
// a hazard or an enemy.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assets/levels/Shapes.h"

namespace levelcheck {

struct Fault {
  std::string where;  // "cell (row 5, column 19)", "record 12 (ring at 400, 800)", "file"
  std::string what;
};

struct ActStats {
  int items = 0, rings = 0, boxes = 0, boxKinds = 0, lampPosts = 0, springs = 0, enemies = 0, hazards = 0,
      platforms = 0, loops = 0, pipes = 0, sandCells = 0;
  // The whole map: the share of columns (percent) where a player can stand at two heights at least
  // two rows apart, and at three; the highest block row stood on anywhere.
  int twoHeights = 0, threeHeights = 0, highestRow = levels::kRows;
  int fastStretches = 0;  // stretches where a runner gathers speed (four blocks or more)
};

// What an act must offer a player; an act below one of these fails (with --act).
struct Targets {
  int twoHeights = 60, threeHeights = 30, highestRow = 2, rings = 180, enemies = 8, lampPosts = 3;
};

struct Report {
  std::vector<Fault> faults;      // what the engine or the art cannot take
  std::vector<Fault> shortfalls;  // where an act falls short of what a player needs (Targets, fair warnings)
  ActStats stats;
};

// `act` (0..2) adds the checks of the act's start, end sign and capsule.
Report CheckAct(levels::Zone zone, std::optional<int> act, const std::vector<uint8_t>& map,
                const std::vector<uint8_t>& items);

}  // namespace levelcheck
