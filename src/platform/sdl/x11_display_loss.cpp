#include "platform/sdl/x11_display_loss.h"

// After the game's own headers: Xlib defines macros such as None and Bool.
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <utility>

namespace vontra {
namespace {

// Xlib's handlers take no context, so what they need is kept here while the game watches its
// display: the one piece of process-wide state of the platform, forced by Xlib's interface.
struct DisplayWatch {
  DisplayLostHandler handler;
  Window window = 0;
  XErrorHandler previousError = nullptr;
  XIOErrorHandler previousIoError = nullptr;
  bool ending = false;
};

DisplayWatch& Watch() {
  static DisplayWatch watch;
  return watch;
}

// Saves through the game's handler and ends the process at once: the window may not be torn
// down and no exit handler may reach X again. A second failure while saving ends it unsaved.
[[noreturn]] void End(const std::string& what, int status) {
  DisplayWatch& watch = Watch();
  bool saved = false;
  if (!watch.ending) {
    watch.ending = true;
    saved = watch.handler && watch.handler(what);
  }
  std::fflush(stderr);
  _exit(saved ? status : 1);
}

int OnXError(Display* display, XErrorEvent* e) {
  const DisplayWatch& watch = Watch();
  if (e->resourceid == watch.window &&
      (e->error_code == BadWindow || e->error_code == BadDrawable)) {
    // Destroyed from outside: an ending like a close from outside, with everything saved.
    End("the window was destroyed", 0);
  }
  // Any other error reaching here was fatal before too (Xlib's default handler exits).
  char text[128] = "";
  XGetErrorText(display, e->error_code, text, sizeof text);
  End("X error " + std::string(text) + " in request " + std::to_string(e->request_code) + "." +
          std::to_string(e->minor_code),
      1);
}

int OnXIoError(Display*) {
  End("the connection to the X display was lost", 1);
}

}  // namespace

void WatchX11Display(SDL_Window* window, DisplayLostHandler handler) {
  DisplayWatch& watch = Watch();
  const bool installed = static_cast<bool>(watch.handler);
  if (!handler) {
    if (installed) {
      XSetErrorHandler(watch.previousError);
      XSetIOErrorHandler(watch.previousIoError);
    }
    watch.handler = nullptr;
    return;
  }
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  watch.window = info.info.x11.window;
  watch.handler = std::move(handler);
  if (!installed) {
    watch.previousError = XSetErrorHandler(OnXError);
    watch.previousIoError = XSetIOErrorHandler(OnXIoError);
  }
}

}  // namespace vontra
