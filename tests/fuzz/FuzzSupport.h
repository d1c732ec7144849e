// What the fuzz targets share: a scratch folder (in memory where the system has one) into which
// each input is written as the file a loader reads, and the keys a byte holds.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/input/Input.h"

namespace orvane::fuzz {

inline std::filesystem::path ScratchFolder(const char* name) {
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
  auto p = base / ("orvane-fuzz-" + std::string(name) + "-" + std::to_string(::getpid()));
  std::filesystem::create_directories(p);
  return p;
}

inline void WriteInput(const std::filesystem::path& file, const uint8_t* data, size_t size) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) std::abort();
}

// A broken promise of the game: reported, then the run stops as a crash.
[[noreturn]] inline void Broken(const std::string& what) {
  std::fprintf(stderr, "fuzz: %s\n", what.c_str());
  std::abort();
}

// Bit i of `b` holds one of the player's keys.
template <typename SetKey>
void HoldKeys(uint8_t b, SetKey set) {
  using platform::Key;
  const Key keys[] = {Key::Left, Key::Right, Key::Up, Key::Down, Key::Control, Key::A, Key::Z};
  for (int i = 0; i < 7; ++i) set(keys[i], ((b >> i) & 1) != 0);
}

}  // namespace orvane::fuzz
