#include "frontend/front_end.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "frontend/name_picker.h"
#include "frontend/widget_slots.h"

namespace vontra {

ShellRoutines DefaultShellRoutines() {
  ShellRoutines r;
  r.MusicWatchdog = MusicWatchdog;
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
  r.NamePickerPress = NamePickerPress;
  r.OpenMessageWindow = OpenMessageWindow;
  r.OpenMainMenu = OpenMainMenu;
  r.HoverScreen = HoverScreen;
  r.HoverWindow = HoverWindow;
  r.PlaySound = [](TMForm& form, const std::string& name) { PlaySound(form, name); };
  return r;
}

}  // namespace vontra
