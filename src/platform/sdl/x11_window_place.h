#pragma once
#include <SDL.h>

namespace vontra {

// Where the window's client area is on the desktop, as the X server has it. SDL's own record
// can stay off by the window manager's frame after the window was maximised and restored.
// False where the window is not an X11 one.
bool X11ClientPosition(SDL_Window* window, int& x, int& y);

}  // namespace vontra
