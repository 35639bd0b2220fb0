#include "frontend/screen_routines.h"

namespace vontra {

ShellRoutines DefaultShellRoutines() {
  ShellRoutines r;
  // MusicWatchdog: the music control plugs in here.
  r.MainMenuFrame = MainMenuFrame;
  r.RaceFrame = RaceFrame;
  r.OptionsFrame = OptionsFrame;
  r.HighScoresFrame = HighScoresFrame;
  r.HelpFrame = HelpFrame;
  r.CarChoiceFrame = CarChoiceFrame;
  r.MessageWindowFrame = MessageWindowFrame;
  r.MainMenuClick = MainMenuClick;
  r.OptionsClick = OptionsClick;
  r.HighScoresClick = HighScoresClick;
  r.HelpClick = HelpClick;
  r.CarChoiceClick = CarChoiceClick;
  r.MessageWindowClick = MessageWindowClick;
  r.NameEntryKey = NameEntryKey;
  r.ExtraTextKey = ExtraTextKey;
  r.OpenMessageWindow = OpenMessageWindow;
  r.OpenMainMenu = OpenMainMenu;
  // HoverScreen, HoverWindow: the menu widgets plug in here.
  // PlaySound: the sound effects plug in here.
  return r;
}

}  // namespace vontra
