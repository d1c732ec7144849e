// Ash Moor's tables: its files, start values, ends, drawing and background bands. The player's and
// the items' value sets are in PlayerValues.cpp and ItemValues.cpp beside this file.
#include "zones/ZoneProgram.h"
#include "zones/ashmoor/Values.h"

namespace orvane {

const ZoneTables& AshmoorTables() {
  static const ZoneTables tables{
      .program = "Ashmoor",
      .caption = "Ashmoor",
      .actCount = 3,
      .tileRows = kAshMoorFacts.lastValue,
      .files = {.tiles = "Data/R2/AMT.til",
                .backMap = "Data/R2/AMB.map",
                .actMap = {"Data/R2/AMZ1.map", "Data/R2/AMZ2.map", "Data/R2/AMZ3.map"},
                .actItems = {"Data/R2/AMZ1.itm", "Data/R2/AMZ2.itm", "Data/R2/AMZ3.itm"},
                .backSheet = "Data/R2/AML3.bmp",
                .backSheetHeight = 1024,
                .blockSheet = "Data/R2/AML1.bmp",
                .blockSheetHeight = 2432,
                .foreSheet = "Data/R2/AML2.bmp",
                .foreSheetHeight = 1152,
                .zoneSprites = "Data/R2/Sprited.bmp",
                .music = "Data/Music2.Wav"},
      .titleName = "ASH MOOR",
      .titleNameFirstEntry = 2,
      .signY = kAshMoorFacts.signY,
      .setsHopOffsetB = false,
      .endsAfterFirstAct = false,
      .writesProgressWhenComplete = false,
      .startsLauncherOnEnd = false,
      .sendsCdCommands = true,
      .collision = AshmoorCollision(),
      .loops = AshmoorLoops(),
      .hasSand = true,
      .items = AshmoorItems(),
      .lostRingFloorBelow = {{1, 14}},
      .lostRingLowFloor = {{1, 17}, 29, 30, 31, 42, 43, 44, 51, 52, 53},
      .animatesTiles = false,
      .blocks = {.kind = BlockDrawKinds(kAshMoorFacts.draw),
                 .animatedForeground = false},
      .parallax = {.divisor = {0, 32, 24, 16, 12, 8, 8, 4},
                   .verticalDivisor = 16,
                   .band8Divisor = 0,
                   .band8CopiesBand7 = true,
                   .hasBand9 = false,
                   .driftPerFrame = {0, 0.1, 0.2, 0.4},
                   .maxValue = 8,
                   .lift = {0, 0, 128, 256, 384, 512, 512, 512, 512}},
  };
  return tables;
}

}  // namespace orvane
