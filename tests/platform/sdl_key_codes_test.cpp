#include "platform/sdl/sdl_key_codes.h"

#include <gtest/gtest.h>

namespace vontra {
namespace {

TEST(VirtualKeyCode, KeysTheGameReadsHaveTheirWindowsCodes) {
  struct Case {
    SDL_Keycode sym;
    SDL_Scancode scancode;
    int key;
  };
  const Case cases[] = {
      {SDLK_RETURN, SDL_SCANCODE_RETURN, 13},
      {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13},
      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
      {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8},
      {SDLK_SPACE, SDL_SCANCODE_SPACE, 32},
      {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 17},
      {SDLK_RCTRL, SDL_SCANCODE_RCTRL, 17},
      {SDLK_LALT, SDL_SCANCODE_LALT, 18},
      {SDLK_LEFT, SDL_SCANCODE_LEFT, 37},
      {SDLK_UP, SDL_SCANCODE_UP, 38},
      {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},
      {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
      {SDLK_KP_8, SDL_SCANCODE_KP_8, 104},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, 96},
      {SDLK_p, SDL_SCANCODE_P, 80},
      {SDLK_y, SDL_SCANCODE_Y, 89},
      {SDLK_n, SDL_SCANCODE_N, 78},
      {SDLK_a, SDL_SCANCODE_A, 65},
      {SDLK_z, SDL_SCANCODE_Z, 90},
      {SDLK_1, SDL_SCANCODE_1, 49},
      {SDLK_9, SDL_SCANCODE_9, 57},
      {SDLK_0, SDL_SCANCODE_0, 48},
      {SDLK_F1, SDL_SCANCODE_F1, 112},
      {SDLK_F4, SDL_SCANCODE_F4, 115},
      {SDLK_F12, SDL_SCANCODE_F12, 123},
      {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 16},
      {SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
      {SDLK_HOME, SDL_SCANCODE_HOME, 36},
      {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 34},
      {SDLK_MINUS, SDL_SCANCODE_MINUS, 189},
      // A German layout: the key in the place of Z types Y and is Y.
      {SDLK_y, SDL_SCANCODE_Z, 89},
      // A Russian layout: the letter keys type Cyrillic and go by their place.
      {0x043D /* н */, SDL_SCANCODE_Y, 89},
      {0x0442 /* т */, SDL_SCANCODE_N, 78},
      // No Windows code.
      {SDLK_F13, SDL_SCANCODE_F13, 0},
      {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VirtualKeyCode(c.sym, c.scancode), c.key) << SDL_GetScancodeName(c.scancode);
  }
}

}  // namespace
}  // namespace vontra
