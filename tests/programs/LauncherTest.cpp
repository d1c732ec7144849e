// The launcher's decisions: the status table, the resolution writes and what Play starts.
#include <gtest/gtest.h>

#include "launcher/LauncherForm.h"
#include "tests/programs/TempFolder.h"

namespace orvane {
namespace {

using test::ReadBytes;
using test::WriteBytes;

struct Launcher {
  explicit Launcher(std::vector<uint8_t> config) {
    if (!config.empty()) WriteBytes(cfg(), config);
    form.FormLoad();
  }
  std::filesystem::path cfg() const { return folder.path() / "Orvane.cfg"; }
  test::TempFolder folder;
  test::FolderRecordingProcess process;
  LauncherForm form{process, folder.path()};
};

TEST(LauncherStatus, TheFourPairsPickPictureZoneAndPlayer) {
  struct Row {
    uint8_t progress, character;
    StatusPicture picture;
    const char* zone;
    const char* player;
  };
  const Row rows[] = {
      {1, 0, StatusPicture::Zone1Zinto, "Plum Vale", "Player: Zinto"},
      {1, 1, StatusPicture::Zone1Kubo, "Plum Vale", "Player: Kubo"},
      {2, 0, StatusPicture::Zone2Zinto, "Ash Moor", "Player: Zinto"},
      {2, 1, StatusPicture::Zone2Kubo, "Ash Moor", "Player: Kubo"},
  };
  for (const Row& r : rows) {
    Launcher l({r.progress, r.character, 0});
    ASSERT_TRUE(l.form.Picture1.has_value()) << int(r.progress) << "/" << int(r.character);
    EXPECT_EQ(*l.form.Picture1, r.picture);
    EXPECT_EQ(l.form.Label3, r.zone);
    EXPECT_EQ(l.form.Label4, r.player);
  }
}

TEST(LauncherStatus, PairsOutsideTheTableLeaveTheDesignedWindow) {
  const std::pair<uint8_t, uint8_t> pairs[] = {{0, 0}, {0, 1}, {3, 0}, {1, 2}, {2, 255}, {255, 1}};
  for (const auto& [progress, character] : pairs) {
    Launcher l({progress, character, 1});
    EXPECT_FALSE(l.form.Picture1.has_value()) << int(progress) << "/" << int(character);
    EXPECT_EQ(l.form.Label3, "");
    EXPECT_EQ(l.form.Label4, "Player :");
    EXPECT_EQ(l.form.Label5, "Current Resolution: 640x480");
  }
}

TEST(LauncherStatus, PictureFilesLieInTheSaveFolder) {
  EXPECT_EQ(StatusPictureFile(StatusPicture::Zone1Zinto), "Data/Save/Zone1Zinto.bmp");
  EXPECT_EQ(StatusPictureFile(StatusPicture::Zone1Kubo), "Data/Save/Zone1Kubo.bmp");
  EXPECT_EQ(StatusPictureFile(StatusPicture::Zone2Zinto), "Data/Save/Zone2Zinto.bmp");
  EXPECT_EQ(StatusPictureFile(StatusPicture::Zone2Kubo), "Data/Save/Zone2Kubo.bmp");
}

TEST(LauncherResolution, LabelFollowsTheDisplayByte) {
  EXPECT_EQ(Launcher({1, 0, 0}).form.Label5, "Current Resolution: 320x240");
  EXPECT_EQ(Launcher({1, 0, 1}).form.Label5, "Current Resolution: 640x480");
  EXPECT_EQ(Launcher({1, 0, 2}).form.Label5, "Current Resolution:");
}

TEST(LauncherResolution, AFreshInstallationReadsZerosAndCreatesTheFile) {
  Launcher l({});
  EXPECT_TRUE(std::filesystem::exists(l.cfg()));
  EXPECT_EQ(ReadBytes(l.cfg()).size(), 0u);
  EXPECT_EQ(l.form.Progress, 0);
  EXPECT_EQ(l.form.Label5, "Current Resolution: 320x240");
  EXPECT_FALSE(l.form.Picture1.has_value());
}

TEST(LauncherResolution, ButtonsWriteOnlyTheDisplayByteAtOnce) {
  Launcher l({2, 1, 0, 7, 9});
  l.form.BLargeClick();
  EXPECT_EQ(ReadBytes(l.cfg()), (std::vector<uint8_t>{2, 1, 1, 7, 9}));
  EXPECT_EQ(l.form.Label5, "Current Resolution: 640x480");
  l.form.BsmallClick();
  EXPECT_EQ(ReadBytes(l.cfg()), (std::vector<uint8_t>{2, 1, 0, 7, 9}));
  EXPECT_EQ(l.form.Label5, "Current Resolution: 320x240");
}

TEST(LauncherResolution, AShortFileGrowsToThreeBytes) {
  Launcher l({1});
  l.form.BLargeClick();
  EXPECT_EQ(ReadBytes(l.cfg()), (std::vector<uint8_t>{1, 0, 1}));
}

TEST(LauncherPlay, StartsTheZoneNamedAtLoadInItsOwnFolder) {
  Launcher one({1, 0, 0});
  one.form.BPlayClick();
  ASSERT_EQ(one.process.starts.size(), 1u);
  EXPECT_EQ(one.process.starts[0].file, "Plumvale.exe");
  EXPECT_EQ(one.process.starts[0].folder, one.folder.path());

  Launcher two({2, 1, 1});
  two.form.BPlayClick();
  ASSERT_EQ(two.process.starts.size(), 1u);
  EXPECT_EQ(two.process.starts[0].file, "Ashmoor.exe");
}

TEST(LauncherPlay, NoZoneChosenOrAnUnknownOneStartsNothing) {
  for (uint8_t progress : {0, 3, 200}) {
    Launcher l({progress, 0, 0});
    l.form.BPlayClick();
    EXPECT_TRUE(l.process.starts.empty()) << int(progress);
  }
}

TEST(LauncherPlay, AResolutionChosenFirstIsOnDiskBeforeTheZoneStarts) {
  Launcher l({1, 0, 0});
  l.form.BLargeClick();
  l.form.BPlayClick();
  ASSERT_EQ(l.process.starts.size(), 1u);
  EXPECT_EQ(l.process.starts[0].file, "Plumvale.exe");
  EXPECT_EQ(ReadBytes(l.cfg()), (std::vector<uint8_t>{1, 0, 1}));
}

}  // namespace
}  // namespace orvane
