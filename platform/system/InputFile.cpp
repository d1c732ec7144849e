#include "platform/system/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/system/Error.h"

namespace platform {

std::string NotARegularFile(unsigned mode) {
  if (S_ISREG(mode)) return "";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISLNK(mode)) return "a symbolic link";
  return "not a regular file";
}

InputFile::InputFile(std::filesystem::path path, std::string what) : path_(std::move(path)), what_(std::move(what)) {
  // Non-blocking, so that opening a named pipe returns at once and is refused below.
  fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd_ < 0) {
    if (errno == ENOENT) Fail(what_ + " is missing");
    Fail("cannot open " + what_ + " (" + std::strerror(errno) + ")");
  }
  struct stat st{};
  if (::fstat(fd_, &st) != 0) {
    const int e = errno;
    ::close(fd_);
    fd_ = -1;
    Fail("cannot open " + what_ + " (" + std::strerror(e) + ")");
  }
  if (const std::string kind = NotARegularFile(st.st_mode); !kind.empty()) {
    ::close(fd_);
    fd_ = -1;
    Fail("is " + kind + ", not a regular file");
  }
  size_ = static_cast<uint64_t>(st.st_size);
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

void InputFile::Fail(const std::string& fault) const { platform::Fail(path_.string() + ": " + fault); }

std::vector<uint8_t> InputFile::Read(uint64_t offset, size_t count) const {
  if (offset >= size_) return {};
  std::vector<uint8_t> bytes(static_cast<size_t>(std::min<uint64_t>(count, size_ - offset)));
  size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::pread(fd_, bytes.data() + got, bytes.size() - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail("cannot read " + what_ + " (" + std::strerror(errno) + ")");
    if (n == 0) break;  // cut short since it was opened
    got += static_cast<size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

std::vector<uint8_t> InputFile::ReadExactly(uint64_t offset, size_t count, const std::string& fault) const {
  std::vector<uint8_t> bytes = Read(offset, count);
  if (bytes.size() < count) Fail(fault);
  return bytes;
}

}  // namespace platform
