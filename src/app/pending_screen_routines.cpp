// Temporary empty bodies for the screen and window routines the shell already calls. The
// front-end and race screens replace them: whoever implements a routine deletes its body here.
#include "frontend/screen_routines.h"

namespace vontra {

void OpenMainMenu(TMForm&, bool, int) {}
void MainMenuFrame(TMForm&, int) {}
void MainMenuClick(TMForm&, bool) {}
void SwitchFromSubScreen(TMForm&) {}
void HelpFrame(TMForm&, int) {}
void HelpClick(TMForm&) {}
void RaceFrame(TMForm&, int) {}
void OptionsFrame(TMForm&, int) {}
void OptionsClick(TMForm&) {}
void ExtraTextKey(TMForm&, uint8_t) {}
void HighScoresFrame(TMForm&, int) {}
void HighScoresClick(TMForm&) {}
void NameEntryKey(TMForm&, uint8_t) {}
void CarChoiceFrame(TMForm&, int) {}
void CarChoiceClick(TMForm&) {}
void OpenMessageWindow(TMForm&, int) {}
void MessageWindowFrame(TMForm&, int) {}
void MessageWindowClick(TMForm&) {}

}  // namespace vontra
