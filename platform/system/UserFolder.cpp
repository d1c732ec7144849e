#include "platform/system/UserFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/system/Error.h"

namespace platform {

namespace {

constexpr mode_t kPrivateFolder = 0700;

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
      *found->pw_dir)
    return found->pw_dir;
  Fail("cannot find the home folder: HOME is not set and the user has no entry with one");
}

}  // namespace

std::filesystem::path ConfigHome() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') return xdg;
  return HomeFolder() / ".config";
}

void MakeFolder(const std::filesystem::path& folder) {
  // Parents first, each made only when missing, so an existing folder keeps its own mode.
  std::filesystem::path made;
  for (const auto& part : folder) {
    made /= part;
    if (::mkdir(made.c_str(), kPrivateFolder) == 0 || errno == EEXIST) {
      struct stat st {};
      if (::stat(made.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        Fail(made.string() + ": cannot create the folder (something else of that name is in the way)");
      continue;
    }
    Fail(made.string() + ": cannot create the folder (" + std::strerror(errno) + ")");
  }
}

bool MayWriteIn(const std::filesystem::path& folder) {
  if (::access(folder.c_str(), W_OK) == 0) return true;
  return errno != EACCES && errno != EROFS && errno != EPERM;
}

}  // namespace platform
