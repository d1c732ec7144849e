// Plum Vale, the first zone: one act, then the launcher offers the next zone.
#include "zones/ZoneProgram.h"

int main(int argc, char** argv) { return orvane::RunZoneProgram(orvane::PlumvaleTables(), argc, argv); }
