// Orvane.cfg, the one file that carries the player's choices from program to program:
//   offset 0  Progress     0 = no zone chosen, 1 = Plum Vale next, 2 = Ash Moor next
//   offset 1  Character    0 = Zinto, 1 = Kubo
//   offset 2  DisplayMode  0 = 320x240, 1 = 640x480
//   offset 3  high byte of the display-mode tool's 16-bit write, always 0
// Single fields are read and written at fixed offsets. Opening creates a missing file; reads past the
// end give 0; the file is never truncated or rewritten whole, and every write reaches the disk before
// the call returns.
#pragma once

#include <cstdint>
#include <filesystem>

namespace orvane {

constexpr long kConfigProgress = 0;
constexpr long kConfigCharacter = 1;
constexpr long kConfigDisplayMode = 2;

class ConfigFile {
 public:
  // Opens the file for reading and writing, creating it when missing. A file that cannot be opened
  // (a read-only folder, say) is a FatalError naming it.
  explicit ConfigFile(std::filesystem::path path);
  ~ConfigFile();
  ConfigFile(const ConfigFile&) = delete;
  ConfigFile& operator=(const ConfigFile&) = delete;

  uint8_t ReadByte(long offset) const;
  void WriteByte(long offset, uint8_t value);
  // A 16-bit little-endian write covering offset and offset + 1.
  void WriteInt16(long offset, int16_t value);

  const std::filesystem::path& Path() const { return path_; }

 private:
  void Write(long offset, const uint8_t* bytes, size_t count);
  std::filesystem::path path_;
  int fd_ = -1;
};

// One access: open, read one byte, close.
uint8_t ReadConfigByte(const std::filesystem::path& path, long offset);

}  // namespace orvane
