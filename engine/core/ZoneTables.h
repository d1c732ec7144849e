// Everything in which the two zone programs differ, as data. The engine reads one ZoneTables; there
// is no test of which zone is running anywhere else.
#pragma once

#include <array>
#include <cstdint>

#include "engine/core/ValueSet.h"
#include "engine/draw/DrawTables.h"
#include "engine/objects/ObjectTables.h"
#include "engine/player/PlayerTables.h"

namespace orvane {

// File names, relative to the zone program's own folder.
struct ZoneFiles {
  const char* tiles;
  const char* backMap;
  std::array<const char*, 3> actMap;
  std::array<const char*, 3> actItems;
  const char* backSheet;
  int backSheetHeight;
  const char* blockSheet;
  int blockSheetHeight;
  const char* foreSheet;
  int foreSheetHeight;
  const char* zoneSprites;
  const char* music;
};

struct ZoneTables {
  const char* program;      // the program's file name
  const char* caption;      // the window caption
  int actCount;             // acts of the zone: 1 or 3
  int tileRows;             // entries per column of the tile table
  ZoneFiles files;

  // start values
  const char* titleName;          // the zone's name on the title card, capitals and blanks
  int titleNameFirstEntry;        // entry of ZoneNameLetters that holds its first letter
  std::array<int16_t, 3> signY;   // the end sign's y per act
  bool setsHopOffsetB;            // HopOffsetB starts at -128

  // act end and program end
  bool endsAfterFirstAct;          // the act end forces ActIndex 2, so the zone is one act long
  bool writesProgressWhenComplete; // the completed zone writes Progress 2
  bool startsLauncherOnEnd;        // EndIt stops the music and starts Save (unless Escape ended it)
  bool sendsCdCommands;            // "play cdaudio" at start-up, "stop cdaudio" at the end

  // per subsystem
  CollisionTables collision;
  LoopTables loops;
  bool hasSand;
  ItemTables items;
  ValueSet lostRingFloorBelow;     // a lost ring bounces on these blocks below it ...
  ValueSet lostRingLowFloor;       // ... and on the low floor of these in its own block
  bool animatesTiles;              // TileFrame advances
  BlockDrawTables blocks;
  ParallaxTables parallax;
};

}  // namespace orvane
