// The level compiler, the curve and demo files, levelcheck's judgement, and
// the shipped acts themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "assets/levels/ItemKinds.h"
#include "assets/levels/LevelText.h"
#include "assets/levels/Levels.h"
#include "tools/levelcheck/LevelCheck.h"

namespace {

using levels::Level;
using levels::LevelError;
using levels::ParseLevel;
using levels::Zone;

const std::string kEmptyRow(78, '.');
const std::string kGroundRow(78, '#');

// A level text with ground on rows 7..9; `upperRows` give rows 0..6 (an empty string: an empty row).
std::string SmallLevel(const std::string& zone, const std::vector<std::string>& upperRows,
                       const std::vector<std::string>& foreRows, const std::string& items) {
  std::string text = "zone " + zone + "\nact 0\nlegend\n . 0\n # 1\n = 2\n _ 3\n L 65\n U 66\n E 67\n"
                     " a 62\n b 63\n c 64\n r 14\n R 13\n x 70\nend\n"
                     "legend fore\n . 0\n p 6\n q 7\n k 9\n s 1\n m 8\n h 16\nend\nmain\n";
  auto rowOrEmpty = [](const std::vector<std::string>& rows, int r) {
    return r < static_cast<int>(rows.size()) && !rows[static_cast<size_t>(r)].empty() ? rows[static_cast<size_t>(r)]
                                                                                        : kEmptyRow;
  };
  for (int r = 0; r < 7; ++r) text += rowOrEmpty(upperRows, r) + "\n";
  for (int r = 7; r < 10; ++r) text += kGroundRow + "\n";
  text += "end\nfore\n";
  for (int r = 0; r < 10; ++r) text += rowOrEmpty(foreRows, r) + "\n";
  text += "end\nitems\n" + items + "end\n";
  return text;
}

std::string RowWith(std::initializer_list<std::pair<int, char>> cells) {
  std::string row = kEmptyRow;
  for (auto [col, ch] : cells) row[static_cast<size_t>(col)] = ch;
  return row;
}

// ---------------------------------------------------------------- compiler

TEST(LevelCompiler, WritesBothLayersAtTheirOffsetsAndLeavesTheGapZero) {
  const Level level = ParseLevel(
      SmallLevel("plumvale", {RowWith({{0, '='}}), {}, {}, {}, {}, {}, RowWith({{77, '_'}})},
                 {{}, {}, {}, {}, {}, RowWith({{3, 's'}}), {}, {}, {}, RowWith({{77, 'p'}})}, ""),
      "small.lvl");
  const auto bytes = levels::MapFileBytes(level);
  ASSERT_EQ(bytes.size(), 1563u);
  EXPECT_EQ(bytes[0], 2);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(bytes[6 * 78 + 77], 3);
  EXPECT_EQ(bytes[7 * 78 + 0], 1);
  EXPECT_EQ(bytes[779], 1);
  EXPECT_EQ(bytes[780], 0);
  EXPECT_EQ(bytes[781], 0);
  EXPECT_EQ(bytes[782], 0);
  EXPECT_EQ(bytes[783 + 5 * 78 + 3], 1);
  EXPECT_EQ(bytes[783 + 9 * 78 + 77], 6);
  EXPECT_EQ(bytes[1562], 6);
  EXPECT_EQ(bytes[783 + 5 * 78 + 2], 0);
}

TEST(LevelCompiler, ItemRecordsSplitPositionsIntoBlockAndPixel) {
  const Level level = ParseLevel(SmallLevel("plumvale", {}, {}, " ring 389 100\n box_rings @12+40 @3+7\n"), "i.lvl");
  const auto bytes = levels::ItemFileBytes(level);
  ASSERT_EQ(bytes.size(), 1505u);
  // x = XHigh * 128 + XLow: 389 = 3 * 128 + 5
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[1], 3);
  EXPECT_EQ(bytes[2], 5);
  EXPECT_EQ(bytes[3], 0);
  EXPECT_EQ(bytes[4], 100);
  EXPECT_EQ(bytes[5], 3);
  EXPECT_EQ(bytes[6], 12);
  EXPECT_EQ(bytes[7], 40);
  EXPECT_EQ(bytes[8], 3);
  EXPECT_EQ(bytes[9], 7);
  for (size_t i = 10; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(LevelCompiler, Record300IsWrittenAnd302ItemsAreRefused) {
  const std::string full = SmallLevel("plumvale", {}, {}, " row ring 16 100 300 32\n kind:24 9000 842\n");
  const auto bytes = levels::ItemFileBytes(ParseLevel(full, "full.lvl"));
  ASSERT_EQ(bytes.size(), 1505u);
  EXPECT_EQ(bytes[1500], 24);
  EXPECT_EQ(bytes[1501] * 128 + bytes[1502], 9000);
  EXPECT_EQ(bytes[1503] * 128 + bytes[1504], 842);
  EXPECT_EQ(bytes[1495], 1);  // record 299, the last ring of the row
  EXPECT_EQ(bytes[1496] * 128 + bytes[1497], 16 + 299 * 32);

  const std::string over = SmallLevel("plumvale", {}, {}, " row ring 16 100 300 32\n ring 50 50\n ring 60 60\n");
  try {
    ParseLevel(over, "over.lvl");
    FAIL() << "302 items were accepted";
  } catch (const LevelError& e) {
    EXPECT_NE(std::string(e.what()).find("more than 301"), std::string::npos) << e.what();
  }
}

TEST(LevelCompiler, GroundReferencesStandItemsOnTheSurfaceUnderThem) {
  // ground top at y 896 (row 7); a ledge block at column 20 row 6 (top 832);
  // a rising slope at columns 30, 31 of row 6 (lower piece 132 - x/2, upper piece 68 - x/2)
  const Level level = ParseLevel(
      SmallLevel("plumvale", {{}, {}, {}, RowWith({{10, '#'}}), {}, {}, RowWith({{20, '_'}, {30, 'r'}, {31, 'R'}})}, {},
                 " spring_up @5 g\n box_rings @20 g\n ring @5 g-24\n spring_down @10 c6\n ring @31+64 g\n"
                 " lamppost @40 g\n box_rings @10 g4\n"),
      "g.lvl");
  ASSERT_EQ(level.items.size(), 7u);
  EXPECT_EQ(level.items[0].y, 896 - 32);
  EXPECT_EQ(level.items[1].y, 832 - 32);
  EXPECT_EQ(level.items[2].y, 896 - 16 - 24);
  EXPECT_EQ(level.items[3].y, 512);  // hangs under the block at row 3
  // the ring spans local x 64..79 of the upper piece: the highest ground under it is at 68 - 79/2
  EXPECT_EQ(level.items[4].y, 768 + static_cast<int>(std::ceil(68 - 79 / 2.0)) - 16);
  EXPECT_EQ(level.items[5].y, 896 - 50);  // the pole stands, its head above the item's top
  EXPECT_EQ(level.items[6].y, 896 - 32);  // g4 looks below row 4, under the block at row 3
}

TEST(LevelCompiler, RowsAndArcsPlaceEveryItem) {
  const Level level =
      ParseLevel(SmallLevel("plumvale", {}, {}, " row ring 100 g-30 3 40 -10\n arc ring 1000 500 100 3 0 180\n"), "r.lvl");
  ASSERT_EQ(level.items.size(), 6u);
  EXPECT_EQ(level.items[1].x, 140);
  EXPECT_EQ(level.items[2].y, 896 - 16 - 30 - 20);
  // the arc's items are centred on the circle: right, top, left
  EXPECT_EQ(level.items[3].x, 1100 - 8);
  EXPECT_EQ(level.items[3].y, 500 - 8);
  EXPECT_EQ(level.items[4].x, 1000 - 8);
  EXPECT_EQ(level.items[4].y, 400 - 8);
  EXPECT_EQ(level.items[5].x, 900 - 8);
}

void ExpectRefused(const std::string& text, const std::string& fragment) {
  try {
    ParseLevel(text, "bad.lvl");
    FAIL() << "accepted; expected a fault with \"" << fragment << "\"";
  } catch (const LevelError& e) {
    const std::string message = e.what();
    EXPECT_EQ(message.rfind("bad.lvl:", 0), 0u) << message;
    EXPECT_NE(message.find(fragment), std::string::npos) << message;
  }
}

TEST(LevelCompiler, RefusesMalformedTextsWithFileAndLine) {
  ExpectRefused(SmallLevel("plumvale", {kEmptyRow.substr(1)}, {}, ""), "has 77 characters");
  ExpectRefused(SmallLevel("plumvale", {RowWith({{4, '?'}})}, {}, ""), "'?' at column 4 is not in the legend");
  ExpectRefused(SmallLevel("plumvale", {RowWith({{4, 'x'}})}, {}, ""), "value 70 at column 4 is outside");
  ExpectRefused(SmallLevel("plumvale", {}, {RowWith({{4, 'h'}})}, ""), "value 16 at column 4 is outside");
  ExpectRefused(SmallLevel("plumvale", {}, {}, " wobbler 10 10\n"), "unknown item kind \"wobbler\"");
  ExpectRefused(SmallLevel("ashmoor", {}, {}, " spring_upright 10 g\n"), "does not exist in ashmoor");
  ExpectRefused(SmallLevel("ashmoor", {}, {}, " hopper_a 10 g\n"), "does not exist in ashmoor");
  ExpectRefused(SmallLevel("plumvale", {}, {}, " ring 10 g-\n"), "bad y");
  ExpectRefused(SmallLevel("plumvale", {}, {}, " spring_down 10 c5\n"), "no ceiling");
  ExpectRefused("zone plumvale\nmain\nend\n", "layer has 0 rows");
  ExpectRefused("zone elsewhere\n", "unknown zone");
  ExpectRefused("act 0\n", "no zone");
}

TEST(LevelCompiler, AGroundReferenceOverAPitIsRefused) {
  std::string text = SmallLevel("plumvale", {}, {}, " spring_up 1300 g\n");
  // open column 10 all the way down
  for (size_t pos = text.find(kGroundRow); pos != std::string::npos; pos = text.find(kGroundRow, pos + 1))
    text[pos + 10] = '.';
  ExpectRefused(text, "no ground under spring_up");
}

// ---------------------------------------------------------------- curve and demo floor

TEST(CurveFile, IsAQuarterCircleOfRadius126InsideTheBlock) {
  const auto curve = levels::CurveFileBytes();
  ASSERT_EQ(curve.size(), 129u);
  EXPECT_EQ(curve[0], 126);    // the right-hand wall stays inside its own column
  EXPECT_EQ(curve[126], 0);
  EXPECT_EQ(curve[127], 0);
  EXPECT_EQ(curve[128], 0);
  EXPECT_EQ(curve[64], 109);   // sqrt(11780) = 108.54
  EXPECT_EQ(curve[90], 88);    // sqrt(7776) = 88.18
  EXPECT_EQ(curve[125], 16);   // sqrt(251) = 15.84
  // at the height where the lower-left piece hands the rider from wall to floor,
  // 19 pixels above the ground, the wall lies right of local x 64
  EXPECT_GT(128 - curve[128 - 19], 64);
  for (int i = 1; i < 129; ++i) EXPECT_LE(curve[i], curve[i - 1]) << i;
  for (int i = 0; i <= 126; ++i) EXPECT_EQ(curve[i], std::lround(std::sqrt(126.0 * 126.0 - i * i))) << i;
}

TEST(DemoFloor, Has639CellsOfTheDrawnKindsOnly) {
  const auto floor = levels::DemoFloorBytes();
  ASSERT_EQ(floor.size(), 639u);
  std::set<int> kinds(floor.begin(), floor.end());
  EXPECT_EQ(kinds, (std::set<int>{0, 1, 4, 5, 6}));
  // the kerbs line both sides of every depth row
  for (int row = 0; row < 71; ++row) {
    EXPECT_NE(floor[row * 9], 0) << row;
    EXPECT_NE(floor[row * 9 + 8], 0) << row;
  }
}

// ---------------------------------------------------------------- levelcheck

struct Act {
  std::vector<uint8_t> map = std::vector<uint8_t>(1563, 0);
  std::vector<uint8_t> items = std::vector<uint8_t>(1505, 0);
  int itemCount = 0;

  Act() {
    for (int r = 7; r < 10; ++r)
      for (int c = 0; c < 78; ++c) Main(r, c) = 1;
  }
  uint8_t& Main(int r, int c) { return map[static_cast<size_t>(r * 78 + c)]; }
  uint8_t& Fore(int r, int c) { return map[static_cast<size_t>(783 + r * 78 + c)]; }
  void AddItem(uint8_t kind, int x, int y) {
    uint8_t* rec = &items[static_cast<size_t>(itemCount++ * 5)];
    rec[0] = kind;
    rec[1] = static_cast<uint8_t>(x / 128);
    rec[2] = static_cast<uint8_t>(x % 128);
    rec[3] = static_cast<uint8_t>(y / 128);
    rec[4] = static_cast<uint8_t>(y % 128);
  }
  // A loop at column c with its floor at row g, in Plum Vale's values.
  void Loop(int c, int g, int lowerLeft = 65, int upperLeft = 66, int end = 67) {
    Main(g - 1, c) = static_cast<uint8_t>(lowerLeft);
    Main(g - 2, c) = static_cast<uint8_t>(upperLeft);
    Fore(g - 1, c + 1) = 6;
    Fore(g - 2, c + 1) = 7;
    Main(g - 1, c - 1) = static_cast<uint8_t>(end);
    Main(g - 1, c + 2) = static_cast<uint8_t>(end);
    Main(g - 2, c - 1) = static_cast<uint8_t>(end);
    Main(g - 2, c + 2) = static_cast<uint8_t>(end);
    Fore(g - 3, c) = 9;
    Fore(g - 3, c + 1) = 9;
  }
  levelcheck::Report Check(Zone zone = Zone::PlumVale, std::optional<int> act = std::nullopt) const {
    return levelcheck::CheckAct(zone, act, map, items);
  }
};

std::string Faults(const levelcheck::Report& report) {
  std::string all;
  for (const auto& f : report.faults) all += f.where + ": " + f.what + "\n";
  return all;
}

void ExpectFault(const Act& act, const std::string& where, const std::string& what, Zone zone = Zone::PlumVale,
                 std::optional<int> actIndex = std::nullopt) {
  const auto report = act.Check(zone, actIndex);
  bool found = false;
  for (const auto& f : report.faults) found = found || (f.where.find(where) != std::string::npos && f.what.find(what) != std::string::npos);
  EXPECT_TRUE(found) << "expected \"" << where << "\" / \"" << what << "\", got:\n" << Faults(report);
}

TEST(LevelCheck, AcceptsASoundActWithALoopAPipeAndStandingItems) {
  Act act;
  act.Loop(10, 7);
  act.Fore(6, 30) = 6;         // a lone right pipe with open air on its right
  act.Main(6, 40) = 65;        // a lone left pipe
  act.AddItem(1, 1400, 700);   // a ring inside the loop
  act.AddItem(17, 2000, 864);  // a spring standing on the ground
  act.AddItem(3, 2100, 864);   // a box
  act.AddItem(24, 2200, 846);  // a lamp post: its pole ends 50 below its y
  act.AddItem(29, 3000, 874);  // a patrol with flat ground under its whole sweep
  act.AddItem(25, 4000, 700);  // a platform
  act.AddItem(7, 4010, 670);   // a box standing on the platform's top
  const auto report = act.Check(Zone::PlumVale, 0);
  EXPECT_TRUE(report.faults.empty()) << Faults(report);
  EXPECT_EQ(report.stats.loops, 1);
  EXPECT_EQ(report.stats.pipes, 2);
  EXPECT_EQ(report.stats.rings, 1);
  EXPECT_EQ(report.stats.boxes, 2);
  EXPECT_EQ(report.stats.items, 7);
}

TEST(LevelCheck, RejectsLoopsOutOfTheLayout) {
  {
    Act act;
    act.Loop(10, 7);
    act.Main(6, 12) = 0;  // no end marker after the loop
    ExpectFault(act, "cell (row 5, column 10)", "end marker 67 missing after the loop");
  }
  {
    Act act;
    act.Loop(10, 7);
    act.Fore(4, 11) = 0;  // no ceiling marker over the upper-right cell
    ExpectFault(act, "cell (row 5, column 10)", "ceiling markers 9 missing");
  }
  {
    Act act;
    act.Loop(10, 7);
    act.Main(6, 10) = 0;  // lower-left piece missing
    ExpectFault(act, "cell (row 5, column 10)", "lower-left piece 65 missing");
  }
  {
    Act act;
    act.Loop(10, 7);
    act.Main(5, 12) = 0;  // open beside the upper-right piece
    ExpectFault(act, "cell (row 5, column 10)", "end markers 67 missing beside the upper pieces");
  }
  {
    Act act;
    act.Loop(10, 7);
    act.Main(5, 11) = 1;  // something solid inside the right-hand half
    ExpectFault(act, "cell (row 5, column 10)", "right-hand cells must be 0");
  }
  {
    Act act;
    act.Loop(10, 7);
    act.Main(7, 11) = 3;  // a ledge block as floor
    ExpectFault(act, "cell (row 5, column 10)", "full ground blocks under it");
  }
  {
    Act act;
    act.Loop(10, 7, 62, 63, 64);  // the second zone's values are not loop pieces in the first
    ExpectFault(act, "cell (row 6, column 11)", "lone right pipe needs an open cell on its right");
  }
  {
    Act act;
    act.Main(6, 20) = 67;  // a stray end marker
    ExpectFault(act, "cell (row 6, column 20)", "loop end marker 67 outside a loop");
  }
  {
    Act act;
    act.Fore(3, 20) = 9;
    act.Fore(3, 21) = 7;
    act.Fore(3, 22) = 8;
    ExpectFault(act, "cell (row 3, column 20)", "ceiling marker 9 outside a loop");
    ExpectFault(act, "cell (row 3, column 21)", "upper-right loop piece 7 outside a loop");
    ExpectFault(act, "cell (row 3, column 22)", "loop start marker 8");
  }
  {
    Act act;
    act.Main(2, 30) = 66;  // an upper-left piece too near the top for its ceiling markers... and no loop
    act.Main(0, 40) = 66;
    ExpectFault(act, "cell (row 0, column 40)", "loop does not fit");
    ExpectFault(act, "cell (row 2, column 30)", "lower-left piece 65 missing");
  }
}

TEST(LevelCheck, AcceptsTheSecondZonesLoopValuesOnlyThere) {
  Act act;
  act.Loop(10, 7, 62, 63, 64);
  const auto report = act.Check(Zone::AshMoor);
  EXPECT_TRUE(report.faults.empty()) << Faults(report);
  EXPECT_EQ(report.stats.loops, 1);
}

TEST(LevelCheck, RejectsPipesWithoutTheirOpening) {
  {
    Act act;
    act.Fore(6, 30) = 6;
    act.Main(6, 31) = 1;  // a wall on the right: the player is never launched
    ExpectFault(act, "cell (row 6, column 30)", "lone right pipe needs an open cell on its right");
  }
  {
    Act act;
    act.Fore(6, 30) = 6;
    act.Fore(6, 31) = 7;
    ExpectFault(act, "cell (row 6, column 30)", "foreground value below 6 on its right");
  }
  {
    Act act;
    act.Main(6, 40) = 65;
    act.Main(6, 39) = 2;
    ExpectFault(act, "cell (row 6, column 40)", "lone left pipe needs an open cell on its left");
  }
  {
    Act act;
    act.Fore(5, 30) = 6;  // nothing under it
    ExpectFault(act, "cell (row 5, column 30)", "full ground block under it");
  }
}

TEST(LevelCheck, RejectsValuesOutsideTheZone) {
  Act act;
  act.Main(3, 3) = 68;  // fine in no zone
  act.Main(3, 4) = 65;  // a loop piece in the first zone, beyond the second zone's 64
  act.Fore(3, 5) = 16;
  ExpectFault(act, "cell (row 3, column 3)", "main-layer value 68 is outside the zone's 0..67");
  ExpectFault(act, "cell (row 3, column 5)", "foreground value 16 is outside 0..15");
  ExpectFault(act, "cell (row 3, column 4)", "main-layer value 65 is outside the zone's 0..64", Zone::AshMoor);
}

TEST(LevelCheck, RejectsItemsOutsideTheWorldInTheGroundOrAfloat) {
  {
    Act act;
    act.AddItem(1, 9980, 500);  // a ring 16 wide at 9980 leaves the 9984-pixel world
    ExpectFault(act, "record 0 (ring at 9980, 500)", "outside the world");
  }
  {
    Act act;
    act.AddItem(1, 100, 1270);
    ExpectFault(act, "record 0", "outside the world");
  }
  {
    Act act;
    act.AddItem(3, 500, 866);  // a box sunk 2 pixels into the ground
    ExpectFault(act, "record 0 (box_rings at 500, 866)", "overlaps the solid ground at (500, 896)");
  }
  {
    Act act;
    act.AddItem(17, 500, 800);  // a spring in mid-air
    ExpectFault(act, "record 0 (spring_up at 500, 800)", "floats");
  }
  {
    Act act;
    act.Main(7, 11) = 0;
    act.Main(8, 11) = 0;
    act.Main(9, 11) = 0;
    act.AddItem(29, 1300, 874);  // its sweep crosses the pit at column 11
    ExpectFault(act, "record 0 (patrol", "walks off its ground");
  }
  {
    Act act;
    act.AddItem(20, 500, 700);  // a down spring with nothing above
    ExpectFault(act, "record 0 (spring_down", "should hang under a ceiling");
  }
  {
    Act act;
    act.AddItem(21, 500, 864);  // the diagonal spring exists only in the first zone
    ExpectFault(act, "record 0", "is not an item of ashmoor", Zone::AshMoor);
    act.items[0] = 14;  // a kind that is drawn but never placed
    ExpectFault(act, "record 0", "kind 14 is not an item of plumvale");
  }
  {
    Act act;
    act.AddItem(1, 500, 500);
    act.items[2] = 200;  // XLow beyond the block
    ExpectFault(act, "record 0", "XLow and YLow must be below 128");
  }
}

TEST(LevelCheck, RejectsItemsInsideALoopsCurve) {
  Act act;
  act.Loop(10, 7);
  act.AddItem(1, 11 * 128 + 110, 6 * 128 + 100);  // below the lower-right piece's floor
  ExpectFault(act, "record 0", "overlaps the solid ground");
}

TEST(LevelCheck, RejectsSandOverSolidBlocksOrOverThePit) {
  {
    Act act;
    act.Fore(7, 5) = 1;
    ExpectFault(act, "cell (row 7, column 5)", "sinking sand over a solid block", Zone::AshMoor);
  }
  {
    Act act;
    for (int r = 7; r < 10; ++r) act.Main(r, 5) = 0;
    act.Fore(7, 5) = 10;
    ExpectFault(act, "cell (row 7, column 5)", "no floor beneath", Zone::AshMoor);
  }
}

TEST(LevelCheck, RejectsStandingSceneryThatFloatsOrSitsOnALedge) {
  Act act;
  act.Main(6, 4) = 5;  // a plum tree on the ground: fine
  act.Main(6, 8) = 34;  // a cave wall needs no floor of its own
  act.Main(5, 8) = 34;
  EXPECT_TRUE(act.Check().faults.empty()) << Faults(act.Check());
  act.Main(5, 12) = 5;  // a tree a block above the ground
  ExpectFault(act, "cell (row 5, column 12)", "scenery 5 stands on its cell's floor");
  act.Main(6, 20) = 3;  // a ledge block: its floor is half a block lower
  act.Main(5, 20) = 4;
  ExpectFault(act, "cell (row 5, column 20)", "scenery 4");
  act.Fore(4, 30) = 2;  // a charred bush in the air over Ash Moor's ground
  ExpectFault(act, "cell (row 4, column 30)", "foreground scenery 2", Zone::AshMoor);
  act.Fore(4, 30) = 0;
  act.Fore(6, 30) = 2;
  const auto moor = act.Check(Zone::AshMoor);
  for (const auto& f : moor.faults) EXPECT_EQ(f.where.find("column 30"), std::string::npos) << Faults(moor);
}

TEST(LevelCheck, RejectsAFallingSlopeWhoseFootStopsARunner) {
  Act act;  // ground on row 7; a slope falls from row 5's ledge to the ground
  act.Main(6, 10) = 15;
  act.Main(6, 11) = 16;
  ExpectFault(act, "cell (row 6, column 11)", "the foot of this falling slope stops a runner");
  act.Main(6, 11) = 10;  // ended with the falling step instead
  EXPECT_TRUE(act.Check().faults.empty()) << Faults(act.Check());
  act.Main(6, 11) = 16;  // or with a drop: nothing beyond the foot in the row below
  for (int r = 7; r < 10; ++r) act.Main(r, 12) = 0;
  EXPECT_TRUE(act.Check().faults.empty()) << Faults(act.Check());
}

TEST(LevelCheck, RejectsAnActWhoseStartSignOrCapsuleHasNoGround) {
  {
    Act act;
    for (int r = 7; r < 10; ++r) act.Main(r, 0) = 0;
    ExpectFault(act, "start", "no ground under the start", Zone::PlumVale, 0);
  }
  {
    Act act;  // the first zone's sign stands at (9800, 848) on the ground at 896
    EXPECT_TRUE(act.Check(Zone::PlumVale, 0).faults.empty());
    // the second zone's act 0 sign is at y 1040: over plain ground at 896 it is buried
    ExpectFault(act, "end sign", "overlaps the ground", Zone::AshMoor, 0);
    // act 1's sign at y 464 floats over ground at 896
    ExpectFault(act, "end sign", "does not stand on the ground", Zone::AshMoor, 1);
    // act 2 ends at the capsule (9792, 832), 64 high: it stands on the ground at 896
    EXPECT_TRUE(act.Check(Zone::AshMoor, 2).faults.empty()) << Faults(act.Check(Zone::AshMoor, 2));
  }
  {
    Act act;
    act.map.resize(1500);
    ExpectFault(act, "map file", "is 1500 bytes, must be 1563");
  }
}

// Heights a player can stand at, counted per column; a danger that a runner meets after a long flat
// is named unless rings lead over it, and the act falls short of the targets.
TEST(LevelCheck, MeasuresTheWholeMapAndNamesUnwarnedDangersAfterAFastStretch) {
  Act act;  // ground at row 7
  for (int c = 10; c < 50; ++c) act.Main(4, c) = 1;
  for (int c = 10; c < 30; ++c) act.Main(1, c) = 1;
  act.AddItem(13, 60 * 128, 864);  // spikes after ten blocks of flat ground
  auto report = act.Check(Zone::PlumVale, 0);
  EXPECT_TRUE(report.faults.empty()) << Faults(report);
  EXPECT_EQ(report.stats.twoHeights, 40 * 100 / 78);
  EXPECT_EQ(report.stats.threeHeights, 20 * 100 / 78);
  EXPECT_EQ(report.stats.highestRow, 1);
  auto named = [](const levelcheck::Report& r, const std::string& what) {
    for (const auto& f : r.shortfalls)
      if (f.where.find(what) != std::string::npos || f.what.find(what) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(named(report, "spikes at 7680")) << Faults({report.shortfalls, {}, {}});
  EXPECT_TRUE(named(report, "0 rings, at least 180"));
  EXPECT_TRUE(named(report, "two standing heights two rows apart in 51 %"));
  for (int i = 0; i < 4; ++i) act.AddItem(1, 7480 + i * 60, 820 - (i % 3 ? 30 : 0));  // a trail over it
  report = act.Check(Zone::PlumVale, 0);
  EXPECT_FALSE(named(report, "spikes at 7680")) << Faults({report.shortfalls, {}, {}});
}

// ---------------------------------------------------------------- the shipped acts

struct ActGoal {
  std::string file;
  Zone zone;
  int act;
};

void PrintTo(const ActGoal& goal, std::ostream* out) { *out << goal.file; }

class ShippedAct : public testing::TestWithParam<ActGoal> {};

TEST_P(ShippedAct, PassesLevelcheckAndOffersEverythingAnActShould) {
  const ActGoal goal = GetParam();
  const Level level = levels::LoadLevel(levels::SourceFolder() / goal.file);
  ASSERT_EQ(level.zone, goal.zone);
  ASSERT_EQ(level.act, goal.act);
  const auto report = levelcheck::CheckAct(goal.zone, goal.act, levels::MapFileBytes(level), levels::ItemFileBytes(level));
  ASSERT_TRUE(report.faults.empty()) << Faults(report);
  EXPECT_TRUE(report.shortfalls.empty()) << Faults({report.shortfalls, {}, {}});
  const auto& s = report.stats;
  EXPECT_GE(s.boxes, 6);
  EXPECT_GE(s.boxKinds, 3);
  EXPECT_GE(s.hazards, 2);
  EXPECT_GE(s.platforms, 1);
  EXPECT_LE(s.items, 301);
  if (goal.zone == Zone::PlumVale) {
    EXPECT_GE(s.loops, 1);
  } else {
    EXPECT_GE(s.pipes, 1);
    EXPECT_GE(s.sandCells, 2);
  }
  // every spring and enemy kind of the zone is there
  std::set<int> kinds;
  for (const auto& item : level.items) kinds.insert(item.kind);
  const std::vector<int> wanted = goal.zone == Zone::PlumVale ? std::vector<int>{13, 15, 17, 18, 19, 20, 21, 22, 29, 30, 31}
                                                              : std::vector<int>{13, 15, 17, 18, 19, 20, 29};
  for (int k : wanted) EXPECT_TRUE(kinds.count(k)) << goal.file << " has no item of kind " << k;
}

INSTANTIATE_TEST_SUITE_P(Acts, ShippedAct,
                         testing::Values(ActGoal{"pvz1.lvl", Zone::PlumVale, 0}, ActGoal{"amz1.lvl", Zone::AshMoor, 0},
                                         ActGoal{"amz2.lvl", Zone::AshMoor, 1}, ActGoal{"amz3.lvl", Zone::AshMoor, 2}),
                         [](const testing::TestParamInfo<ActGoal>& param) {
                           return param.param.file.substr(0, param.param.file.find('.'));
                         });

}  // namespace
