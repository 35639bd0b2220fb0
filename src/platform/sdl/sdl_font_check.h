#pragma once

namespace vontra {

// Stops the start when no installed face can draw the game's texts: shows the reason and the
// package to install in a message box (for a player who started the game from a menu) and
// throws it as std::runtime_error, which the program prints on stderr.
void RequireUsableFonts();

}  // namespace vontra
