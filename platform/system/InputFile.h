// Opening a file the game reads. Only a regular file is read: a folder, named pipe, device or socket
// is refused at once (a pipe is never waited on), and only the bytes asked for are read, so a huge
// or sparse file costs no more than the part the format needs. Links are followed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// What a path names when it is not a regular file ("a folder", "a named pipe", ...); empty for a
// regular file.
std::string NotARegularFile(unsigned mode);

class InputFile {
 public:
  // `what` words the faults: "picture file" gives "X: picture file is missing". A missing file, one
  // that is not a regular file or cannot be opened is a FatalError naming it and the reason.
  InputFile(std::filesystem::path path, std::string what);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  uint64_t Size() const { return size_; }
  const std::filesystem::path& Path() const { return path_; }
  // Up to `count` bytes from `offset`, fewer where the file ends. A read error is a FatalError.
  std::vector<uint8_t> Read(uint64_t offset, size_t count) const;
  // Exactly `count` bytes from `offset`; a file that ends before is a FatalError saying `fault`.
  std::vector<uint8_t> ReadExactly(uint64_t offset, size_t count, const std::string& fault) const;
  [[noreturn]] void Fail(const std::string& fault) const;

 private:
  std::filesystem::path path_;
  std::string what_;
  int fd_ = -1;
  uint64_t size_ = 0;
};

}  // namespace platform
