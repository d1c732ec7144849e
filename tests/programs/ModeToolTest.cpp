// The display-mode tool's write: 16 bits at offset 2 of Data/Orvane.cfg below its folder.
#include <gtest/gtest.h>

#include "modetool/ModeTool.h"
#include "platform/system/Error.h"
#include "tests/programs/TempFolder.h"

namespace orvane {
namespace {

using test::ReadBytes;
using test::WriteBytes;

TEST(ModeTool, AMissingFileBecomesFourBytesWithZerosInFront) {
  for (const ModeButton& button : {kCommand1, kCommand2}) {
    test::TempFolder top;
    std::filesystem::create_directories(top.path() / "Data");
    WriteDisplayMode(top.path(), button.mode);
    EXPECT_EQ(ReadBytes(top.path() / "Data/Orvane.cfg"),
              (std::vector<uint8_t>{0, 0, static_cast<uint8_t>(button.mode), 0}))
        << button.text;
  }
}

TEST(ModeTool, TheWriteCoversOffsetsTwoAndThreeOnly) {
  test::TempFolder top;
  const auto cfg = top.path() / "Data/Orvane.cfg";
  WriteBytes(cfg, {2, 1, 0, 5, 6});
  WriteDisplayMode(top.path(), kCommand2.mode);
  EXPECT_EQ(ReadBytes(cfg), (std::vector<uint8_t>{2, 1, 1, 0, 6}));
  WriteDisplayMode(top.path(), kCommand1.mode);
  EXPECT_EQ(ReadBytes(cfg), (std::vector<uint8_t>{2, 1, 0, 0, 6}));
}

TEST(ModeTool, OnlyTheSmallModeEndsTheTool) {
  EXPECT_STREQ(kCommand1.text, "320x240");
  EXPECT_TRUE(kCommand1.endsTool);
  EXPECT_STREQ(kCommand2.text, "640x480");
  EXPECT_FALSE(kCommand2.endsTool);
}

TEST(ModeTool, AMissingDataFolderIsAFaultNamingTheFile) {
  test::TempFolder top;
  try {
    WriteDisplayMode(top.path(), 1);
    FAIL() << "no fault";
  } catch (const platform::FatalError& e) {
    EXPECT_NE(std::string(e.what()).find("Data/Orvane.cfg"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace orvane
