#include "engine/core/UserFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/system/Error.h"
#include "platform/system/UserFolder.h"

namespace orvane {

namespace {

constexpr const char* kConfigName = "Orvane.cfg";
constexpr const char* kGameFolderName = "orvane";
constexpr mode_t kConfigMode = 0644;  // as the programs create it in a Data folder

[[noreturn]] void FailOn(const std::filesystem::path& file, const std::string& what) {
  platform::Fail(file.string() + ": " + what + " (" + std::strerror(errno) + ")");
}

// The bytes of the installation's file, or nothing when it has none. Only a regular file is read.
bool ReadInstalled(const std::filesystem::path& file, std::vector<char>& bytes) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return false;
    FailOn(file, "cannot read the installed configuration file");
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    errno = EINVAL;
    FailOn(file, "the installed configuration file is not a regular file");
  }
  char chunk[4096];
  ssize_t n = 0;
  while ((n = ::read(fd, chunk, sizeof chunk)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  const int readError = errno;
  ::close(fd);
  if (n < 0) {
    errno = readError;
    FailOn(file, "cannot read the installed configuration file");
  }
  return true;
}

// Writes the copy under a temporary name and links it into place only once it is whole on the disk,
// so a failed copy leaves no file and a copy another program made meanwhile is kept.
void PlaceCopy(const std::filesystem::path& target, const std::vector<char>& bytes) {
  std::string pending = target.string() + ".XXXXXX";
  const int fd = ::mkostemp(pending.data(), O_CLOEXEC);
  if (fd < 0) FailOn(target, "cannot create the configuration file");
  int error = ::fchmod(fd, kConfigMode) == 0 ? 0 : errno;
  for (size_t done = 0; !error && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) error = n < 0 ? errno : EIO;
    else done += static_cast<size_t>(n);
  }
  if (!error && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::link(pending.c_str(), target.c_str()) != 0 && errno != EEXIST) error = errno;
  ::unlink(pending.c_str());
  if (error) {
    errno = error;
    FailOn(target, "cannot write the configuration file");
  }
}

}  // namespace

std::filesystem::path UserFolder() {
  const std::filesystem::path folder = platform::ConfigHome() / kGameFolderName;
  platform::MakeFolder(folder);
  return folder;
}

std::filesystem::path UserConfigFile(const std::filesystem::path& dataFolder) {
  const std::filesystem::path mine = UserFolder() / kConfigName;
  struct stat st {};
  if (::lstat(mine.c_str(), &st) == 0) return mine;  // the user's own, whatever it holds
  std::vector<char> bytes;
  if (ReadInstalled(dataFolder / kConfigName, bytes)) PlaceCopy(mine, bytes);
  return mine;
}

std::filesystem::path ConfigFilePath(const std::filesystem::path& dataFolder) {
  if (platform::MayWriteIn(dataFolder)) return dataFolder / kConfigName;
  return UserConfigFile(dataFolder);
}

}  // namespace orvane
