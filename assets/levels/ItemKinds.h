// The item kinds a level text can name, with the box each one takes up in
// the world (relative to its ItemX, ItemY) and how it stands.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "assets/levels/Shapes.h"

namespace levels {

enum class Footing {
  Floats,  // rings, platforms: anywhere in the air
  Stands,  // bottom of the box rests on the ground
  Hangs,   // top of the box rests against a ceiling
};

struct ItemKindInfo {
  uint8_t kind;
  std::string_view name;
  int boxX, boxY, boxW, boxH;  // the room the item takes up, relative to (ItemX, ItemY)
  Footing footing;
  bool plumVale, ashMoor;  // present in the zone
  bool walks;              // sweeps sideways: needs ground under its whole box
};

// nullopt for an unknown name.
std::optional<ItemKindInfo> KindByName(std::string_view name);
// nullopt for a kind no level may use (0, 2, 12, 14, 16, 23, 32 and above).
std::optional<ItemKindInfo> KindInfo(uint8_t kind);

// Spikes, side spikes and the enemies: what hurts a player who runs into it.
bool Hurts(uint8_t kind);
// The springs of every direction.
bool IsSpring(uint8_t kind);

// Lowest point of the shared hop (pixels below ItemY) a hopping enemy reaches.
int HopLowestOffset();

}  // namespace levels
