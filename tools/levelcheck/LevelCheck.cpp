#include "tools/levelcheck/LevelCheck.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>

#include "assets/levels/ItemKinds.h"
#include "engine/core/Vocabulary.h"

namespace levelcheck {

using levels::kBlock;
using levels::kCols;
using levels::kRows;
using levels::Shape;
using orvane::kPlayerHeight;
using orvane::kPlayerWidth;

namespace {

constexpr int kStartY = 255;
constexpr int kFootLeft = 7, kFootRight = 32;
constexpr int kWalkSampleStep = 8;
constexpr int kPlatformTop = 2;
constexpr int kMinRowsApart = 2;   // standing heights this many rows apart count as two
constexpr int kFastColumns = 4;    // a runner is fast after four blocks of flat or falling ground
constexpr int kFlatRise = 16;      // a floor that rises less than this from column to column is flat
constexpr int kConnectedDrop = 64; // a floor lower by at most this is the same ground going down
constexpr int kOnFloor = 8;        // an item's bottom this close to a floor stands on it
constexpr int kRingSize = 16;
constexpr int kRingLowest = 40, kRingHighest = 260;  // rings this high over a floor lead a jump...
constexpr int kTrailRings = 3, kTrailLead = 256;     // ...three of them, over the two blocks before it
constexpr int kTrailStartsBefore = 64;               // and the danger, beginning before it

std::string Cell(int row, int col) {
  return "cell (row " + std::to_string(row) + ", column " + std::to_string(col) + ")";
}

class Checker {
 public:
  Checker(levels::Zone zone, std::optional<int> act, const std::vector<uint8_t>& map, const std::vector<uint8_t>& items)
      : zone_(levels::ValuesOf(zone)), act_(act), mapBytes_(map), itemBytes_(items) {}

  Report Run() {
    if (mapBytes_.size() != static_cast<size_t>(levels::kMapFileSize))
      Add("map file", "is " + std::to_string(mapBytes_.size()) + " bytes, must be 1563");
    if (itemBytes_.size() != static_cast<size_t>(levels::kItemFileSize))
      Add("item file", "is " + std::to_string(itemBytes_.size()) + " bytes, must be 1505");
    if (!report_.faults.empty()) return report_;
    for (int i = 0; i < levels::kCells; ++i) {
      main_[static_cast<size_t>(i)] = mapBytes_[static_cast<size_t>(i)];
      fore_[static_cast<size_t>(i)] = mapBytes_[static_cast<size_t>(levels::kForeLayerOffset + i)];
    }
    for (int i = levels::kCells; i < levels::kForeLayerOffset; ++i)
      if (mapBytes_[static_cast<size_t>(i)] != 0) Add("map file", "gap byte " + std::to_string(i) + " is not 0");
    CheckValues();
    CheckLoops();
    CheckPipesAndMarkers();
    CheckSand();
    CheckStandingScenery();
    CheckSlopeFeet();
    CheckItems();
    MeasureHeights();
    if (act_) {
      CheckScenery();
      CheckFastStretches();
      CheckTargets();
    }
    return report_;
  }

 private:
  void Add(const std::string& where, const std::string& what) { report_.faults.push_back({where, what}); }
  void ShortOnce(const std::string& where, const std::string& what) {
    auto& list = report_.shortfalls;
    if (std::none_of(list.begin(), list.end(), [&](const Fault& f) { return f.where == where; }))
      list.push_back({where, what});
  }

  uint8_t Main(int r, int c) const {
    return r < 0 || r >= kRows || c < 0 || c >= kCols ? 0 : main_[static_cast<size_t>(r * kCols + c)];
  }
  uint8_t Fore(int r, int c) const {
    return r < 0 || r >= kRows || c < 0 || c >= kCols ? 0 : fore_[static_cast<size_t>(r * kCols + c)];
  }
  Shape ShapeAt(int r, int c) const { return zone_.shape[Main(r, c)]; }
  bool InMap(int r, int c) const { return r >= 0 && r < kRows && c >= 0 && c < kCols; }
  bool OpenCell(int r, int c) const { return InMap(r, c) && ShapeAt(r, c) == Shape::Empty; }
  bool FullCell(int r, int c) const { return InMap(r, c) && ShapeAt(r, c) == Shape::Full; }
  bool Solid(int x, int y) const { return levels::SolidWithCurves(zone_, main_.data(), fore_.data(), x, y); }

  void CheckValues() {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) {
        if (Main(r, c) > zone_.maxMainValue)
          Add(Cell(r, c), "main-layer value " + std::to_string(Main(r, c)) + " is outside the zone's 0.." +
                              std::to_string(zone_.maxMainValue));
        if (Fore(r, c) > levels::kMaxForeValue)
          Add(Cell(r, c), "foreground value " + std::to_string(Fore(r, c)) + " is outside 0..15");
      }
  }

  // A loop: upper-left piece at (g-2, c), floor row g.
  void CheckLoops() {
    const std::string ll = std::to_string(zone_.loopLowerLeft), ul = std::to_string(zone_.loopUpperLeft),
                      le = std::to_string(zone_.loopEnd);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) {
        if (Main(r, c) != zone_.loopUpperLeft) continue;
        const int g = r + 2;
        const std::string here = Cell(r, c);
        const size_t before = report_.faults.size();
        auto need = [&](bool ok, const std::string& what) {
          if (!ok) Add(here, "loop: " + what);
        };
        if (g > kRows - 1 || r - 1 < 0 || c - 1 < 0 || c + 2 > kCols - 1) {
          Add(here, "loop does not fit: its markers and floor would leave the map");
          continue;
        }
        need(Main(g - 1, c) == zone_.loopLowerLeft, "lower-left piece " + ll + " missing below the upper-left piece");
        need(Fore(g - 2, c + 1) == levels::kForeUpperRight, "upper-right piece 7 missing in the foreground at " +
                                                                  Cell(g - 2, c + 1));
        need(Fore(g - 1, c + 1) == levels::kForeLowerRight, "lower-right piece 6 missing in the foreground at " +
                                                                  Cell(g - 1, c + 1));
        need(Main(g - 1, c - 1) == zone_.loopEnd, "end marker " + le + " missing before the loop at " + Cell(g - 1, c - 1));
        need(Main(g - 1, c + 2) == zone_.loopEnd, "end marker " + le + " missing after the loop at " + Cell(g - 1, c + 2));
        need(Fore(g - 3, c) == levels::kForeCeilingKeep && Fore(g - 3, c + 1) == levels::kForeCeilingKeep,
             "ceiling markers 9 missing in the foreground above the loop (row " + std::to_string(g - 3) + ")");
        need(Main(g - 2, c + 1) == 0 && Main(g - 1, c + 1) == 0, "the right-hand cells must be 0 in the main layer");
        need(FullCell(g, c) && FullCell(g, c + 1), "needs full ground blocks under it (row " + std::to_string(g) + ")");
        need(Fore(g - 2, c) < levels::kForeLowerRight && Fore(g - 1, c) < levels::kForeLowerRight,
             "a right-hand piece or marker lies in the left-hand cells");
        need(OpenCell(g - 3, c) && OpenCell(g - 3, c + 1), "the cells above the loop must be open");
        need(Main(g - 2, c - 1) == zone_.loopEnd && Main(g - 2, c + 2) == zone_.loopEnd,
             "end markers " + le + " missing beside the upper pieces (row " + std::to_string(g - 2) +
                 "): an open cell there throws the rider off the loop");
        // a broken loop is reported once, here; its pieces are not reported again as strays
        if (report_.faults.size() == before) ++report_.stats.loops;
        for (auto [rr, cc] : std::array<std::pair<int, int>, 10>{{{g - 1, c}, {g - 2, c}, {g - 1, c + 1}, {g - 2, c + 1},
                                                                   {g - 1, c - 1}, {g - 1, c + 2}, {g - 2, c - 1}, {g - 2, c + 2},
                                                                   {g - 3, c}, {g - 3, c + 1}}})
          explained_.insert(rr * kCols + cc);
      }
  }

  void CheckPipesAndMarkers() {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) {
        const int cell = r * kCols + c;
        if (explained_.count(cell)) continue;
        const uint8_t b1 = Main(r, c), b2 = Fore(r, c);
        const std::string here = Cell(r, c);
        if (b1 == zone_.loopEnd) Add(here, "loop end marker " + std::to_string(b1) + " outside a loop");
        if (b1 == zone_.loopLowerLeft) {
          if (!InMap(r, c - 1) || !levels::OpenLeftOfPipe(Main(r, c - 1)))
            Add(here, "lone left pipe needs an open cell on its left (0, 18, 19, 28, 54, 55, 60, 61 or 62)");
          else if (b2 >= levels::kForeLowerRight)
            Add(here, "lone left pipe must not carry a right-hand piece or marker");
          else if (!FullCell(r + 1, c))
            Add(here, "lone left pipe needs a full ground block under it");
          else
            ++report_.stats.pipes;
        }
        if (b2 == levels::kForeUpperRight) Add(here, "upper-right loop piece 7 outside a loop");
        if (b2 == levels::kForeCeilingKeep) Add(here, "ceiling marker 9 outside a loop");
        if (b2 == levels::kForeLoopStart) Add(here, "loop start marker 8 is not used by the loop layout");
        if (b2 == levels::kForeLowerRight) {
          if (!InMap(r, c + 1) || !zone_.openRightOfPipe[Main(r, c + 1)])
            Add(here, "lone right pipe needs an open cell on its right");
          else if (Fore(r, c + 1) >= levels::kForeLowerRight)
            Add(here, "lone right pipe needs a foreground value below 6 on its right");
          else if (zone_.shape[b1] != Shape::Empty)
            Add(here, "lone right pipe must lie in an open main-layer cell");
          else if (!FullCell(r + 1, c))
            Add(here, "lone right pipe needs a full ground block under it");
          else
            ++report_.stats.pipes;
        }
      }
  }

  void CheckSand() {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) {
        if (!levels::IsSand(zone_.zone, Fore(r, c))) continue;
        ++report_.stats.sandCells;
        if (ShapeAt(r, c) != Shape::Empty) {
          Add(Cell(r, c), "sinking sand over a solid block: the player stands on the block instead");
          continue;
        }
        bool floor = false;
        for (int rr = r + 1; rr < kRows && !floor; ++rr) floor = ShapeAt(rr, c) != Shape::Empty;
        if (!floor) Add(Cell(r, c), "sinking sand with no floor beneath: the player sinks out of the world");
      }
  }

  void CheckStandingScenery() {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) {
        const bool inMain = zone_.standsInMain[Main(r, c)], inFore = zone_.standsInFore[Fore(r, c)];
        if ((inMain || inFore) && !FullCell(r + 1, c))
          Add(Cell(r, c), std::string(inMain ? "scenery" : "foreground scenery") + " " +
                              std::to_string(inMain ? Main(r, c) : Fore(r, c)) +
                              " stands on its cell's floor but the cell below is not flat full ground");
      }
  }

  // The lower piece of a falling slope ends 4 pixels into the block below it. Where flat ground
  // (or a step high on its left) follows in that lower row, the block collision stops a runner
  // whose back foot reaches the piece's last pixels: a player holding Right down the slope is
  // stopped dead at its foot more often than not, and only a jump gets it going again.
  void CheckSlopeFeet() {
    for (int r = 0; r + 1 < kRows; ++r)
      for (int c = 0; c + 1 < kCols; ++c) {
        if (ShapeAt(r, c) != Shape::FallLower) continue;
        const Shape beyond = ShapeAt(r + 1, c + 1), under = ShapeAt(r + 1, c);
        if ((beyond == Shape::Full || beyond == Shape::StepLeftHigh) && under != Shape::RiseUpper &&
            under != Shape::FallLower)
          Add(Cell(r, c), "the foot of this falling slope stops a runner against the ground beyond it: end the "
                          "slope with a step down or a drop instead");
      }
  }

  struct Item {
    int index;
    uint8_t kind;
    int x, y;
  };

  std::string Record(const Item& item, const levels::ItemKindInfo* info) const {
    return "record " + std::to_string(item.index) + " (" + (info ? std::string(info->name) : "kind " + std::to_string(item.kind)) +
           " at " + std::to_string(item.x) + ", " + std::to_string(item.y) + ")";
  }

  void CheckItems() {
    std::vector<Item> items;
    for (int i = 0; i < levels::kItemRecords; ++i) {
      const uint8_t* rec = &itemBytes_[static_cast<size_t>(i * 5)];
      if (rec[0] == 0) continue;
      const Item item{i, rec[0], rec[1] * kBlock + rec[2], rec[3] * kBlock + rec[4]};
      if (rec[2] >= kBlock || rec[4] >= kBlock) {
        Add(Record(item, nullptr), "XLow and YLow must be below 128");
        continue;
      }
      items.push_back(item);
    }
    std::set<uint8_t> boxKinds;
    for (const Item& item : items) {
      const auto info = levels::KindInfo(item.kind);
      const bool present = info && (zone_.zone == levels::Zone::PlumVale ? info->plumVale : info->ashMoor);
      if (!present) {
        Add(Record(item, nullptr), "kind " + std::to_string(item.kind) + " is not an item of " +
                                       std::string(levels::ZoneName(zone_.zone)));
        continue;
      }
      Count(*info, boxKinds);
      CheckItem(item, *info, items);
    }
    items_ = items;
    report_.stats.items = static_cast<int>(items.size());
    report_.stats.boxKinds = static_cast<int>(boxKinds.size());
  }

  void Count(const levels::ItemKindInfo& info, std::set<uint8_t>& boxKinds) {
    ActStats& s = report_.stats;
    const int k = info.kind;
    if (k == 1) ++s.rings;
    if (k >= 3 && k <= 11) ++s.boxes, boxKinds.insert(info.kind);
    if (k == 24) ++s.lampPosts;
    if (k >= 17 && k <= 22) ++s.springs;
    if (k >= 29 && k <= 31) ++s.enemies;
    if (k == 13 || k == 15) ++s.hazards;
    if (k == 25) ++s.platforms;
  }

  void CheckItem(const Item& item, const levels::ItemKindInfo& info, const std::vector<Item>& all) {
    const std::string here = Record(item, &info);
    const int left = item.x + info.boxX, top = item.y + info.boxY;
    const int right = left + info.boxW, bottom = top + info.boxH;  // exclusive
    if (left < 0 || top < 0 || right > levels::kWorldWidth || bottom > levels::kWorldHeight) {
      Add(here, "lies outside the world (" + std::to_string(left) + ".." + std::to_string(right) + " x " +
                    std::to_string(top) + ".." + std::to_string(bottom) + ")");
      return;
    }
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (Solid(x, y)) {
          Add(here, "overlaps the solid ground at (" + std::to_string(x) + ", " + std::to_string(y) + ")");
          return;
        }
    if (info.footing == levels::Footing::Stands) {
      bool supported = false;
      for (int x = left; x < right && !supported; ++x) supported = Solid(x, bottom) || OnPlatform(x, bottom, all);
      if (!supported) Add(here, "should stand on the ground but floats (nothing solid at y " + std::to_string(bottom) + ")");
      if (supported && info.walks)
        for (int x = left; x < right; x += kWalkSampleStep)
          if (!Solid(x, bottom)) {
            Add(here, "walks off its ground: nothing solid under x " + std::to_string(x));
            break;
          }
    } else if (info.footing == levels::Footing::Hangs) {
      bool hung = false;
      for (int x = left; x < right && !hung; ++x) hung = top > 0 && Solid(x, top - 1);
      if (!hung) Add(here, "should hang under a ceiling but nothing solid is above it");
    }
  }

  static bool OnPlatform(int x, int y, const std::vector<Item>& all) {
    constexpr int kPlatformLeft = 8, kPlatformRight = 96;
    for (const Item& p : all)
      if (p.kind == orvane::kind::kPlatform && y == p.y + kPlatformTop && x >= p.x + kPlatformLeft &&
          x < p.x + kPlatformRight)
        return true;
    return false;
  }

  // Is there ground somewhere below y in column x?
  bool GroundBelow(int x, int y) const {
    for (int yy = std::max(y, 0); yy < levels::kWorldHeight; ++yy)
      if (Solid(x, yy)) return true;
    return false;
  }

  void CheckScenery() {
    const levels::ActScenery s = levels::SceneryOf(zone_.zone, *act_);
    if (*act_ >= zone_.actCount) {
      Add("act", "act index " + std::to_string(*act_) + " does not exist in " + std::string(levels::ZoneName(zone_.zone)));
      return;
    }
    // the first start drops in at (0, 255), a restart without a lamp post at (0, 0)
    for (int foot : {kFootLeft, kFootRight})
      if (!GroundBelow(foot, kStartY + kPlayerHeight))
        Add("start", "no ground under the start at x " + std::to_string(foot) + ": the player falls out of the world");
    for (int y = 0; y < kStartY + kPlayerHeight; ++y)
      for (int x = 0; x < kPlayerWidth; ++x)
        if (Solid(x, y)) {
          Add("start", "the start position lies in the ground at (" + std::to_string(x) + ", " + std::to_string(y) + ")");
          y = kStartY + kPlayerHeight;
          break;
        }
    if (s.endsAtCapsule)
      CheckStandingBox("capsule", s.capsuleX, s.capsuleY, orvane::kCapsuleSize);
    else
      CheckStandingBox("end sign", s.signX, s.signY, orvane::kSignSize);
  }

  void CheckStandingBox(const std::string& what, int x0, int y0, int size) {
    if (x0 + size > levels::kWorldWidth) {
      Add(what, "lies outside the world");
      return;
    }
    for (int y = y0; y < y0 + size; ++y)
      for (int x = x0; x < x0 + size; ++x)
        if (Solid(x, y)) {
          Add(what, "overlaps the ground at (" + std::to_string(x) + ", " + std::to_string(y) + ")");
          return;
        }
    bool supported = false;
    for (int x = x0; x < x0 + size && !supported; ++x) supported = Solid(x, y0 + size);
    if (!supported) Add(what, "does not stand on the ground (nothing solid at y " + std::to_string(y0 + size) + ")");
  }

  // ---- the whole map -------------------------------------------------------------------------

  // The heights (pixel y of a floor) a player can stand at in a column, top first: a surface with
  // room above it for the player, sampled at the column's middle, and the tops of platforms.
  std::vector<int> Surfaces(int c) const {
    std::vector<int> ys;
    const int x = c * kBlock + kBlock / 2;
    for (int y = 0; y < levels::kWorldHeight; ++y) {
      if (!Solid(x, y) || (y > 0 && Solid(x, y - 1))) continue;
      bool room = true;
      for (int yy = std::max(0, y - kPlayerHeight); yy < y && room; ++yy) room = !Solid(x, yy);
      if (room) ys.push_back(y);
    }
    for (const Item& p : items_)
      if (p.kind == orvane::kind::kPlatform && p.x / kBlock == c) ys.push_back(p.y + kPlatformTop);
    std::sort(ys.begin(), ys.end());
    return ys;
  }

  static int RowOf(int y) { return std::min(y / kBlock, kRows - 1); }

  void MeasureHeights() {
    ActStats& s = report_.stats;
    int two = 0, three = 0;
    for (int c = 0; c < kCols; ++c) {
      std::vector<int> rows;
      for (int y : Surfaces(c)) rows.push_back(RowOf(y));
      if (!rows.empty()) s.highestRow = std::min(s.highestRow, rows.front());
      // the most heights, each at least two rows below the one before
      int count = 0, last = -kMinRowsApart;
      for (int r : rows)
        if (r - last >= kMinRowsApart) ++count, last = r;
      two += count >= 2;
      three += count >= 3;
    }
    s.twoHeights = two * 100 / kCols;
    s.threeHeights = three * 100 / kCols;
  }

  // A runner sees about 180 pixels ahead: a pit, hazard or enemy at the end of a stretch of four
  // blocks or more of flat or falling ground comes too fast to see, unless a ring trail leads over
  // it or a spring before it lifts the runner.
  void CheckFastStretches() {
    std::vector<std::vector<int>> surfaces(kCols);
    for (int c = 0; c < kCols; ++c) surfaces[static_cast<size_t>(c)] = Surfaces(c);
    // run[c][i]: how many columns of flat or falling ground, without a box, spring or danger, lead
    // into surface i of column c (itself included)
    std::vector<std::vector<int>> run(kCols);
    for (int c = 0; c < kCols; ++c) {
      const auto& here = surfaces[static_cast<size_t>(c)];
      auto& lengths = run[static_cast<size_t>(c)];
      lengths.assign(here.size(), 1);
      // a loop's end marker stands on the floor where a rider leaves the loop at speed
      for (size_t i = 0; i < here.size(); ++i)
        if (Main(RowOf(here[i]) - 1, c) == zone_.loopEnd) lengths[i] = kFastColumns;
      if (c == 0) continue;
      const auto& before = surfaces[static_cast<size_t>(c - 1)];
      for (size_t i = 0; i < here.size(); ++i)
        for (size_t j = 0; j < before.size(); ++j) {
          const int rise = before[j] - here[i];
          if (rise > kFlatRise || rise < -kConnectedDrop || Stopper(c - 1, before[j])) continue;
          lengths[i] = std::max(lengths[i], run[static_cast<size_t>(c - 1)][j] + 1);
        }
    }
    for (int c = 0; c + 1 < kCols; ++c) {
      const auto& here = surfaces[static_cast<size_t>(c)];
      for (size_t i = 0; i < here.size(); ++i) {
        const int length = run[static_cast<size_t>(c)][i], y = here[i];
        if (length < kFastColumns) continue;
        if (length == kFastColumns) ++report_.stats.fastStretches;
        const bool lifted = SpringNear(c, y);
        // a danger on the next stretch of ground
        for (int d = c; d <= c + 1; ++d) {
          const Item* danger = DangerOn(d, y);
          if (!danger || lifted || RingsLeadOver(danger->x, danger->x + kBlock / 2, y)) continue;
          const auto info = levels::KindInfo(danger->kind);
          ShortOnce(Record(*danger, info ? &*info : nullptr), "comes at the end of a fast stretch of " + std::to_string(length) +
                                                " blocks with no warning: lead a ring trail over it, slow the "
                                                "runner or lift it with a spring");
        }
        // a pit: nothing to land on in the next column
        const int next = c + 1;
        bool ground = false;
        for (int yy : surfaces[static_cast<size_t>(next)]) ground = ground || yy >= y - kConnectedDrop;
        if (!ground && !lifted && !RingsLeadOver(next * kBlock, next * kBlock + kBlock, y))
          ShortOnce(Cell(RowOf(y), next), "a pit at the end of a fast stretch of " + std::to_string(length) +
                                        " blocks with no warning: lead a ring trail over it, slow the runner or "
                                        "lift it with a spring");
      }
    }
  }

  // An item standing on the floor at y in column c.
  const Item* ItemOn(int c, int y, bool (*kind)(uint8_t)) const {
    for (const Item& item : items_) {
      if (!kind(item.kind) || item.x / kBlock != c) continue;
      const auto info = levels::KindInfo(item.kind);
      const int bottom = item.y + (info ? info->boxY + info->boxH : 0);
      if (std::abs(bottom - y) <= kOnFloor) return &item;
    }
    return nullptr;
  }
  static bool IsStopper(uint8_t k) { return (k >= 3 && k <= 11) || levels::IsSpring(k) || levels::Hurts(k); }
  const Item* DangerOn(int c, int y) const { return ItemOn(c, y, levels::Hurts); }
  bool Stopper(int c, int y) const { return ItemOn(c, y, IsStopper) != nullptr; }
  bool SpringNear(int c, int y) const {
    return ItemOn(c, y, levels::IsSpring) || (c > 0 && ItemOn(c - 1, y, levels::IsSpring));
  }

  // A ring trail that leads a jump over x0..x1 from a floor at y: rings high enough that a jump
  // takes them, the first of them before the danger, where a runner sees it in time.
  bool RingsLeadOver(int x0, int x1, int y) const {
    int count = 0, first = x1;
    for (const Item& item : items_)
      if (item.kind == orvane::kind::kRing && item.x >= x0 - kTrailLead && item.x < x1 &&
          item.y + kRingSize <= y - kRingLowest && item.y > y - kRingHighest)
        ++count, first = std::min(first, item.x);
    return count >= kTrailRings && first < x0 - kTrailStartsBefore;
  }

  void CheckTargets() {
    const ActStats& s = report_.stats;
    const Targets t;
    auto need = [&](bool ok, const std::string& what) {
      if (!ok) report_.shortfalls.push_back({"act", what});
    };
    need(s.twoHeights >= t.twoHeights, "two standing heights two rows apart in " + std::to_string(s.twoHeights) +
                                           " % of the columns, at least " + std::to_string(t.twoHeights) + " % wanted");
    need(s.threeHeights >= t.threeHeights, "three standing heights in " + std::to_string(s.threeHeights) +
                                               " % of the columns, at least " + std::to_string(t.threeHeights) +
                                               " % wanted");
    need(s.highestRow <= t.highestRow, "the highest row stood on is " + std::to_string(s.highestRow) +
                                           ", row " + std::to_string(t.highestRow) + " or higher wanted");
    need(s.rings >= t.rings, std::to_string(s.rings) + " rings, at least " + std::to_string(t.rings) + " wanted");
    need(s.enemies >= t.enemies, std::to_string(s.enemies) + " enemies, at least " + std::to_string(t.enemies) + " wanted");
    need(s.lampPosts >= t.lampPosts,
         std::to_string(s.lampPosts) + " lamp posts, at least " + std::to_string(t.lampPosts) + " wanted");
  }

  const levels::ZoneValues& zone_;
  std::optional<int> act_;
  std::vector<Item> items_;
  const std::vector<uint8_t>& mapBytes_;
  const std::vector<uint8_t>& itemBytes_;
  std::array<uint8_t, levels::kCells> main_{}, fore_{};
  std::set<int> explained_;
  Report report_;
};

}  // namespace

Report CheckAct(levels::Zone zone, std::optional<int> act, const std::vector<uint8_t>& map,
                const std::vector<uint8_t>& items) {
  return Checker(zone, act, map, items).Run();
}

}  // namespace levelcheck
