#include "app/program.h"

#include <cstdio>
#include <exception>
#include <memory>

#include "app/form_lifecycle.h"
#include "app/message_loop.h"
#include "app/mform.h"
#include "platform/sdl/sdl_platform.h"

namespace vontra {

int RunGame(Platform& platform) {
  platform.window->SetCaption("Vontra");
  auto form = std::make_unique<TMForm>(platform);
  try {
    FormCreate(*form);
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

int RunProgram() {
  std::unique_ptr<Platform> platform;
  try {
    platform = MakeSdlPlatform();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Vontra: %s\n", e.what());
    return 1;
  }
  return RunGame(*platform);
}

}  // namespace vontra
