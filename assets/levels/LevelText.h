// The level text format and its compiler.
//
// A level text is read line by line; ';' starts a comment. Sections:
//
//   zone plumvale            the zone (plumvale or ashmoor)
//   act 0                    the act index
//   route high 8-30 36-60    the columns (inclusive spans) a route runs through: high, middle or low;
//                            a player on it stands on blocks of rows 0-3, 4-5 or 6-9 (RouteRows)
//   legend                   one entry a line: CHARACTER VALUE [description]
//   ...                      (entries for the main layer; `legend fore` for the foreground)
//   end
//   main                     exactly 10 rows of exactly 78 characters, row 0 first
//   ...
//   end
//   fore                     the foreground layer, the same shape (its own legend)
//   end
//   items                    one command a line, see below
//   end
//
// Item commands (KIND is a name from ItemKinds, or kind:N):
//   KIND X Y                          one item
//   row KIND X Y COUNT DX [DY]         COUNT items, the i-th at X + i*DX, Y + i*DY
//   arc KIND CX CY R COUNT A0 A1       COUNT items on a circle round (CX, CY),
//                                      angles A0..A1 in degrees (0 = right, 90 = up)
// X is a pixel x, or @C / @C+N / @C-N: column C's left edge plus N.
// Y is a pixel y, @R[+-N] (row R's top), or a ground reference:
//   g[R][+-N]   stand on the first ground found going down from the top of row R
//               (default 0), then N pixels lower (+) or higher (-)
//   c[R][+-N]   hang under the first ceiling found going up from the bottom of row R
// The item's box (ItemKinds) is what stands or hangs, so `box_rings @12+40 g`
// puts a box with its bottom on the ground, whatever its height.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "assets/common/Files.h"
#include "assets/levels/Shapes.h"

namespace levels {

// A fault in a level text: "NAME:LINE: message".
class LevelError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ItemRecord {
  uint8_t kind;
  int x, y;
};

// The three routes of an act, by the rows of the blocks their player stands on.
enum class Route { High, Middle, Low };
struct RouteRows {
  int first, last;
};
RouteRows RowsOf(Route route);
const char* RouteName(Route route);
std::optional<Route> RouteFromName(std::string_view name);

struct RouteSpan {
  Route route;
  int firstColumn, lastColumn;  // inclusive
};

struct Level {
  std::string name;
  Zone zone = Zone::PlumVale;
  int act = 0;
  std::array<uint8_t, kCells> main{};
  std::array<uint8_t, kCells> fore{};
  std::vector<ItemRecord> items;
  std::vector<RouteSpan> routes;
};

// Parses and compiles `text`; `name` labels the messages. Throws LevelError.
Level ParseLevel(std::string_view text, const std::string& name);

// The 1563-byte map file: first layer, 3 zero bytes, second layer.
assets::Bytes MapFileBytes(const Level& level);
// The 1505-byte item file: 301 records (kind, XHigh, XLow, YHigh, YLow), unused records 0.
// Throws LevelError when the level has more than 301 items or one out of range.
assets::Bytes ItemFileBytes(const Level& level);

}  // namespace levels
