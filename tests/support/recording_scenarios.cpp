// The scripted games the repository's recordings are made from. Each plays as a player would,
// with the mouse, typed keys and held keys; what it does is decided from what the game shows,
// so a re-recording after a deliberate change still reaches the same ending.
#include "app/virtual_keys.h"
#include "frontend/menu_button.h"
#include "support/game_recorder.h"

namespace vontra {

namespace {

constexpr int kMaxWaitFrames = 6000;

void Wait(GameRecorder& rec, const std::function<bool()>& done, const char* what) {
  if (!rec.TickUntil(done, kMaxWaitFrames)) {
    throw std::runtime_error(std::string("the scripted game never got to: ") + what);
  }
}

void WaitForMenu(GameRecorder& rec) {
  Wait(
      rec, [&] { return rec.Form().ScreenState == 0 && rec.Form().MenuIntroPhase == 0; },
      "the main menu after its opening");
}

// Points at a button as a player does, clicks it and lets a few frames pass.
void ClickSlot(GameRecorder& rec, int slot, int settleFrames = 10) {
  TMenuButton* button = rec.Form().WidgetSlots[slot];
  if (!button) throw std::runtime_error("no button in slot " + std::to_string(slot));
  const int x = static_cast<int>(button->X) + button->Width / 2;
  const int y = static_cast<int>(button->Y) + button->Height / 2;
  rec.MoveMouse(x, y);
  rec.Tick(3);
  rec.Click(x, y);
  rec.Tick(settleFrames);
}

// A held key for some frames, then released.
void HoldFor(GameRecorder& rec, InputStateSet held, int frames) {
  rec.Hold(held);
  rec.Tick(frames);
  rec.Hold({});
  rec.Tick(2);
}

InputStateSet Only(bool InputStateSet::*flag) {
  InputStateSet s;
  s.*flag = true;
  return s;
}

// Every screen of the front end: options changed and a text typed, help pages turned, the
// clear question declined, the car choice left, Alt+Enter twice, the quit question declined.
void FrontEndTour(GameRecorder& rec) {
  WaitForMenu(rec);
  // Keyboard navigation over the menu, then back to the top.
  HoldFor(rec, Only(&InputStateSet::Down), 30);
  HoldFor(rec, Only(&InputStateSet::Up), 30);

  ClickSlot(rec, 2);   // options
  ClickSlot(rec, 8);   // music off
  ClickSlot(rec, 9);   // sound off
  ClickSlot(rec, 10);  // edit the text field
  for (int i = 0; i < 7; ++i) rec.Type(kCharBackspace);
  for (uint8_t c : std::string("Rec 1")) rec.Type(c);
  rec.Tick(20);
  ClickSlot(rec, 10);  // done editing
  rec.KeyDown(kVkReturn, true);
  rec.KeyUp(kVkReturn, true);
  rec.Tick(10);
  rec.KeyDown(kVkReturn, true);
  rec.KeyUp(kVkReturn, true);
  rec.Tick(10);
  rec.Type(kCharEscape);
  rec.Tick(30);

  ClickSlot(rec, 4);  // help
  ClickSlot(rec, 8, 30);
  ClickSlot(rec, 8, 30);
  ClickSlot(rec, 7, 30);
  ClickSlot(rec, 3);  // straight to the high scores
  ClickSlot(rec, 7);  // clear the table?
  HoldFor(rec, Only(&InputStateSet::No), 3);
  rec.Type(kCharEscape);
  rec.Tick(30);

  ClickSlot(rec, 1);  // car choice, left again with Escape
  rec.Tick(60);
  rec.Type(kCharEscape);
  rec.Tick(30);

  ClickSlot(rec, 6);  // quit? Enter answers the highlighted No
  rec.Type(kCharEnter);
  rec.Tick(60);
}

}  // namespace

const std::vector<RecordingScenario>& RecordingScenarios() {
  static const std::vector<RecordingScenario> scenarios = {
      {"front_end_tour",
       "menus, options, help, high scores and car choice; questions declined",
       {7, 60, 240},
       FrontEndTour},
  };
  return scenarios;
}

}  // namespace vontra
