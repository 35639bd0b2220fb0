#pragma once
// The routines of the screens and message windows that the shell calls: the frame routine of
// each screen state, the click routine the dispatcher hands a click to, the two character
// editors, and the openers the main window uses. Each screen defines its own in its file.
#include <cstdint>
#include <functional>
#include <string>

#include "app/named_states.h"

namespace vontra {

class TMForm;

// Main menu, help.
void OpenMainMenu(TMForm& form, bool rebuild, int openArg);
void MainMenuFrame(TMForm& form, int lagCount);
void MainMenuClick(TMForm& form, bool fromKeyboard);
void SwitchFromSubScreen(TMForm& form);
void HelpFrame(TMForm& form, int lagCount);
void HelpClick(TMForm& form);

// Race.
void RaceFrame(TMForm& form, int lagCount);
// Builds the race for CarChoice and makes it the current screen.
void StartRace(TMForm& form);

// Options, high scores, car choice.
void OptionsFrame(TMForm& form, int lagCount);
void OptionsClick(TMForm& form);
void ExtraTextKey(TMForm& form, uint8_t key);
void HighScoresFrame(TMForm& form, int lagCount);
void HighScoresClick(TMForm& form);
void NameEntryKey(TMForm& form, uint8_t key);
void CarChoiceFrame(TMForm& form, int lagCount);
void CarChoiceClick(TMForm& form);

// Message windows.
void OpenMessageWindow(TMForm& form, WindowKinds kind);
void MessageWindowFrame(TMForm& form, int lagCount);
void MessageWindowClick(TMForm& form);

// Everything the main window's handlers call out to, as entries a test may replace to watch
// the dispatch. An empty entry is a part of the game that is not there yet and is skipped.
struct ShellRoutines {
  using Frame = std::function<void(TMForm&, int lagCount)>;
  using Action = std::function<void(TMForm&)>;
  using Key = std::function<void(TMForm&, uint8_t key)>;

  Action MusicWatchdog;
  Frame MainMenuFrame, RaceFrame, OptionsFrame, HighScoresFrame, HelpFrame, CarChoiceFrame;
  Frame MessageWindowFrame;
  std::function<void(TMForm&, bool fromKeyboard)> MainMenuClick;
  Action OptionsClick, HighScoresClick, HelpClick, CarChoiceClick, MessageWindowClick;
  Key NameEntryKey, ExtraTextKey;
  std::function<void(TMForm&, WindowKinds kind)> OpenMessageWindow;
  std::function<void(TMForm&, bool rebuild, int openArg)> OpenMainMenu;
  Action HoverScreen, HoverWindow;
  std::function<void(TMForm&, const std::string& name)> PlaySound;
};

// The game's own routines.
ShellRoutines DefaultShellRoutines();

}  // namespace vontra
