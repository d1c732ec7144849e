// Where the configuration file lies: the Data folder of a writable installation, else the player's
// own copy in $XDG_CONFIG_HOME/orvane/, made whole or not at all.
#include "engine/core/UserFiles.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/system/Error.h"
#include "tests/programs/TempFolder.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

// Sets an environment variable (or unsets it, for nullopt) for one test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) ::setenv(name, value->c_str(), 1);
    else ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) ::setenv(name_, old_->c_str(), 1);
    else ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

struct UserFiles : ::testing::Test {
  test::TempFolder tmp;
  fs::path data = tmp.path() / "game/Data";
  fs::path config = tmp.path() / "config";
  ScopedEnv xdg{"XDG_CONFIG_HOME", config.string()};
  void SetUp() override { fs::create_directories(data); }
};

TEST_F(UserFiles, TheFolderFollowsXdgConfigHomeElseHomeDotConfig) {
  EXPECT_EQ(UserFolder(), config / "orvane");
  EXPECT_TRUE(fs::is_directory(config / "orvane"));
  EXPECT_EQ(fs::status(config / "orvane").permissions() & fs::perms::all, fs::perms::owner_all);

  const ScopedEnv home("HOME", (tmp.path() / "home").string());
  using Value = std::optional<std::string>;
  for (const Value& unset : {Value{}, Value{""}, Value{"relative/config"}}) {
    const ScopedEnv ignored("XDG_CONFIG_HOME", unset);
    EXPECT_EQ(UserFolder(), tmp.path() / "home/.config/orvane") << unset.value_or("(unset)");
  }
}

TEST_F(UserFiles, AWritableDataFolderKeepsItsOwnFileAndMakesNoUserFolder) {
  EXPECT_EQ(ConfigFilePath(data), data / "Orvane.cfg");
  EXPECT_FALSE(fs::exists(config));
}

TEST_F(UserFiles, ThePlayerStartsFromACopyOfTheInstalledFileAndKeepsTheirOwn) {
  WriteBytes(data / "Orvane.cfg", {2, 1, 1, 0, 7});
  const fs::path mine = UserConfigFile(data);
  EXPECT_EQ(mine, config / "orvane/Orvane.cfg");
  EXPECT_EQ(ReadBytes(mine), (std::vector<uint8_t>{2, 1, 1, 0, 7}));
  EXPECT_EQ(fs::status(mine).permissions() & fs::perms::all, fs::perms(0644));

  // Later the player's own bytes stay, whatever the installation holds.
  WriteBytes(mine, {1, 0});
  WriteBytes(data / "Orvane.cfg", {2, 1, 1});
  EXPECT_EQ(ReadBytes(UserConfigFile(data)), (std::vector<uint8_t>{1, 0}));
  EXPECT_EQ(std::distance(fs::directory_iterator(config / "orvane"), fs::directory_iterator()), 1);
}

TEST_F(UserFiles, WithoutAnInstalledFileNothingIsCopied) {
  EXPECT_EQ(UserConfigFile(data), config / "orvane/Orvane.cfg");
  EXPECT_TRUE(fs::is_empty(config / "orvane"));
}

TEST_F(UserFiles, AFolderThatCannotBeMadeIsAFaultNamingIt) {
  WriteBytes(config, {});  // a file where the folder should be
  try {
    UserConfigFile(data);
    FAIL() << "no fault";
  } catch (const platform::FatalError& e) {
    EXPECT_NE(std::string(e.what()).find(config.string() + ":"), std::string::npos) << e.what();
  }
}

TEST_F(UserFiles, ACopyThatDoesNotFitLeavesNoFileBehind) {
  WriteBytes(data / "Orvane.cfg", {2, 1, 1, 0});
  fs::create_directories(config / "orvane");
  // A disk with room for two bytes: the process may write no file longer than that.
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 2;
  const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string fault;
  try {
    UserConfigFile(data);
  } catch (const platform::FatalError& e) {
    fault = e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);
  EXPECT_NE(fault.find((config / "orvane/Orvane.cfg").string() + ": cannot write"), std::string::npos) << fault;
  EXPECT_TRUE(fs::is_empty(config / "orvane"));
}

}  // namespace
}  // namespace orvane
