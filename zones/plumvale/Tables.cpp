// Plum Vale's tables: its files, start values, ends, drawing and background bands. The player's and
// the items' value sets are in PlayerValues.cpp and ItemValues.cpp beside this file.
#include "zones/ZoneProgram.h"
#include "zones/plumvale/Values.h"

namespace orvane {

const ZoneTables& PlumvaleTables() {
  static const ZoneTables tables{
      .program = "Plumvale",
      .caption = "Plum Vale",
      .actCount = 1,
      .tileRows = kPlumValeFacts.lastValue,
      .files = {.tiles = "Data/R1/PVT.til",
                .backMap = "Data/R1/PVB.map",
                .actMap = {"Data/R1/PVZ1.map", nullptr, nullptr},
                .actItems = {"Data/R1/PVZ1.itm", nullptr, nullptr},
                .backSheet = "Data/R1/PVL3.bmp",
                .backSheetHeight = 1152,
                .blockSheet = "Data/R1/PVL1.bmp",
                .blockSheetHeight = 2560,
                .foreSheet = "Data/R1/PVL2.bmp",
                .foreSheetHeight = 1152,
                .zoneSprites = "Data/R1/Sprited.bmp",
                .music = "Data/Music1.Wav"},
      .titleName = "PLUM VALE",
      .titleNameFirstEntry = 1,
      .signY = kPlumValeFacts.signY,
      .setsHopOffsetB = true,
      .endsAfterFirstAct = true,
      .writesProgressWhenComplete = true,
      .startsLauncherOnEnd = true,
      .sendsCdCommands = false,
      .collision = PlumvaleCollision(),
      .loops = PlumvaleLoops(),
      .hasSand = false,
      .items = PlumvaleItems(),
      .lostRingFloorBelow = {1, 2},
      .lostRingLowFloor = {1, 2, 3, 20, 36, 51},
      .animatesTiles = true,
      .blocks = {.kind = BlockDrawKinds(kPlumValeFacts.draw),
                 .animatedForeground = true},
      .parallax = {.divisor = {0, 24, 24, 24, 12, 12, 8, 4},
                   .verticalDivisor = 6,
                   .band8Divisor = 2,
                   .band8CopiesBand7 = false,
                   .hasBand9 = true,
                   .driftPerFrame = {0, 0, 0, 0},
                   .maxValue = 9,
                   .lift = {0, 0, 0, 0, 0, 0, 0, 128, 256, 256}},
  };
  return tables;
}

}  // namespace orvane
