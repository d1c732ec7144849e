// A line per shown frame, for the end-to-end tests: when ORVANE_FRAME_LOG names a file, every Flip
// appends "frame N ms T picture H us U" as the frame is presented (N the frames flipped so far, T and
// U the wall clock in milliseconds and microseconds since the epoch, H a hash of the back buffer) and
// flushes it, so a test can see whether the game runs or waits, how long it took to show its first
// frame, how evenly the frames came, and whether two runs showed the same pictures.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/video/Surface.h"

namespace platform {

// FNV-1a over the picture's size and pixels: equal pictures hash alike, one changed pixel does not.
uint64_t PictureHash(const Surface& picture);

class FrameLog {
 public:
  // The log ORVANE_FRAME_LOG asks for, or nothing when it is not set. A file that cannot be
  // written is a fault naming it.
  static std::unique_ptr<FrameLog> FromEnvironment();
  explicit FrameLog(const std::string& path);
  ~FrameLog();
  FrameLog(const FrameLog&) = delete;
  FrameLog& operator=(const FrameLog&) = delete;

  void Write(int64_t frame, const Surface& picture);

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace platform
