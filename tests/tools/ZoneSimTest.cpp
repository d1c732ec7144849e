// zonesim's fixed interface: options, printed frames, events, the end, and its faults.
#include "tools/zonesim/ZoneSim.h"

#include <gtest/gtest.h>

#include <fstream>

#include <algorithm>
#include <sstream>

#include <nlohmann/json.hpp>

#include "platform/headless/Headless.h"

#include "tests/support/MiniInstall.h"
#include "tests/support/ZoneFixture.h"

namespace orvane {
namespace {

struct SimResult {
  int status;
  std::string out, err;
};

class ZoneSim : public ::testing::Test {
 protected:
  ZoneSim() {
    z.FillRow(3, 1);
    z.SaveAct();
    test::WriteMinimalInstallation(z.folder(), PlumvaleTables());
  }
  SimResult Sim(std::vector<std::string> args) {
    std::vector<std::string> all = {"--zone", "plumvale", "--dir", z.folder().string()};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out, err;
    const int status = RunZoneSim(all, out, err);
    return {status, out.str(), err.str()};
  }
  test::ZoneFixture z;
};

TEST_F(ZoneSim, PrintsFrameZeroEveryKthAndTheLastFrame) {
  const SimResult r = Sim({"--frames", "5", "--every", "2", "--print", "Lives,TitleCardFrames,ItemKind[0]"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"frame\":0,\"Lives\":3,\"TitleCardFrames\":0,\"ItemKind[0]\":0}\n"
            "{\"frame\":2,\"Lives\":3,\"TitleCardFrames\":2,\"ItemKind[0]\":0}\n"
            "{\"frame\":4,\"Lives\":3,\"TitleCardFrames\":4,\"ItemKind[0]\":0}\n"
            "{\"frame\":5,\"Lives\":3,\"TitleCardFrames\":5,\"ItemKind[0]\":0}\n");
}

TEST_F(ZoneSim, SetChangesAFieldAfterStartUpAndNumbersRoundTrip) {
  const SimResult r = Sim({"--frames", "0", "--set", "TitleBarX=0.1", "--set", "RingCount=40", "--print", "TitleBarX,RingCount"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"frame\":0,\"TitleBarX\":0.1,\"RingCount\":40}\n");
}

TEST_F(ZoneSim, FinalPrintsOnlyTheLastFrame) {
  const SimResult r = Sim({"--frames", "3", "--final", "--print", "TitleCardFrames"});
  EXPECT_EQ(r.out, "{\"frame\":3,\"TitleCardFrames\":3}\n");
}

TEST_F(ZoneSim, EventsOfStartUpBelongToFrameZeroAndTheEndIsPrinted) {
  const SimResult r = Sim({"--frames", "10", "--events", "--keys", "0:none;3:Escape", "--print", "Lives"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("{\"frame\":0,\"event\":\"sound\",\"slot\":\"music\",\"op\":\"loop\"}"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("{\"frame\":3,\"ended\":true}"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("\"frame\":4"), std::string::npos) << r.out;
}

TEST_F(ZoneSim, UnknownNamesAndBadIndexesAreUsageFaults) {
  EXPECT_EQ(Sim({"--print", "NoSuchField"}).status, 2);
  EXPECT_NE(Sim({"--print", "NoSuchField"}).err.find("NoSuchField"), std::string::npos);
  EXPECT_EQ(Sim({"--print", "ItemKind[301]"}).status, 2);
  EXPECT_EQ(Sim({"--print", "ItemKind"}).status, 2);
  EXPECT_EQ(Sim({"--set", "Bogus=1"}).status, 2);
  // the character is read with its sheets at start-up: a later change would draw no player at all
  const SimResult character = Sim({"--set", "Character=1"});
  EXPECT_EQ(character.status, 2);
  EXPECT_NE(character.err.find("Orvane.cfg"), std::string::npos) << character.err;
  EXPECT_EQ(Sim({"--keys", "0:Jump"}).status, 2);
  EXPECT_EQ(Sim({"--frobnicate"}).status, 2);
}

TEST_F(ZoneSim, HelpPrintsTheUsageAndAnUnknownOptionPrintsItAfterTheFault) {
  std::ostringstream out, err;
  EXPECT_EQ(RunZoneSim({"--help", "--frobnicate"}, out, err), 0);
  EXPECT_EQ(out.str().rfind("usage: zonesim --zone plumvale|ashmoor --dir DIR", 0), 0u) << out.str();
  EXPECT_NE(out.str().find("--keys-file FILE"), std::string::npos);
  EXPECT_EQ(err.str(), "");
  const SimResult r = Sim({"--frobnicate"});
  EXPECT_EQ(r.err, "zonesim: unknown option: --frobnicate\n" + out.str());
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(Sim({"--frames=2", "--final", "--print", "TitleCardFrames"}).out, "{\"frame\":2,\"TitleCardFrames\":2}\n");
  EXPECT_EQ(Sim({"--every"}).err, "zonesim: --every needs a value\n");
}

TEST_F(ZoneSim, ADataFaultIsOneLineNamingTheFileAndStatusOne) {
  std::filesystem::remove(z.folder() / "Data/R1/PVZ1.itm");
  const SimResult r = Sim({"--frames", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("PVZ1.itm"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST_F(ZoneSim, AnActThatTheZoneDoesNotHaveIsAFault) {
  const SimResult r = Sim({"--act", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("act 1"), std::string::npos) << r.err;
}

TEST_F(ZoneSim, WritesThePictureOfTheLastFrame) {
  const auto png = z.folder() / "shot.png";
  const SimResult r = Sim({"--frames", "2", "--png", png.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  // a PNG whose header gives the composed picture's size
  std::ifstream in(png, std::ios::binary);
  std::string head(24, '\0');
  in.read(head.data(), 24);
  EXPECT_EQ(head.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(head.substr(12, 4), "IHDR");
  EXPECT_EQ(head.substr(16, 8), std::string("\0\0\x01\x40\0\0\0\xf0", 8));  // 320 x 240
}

// A started program's file or a CD command is printed as a JSON string whatever it holds.
TEST(ZoneSimEvents, FileNamesAndCommandsAreEscaped) {
  const std::string odd = "a \"b\"\\c\td\x01.exe";
  const std::string start = EventLine(7, {platform::RecordedEvent::Kind::Start, 0, 0, {}, odd});
  ASSERT_EQ(start.back(), '\n');
  const auto parsed = nlohmann::json::parse(start);
  EXPECT_EQ(parsed["frame"], 7);
  EXPECT_EQ(parsed["event"], "start");
  EXPECT_EQ(parsed["file"], odd);
  EXPECT_EQ(nlohmann::json::parse(EventLine(0, {platform::RecordedEvent::Kind::Cd, 0, 0, {}, odd}))["command"], odd);
  // bytes that are no UTF-8 still make a line that parses
  EXPECT_NO_THROW(nlohmann::json::parse(EventLine(0, {platform::RecordedEvent::Kind::Start, 0, 0, {}, "\xff\xfe"})));
}

}  // namespace
}  // namespace orvane
