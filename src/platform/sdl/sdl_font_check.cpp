#include "platform/sdl/sdl_font_check.h"

#include <SDL.h>

#include <stdexcept>

#include "platform/sdl/font_faces.h"

namespace vontra {

void RequireUsableFonts() {
  const std::string message = MissingFontsMessage();
  if (!message.empty()) throw std::runtime_error(message);
}

void ShowStartFailure(const std::string& message) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Vontra", message.c_str(), nullptr);
}

}  // namespace vontra
