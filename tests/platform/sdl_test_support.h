#pragma once
#include <cstdlib>
#include <memory>

#include "platform/sdl/sdl_session.h"

namespace vontra {

// A session on SDL's dummy video driver, so SDL tests run without an X server.
inline std::shared_ptr<SdlSession> MakeDummySession() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  return std::make_shared<SdlSession>();
}

}  // namespace vontra
