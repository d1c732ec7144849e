#include "platform/system/PosixProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "platform/system/Error.h"

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

namespace {

// Where the descriptor table is closed by hand (a kernel without close_range).
constexpr int kMaxDescriptors = 65536;

// In the started program's process, before exec: only standard input (/dev/null), output and error
// stay open, apart from `keep`; every signal has its default disposition and none is blocked.
void CleanStart(int keep) {
  const int null = ::open("/dev/null", O_RDONLY);
  if (null >= 0 && null != STDIN_FILENO) {
    ::dup2(null, STDIN_FILENO);
    ::close(null);
  }
  const int first = STDERR_FILENO + 1;
  const bool closed = (keep == first || ::close_range(static_cast<unsigned>(first), static_cast<unsigned>(keep - 1), 0) == 0) &&
                      ::close_range(static_cast<unsigned>(keep + 1), ~0u, 0) == 0;
  if (!closed)
    for (int fd = first; fd < kMaxDescriptors; ++fd)
      if (fd != keep) ::close(fd);
  for (int sig = 1; sig < NSIG; ++sig) ::signal(sig, SIG_DFL);  // those that cannot be reset just refuse
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

}  // namespace

void PosixProcess::Start(const std::string& file, const std::filesystem::path& folder) {
  const std::filesystem::path program = folder / InstalledProgramName(file);
  auto fail = [&](int error) { Fail(program.string() + ": cannot start program (" + std::strerror(error) + ")"); };
  if (::access(program.c_str(), X_OK) != 0) fail(errno);
  // The started program tells us why it could not start through this pipe, which its exec closes.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) fail(errno);
  // Fork twice so that the started program is not our child: it outlives us and is never a zombie.
  const pid_t child = ::fork();
  if (child < 0) {
    const int error = errno;
    ::close(report[0]);
    ::close(report[1]);
    fail(error);
  }
  if (child == 0) {
    ::setsid();
    const pid_t grandchild = ::fork();
    int error = errno;
    if (grandchild == 0) {
      CleanStart(report[1]);
      if (::chdir(folder.c_str()) == 0) ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      error = errno;
    }
    if (grandchild > 0) ::_exit(0);
    const ssize_t sent = ::write(report[1], &error, sizeof error);
    ::_exit(sent == sizeof error ? 127 : 126);
  }
  ::close(report[1]);
  int status = 0;
  ::waitpid(child, &status, 0);
  int error = 0;
  ssize_t got;
  do got = ::read(report[0], &error, sizeof error);
  while (got < 0 && errno == EINTR);
  ::close(report[0]);
  if (got == sizeof error) fail(error);
}

}  // namespace platform
