// Plumvale's block values as the player's collision and loop passes read them.
#include "zones/SharedTables.h"
#include "zones/plumvale/Values.h"

namespace orvane {

CollisionTables PlumvaleCollision() {
  const BlockShapes& s = kPlumValeFacts.shapes;
  CollisionTables t = CollisionFromShapes(kPlumValeFacts);
  t.pushLeftAbove = {{1, 3}, {20, 27}};
  t.pushRightAbove = {{1, 17}};
  t.headBump = s.full.Union(s.platform);
  return t;
}

LoopTables PlumvaleLoops() {
  const ZoneFacts& z = kPlumValeFacts;
  return {.lowerLeft = z.loop.lowerLeft,
          .upperLeft = z.loop.upperLeft,
          .loopEnd = z.loop.end,
          .empty = z.shapes.empty,
          .openRight = z.openRightOfPipe,
          .keepsRightPipe = {{62, 255}},
          .openLeft = z.openLeftOfPipe,
          .openAbove = {0, 66},
          .keepsCeiling = {63}};
}

}  // namespace orvane
