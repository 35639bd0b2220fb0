#pragma once
#include <string>

namespace vontra {

class TMForm;
struct GameArchives;

// Start-up of the main window: archives, game state, save files, display, the menu.
void FormCreate(TMForm& form);
// The same with the archives already loaded.
void FormCreate(TMForm& form, GameArchives archives);
// The window is going away: saves and hands "play.url" to the desktop.
void FormDestroy(TMForm& form);
// The close box: never closes directly, asks instead.
void FormCloseQuery(TMForm& form);
// The minimise command: a race pauses before the window goes.
void FormMinimize(TMForm& form);
void ShutDown(TMForm& form);
// The desktop took the window or the whole display away (what says which): saves the table and
// the options as ShutDown does, touching nothing of the display, and says so on stderr in one
// line. True when they were saved.
bool DisplayLost(TMForm& form, const std::string& what);
// After the message loop: starts the bundled launcher when it is there.
void StartLauncher(TMForm& form);

}  // namespace vontra
