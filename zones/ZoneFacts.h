// Each zone's block values: the shape each gives the ground, how it is drawn, its loop pieces, and the
// height of its end signs. The zone programs' tables, the data generator's level tools and the tests
// of the pictures all read them from here, so a value cannot mean one thing in the game and another
// in its data.
#pragma once

#include <array>
#include <cstdint>

#include "engine/core/ValueSet.h"

namespace orvane {

// A zone's main-layer block values by the shape they give the ground; each shape comes in the zone's
// tile sets. A value in none of them (up to the zone's last value) is open.
struct BlockShapes {
  ValueSet empty;           // nothing to stand on or run into
  ValueSet full;            // solid to the top
  ValueSet platform;        // a floor at local y 64
  ValueSet stepLeftHigh;    // floors at 0 (left) and 32 (right)
  ValueSet stepLow64;       // floors at 64 (left) and 96 (right)
  ValueSet stepRightHigh;   // floors at 32 (left) and 0 (right)
  ValueSet step96Low64;     // floors at 96 (left) and 64 (right)
  ValueSet slopeUpUpper;    // a slope rising to the right, its upper piece
  ValueSet slopeUpLower;    // ... and its lower piece
  ValueSet slopeDownUpper;  // a slope falling to the right, its upper piece
  ValueSet slopeDownLower;  // ... and its lower piece
  ValueSet wallOnly;        // a wall to either side, nothing to stand on
};

// The left-hand loop pieces of the main layer and the marker beside a loop.
struct LoopPieces {
  int lowerLeft;
  int upperLeft;
  int end;
};

// How each value is drawn from its two tiles (BlockDrawKind): every value is in one list.
struct BlockDrawLists {
  ValueSet full;          // tile T1
  ValueSet twice;         // T1, then T2 over it
  ValueSet half;          // the top half of T1 in the lower half
  ValueSet fullPlusHalf;  // T1, then the top half of T2 in the lower half
};

struct ZoneFacts {
  int lastValue;  // main-layer values run 0..lastValue (the tile table's rows)
  BlockShapes shapes;
  LoopPieces loop;
  ValueSet openRightOfPipe;  // a right-hand pipe launches when its right neighbour is one of these
  ValueSet openLeftOfPipe;   // a lone left-hand pipe launches when its left neighbour is one of these
  BlockDrawLists draw;
  std::array<int16_t, 3> signY;  // the end sign's y per act
};

// Plum Vale: four tile sets of slopes and steps, pillars that are walls only.
inline constexpr ValueSet kPlumValeEmpty{0, {4, 8}, 19, {21, 25}, 34, 35, {37, 41}, 50, {52, 56}};
inline constexpr ZoneFacts kPlumValeFacts{
    .lastValue = 67,
    .shapes = {.empty = kPlumValeEmpty,
               .full = {1, 2},
               .platform = {3, 20, 36, 51},
               .stepLeftHigh = {9, 26, 42, 57},
               .stepLow64 = {10, 27, 43, 58},
               .stepRightHigh = {11, 28, 44, 59},
               .step96Low64 = {12, 29, 45, 60},
               .slopeUpUpper = {13, 30, 46, 61},
               .slopeUpLower = {14, 31, 47, 62},
               .slopeDownUpper = {15, 32, 48, 63},
               .slopeDownLower = {16, 33, 49, 64},
               .wallOnly = {17, 18}},
    .loop = {.lowerLeft = 65, .upperLeft = 66, .end = 67},
    .openRightOfPipe = kPlumValeEmpty,
    // empty values, the wall-only block 18, the steps 28 and 60 and the slope pieces 61 and 62
    .openLeftOfPipe = {0, 18, 19, 28, 54, 55, 60, 61, 62},
    .draw = {.full = {1, 2, {4, 9}, 11, 13, 15, 17, 18, 19, 34, 35, 50, 65, 66, 67},
             .twice = {{21, 26}, 28, 30, 32, {37, 42}, 44, 46, 48, {52, 57}, 59, 61, 63},
             .half = {3, 10, 12, 14, 16},
             .fullPlusHalf = {20, 27, 29, 31, 33, 36, 43, 45, 47, 49, 51, 58, 60, 62, 64}},
    .signY = {848, 464, 848},
};

// Ash Moor: its tile sets are numbered differently, and it has no wall-only blocks.
inline constexpr ZoneFacts kAshMoorFacts{
    .lastValue = 64,
    .shapes = {.empty = {0, 18, 19, 28, 32, 33, 45, 46, 54, 55, 60, 61},
               .full = {{1, 14}},
               .platform = {{15, 17}, {29, 31}, {42, 44}, {51, 53}},
               .stepLeftHigh = {20, 34, 47, 56},
               .stepLow64 = {21, 35, 48, 57},
               .stepRightHigh = {22, 36, 49, 58},
               .step96Low64 = {23, 37, 50, 59},
               .slopeUpUpper = {24, 38},
               .slopeUpLower = {25, 39},
               .slopeDownUpper = {26, 40},
               .slopeDownLower = {27, 41},
               .wallOnly = {}},
    .loop = {.lowerLeft = 62, .upperLeft = 63, .end = 64},
    .openRightOfPipe = {0, 18, 19, 28, 60},
    .openLeftOfPipe = {0, 18, 19, 28, 54, 55, 60, 61, 62},
    .draw = {.full = {1, 5, 9, 12, 18, 19, 20, 22, 24, 26, 28, {60, 64}},
             .twice = {2, 3, 4, 6, 7, 8, 10, 11, 13, 14, 32, 33, 34, 36, 38, 40, 45, 46, 47, 49, 54, 55, 56, 58},
             .half = {15, 16, 17, 21, 23, 25, 27},
             .fullPlusHalf = {29, 30, 31, 35, 37, 39, {41, 44}, 48, {50, 53}, 57, 59}},
    .signY = {1040, 464, 848},
};

}  // namespace orvane
