#pragma once
#include <memory>

#include "platform/platform.h"

namespace vontra {

// The real platform: one SDL window (hidden until the display is initialised), its events,
// keyboard and joystick, pointer, clock, POSIX files, xdg-open, libcurl and SDL_ttf fonts.
// The audio device and music player are filled in separately. Throws std::runtime_error
// when SDL's video cannot start or no installed font can draw the game's texts.
std::unique_ptr<Platform> MakeSdlPlatform();

}  // namespace vontra
