#include "platform/sdl/x11_window_place.h"

// After the game's own headers: Xlib defines macros such as None and Bool.
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace vontra {

bool X11ClientPosition(SDL_Window* window, int& x, int& y) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
    return false;
  }
  Display* display = info.info.x11.display;
  ::Window child = 0;
  return XTranslateCoordinates(display, info.info.x11.window, DefaultRootWindow(display), 0, 0, &x,
                               &y, &child) != 0;
}

}  // namespace vontra
