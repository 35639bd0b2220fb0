#pragma once

namespace vontra {

struct Platform;

// Program entry: creates the real platform and the main window, runs the message loop.
int RunProgram();
// The same over a given platform: create, loop, launcher, destroy. Returns the exit code.
int RunGame(Platform& platform);

}  // namespace vontra
