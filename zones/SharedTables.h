// The tables both zone programs build the same way. A zone describes its block values by shape and
// its item kinds by what it adds to the common ones; what is its own is then set on top, in its own
// file, where a reader sees it as the zone's exception.
#pragma once

#include "engine/core/ValueSet.h"
#include "engine/objects/ObjectTables.h"
#include "engine/player/PlayerTables.h"

namespace orvane {

// A zone's block values by the shape they have; each shape comes in the zone's tile sets.
struct BlockShapes {
  ValueSet empty;           // nothing to stand on or run into
  ValueSet full;            // solid to the top
  ValueSet platform;        // a floor at local y 64
  ValueSet stepLeftHigh;    // floors at 0 (left) and 32 (right)
  ValueSet stepLow64;       // floors at 64 (left) and 96 (right)
  ValueSet stepRightHigh;   // floors at 32 (left) and 0 (right)
  ValueSet step96Low64;     // floors at 96 (left) and 64 (right)
  ValueSet slopeUpUpper;    // a slope rising to the right, its upper piece
  ValueSet slopeUpLower;    // ... and its lower piece
  ValueSet slopeDownUpper;  // a slope falling to the right, its upper piece
  ValueSet slopeDownLower;  // ... and its lower piece
  ValueSet wallOnly;        // a wall to either side, nothing to stand on
  ValueSet loopEnd;         // the marker beside a loop
};

// Every collision test's set as the shapes give it. The push points and the head bump are each
// zone's own lists, left empty here.
CollisionTables CollisionFromShapes(const BlockShapes& shapes);

// The item kinds of both zones: rings and their sparkle, the boxes, the hazards, the upright, left,
// right and down springs, the lamp post, the platform and the patrol enemy, with their pictures.
ItemTables CommonItems();

}  // namespace orvane
