// Reading the act's data files: flat arrays of bytes at fixed offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace orvane {

// The file's first `size` bytes. A missing file, one that is not a regular file, an unreadable one or
// one shorter than `size` bytes is a FatalError naming the file and the reason (with the sizes
// expected and found); the file is never created.
// Bytes beyond `size` are never read.
std::vector<uint8_t> ReadDataFile(const std::filesystem::path& path, size_t size);

// File sizes of the act's data.
constexpr size_t kBackMapFileSize = 112;
constexpr size_t kBlockMapFileSize = 1563;
constexpr size_t kBlockLayerBytes = 780;      // 10 rows of 78 blocks
constexpr size_t kSecondLayerOffset = 783;    // three bytes between the layers are not read
constexpr size_t kItemRecords = 301;
constexpr size_t kItemRecordBytes = 5;
constexpr size_t kItemFileSize = kItemRecords * kItemRecordBytes;
constexpr size_t kCurveFileSize = 129;

}  // namespace orvane
