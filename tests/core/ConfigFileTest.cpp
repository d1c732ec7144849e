#include "engine/core/ConfigFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "platform/system/Error.h"

namespace orvane {
namespace {

std::string FaultOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const platform::FatalError& e) {
    return e.what();
  }
  return "no fault";
}

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("orvane-cfg-" + std::to_string(::getpid()) + "-" +
                                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    path = dir / "Orvane.cfg";
  }
  void TearDown() override {
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir);
  }
  std::vector<uint8_t> Bytes() const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void Put(std::vector<uint8_t> bytes) const {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::filesystem::path dir, path;
};

TEST_F(ConfigFileTest, OpeningCreatesAnEmptyFileThatReadsAsZeros) {
  ConfigFile cfg(path);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  EXPECT_EQ(cfg.ReadByte(kConfigProgress), 0);
  EXPECT_EQ(cfg.ReadByte(kConfigCharacter), 0);
  EXPECT_EQ(cfg.ReadByte(kConfigDisplayMode), 0);
}

TEST_F(ConfigFileTest, TheTitlesOneWriteLeavesWhatItsTwoWritesWould) {
  for (const uint8_t character : {0, 1}) {
    Put({2, 1, 1, 0, 77});
    {
      ConfigFile cfg(path);
      cfg.WriteInt16(kConfigProgress, 1);
      cfg.WriteByte(kConfigCharacter, character);
    }
    const std::vector<uint8_t> twoWrites = Bytes();
    Put({2, 1, 1, 0, 77});
    ConfigFile(path).WriteTwoBytes(kConfigProgress, 1, character);
    EXPECT_EQ(Bytes(), twoWrites);
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{1, character, 1, 0, 77}));
  }
}

TEST_F(ConfigFileTest, ReadingAMissingFileGivesZerosAndCreatesNothing) {
  EXPECT_EQ(ReadConfigByte(path, kConfigDisplayMode), 0);
  EXPECT_EQ(ConfigFile(path, ConfigFile::Access::ReadOnly).ReadByte(kConfigCharacter), 0);
  EXPECT_FALSE(std::filesystem::exists(path));
}

// Anything but a regular file is refused, for reading as for writing, in one line; nothing is
// written through a link and a dangling one's target is not created.
TEST_F(ConfigFileTest, ALinkFolderOrPipeIsRefusedAndNothingGoesThroughIt) {
  const auto target = dir / "copy-of-a-system-file", nowhere = dir / "nowhere";
  std::ofstream(target) << "root:x:0:0\n";
  const struct {
    const char* kind;
    std::function<void()> make;
  } cases[] = {
      {"a symbolic link", [&] { std::filesystem::create_symlink(target, path); }},
      {"a symbolic link", [&] { std::filesystem::create_symlink(nowhere, path); }},
      {"a folder", [&] { std::filesystem::create_directory(path); }},
      {"a named pipe", [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); }},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(path);
    c.make();
    const std::string line = path.string() + ": configuration file is " + c.kind + ", not a regular file; refusing to use it";
    EXPECT_EQ(FaultOf([&] { ConfigFile(path).WriteTwoBytes(kConfigProgress, 1, 1); }), line);
    EXPECT_EQ(FaultOf([&] { ReadConfigByte(path, kConfigDisplayMode); }), line);
  }
  std::ifstream in(target);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "root:x:0:0\n");
  EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST_F(ConfigFileTest, ASingleByteWriteChangesOnlyThatByte) {
  Put({2, 1, 0, 0, 77, 88});  // a longer file keeps its further bytes
  ConfigFile(path).WriteByte(kConfigDisplayMode, 1);
  EXPECT_EQ(Bytes(), (std::vector<uint8_t>{2, 1, 1, 0, 77, 88}));
}

TEST_F(ConfigFileTest, TheDisplayModeToolsWriteMakesTheFileFourBytesLong) {
  ConfigFile(path).WriteInt16(kConfigDisplayMode, 1);
  EXPECT_EQ(Bytes(), (std::vector<uint8_t>{0, 0, 1, 0}));
  ConfigFile(path).WriteInt16(kConfigDisplayMode, 0);
  EXPECT_EQ(Bytes(), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST_F(ConfigFileTest, AReadOnlyFileCanBeReadButAWriteToItFailsNamingTheFile) {
  Put({2, 1, 1});
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  if (::geteuid() == 0) GTEST_SKIP() << "root writes to read-only files";
  ConfigFile cfg(path);
  EXPECT_EQ(cfg.ReadByte(kConfigProgress), 2);
  try {
    cfg.WriteByte(kConfigProgress, 1);
    FAIL() << "the write did not fail";
  } catch (const platform::FatalError& e) {
    EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos);
  }
  EXPECT_EQ(Bytes(), (std::vector<uint8_t>{2, 1, 1}));
}

TEST_F(ConfigFileTest, AFileThatCannotBeOpenedIsAFaultNamingIt) {
  const auto missing = dir / "no-such-folder" / "Orvane.cfg";
  try {
    ConfigFile cfg(missing);
    FAIL() << "opened";
  } catch (const platform::FatalError& e) {
    EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos);
  }
}

}  // namespace
}  // namespace orvane
