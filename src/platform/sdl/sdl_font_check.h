#pragma once
#include <string>

namespace vontra {

// Stops the start when no installed face can draw the game's texts: throws the reason and the
// package to install as std::runtime_error.
void RequireUsableFonts();

// Shows why the game could not start in a message box, for a player who started it from a
// menu and sees no terminal; without a display it does nothing.
void ShowStartFailure(const std::string& message);

}  // namespace vontra
