#pragma once

namespace vontra {

// Program entry: creates the real platform and the main window, runs the message loop.
int RunProgram();

}  // namespace vontra
