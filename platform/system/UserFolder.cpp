#include "platform/system/UserFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/system/Error.h"

namespace platform {

namespace {

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home == '/') return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir == '/') return pw->pw_dir;
  return {};
}

}  // namespace

std::filesystem::path UserFolder() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
    return std::filesystem::path(config) / "orvane";
  const std::filesystem::path home = HomeFolder();
  return home.empty() ? home : home / ".config" / "orvane";
}

void CreateUserFolder(const std::filesystem::path& folder) {
  if (folder.empty()) Fail("no home folder to keep the player's settings in (HOME is not set)");
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) Fail(folder.string() + ": cannot create the folder (" + ec.message() + ")");
}

}  // namespace platform
