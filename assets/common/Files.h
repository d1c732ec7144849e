// Writing generated files. A file whose bytes are unchanged is left alone, so
// the build does not touch timestamps needlessly.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace assets {

using Bytes = std::vector<uint8_t>;

// Creates the parent folders and writes `bytes` to `path`; throws std::runtime_error naming the file on failure.
void WriteFileIfChanged(const std::filesystem::path& path, const Bytes& bytes);

}  // namespace assets
