// The value sets the player's passes read, one set per test: block collision, loops and curves.
// Each zone program fills its own (zones/*/PlayerValues.cpp).
#pragma once

#include "engine/core/ValueSet.h"

namespace orvane {

struct CollisionTables {
  // post-move push: a solid block above either push point holds the player below it
  ValueSet pushLeftAbove;   // above the point (x+7, y+35)
  ValueSet pushRightAbove;  // above the point (x+32, y+35)

  // pass 1, the block below the sensor
  ValueSet belowFlat;            // flat tops at the block's top
  ValueSet belowStepLeftHigh;    // steps whose left half is at the top
  ValueSet belowStepRightHigh;   // steps whose right half is at the top
  ValueSet belowSlopeUp;         // the upper piece of a slope rising to the right
  ValueSet belowSlopeDown;       // the upper piece of a slope falling to the right
  ValueSet belowEdge;            // no floor near the top: the left foot may walk off
  ValueSet belowSlopeDownLower;  // the lower piece of a falling slope with a fall line of its own

  // pass 2, the sensor's own block
  ValueSet ownEdge;              // nothing to stand on: the left foot may walk off
  ValueSet ownPlatform;          // a floor at local y 64
  ValueSet ownStepLeftHigh;      // floors at 0 (left) and 32 (right)
  ValueSet ownStepRightHigh;     // floors at 32 (left) and 0 (right)
  ValueSet ownStepLow64;         // floors at 64 (left) and 96 (right)
  ValueSet ownStep96Low64;       // floors at 96 (left) and 64 (right)
  ValueSet ownSlopeUpUpper;      // 68 - x/2
  ValueSet ownSlopeUpLower;      // 132 - x/2
  ValueSet ownSlopeDownUpper;    // 4 + x/2
  ValueSet ownSlopeDownLower;    // 68 + x/2

  // pass 3, the block to the right: walls by the local y they start at
  ValueSet rightWallFull;
  ValueSet rightWallBelow64;
  ValueSet rightWallBelow64Open;  // own blocks that leave the low wall on the right open
  ValueSet rightWallBelow32;
  ValueSet rightWallBelow96;

  // pass 4, the block to the left
  ValueSet leftWallFull;
  ValueSet leftWallBelow64;
  ValueSet leftWallBelow64Open;   // own blocks that leave the low wall on the left open
  ValueSet leftWallBelow32;
  ValueSet leftWallBelow96;

  // pass 5, the block above: head bump
  ValueSet headBump;

  // passes 6 and 7, the blocks below-right and below-left, unless the block below is a slope piece
  ValueSet belowRightWall;
  ValueSet belowRightOpenBelow;
  ValueSet belowLeftWall;
  ValueSet belowLeftOpenBelow;
};

// Loop and quarter-pipe riding. The right-hand pieces and the markers of the second layer (6 lower
// right, 7 upper right, 8 loop start, 9 keeps the player on a ceiling) are the same in both zones;
// the left-hand pieces and the block values around them are the zone's own.
struct LoopTables {
  int lowerLeft;           // left-hand lower piece (floor and left wall)
  int upperLeft;           // left-hand upper piece (ceiling and left wall)
  int loopEnd;             // behind (and before) a loop: the ride is over
  ValueSet empty;          // the centre's block holds no piece: leaving at floor level
  ValueSet openRight;      // the block right of a right-hand quarter pipe lets the player fly up
  ValueSet keepsRightPipe; // an own block of these never launches off a right-hand pipe
  ValueSet openLeft;       // the block left of a left-hand quarter pipe lets the player fly up
  ValueSet openAbove;      // the block above a ceiling lets the player drop off it
  ValueSet keepsCeiling;   // an own block of these never drops the player off a ceiling
};

}  // namespace orvane
