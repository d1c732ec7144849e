#include "platform/system/PosixProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

std::string InstalledProgramName(const std::string& file) {
  constexpr const char kSuffix[] = ".exe";
  constexpr size_t kLen = sizeof(kSuffix) - 1;
  if (file.size() > kLen) {
    std::string tail = file.substr(file.size() - kLen);
    for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (tail == kSuffix) return file.substr(0, file.size() - kLen);
  }
  return file;
}

void PosixProcess::Start(const std::string& file, const std::filesystem::path& folder) {
  const std::filesystem::path program = folder / InstalledProgramName(file);
  if (::access(program.c_str(), X_OK) != 0) {
    std::fprintf(stderr, "%s: cannot start program (%s)\n", program.c_str(), std::strerror(errno));
    return;
  }
  // Fork twice so that the started program is not our child: it outlives us and is never a zombie.
  const pid_t child = ::fork();
  if (child < 0) {
    std::fprintf(stderr, "%s: cannot start program (%s)\n", program.c_str(), std::strerror(errno));
    return;
  }
  if (child == 0) {
    ::setsid();
    if (::fork() != 0) ::_exit(0);
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    const int null = ::open("/dev/null", O_RDONLY);
    if (null >= 0) ::dup2(null, STDIN_FILENO);
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    std::fprintf(stderr, "%s: cannot start program (%s)\n", program.c_str(), std::strerror(errno));
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
}

}  // namespace platform
