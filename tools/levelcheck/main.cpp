// levelcheck --zone plumvale|ashmoor [--act N] MAP ITM
// Checks one compiled act and prints each fault as "FILE: WHERE: FAULT".
// Exit status: 0 when the act is sound, 1 when it has faults or a file cannot
// be read, 2 for a wrong command line.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tools/levelcheck/LevelCheck.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: levelcheck --zone plumvale|ashmoor [--act N] MAP ITM\n");
  return 2;
}

std::optional<std::vector<uint8_t>> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<levels::Zone> zone;
  std::optional<int> act;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--zone" && i + 1 < argc) {
      zone = levels::ZoneFromName(argv[++i]);
      if (!zone) return Usage();
    } else if (arg == "--act" && i + 1 < argc) {
      const std::string n = argv[++i];
      if (n != "0" && n != "1" && n != "2") return Usage();
      act = n[0] - '0';
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage();
    } else {
      files.push_back(arg);
    }
  }
  if (!zone || files.size() != 2) return Usage();
  const std::string& mapPath = files[0];
  const std::string& itemPath = files[1];
  const auto map = ReadFile(mapPath);
  if (!map) {
    std::fprintf(stderr, "%s: cannot read the file\n", mapPath.c_str());
    return 1;
  }
  const auto items = ReadFile(itemPath);
  if (!items) {
    std::fprintf(stderr, "%s: cannot read the file\n", itemPath.c_str());
    return 1;
  }
  const levelcheck::Report report = levelcheck::CheckAct(*zone, act, *map, *items);
  for (const levelcheck::Fault& fault : report.faults) {
    const bool itemFault = fault.where.rfind("record", 0) == 0 || fault.where == "item file";
    std::fprintf(stderr, "%s: %s: %s\n", (itemFault ? itemPath : mapPath).c_str(), fault.where.c_str(),
                 fault.what.c_str());
  }
  for (const levelcheck::Fault& shortfall : report.shortfalls) {
    const bool itemFault = shortfall.where.rfind("record", 0) == 0;
    std::fprintf(stderr, "%s: %s: falls short: %s\n", (itemFault ? itemPath : mapPath).c_str(), shortfall.where.c_str(),
                 shortfall.what.c_str());
  }
  const levelcheck::ActStats& s = report.stats;
  if (act)
    std::printf("%s: two heights %d %%, three heights %d %%, highest row %d, %d rings, %d enemies, %d lamp posts, "
                "%d boxes of %d kinds, %d fast stretches\n",
                mapPath.c_str(), s.twoHeights, s.threeHeights, s.highestRow, s.rings, s.enemies, s.lampPosts, s.boxes,
                s.boxKinds, s.fastStretches);
  if (!report.faults.empty() || !report.shortfalls.empty()) return 1;
  std::printf("%s: sound: %d items: %d rings, %d boxes of %d kinds, %d lamp posts, %d springs, %d enemies, "
              "%d hazards, %d platforms; %d loops, %d quarter pipes, %d sand cells\n",
              mapPath.c_str(), s.items, s.rings, s.boxes, s.boxKinds, s.lampPosts, s.springs, s.enemies, s.hazards,
              s.platforms, s.loops, s.pipes, s.sandCells);
  return 0;
}
