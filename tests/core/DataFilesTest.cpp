// The act's data files: the formats, the reload, and bad files.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/ZoneFixture.h"

namespace orvane {
namespace {

using test::ZoneFixture;

std::vector<uint8_t> ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& p, const std::vector<uint8_t>& b) {
  std::ofstream(p, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

std::string FaultOf(ZoneForm& form) {
  try {
    form.LevelMapLoad();
  } catch (const platform::FatalError& e) {
    return e.what();
  }
  return "";
}

class DataFilesTest : public ::testing::Test {
 protected:
  DataFilesTest() {
    z->Running = 1;  // a reload: the start-up does not run again
    z->TileTable[0] = 7;
    z->TileTable[67] = 9;
    z->TileTable[66] = 3;
    z.SetBlock(0, 0, 1);
    z.SetBlock(9, 77, 2);
    z.SetBlock2(4, 10, 6);
    z.SetItem(0, 1, 389, 640);
    z.SetItem(300, 24, 9000, 700);
    z.SaveAct();
  }
  std::filesystem::path Map() const { return z.folder() / "Data/R1/PVZ1.map"; }
  std::filesystem::path Items() const { return z.folder() / "Data/R1/PVZ1.itm"; }
  ZoneFixture z;
};

TEST_F(DataFilesTest, ReadsEveryTableFromItsOffsets) {
  // bytes between the two layers never reach a table
  auto map = ReadAll(Map());
  map[780] = map[781] = map[782] = 99;
  WriteAll(Map(), map);
  z->BlockMap.Fill(0);
  z->BlockMap2.Fill(0);
  z->ItemKind.Fill(0);
  z->LevelMapLoad();
  EXPECT_EQ(z->TileTable[0], 7);
  EXPECT_EQ(z->TileTable[67], 9);
  EXPECT_EQ(z->TileTable[66], 3);
  EXPECT_EQ(z->BlockMap[0], 1);
  EXPECT_EQ(z->BlockMap[9 * 78 + 77], 2);
  EXPECT_EQ(z->BlockMap2[4 * 78 + 10], 6);
  EXPECT_EQ(z->BlockMap[780], 0);  // row 10 stays empty
  EXPECT_EQ(z->BlockMap2[-1], 0);
  EXPECT_EQ(z->ItemKind[0], 1);
  EXPECT_EQ(z->ItemX[0], 389);  // XHigh 3, XLow 5
  EXPECT_EQ(z->ItemXHigh[0], 3);
  EXPECT_EQ(z->ItemXLow[0], 5);
  EXPECT_EQ(z->ItemY[0], 640);
  EXPECT_EQ(z->ItemKind[300], 24);  // record 300 is read: 301 records in all
  EXPECT_EQ(z->ItemX[300], 9000);
}

TEST_F(DataFilesTest, AReloadBringsBackCollectedItemsButKeepsTheCurve) {
  z->LevelMapLoad();
  z->ItemKind[0] = 2;  // collected
  z->CurveTable[5] = 77;
  z->LevelMapLoad();
  EXPECT_EQ(z->ItemKind[0], 1);
  EXPECT_EQ(z->CurveTable[5], 77);
}

TEST_F(DataFilesTest, AMissingFileIsNamedAndNotCreated) {
  std::filesystem::remove(Items());
  const std::string fault = FaultOf(z.form());
  EXPECT_NE(fault.find(Items().string()), std::string::npos) << fault;
  EXPECT_NE(fault.find("missing"), std::string::npos) << fault;
  EXPECT_FALSE(std::filesystem::exists(Items()));
}

TEST_F(DataFilesTest, AShortFileNamesTheSizesExpectedAndFound) {
  auto map = ReadAll(Map());
  map.resize(1000);
  WriteAll(Map(), map);
  const std::string fault = FaultOf(z.form());
  EXPECT_NE(fault.find(Map().string()), std::string::npos) << fault;
  EXPECT_NE(fault.find("1000"), std::string::npos) << fault;
  EXPECT_NE(fault.find("1563"), std::string::npos) << fault;
}

TEST_F(DataFilesTest, AnItemPositionBeyondTheSixteenBitRangeNamesTheRecord) {
  auto items = ReadAll(Items());
  items[5 * 17 + 0] = 1;
  items[5 * 17 + 1] = 255;  // 255 * 128 + 255 = 32895
  items[5 * 17 + 2] = 255;
  WriteAll(Items(), items);
  const std::string fault = FaultOf(z.form());
  EXPECT_NE(fault.find(Items().string()), std::string::npos) << fault;
  EXPECT_NE(fault.find("record 17"), std::string::npos) << fault;
}

TEST_F(DataFilesTest, ALongerFileIsReadOnlyAsFarAsTheFormatGoes) {
  auto items = ReadAll(Items());
  items.resize(4000, 0xFF);
  WriteAll(Items(), items);
  EXPECT_EQ(FaultOf(z.form()), "");
  EXPECT_EQ(z->ItemX[300], 9000);
}

}  // namespace
}  // namespace orvane
