// levelcheck --zone plumvale|ashmoor [--act N] MAP ITM
// Checks one compiled act and prints each fault as "FILE: WHERE: FAULT".
// Exit status: 0 when the act is sound, 1 when it has faults or a file cannot
// be read, 2 for a wrong command line.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tools/common/CommandLine.h"
#include "tools/levelcheck/LevelCheck.h"

namespace {

using orvane::tools::UsageError;

constexpr orvane::tools::ToolUsage kUsage = {"levelcheck",
    "usage: levelcheck --zone plumvale|ashmoor [--act N] MAP ITM\n"
    "Checks one compiled act (its block map and item file) and prints each fault as \"FILE: WHERE: FAULT\".\n"
    "\n"
    "Options:\n"
    "  --zone NAME   the act's zone: plumvale or ashmoor\n"
    "  --act N       the act's place in its zone, 0 to 2: also checks its start, end sign and capsule,\n"
    "                prints its figures and holds it to what a player needs\n"
    "  --help        show this help, then leave\n"
    "\n"
    "Exit status: 0 the act is sound, 1 it has faults or a file cannot be read, 2 bad usage.\n"};

struct Args {
  std::optional<levels::Zone> zone;
  std::optional<int> act;
  std::vector<std::string> files;
};

Args Parse(const std::vector<std::string>& args) {
  Args a;
  orvane::tools::ReadOptions(args,
                             {{"zone", true,
                               [&](const std::string& v) {
                                 a.zone = levels::ZoneFromName(v);
                                 if (!a.zone) throw UsageError{"unknown zone: " + v, UsageError::Then::UsageLine};
                               }},
                              {"act", true,
                               [&](const std::string& v) {
                                 if (v != "0" && v != "1" && v != "2")
                                   throw UsageError{"bad act: " + v, UsageError::Then::UsageLine};
                                 a.act = v[0] - '0';
                               }}},
                             [&](const std::string& file) { a.files.push_back(file); });
  if (!a.zone) throw UsageError{"--zone is required", UsageError::Then::UsageLine};
  orvane::tools::CheckOperands(a.files, {"MAP", "ITM"});
  return a;
}

std::optional<std::vector<uint8_t>> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  Args a;
  if (const auto status = orvane::tools::TakeCommandLine(kUsage, std::cout, std::cerr, [&] {
        a = Parse(std::vector<std::string>(argv + 1, argv + argc));
      }))
    return *status;
  const std::optional<int> act = a.act;
  const std::string& mapPath = a.files[0];
  const std::string& itemPath = a.files[1];
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
  const levelcheck::Report report = levelcheck::CheckAct(*a.zone, act, *map, *items);
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
