// Ash Moor, the second zone: three acts with sinking sand, then the game is over.
#include "zones/ZoneProgram.h"

int main(int argc, char** argv) { return orvane::RunZoneProgram(orvane::AshmoorTables(), argc, argv); }
