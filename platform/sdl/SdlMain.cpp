#include "platform/sdl/SdlMain.h"

#include <cstdio>
#include <exception>

#include "platform/sdl/SdlPlatform.h"
#include "platform/system/Error.h"
#include "platform/system/ProgramFolder.h"

namespace platform {

int RunSdlProgram(const char* name, int argc, const char* const* argv, const ProgramHelp& help,
                  const ProgramBody& body, bool demoPlayback) {
  const auto options = ReadCommandLine(argc, argv, help);
  if (const int* status = std::get_if<int>(&options)) return *status;
  try {
    SdlPlatform sdl(std::get<StartOptions>(options), demoPlayback);
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
