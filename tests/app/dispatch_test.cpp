#include <gtest/gtest.h>

#include "app/frame_timer.h"
#include "app/input_dispatch.h"
#include "app/message_loop.h"
#include "support/headless_game.h"
#include "support/routine_recorder.h"

namespace vontra {
namespace {

using Calls = std::vector<std::string>;

constexpr ScreenStates kAllScreens[] = {ScreenStates::kMainMenu, ScreenStates::kRace,
                                        ScreenStates::kOptions,  ScreenStates::kHighScores,
                                        ScreenStates::kHelp,     ScreenStates::kCarChoice};
constexpr WindowKinds kAllWindows[] = {
    WindowKinds::kNone,         WindowKinds::kLevelBanner,    WindowKinds::kPause,
    WindowKinds::kTimeOver,     WindowKinds::kFinishQuestion, WindowKinds::kNameEntry,
    WindowKinds::kSendQuestion, WindowKinds::kSending,        WindowKinds::kGameOver,
    WindowKinds::kQuitQuestion, WindowKinds::kClearQuestion};

struct ClickCase {
  ScreenStates screen;
  WindowKinds window;
  int selected;
  bool fromKeyboard;
  Calls expected;
};

class ButtonClickRules : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ButtonClickRules, HandsTheClickToTheWindowOrTheScreen) {
  const ClickCase& c = GetParam();
  HeadlessGame game;
  TMForm& form = game.Form();
  RoutineRecorder rec(form);
  form.ScreenState = c.screen;
  form.WindowKind = c.window;
  form.SelectedWidget = c.selected;
  ButtonClick(form, c.fromKeyboard);
  EXPECT_EQ(rec.Calls, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ButtonClickRules,
    ::testing::Values(
        ClickCase{ScreenStates::kMainMenu, WindowKinds::kNone, 2, false, {"MainMenuClick(false)"}},
        ClickCase{ScreenStates::kMainMenu, WindowKinds::kNone, 6, true, {"MainMenuClick(true)"}},
        ClickCase{ScreenStates::kOptions, WindowKinds::kNone, 7, false, {"OptionsClick"}},
        ClickCase{ScreenStates::kHighScores, WindowKinds::kNone, 8, false, {"HighScoresClick"}},
        ClickCase{ScreenStates::kHelp, WindowKinds::kNone, 7, true, {"HelpClick"}},
        ClickCase{ScreenStates::kCarChoice, WindowKinds::kNone, 9, false, {"CarChoiceClick"}},
        // Main-menu buttons on a sub-screen still go to the sub-screen's own routine.
        ClickCase{ScreenStates::kOptions, WindowKinds::kNone, 3, false, {"OptionsClick"}},
        // The questions answer every click, with the selection sound for Yes and No.
        ClickCase{ScreenStates::kMainMenu,
                  WindowKinds::kQuitQuestion,
                  11,
                  false,
                  {"PlaySound(B_Act)", "MessageWindowClick"}},
        ClickCase{ScreenStates::kHighScores,
                  WindowKinds::kClearQuestion,
                  12,
                  true,
                  {"PlaySound(B_Act)", "MessageWindowClick"}},
        ClickCase{
            ScreenStates::kRace, WindowKinds::kQuitQuestion, 0, false, {"MessageWindowClick"}},
        ClickCase{
            ScreenStates::kOptions, WindowKinds::kQuitQuestion, 3, false, {"MessageWindowClick"}},
        // In a race only the question windows take clicks.
        ClickCase{
            ScreenStates::kRace, WindowKinds::kFinishQuestion, 1, false, {"MessageWindowClick"}},
        ClickCase{ScreenStates::kRace, WindowKinds::kNameEntry, 0, true, {"MessageWindowClick"}},
        ClickCase{
            ScreenStates::kRace, WindowKinds::kSendQuestion, 2, false, {"MessageWindowClick"}},
        ClickCase{ScreenStates::kRace, WindowKinds::kNone, 1, false, {}},
        ClickCase{ScreenStates::kRace, WindowKinds::kLevelBanner, 1, false, {}},
        ClickCase{ScreenStates::kRace, WindowKinds::kPause, 1, false, {}},
        ClickCase{ScreenStates::kRace, WindowKinds::kSending, 1, false, {}},
        ClickCase{ScreenStates::kRace, WindowKinds::kGameOver, 1, false, {}},
        // A stray Yes/No selection still sounds before the screen gets the click.
        ClickCase{ScreenStates::kMainMenu,
                  WindowKinds::kNone,
                  11,
                  false,
                  {"PlaySound(B_Act)", "MainMenuClick(false)"}},
        ClickCase{ScreenStates::kCreating, WindowKinds::kNone, 1, false, {}}));

struct KeyCase {
  ScreenStates screen;
  WindowKinds window;
  bool editing;
  int selected;
  uint8_t key;
  Calls expected;
  int selectedAfter;
  bool repeat = false;  // made by the keyboard's auto-repeat
};

class KeyPressRules : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyPressRules, TypedCharacterReachesTheRightPlace) {
  const KeyCase& c = GetParam();
  HeadlessGame game;
  TMForm& form = game.Form();
  RoutineRecorder rec(form);
  form.ScreenState = c.screen;
  form.WindowKind = c.window;
  form.EditingExtraText = c.editing;
  form.SelectedWidget = c.selected;
  FormKeyPress(form, c.key, c.repeat);
  EXPECT_EQ(rec.Calls, c.expected);
  EXPECT_EQ(form.SelectedWidget, c.selectedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, KeyPressRules,
    ::testing::Values(
        // Main menu: Enter and Backspace click from the keyboard, Escape does nothing,
        // letters are dropped.
        KeyCase{
            ScreenStates::kMainMenu, WindowKinds::kNone, false, 3, 13, {"MainMenuClick(true)"}, 3},
        KeyCase{
            ScreenStates::kMainMenu, WindowKinds::kNone, false, 3, 8, {"MainMenuClick(true)"}, 3},
        KeyCase{ScreenStates::kMainMenu, WindowKinds::kNone, false, 3, 27, {}, 3},
        KeyCase{ScreenStates::kMainMenu, WindowKinds::kNone, false, 3, 'a', {}, 3},
        // Sub-screens: Escape selects the screen's own menu button and clicks it.
        KeyCase{
            ScreenStates::kHighScores, WindowKinds::kNone, false, 7, 27, {"HighScoresClick"}, 3},
        KeyCase{ScreenStates::kHelp, WindowKinds::kNone, false, 8, 27, {"HelpClick"}, 4},
        KeyCase{ScreenStates::kCarChoice, WindowKinds::kNone, false, 9, 27, {"CarChoiceClick"}, 1},
        KeyCase{ScreenStates::kHelp, WindowKinds::kNone, false, 8, 13, {"HelpClick"}, 8},
        KeyCase{ScreenStates::kCarChoice, WindowKinds::kNone, false, 9, 8, {"CarChoiceClick"}, 9},
        // Options: Enter clicks, Escape leaves through button 2, the field gets the rest.
        KeyCase{ScreenStates::kOptions, WindowKinds::kNone, false, 8, 13, {"OptionsClick"}, 8},
        KeyCase{ScreenStates::kOptions, WindowKinds::kNone, true, 10, 27, {"OptionsClick"}, 2},
        KeyCase{
            ScreenStates::kOptions, WindowKinds::kNone, true, 10, 'x', {"ExtraTextKey(120)"}, 10},
        KeyCase{ScreenStates::kOptions, WindowKinds::kNone, true, 10, 8, {"ExtraTextKey(8)"}, 10},
        KeyCase{ScreenStates::kOptions, WindowKinds::kNone, false, 10, 'x', {}, 10},
        KeyCase{ScreenStates::kOptions, WindowKinds::kNone, true, 9, 'x', {}, 9},
        KeyCase{ScreenStates::kOptions, WindowKinds::kNone, false, 10, 8, {}, 10},
        // Race: Enter answers the window; the name entry takes characters; Escape typed
        // does nothing here.
        KeyCase{ScreenStates::kRace,
                WindowKinds::kFinishQuestion,
                false,
                1,
                13,
                {"MessageWindowClick"},
                1},
        KeyCase{
            ScreenStates::kRace, WindowKinds::kNameEntry, false, 0, 0xC0, {"NameEntryKey(192)"}, 0},
        KeyCase{ScreenStates::kRace, WindowKinds::kNameEntry, false, 0, 8, {"NameEntryKey(8)"}, 0},
        KeyCase{ScreenStates::kRace, WindowKinds::kNone, false, 0, 27, {}, 0},
        KeyCase{ScreenStates::kRace, WindowKinds::kPause, false, 0, 'p', {}, 0},
        // The quit question on the main menu: Enter answers with the highlighted button.
        KeyCase{ScreenStates::kMainMenu,
                WindowKinds::kQuitQuestion,
                false,
                12,
                13,
                {"PlaySound(B_Act)", "MessageWindowClick"},
                12},
        // A held key acts once: its repeats click, answer and leave nothing, and only type
        // again in the text fields.
        KeyCase{ScreenStates::kMainMenu, WindowKinds::kNone, false, 1, 13, {}, 1, true},
        KeyCase{ScreenStates::kMainMenu, WindowKinds::kNone, false, 1, 8, {}, 1, true},
        KeyCase{ScreenStates::kCarChoice, WindowKinds::kNone, false, 7, 13, {}, 7, true},
        KeyCase{ScreenStates::kHelp, WindowKinds::kNone, false, 8, 27, {}, 8, true},
        KeyCase{ScreenStates::kMainMenu, WindowKinds::kQuitQuestion, false, 12, 13, {}, 12, true},
        KeyCase{ScreenStates::kOptions, WindowKinds::kNone, true, 10, 13, {}, 10, true},
        KeyCase{ScreenStates::kOptions, WindowKinds::kNone, true, 10, 27, {}, 10, true},
        KeyCase{
            ScreenStates::kOptions, WindowKinds::kNone, true, 10, 8, {"ExtraTextKey(8)"}, 10, true},
        KeyCase{ScreenStates::kRace, WindowKinds::kSendQuestion, false, 1, 13, {}, 1, true},
        KeyCase{ScreenStates::kRace,
                WindowKinds::kNameEntry,
                false,
                0,
                13,
                {"NameEntryKey(13)"},
                0,
                true},
        KeyCase{ScreenStates::kRace,
                WindowKinds::kNameEntry,
                false,
                0,
                8,
                {"NameEntryKey(8)"},
                0,
                true}));

TEST(KeyPress, EnterInNameEntryAnswersAndThenGoesToTheEditorOnlyIfStillOpen) {
  HeadlessGame game;
  TMForm& form = game.Form();
  RoutineRecorder rec(form);
  form.ScreenState = ScreenStates::kRace;
  form.WindowKind = WindowKinds::kNameEntry;
  // Answering the name entry opens the send question.
  form.Routines.MessageWindowClick = [&](TMForm& f) {
    rec.Calls.push_back("MessageWindowClick");
    f.WindowKind = WindowKinds::kSendQuestion;
  };
  FormKeyPress(form, 13);
  EXPECT_EQ(rec.Calls, (Calls{"MessageWindowClick"}));
}

TEST(AltEnter, TogglesTheDisplayOnEveryScreenAndInEveryWindow) {
  HeadlessGame game;
  game.Create();
  TMForm& form = game.Form();
  RoutineRecorder rec(form);
  HeadlessDisplay& display = *game.Platform().display;
  for (ScreenStates screen : kAllScreens) {
    for (WindowKinds window : kAllWindows) {
      SCOPED_TRACE(testing::Message()
                   << "screen " << ToInt(screen) << " window " << int{ToInt(window)});
      form.ScreenState = screen;
      form.WindowKind = window;
      const uint8_t before = form.FullScreen;
      rec.Clear();
      game.Events().KeyDown(13, true);
      game.Events().KeyUp(13, true);
      game.Pump(1);
      EXPECT_EQ(form.FullScreen, before ? 0 : 1);
      EXPECT_EQ(display.FullScreen(), form.FullScreen == 1);
      EXPECT_TRUE(display.Initialized());
      EXPECT_TRUE(form.MDXTimer->Enabled());
      // The key only toggled the display: nothing was clicked.
      EXPECT_TRUE(rec.Matching("MessageWindowClick").empty());
      EXPECT_TRUE(rec.Matching("MainMenuClick").empty());
    }
  }
}

TEST(AltEnter, PlainEnterKeyAndAltWithOtherKeysDoNotToggle) {
  HeadlessGame game;
  game.Create();
  for (auto [key, alt] : {std::pair{13, false}, std::pair{65, true}, std::pair{18, true}}) {
    FormKeyDown(game.Form(), key, alt);
    EXPECT_EQ(game.Form().FullScreen, 0);
  }
}

TEST(AltEnter, AHeldAltEnterSwitchesOnce) {
  HeadlessGame game;
  game.Create();
  game.Events().KeyDown(13, true);
  for (int i = 0; i < 5; ++i) game.Events().KeyDown(13, true, true);
  game.Pump(1);
  EXPECT_EQ(game.Form().FullScreen, 1);
}

// A pad's A is Enter and B is Escape, except in the name entry, where the picker takes every
// press; any press makes the pad the input in use, and the keyboard takes that back.
TEST(PadPress, StandsForEnterAndEscapeOutsideTheNameEntry) {
  struct Case {
    ScreenStates screen;
    WindowKinds window;
    int selected;
    PadButton button;
    Calls expected;
    int selectedAfter;
  };
  const Case cases[] = {
      {ScreenStates::kMainMenu, WindowKinds::kNone, 2, PadButton::A, {"MainMenuClick(true)"}, 2},
      {ScreenStates::kMainMenu, WindowKinds::kNone, 2, PadButton::B, {}, 2},
      {ScreenStates::kHelp, WindowKinds::kNone, 8, PadButton::B, {"HelpClick"}, 4},
      {ScreenStates::kMainMenu, WindowKinds::kNone, 2, PadButton::Start, {}, 2},
      {ScreenStates::kMainMenu, WindowKinds::kNone, 2, PadButton::Other, {}, 2},
      {ScreenStates::kRace, WindowKinds::kSendQuestion, 1, PadButton::A, {"MessageWindowClick"}, 1},
      {ScreenStates::kRace, WindowKinds::kNameEntry, 0, PadButton::A, {"NamePickerPress(1)"}, 0},
      {ScreenStates::kRace, WindowKinds::kNameEntry, 0, PadButton::B, {"NamePickerPress(2)"}, 0},
      {ScreenStates::kRace,
       WindowKinds::kNameEntry,
       0,
       PadButton::Start,
       {"NamePickerPress(3)"},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "screen " << ToInt(c.screen) << " window "
                                    << int{ToInt(c.window)} << " pad " << int(c.button));
    HeadlessGame game;
    TMForm& form = game.Form();
    RoutineRecorder rec(form);
    form.ScreenState = c.screen;
    form.WindowKind = c.window;
    form.SelectedWidget = c.selected;
    PlatformEvent pad;
    pad.kind = PlatformEvent::Kind::PadPress;
    pad.Pad = c.button;
    DispatchEvent(form, pad);
    EXPECT_EQ(rec.Calls, c.expected);
    EXPECT_EQ(form.SelectedWidget, c.selectedAfter);
    EXPECT_TRUE(form.PadInUse);
    PlatformEvent shift;
    shift.kind = PlatformEvent::Kind::KeyDown;
    shift.Key = 16;
    DispatchEvent(form, shift);
    EXPECT_FALSE(form.PadInUse);
  }
}

TEST(MouseMove, StoresThePositionAndHoversTheWindowOrTheScreen) {
  HeadlessGame game;
  TMForm& form = game.Form();
  RoutineRecorder rec(form);
  MDXDrawMouseMove(form, 120, 340);
  EXPECT_EQ(form.MouseX, 120);
  EXPECT_EQ(form.MouseY, 340);
  form.WindowKind = WindowKinds::kPause;
  MDXDrawMouseMove(form, 0, 599);
  EXPECT_EQ(rec.Calls, (Calls{"HoverScreen", "HoverWindow"}));
}

TEST(MouseEvents, PositionsOffTheSurfaceAreIgnoredAndClicksSelectWhatIsUnderThem) {
  HeadlessGame game;
  TMForm& form = game.Form();
  RoutineRecorder rec(form);
  form.ScreenState = ScreenStates::kMainMenu;
  for (auto [x, y] : {std::pair{-3, 10}, std::pair{800, 10}, std::pair{5, 600}, std::pair{4, -1}}) {
    game.MoveMouse(x, y);
    game.Click(x, y);
  }
  game.MoveMouse(799, 599);
  game.Click(799, 599);  // every click hovers its point, moved to or not
  game.Click(30, 40);
  game.Pump(1);
  EXPECT_EQ(form.MouseX, 30);
  EXPECT_EQ(form.MouseY, 40);
  EXPECT_EQ(rec.Matching("Hover"), (Calls{"HoverScreen", "HoverScreen", "HoverScreen"}));
  EXPECT_EQ(rec.Matching("MainMenuClick").size(), 2u);
}

}  // namespace
}  // namespace vontra
