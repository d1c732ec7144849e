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
      .tileRows = 67,
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
      .signY = {848, 464, 848},
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
      .blocks = {.kind = BlockDrawKinds({1, 2, {4, 9}, 11, 13, 15, 17, 18, 19, 34, 35, 50, 65, 66, 67},
                                        {{21, 26}, 28, 30, 32, {37, 42}, 44, 46, 48, {52, 57}, 59, 61, 63},
                                        {3, 10, 12, 14, 16},
                                        {20, 27, 29, 31, 33, 36, 43, 45, 47, 49, 51, 58, 60, 62, 64}),
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
