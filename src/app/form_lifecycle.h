#pragma once

namespace vontra {

class TMForm;

// Start-up of the main window: archives, game state, save files, display, the menu.
void FormCreate(TMForm& form);
// The window is going away: saves and hands "play.url" to the desktop.
void FormDestroy(TMForm& form);
// The close box: never closes directly, asks instead.
void FormCloseQuery(TMForm& form);
// The minimise command: a race pauses before the window goes.
void FormMinimize(TMForm& form);
void ShutDown(TMForm& form);
// After the message loop: starts the bundled launcher when it is there.
void StartLauncher(TMForm& form);

}  // namespace vontra
