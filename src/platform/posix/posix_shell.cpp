#include "platform/posix/posix_shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace vontra {

void PosixShell::Open(const std::string& target) {
  std::string program = program_;
  std::string argument = target;
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = 0;
  if (const int error = posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ);
      error != 0) {
    errors_ << "Vontra: cannot open " << target << ": " << program_ << " could not be started ("
            << std::strerror(error) << "); install the package xdg-utils" << std::endl;
    return;
  }
  // Some handlers keep xdg-open waiting until the browser closes: never block the game on it.
  std::thread([pid] {
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace vontra
