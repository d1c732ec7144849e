// The rule each item kind runs in the item walk, one entry at a time (ItemIndex). The zone programs'
// item tables (zones/*/ItemValues.cpp) point each kind at one of these.
#pragma once

#include <cstdint>

namespace orvane {
class ZoneForm;
}

namespace orvane::items {

// rings and item boxes
void Ring(ZoneForm& z, uint8_t kind);
void Sparkle(ZoneForm& z, uint8_t kind);
void ItemBox(ZoneForm& z, uint8_t kind);

// springs, lamp posts and platforms
void SpringUp(ZoneForm& z, uint8_t kind);
void SpringRight(ZoneForm& z, uint8_t kind);          // also puts the player back on the floor
void SpringRightKeepSurface(ZoneForm& z, uint8_t kind);  // only the speed
void SpringLeft(ZoneForm& z, uint8_t kind);
void SpringDown(ZoneForm& z, uint8_t kind);
void SpringUpRight(ZoneForm& z, uint8_t kind);
void SpringUpLeft(ZoneForm& z, uint8_t kind);
void LampPost(ZoneForm& z, uint8_t kind);
void Platform(ZoneForm& z, uint8_t kind);

// hazards and enemies
void HazardBlock(ZoneForm& z, uint8_t kind);
void SideHazard(ZoneForm& z, uint8_t kind);
void PatrolEnemy(ZoneForm& z, uint8_t kind);
void HopEnemyA(ZoneForm& z, uint8_t kind);
void HopEnemyB(ZoneForm& z, uint8_t kind);

}  // namespace orvane::items
