#include "platform/sdl/SdlMain.h"

#include <cstdio>
#include <exception>

#include "platform/sdl/SdlPlatform.h"
#include "platform/system/Error.h"
#include "platform/system/ProgramFolder.h"

namespace platform {

int RunSdlProgram(const char* name, const ProgramBody& body, bool demoPlayback) {
  try {
    SdlPlatform sdl(demoPlayback);
    body(sdl.Get(), ProgramFolder());
  } catch (const ProgramEnded& end) {
    return end.status;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", name, e.what());
    return 1;
  }
  return 0;
}

}  // namespace platform
