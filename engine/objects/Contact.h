// The contact test every item runs against the player: two boxes overlap, with strict comparisons
// on real numbers. A box is given as offsets of its edges from the player's and the item's position.
#pragma once

#include "engine/core/ZoneForm.h"

namespace orvane::items {

// Offsets of a box's two edges (left and right, or top and bottom) from a position.
struct Span {
  double lo, hi;
};

struct ContactBox {
  Span playerX, playerY;  // from PlayerX (or PlayerX + SpeedX, see Ahead) and PlayerY
  Span itemX, itemY;      // from the item's x and y (for moving enemies with the shared offset added)
};

// The player's box overlaps the item's: player right > item left, player left < item right,
// player bottom > item top, player top < item bottom. `playerX` is PlayerX, or the position after
// this frame's move for the faces that stop the player flush.
inline bool Overlaps(const ContactBox& b, double playerX, double playerY, double itemX, double itemY) {
  return playerX + b.playerX.hi > itemX + b.itemX.lo && playerX + b.playerX.lo < itemX + b.itemX.hi &&
         playerY + b.playerY.hi > itemY + b.itemY.lo && playerY + b.playerY.lo < itemY + b.itemY.hi;
}

// The box against the player where the player stands now.
inline bool Touches(const ZoneForm& z, const ContactBox& b, double itemX, double itemY) {
  return Overlaps(b, z.PlayerX, z.PlayerY, itemX, itemY);
}

// The box against the player where this frame's move takes them (PlayerX + SpeedX).
inline bool TouchesAhead(const ZoneForm& z, const ContactBox& b, double itemX, double itemY) {
  return Overlaps(b, z.PlayerX + z.SpeedX, z.PlayerY, itemX, itemY);
}

// The entry under treatment.
inline double ItemLeft(const ZoneForm& z) { return z.ItemX[z.ItemIndex]; }
inline double ItemTop(const ZoneForm& z) { return z.ItemY[z.ItemIndex]; }

}  // namespace orvane::items
