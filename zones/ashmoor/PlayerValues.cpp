// Ashmoor's block values as the player's collision and loop passes read them.
#include "zones/SharedTables.h"
#include "zones/ashmoor/Values.h"

namespace orvane {

CollisionTables AshmoorCollision() {
  const BlockShapes& s = kAshMoorFacts.shapes;
  CollisionTables t = CollisionFromShapes(kAshMoorFacts);
  t.pushLeftAbove = {{1, 17}, {20, 27}};
  t.pushRightAbove = {{1, 17}};
  t.headBump = {{1, 17}, {20, 27}};
  // Only the last tile set's left-high step stands on the block below; the first falling slope's
  // lower piece has a fall line of its own there instead of the edge test.
  t.belowStepLeftHigh = {56};
  t.belowEdge = s.empty.Union(s.platform).Union(s.stepLow64).Union(s.step96Low64).Union(s.slopeUpLower).Union({41});
  t.belowSlopeDownLower = {27};
  // only the first tile set's pieces leave the low wall on the left open
  t.leftWallBelow64Open = {24, 27};
  return t;
}

LoopTables AshmoorLoops() {
  const ZoneFacts& z = kAshMoorFacts;
  return {.lowerLeft = z.loop.lowerLeft,
          .upperLeft = z.loop.upperLeft,
          .loopEnd = z.loop.end,
          .empty = {0, 18, 19, 28, 60, 61},
          .openRight = z.openRightOfPipe,
          .keepsRightPipe = {{62, 255}},
          .openLeft = z.openLeftOfPipe,
          .openAbove = {0, 63},
          .keepsCeiling = {63}};
}

}  // namespace orvane
