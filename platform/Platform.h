// Everything a program reaches of the machine, handed in as one bundle of interfaces.
#pragma once

#include "platform/audio/Audio.h"
#include "platform/input/Input.h"
#include "platform/system/Error.h"
#include "platform/system/System.h"
#include "platform/video/Display.h"
#include "platform/video/Surface.h"

namespace platform {

struct Platform {
  Display& display;
  Audio& audio;
  Input& input;
  Clock& clock;
  Random& random;
  Process& process;
  CdAudio& cd;
};

}  // namespace platform
