#include "engine/core/ConfigFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/system/Error.h"
#include "platform/system/InputFile.h"

namespace orvane {

namespace {
// Never through a link; never waiting on a pipe (refused once opened).
constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
}  // namespace

ConfigFile::ConfigFile(std::filesystem::path path, Access access) : path_(std::move(path)) {
  if (access == Access::ReadWrite) {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | kOpenFlags, 0644);
    // A read-only file can still be read; only a write to it then fails, for this reason.
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) writeError_ = errno;
  }
  if (fd_ < 0 && (access == Access::ReadOnly || writeError_ != 0)) {
    fd_ = ::open(path_.c_str(), O_RDONLY | kOpenFlags);
    // Missing, and not to be created (or not creatable, for the reason kept).
    if (fd_ < 0 && errno == ENOENT) {
      if (writeError_ != 0) Fail("cannot create the configuration file", writeError_);
      return;
    }
  }
  if (fd_ < 0) {
    const int error = errno;
    struct stat st{};
    if (error == ELOOP && ::lstat(path_.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) Refuse(st.st_mode);
    if (error == EISDIR) Refuse(S_IFDIR);
    Fail("cannot open the configuration file", error);
  }
  struct stat st{};
  const int statError = ::fstat(fd_, &st) != 0 ? errno : 0;
  if (statError == 0 && S_ISREG(st.st_mode)) return;
  ::close(fd_);
  fd_ = -1;
  if (statError != 0) Fail("cannot open the configuration file", statError);
  Refuse(st.st_mode);
}

void ConfigFile::Refuse(unsigned mode) const {
  platform::Fail(path_.string() + ": configuration file is " + platform::NotARegularFile(mode) +
                 ", not a regular file; refusing to use it");
}

ConfigFile::~ConfigFile() {
  if (fd_ >= 0) ::close(fd_);
}

void ConfigFile::Fail(const std::string& what, int error) const {
  platform::Fail(path_.string() + ": " + what + " (" + std::strerror(error) + ")");
}

uint8_t ConfigFile::ReadByte(long offset) const {
  uint8_t value = 0;
  if (fd_ < 0) return 0;  // missing, read without creating it
  const ssize_t n = ::pread(fd_, &value, 1, offset);
  if (n < 0) Fail("cannot read the configuration file", errno);
  return n == 1 ? value : 0;
}

void ConfigFile::WriteByte(long offset, uint8_t value) { Write(offset, &value, 1); }

void ConfigFile::WriteTwoBytes(long offset, uint8_t first, uint8_t second) {
  const uint8_t bytes[2] = {first, second};
  Write(offset, bytes, 2);
}

void ConfigFile::WriteInt16(long offset, int16_t value) {
  const uint16_t u = static_cast<uint16_t>(value);
  WriteTwoBytes(offset, static_cast<uint8_t>(u & 0xFF), static_cast<uint8_t>(u >> 8));
}

void ConfigFile::Write(long offset, const uint8_t* bytes, size_t count) {
  if (writeError_ != 0) Fail("cannot write the configuration file", writeError_);
  if (fd_ < 0) Fail("cannot write the configuration file", ENOENT);  // opened only to read, and missing
  if (::pwrite(fd_, bytes, count, offset) != static_cast<ssize_t>(count) || ::fsync(fd_) != 0)
    Fail("cannot write the configuration file", errno);
}

uint8_t ReadConfigByte(const std::filesystem::path& path, long offset) {
  return ConfigFile(path, ConfigFile::Access::ReadOnly).ReadByte(offset);
}

}  // namespace orvane
