#include "support/routine_recorder.h"

namespace vontra {

RoutineRecorder::RoutineRecorder(TMForm& form) {
  ShellRoutines& r = form.Routines;
  auto action = [this](std::string name) {
    return [this, name](TMForm&) { Calls.push_back(name); };
  };
  auto frame = [this](std::string name) {
    return
        [this, name](TMForm&, int lag) { Calls.push_back(name + "(" + std::to_string(lag) + ")"); };
  };
  auto key = [this](std::string name) {
    return
        [this, name](TMForm&, uint8_t k) { Calls.push_back(name + "(" + std::to_string(k) + ")"); };
  };
  r.MusicWatchdog = action("MusicWatchdog");
  r.MainMenuFrame = frame("MainMenuFrame");
  r.RaceFrame = frame("RaceFrame");
  r.OptionsFrame = frame("OptionsFrame");
  r.HighScoresFrame = frame("HighScoresFrame");
  r.HelpFrame = frame("HelpFrame");
  r.CarChoiceFrame = frame("CarChoiceFrame");
  r.MessageWindowFrame = frame("MessageWindowFrame");
  r.MainMenuClick = [this](TMForm&, bool fromKeyboard) {
    Calls.push_back(std::string("MainMenuClick(") + (fromKeyboard ? "true" : "false") + ")");
  };
  r.OptionsClick = action("OptionsClick");
  r.HighScoresClick = action("HighScoresClick");
  r.HelpClick = action("HelpClick");
  r.CarChoiceClick = action("CarChoiceClick");
  r.MessageWindowClick = action("MessageWindowClick");
  r.NameEntryKey = key("NameEntryKey");
  r.ExtraTextKey = key("ExtraTextKey");
  r.NamePickerPress = [this](TMForm&, PadButton button) {
    Calls.push_back("NamePickerPress(" + std::to_string(static_cast<int>(button)) + ")");
  };
  r.OpenMessageWindow = [this](TMForm&, WindowKinds kind) {
    Calls.push_back("OpenMessageWindow(" + std::to_string(ToInt(kind)) + ")");
  };
  r.OpenMainMenu = [this](TMForm&, bool rebuild, int openArg) {
    Calls.push_back(std::string("OpenMainMenu(") + (rebuild ? "true" : "false") + "," +
                    std::to_string(openArg) + ")");
  };
  r.HoverScreen = action("HoverScreen");
  r.HoverWindow = action("HoverWindow");
  r.PlaySound = [this](TMForm&, const std::string& name) {
    Calls.push_back("PlaySound(" + name + ")");
  };
}

std::vector<std::string> RoutineRecorder::Matching(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const std::string& c : Calls) {
    if (c.rfind(prefix, 0) == 0) out.push_back(c);
  }
  return out;
}

}  // namespace vontra
