// The scripted games the repository's recordings are made from. Each plays as a player would,
// with the mouse, typed keys and held keys; what it does is decided from what the game shows,
// so a re-recording after a deliberate change still reaches the same ending.
#include "app/virtual_keys.h"
#include "frontend/menu_button.h"
#include "support/autopilot.h"
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
      rec,
      [&] {
        return rec.Form().ScreenState == ScreenStates::kMainMenu && rec.Form().MenuIntroPhase == 0;
      },
      "the main menu after its opening");
}

// Points at a button as a player does, clicks it and lets a few frames pass.
void ClickSlot(GameRecorder& rec, int slot, int settleFrames = 10) {
  TMenuButton* button = rec.Form().WidgetSlots[slot].get();
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

// Lets the autopilot play until `done` holds.
void Pilot(GameRecorder& rec, Autopilot& pilot, const std::function<bool()>& done, int maxFrames,
           const char* what) {
  const AutopilotHands hands{[&](const PlatformEvent& e) { rec.Send(e); },
                             [&](const InputStateSet& held) { rec.Hold(held); }};
  for (int i = 0; i < maxFrames; ++i) {
    if (done()) return;
    pilot.Step(rec.Form(), hands);
    if (!rec.Tick()) break;
  }
  if (!done()) throw std::runtime_error(std::string("the autopilot never got to: ") + what);
}

// Race 1 driven to the finish, its time bonus counted, and the banner of race 2.
void RaceWon(GameRecorder& rec) {
  Autopilot pilot({});
  TMForm& form = rec.Form();
  Pilot(
      rec, pilot,
      [&] {
        return form.ScreenState == ScreenStates::kRace && form.Level == 2 &&
               form.WindowKind == WindowKinds::kLevelBanner;
      },
      20000, "the banner of race 2");
  rec.Hold({});
  rec.Tick(30);
}

// The car never moves: four races lost to the clock, game over, back to the menu.
void LostToClock(GameRecorder& rec) {
  AutopilotSettings settings;
  settings.IdleChance = 1.0;
  settings.FirstCar = 3;
  Autopilot pilot(settings);
  TMForm& form = rec.Form();
  bool raced = false;
  Pilot(
      rec, pilot,
      [&] {
        raced = raced || form.ScreenState == ScreenStates::kRace;
        return raced && form.ScreenState == ScreenStates::kMainMenu && form.MenuIntroPhase == 0;
      },
      30000, "the menu after the game");
  rec.Hold({});
  rec.Tick(30);
}

// Races until the score enters the table, then Escape and Y, a name typed, the result not
// sent, and the high-score screen that follows.
void HighScoreEntered(GameRecorder& rec) {
  AutopilotSettings settings;
  settings.Name = "Pilot";
  settings.FirstCar = 2;
  Autopilot pilot(settings);
  TMForm& form = rec.Form();
  Pilot(
      rec, pilot,
      [&] {
        return form.ScreenState == ScreenStates::kRace && form.Score > form.HighScores[10].Score;
      },
      60000, "a score for the table");
  pilot.Finish();
  Pilot(
      rec, pilot, [&] { return form.ScreenState == ScreenStates::kHighScores; }, 6000,
      "the high-score screen");
  rec.Hold({});
  rec.Tick(60);
}

}  // namespace

const std::vector<RecordingScenario>& RecordingScenarios() {
  static const std::vector<RecordingScenario> scenarios = {
      {"front_end_tour",
       "menus, options, help, high scores and car choice; questions declined",
       {7, 60, 240},
       FrontEndTour},
      {"race_won",
       "race 1 driven to the finish by the autopilot, up to the banner of race 2",
       {11, 60, 240},
       RaceWon},
      {"lost_to_clock",
       "a car that never moves: four races lost to the clock, game over",
       {13, 60, 240},
       LostToClock},
      {"high_score",
       "races until the score enters the table, name typed, result not sent",
       {17, 60, 240},
       HighScoreEntered},
  };
  return scenarios;
}

}  // namespace vontra
