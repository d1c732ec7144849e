// Plum Vale, the first zone: one act, then the launcher offers the next zone.
#include "zones/ZoneProgram.h"

int main() { return orvane::RunZoneProgram(orvane::PlumvaleTables()); }
