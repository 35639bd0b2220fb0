#pragma once
#include <SDL.h>

#include "platform/window.h"

namespace vontra {

// Xlib ends the process from its own error handlers when the game's window is destroyed under
// it (the next request on the dead window fails) or when the connection to the X server breaks.
// These handlers take their place so that the game's handler runs before the process ends.
// Nothing happens on a video driver other than X11. An empty handler puts back the handlers
// that were there before.
void WatchX11Display(SDL_Window* window, DisplayLostHandler handler);

}  // namespace vontra
