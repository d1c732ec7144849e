#include "engine/core/ConfigFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/system/Error.h"

namespace orvane {

ConfigFile::ConfigFile(std::filesystem::path path) : path_(std::move(path)) {
  fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  // A read-only file can still be read; only a write to it then fails.
  if (fd_ < 0 && (errno == EACCES || errno == EROFS)) fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) platform::Fail(path_.string() + ": cannot open the configuration file (" + std::strerror(errno) + ")");
}

ConfigFile::~ConfigFile() {
  if (fd_ >= 0) ::close(fd_);
}

uint8_t ConfigFile::ReadByte(long offset) const {
  uint8_t value = 0;
  const ssize_t n = ::pread(fd_, &value, 1, offset);
  if (n < 0) platform::Fail(path_.string() + ": cannot read the configuration file (" + std::strerror(errno) + ")");
  return n == 1 ? value : 0;
}

void ConfigFile::WriteByte(long offset, uint8_t value) { Write(offset, &value, 1); }

void ConfigFile::WriteInt16(long offset, int16_t value) {
  const uint16_t u = static_cast<uint16_t>(value);
  const uint8_t bytes[2] = {static_cast<uint8_t>(u & 0xFF), static_cast<uint8_t>(u >> 8)};
  Write(offset, bytes, 2);
}

void ConfigFile::Write(long offset, const uint8_t* bytes, size_t count) {
  if (::pwrite(fd_, bytes, count, offset) != static_cast<ssize_t>(count) || ::fsync(fd_) != 0)
    platform::Fail(path_.string() + ": cannot write the configuration file (" + std::strerror(errno) + ")");
}

uint8_t ReadConfigByte(const std::filesystem::path& path, long offset) { return ConfigFile(path).ReadByte(offset); }

}  // namespace orvane
