#include "platform/posix/posix_shell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace vontra {
namespace {

namespace fs = std::filesystem;

// Children of this process that have ended but were not reaped.
int Zombies() {
  int count = 0;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // pid (comm) state ppid ...: comm may hold spaces, so read after the last ')'.
    const auto close = line.rfind(')');
    if (close == std::string::npos) continue;
    char state = 0;
    int ppid = 0;
    if (sscanf(line.c_str() + close + 1, " %c %d", &state, &ppid) == 2 && ppid == getpid() &&
        state == 'Z') {
      ++count;
    }
  }
  return count;
}

TEST(PosixShell, PassesTheTargetAsOneArgumentAndLeavesNoZombie) {
  const fs::path dir = fs::temp_directory_path() / ("vontra-shell-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path opener = dir / "opener";
  const fs::path record = dir / "record";
  {
    std::ofstream script(opener);
    script << "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"" << record.string() << ".part\"\nmv \""
           << record.string() << ".part\" \"" << record.string() << "\"\n";
  }
  chmod(opener.c_str(), 0755);
  PosixShell shell(opener.string());
  // Characters a shell would act on must arrive untouched.
  const std::string target = "http://host/cgi/version.pl?prg=Vontra&show&type=0 $(touch x);'\"";
  shell.Open(target);
  for (int i = 0; i < 200 && !fs::exists(record); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(record);
  std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(got, "1|" + target + "|");
  int zombies = 1;
  for (int i = 0; i < 200 && (zombies = Zombies()) != 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(zombies, 0);
  fs::remove_all(dir);
}

TEST(PosixShell, MissingProgramSaysSoInOneLineAndGoesOn) {
  std::ostringstream errors;
  PosixShell shell("/nonexistent/xdg-open", errors);
  shell.Open("play.url");
  EXPECT_EQ(Zombies(), 0);
  const std::string said = errors.str();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("play.url"), std::string::npos) << said;
  EXPECT_NE(said.find("xdg-utils"), std::string::npos) << said;
}

TEST(PosixShell, StartedOpenerSaysNothing) {
  std::ostringstream errors;
  PosixShell shell("true", errors);
  shell.Open("play.url");
  EXPECT_EQ(errors.str(), "");
}

}  // namespace
}  // namespace vontra
