#include "app/program.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "app/archive_preload.h"
#include "app/form_lifecycle.h"
#include "app/message_loop.h"
#include "app/mform.h"
#include "platform/posix/posix_files.h"
#include "platform/sdl/sdl_font_check.h"
#include "platform/sdl/sdl_platform.h"

namespace vontra {

namespace {

int RunGame(Platform& platform, ArchivePreload* preload) {
  platform.window->SetCaption("Vontra");
  auto form = std::make_unique<TMForm>(platform);
  try {
    if (preload) {
      FormCreate(*form, preload->Take());
    } else {
      FormCreate(*form);
    }
  } catch (const std::exception& e) {
    // Start-up failed (a missing or broken archive): nothing was loaded, so nothing is saved
    // over the player's files.
    std::fprintf(stderr, "Vontra: %s\n", e.what());
    return 1;
  }
  // From here on a lost display saves what the player has; the handler goes before the form.
  platform.window->SetDisplayLostHandler(
      [&f = *form](const std::string& what) { return DisplayLost(f, what); });
  RunMessageLoop(*form);
  StartLauncher(*form);
  FormDestroy(*form);
  platform.window->SetDisplayLostHandler(nullptr);
  return 0;
}

}  // namespace

int RunGame(Platform& platform) {
  return RunGame(platform, nullptr);
}

int RunProgram() {
  // The archives are read and decoded while SDL connects to the display and opens the window:
  // most of start-up is one or the other.
  ArchivePreload preload(std::make_shared<PosixFiles>());
  std::unique_ptr<Platform> platform;
  try {
    platform = MakeSdlPlatform();
  } catch (const std::exception& e) {
    // One line on stderr first: the message box waits for the player.
    std::string line = e.what();
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::fprintf(stderr, "Vontra: %s\n", line.c_str());
    ShowStartFailure(e.what());
    return 1;
  }
  return RunGame(*platform, &preload);
}

}  // namespace vontra
