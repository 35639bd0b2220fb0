#pragma once
#include <SDL.h>

namespace vontra {

// The Windows virtual-key code of a key, 0 for keys the game has no code for. Letters follow
// the layout where it has Latin letters and the key's place otherwise (as Windows does with a
// Cyrillic layout); the other keys go by their place on the keyboard.
int VirtualKeyCode(SDL_Keycode sym, SDL_Scancode scancode);

}  // namespace vontra
