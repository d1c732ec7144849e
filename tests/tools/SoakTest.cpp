// The soak's figures: a line per act and character as it goes, deaths and game overs told apart.
#include "tools/soak/Soak.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "tests/support/MiniInstall.h"
#include "tests/support/ZoneFixture.h"

namespace orvane {
namespace {

struct SoakResult {
  int status;
  std::string out, err;
};

SoakResult Soak(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunSoak(args, out, err);
  return {status, out.str(), err.str()};
}

// The whole number written just before " WHAT" in a line of figures, or -1.
long Figure(const std::string& line, const std::string& what) {
  const size_t at = line.find(" " + what);
  if (at == std::string::npos || at == 0) return -1;
  size_t start = at;
  while (start > 0 && std::isdigit(static_cast<unsigned char>(line[start - 1]))) --start;
  return start == at ? -1 : std::stol(line.substr(start, at - start));
}

// An act with no floor at all: every attempt falls out of the world, so a run is four deaths and a
// game over, and the next run starts afresh.
TEST(Soak, CountsDeathsAndGameOversAndReportsAsItGoes) {
  test::ZoneFixture z;
  z.SaveAct();
  test::WriteMinimalInstallation(z.folder(), PlumvaleTables());
  const SoakResult r = Soak({"--data", z.folder().string(), "--zone", "plumvale", "--character", "1", "--frames",
                             "6000", "--progress", "2000"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.out);
  std::vector<std::string> got;
  for (std::string l; std::getline(lines, l);) got.push_back(l);
  ASSERT_EQ(got.size(), 4u) << r.out;  // two progress lines, the act's last line, the total
  EXPECT_EQ(Figure(got[0], "frames"), 2000);
  EXPECT_EQ(Figure(got[1], "frames"), 4000);
  EXPECT_EQ(got[0].rfind("Plumvale act 0 character 1: ", 0), 0u) << got[0];
  const std::string& last = got[2];
  EXPECT_EQ(Figure(last, "frames"), 6000);
  EXPECT_NE(last.find("no fault"), std::string::npos) << last;
  const long gameOvers = Figure(last, "game overs"), deaths = Figure(last, "deaths"), runs = Figure(last, "runs");
  EXPECT_GE(gameOvers, 1) << last;
  EXPECT_EQ(Figure(last, "zone ends"), 0) << last;
  EXPECT_GE(deaths, 4 * gameOvers) << last;
  EXPECT_LT(deaths, 4 * (gameOvers + 1)) << last;
  EXPECT_EQ(runs, gameOvers + 1) << last;
  EXPECT_NE(got[3].find("soak: 6000 frames in " + std::to_string(runs) + " runs, " + std::to_string(deaths) +
                        " deaths, " + std::to_string(gameOvers) + " game overs"),
            std::string::npos)
      << got[3];
}

// A floor with the player standing on it and no key that could move him would be held still; the
// random keys always move him somewhere, so the check stays quiet on a plain floor, and a player who
// is stopped by a wall for a while is not held.
TEST(Soak, APlayerWhoMovesIsNeverCalledStuck) {
  test::ZoneFixture z;
  z.FillRow(3, 1);
  for (int r = 0; r < 3; ++r) z.SetBlock(r, 12, 1);  // a wall to run into
  z.SaveAct();
  test::WriteMinimalInstallation(z.folder(), PlumvaleTables());
  const SoakResult r = Soak({"--data", z.folder().string(), "--zone", "plumvale", "--character", "0", "--frames",
                             "8000", "--progress", "0", "--stuck-after", "600"});
  EXPECT_EQ(r.status, 0) << r.err;
}

TEST(Soak, BadUsageIsStatusTwo) {
  EXPECT_EQ(Soak({"--frames", "10"}).status, 2);
  EXPECT_EQ(Soak({"--data", "/nonexistent", "--progress", "-1"}).status, 2);
  EXPECT_EQ(Soak({"--data", "/nonexistent", "--stuck-after", "-5"}).status, 2);
  EXPECT_EQ(Soak({"--data", "/nonexistent", "--zone", "nowhere"}).status, 2);
}

TEST(Soak, AMissingInstallationIsAFaultNotACrash) {
  const SoakResult r = Soak({"--data", "/nonexistent/Data", "--zone", "plumvale", "--frames", "10"});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace orvane
