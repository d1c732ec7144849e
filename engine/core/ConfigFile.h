// Orvane.cfg, the one file that carries the player's choices from program to program:
//   offset 0  Progress     0 = no zone chosen, 1 = Plum Vale next, 2 = Ash Moor next
//   offset 1  Character    0 = Zinto, 1 = Kubo
//   offset 2  DisplayMode  0 = 320x240, 1 = 640x480
//   offset 3  high byte of the display-mode tool's 16-bit write, always 0
// Single fields are read and written at fixed offsets. An opening for writing creates a missing file;
// reading never creates one, and reads past the end (or of a missing file) give 0. The file is never
// truncated or rewritten whole, and every write reaches the disk before the call returns. Only a
// regular file is used: a symbolic link, folder, pipe or device at its path is refused, so nothing is
// ever written through a link.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace orvane {

constexpr long kConfigProgress = 0;
constexpr long kConfigCharacter = 1;
constexpr long kConfigDisplayMode = 2;

class ConfigFile {
 public:
  enum class Access { ReadWrite, ReadOnly };
  // ReadWrite opens the file for reading and writing, creating it when missing; a file the program
  // may only read is opened for reading, and a write to it is then the fault. ReadOnly never creates
  // the file. A file that cannot be opened, or is not a regular file, is a FatalError naming it and
  // the reason.
  explicit ConfigFile(std::filesystem::path path, Access access = Access::ReadWrite);
  ~ConfigFile();
  ConfigFile(const ConfigFile&) = delete;
  ConfigFile& operator=(const ConfigFile&) = delete;

  uint8_t ReadByte(long offset) const;
  void WriteByte(long offset, uint8_t value);
  // Two bytes at offset and offset + 1 in one write, flushed once: a kill never leaves one without
  // the other.
  void WriteTwoBytes(long offset, uint8_t first, uint8_t second);
  // A 16-bit little-endian write covering offset and offset + 1.
  void WriteInt16(long offset, int16_t value);

  const std::filesystem::path& Path() const { return path_; }

 private:
  [[noreturn]] void Fail(const std::string& what, int error) const;
  // A path that is not a regular file (of this mode).
  [[noreturn]] void Refuse(unsigned mode) const;
  void Write(long offset, const uint8_t* bytes, size_t count);
  std::filesystem::path path_;
  int fd_ = -1;
  int writeError_ = 0;  // why the file could only be opened for reading
};

// One access: open for reading, read one byte, close. A missing file reads 0 and is not created.
uint8_t ReadConfigByte(const std::filesystem::path& path, long offset);

}  // namespace orvane
