#include "platform/sdl/FrameLog.h"

#include <chrono>
#include <cerrno>
#include <cinttypes>
#include <cstring>

#include "platform/system/Error.h"
#include "platform/system/Overrides.h"

namespace platform {

namespace {
constexpr uint64_t kFnvOffset = 14695981039346656037ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;

uint64_t Mix(uint64_t h, uint64_t v) { return (h ^ v) * kFnvPrime; }
}  // namespace

uint64_t PictureHash(const Surface& picture) {
  uint64_t h = Mix(Mix(kFnvOffset, static_cast<uint64_t>(picture.Width())), static_cast<uint64_t>(picture.Height()));
  for (int y = 0; y < picture.Height(); ++y) {
    const uint16_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) h = Mix(h, row[x]);
  }
  return h;
}

std::unique_ptr<FrameLog> FrameLog::FromEnvironment() {
  const std::string path = ReadOverrides().frameLog;
  if (path.empty()) return nullptr;
  return std::make_unique<FrameLog>(path);
}

FrameLog::FrameLog(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {
  if (!file_) Fail("cannot write the frame log " + path + ": " + std::strerror(errno));
}

FrameLog::~FrameLog() {
  if (file_) std::fclose(file_);
}

void FrameLog::Write(int64_t frame, const Surface& picture) {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
  const auto us = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
  std::fprintf(file_, "frame %" PRId64 " ms %lld picture %016" PRIx64 " us %lld\n", frame, static_cast<long long>(ms),
               PictureHash(picture), static_cast<long long>(us));
  std::fflush(file_);
}

}  // namespace platform
