// The tables both zone programs build the same way. A zone's block values come by shape (ZoneFacts.h),
// its item kinds by what it adds to the common ones; what is its own is then set on top, in its own
// file, where a reader sees it as the zone's exception.
#pragma once

#include "engine/core/ValueSet.h"
#include "engine/objects/ObjectTables.h"
#include "engine/player/PlayerTables.h"
#include "zones/ZoneFacts.h"

namespace orvane {

// Every collision test's set as the zone's block shapes give it. The push points and the head bump
// are each zone's own lists, left empty here.
CollisionTables CollisionFromShapes(const ZoneFacts& zone);

// The item kinds of both zones: rings and their sparkle, the boxes, the hazards, the upright, left,
// right and down springs, the lamp post, the platform and the patrol enemy, with their pictures.
ItemTables CommonItems();

}  // namespace orvane
