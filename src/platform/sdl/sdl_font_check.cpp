#include "platform/sdl/sdl_font_check.h"

#include <SDL.h>

#include <stdexcept>

#include "platform/sdl/font_faces.h"

namespace vontra {

void RequireUsableFonts() {
  const std::string message = MissingFontsMessage();
  if (message.empty()) return;
  // Without a display (or a message box driver) this fails quietly; stderr still has it.
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Vontra", message.c_str(), nullptr);
  throw std::runtime_error(message);
}

}  // namespace vontra
