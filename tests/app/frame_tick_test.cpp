#include <gtest/gtest.h>

#include "app/frame_tick.h"
#include "app/frame_timer.h"
#include "support/headless_game.h"
#include "support/routine_recorder.h"

namespace vontra {
namespace {

using Calls = std::vector<std::string>;

TEST(FrameTick, WatchdogThenInputThenFrameThenTiming) {
  HeadlessGame game;
  TMForm& form = game.Form();
  RoutineRecorder rec(form);
  form.ScreenState = ScreenStates::kRace;
  form.FrameRate = 0;
  form.FrameTimeMs = 15;
  game.Hold({.Pause = true});
  int readsAtWatchdog = -1;
  bool pauseSeenByFrame = false;
  int frameTimeSeenByFrame = 0;
  form.Routines.MusicWatchdog = [&](TMForm&) {
    rec.Calls.push_back("MusicWatchdog");
    readsAtWatchdog = game.Platform().input->ReadCount();
  };
  form.Routines.RaceFrame = [&](TMForm& f, int lag) {
    rec.Calls.push_back("RaceFrame(" + std::to_string(lag) + ")");
    pauseSeenByFrame = f.PausePressed;
    frameTimeSeenByFrame = f.FrameTimeMs;
  };
  MDXTimerTimer(form, 23);
  EXPECT_EQ(rec.Calls, (Calls{"MusicWatchdog", "RaceFrame(23)"}));
  EXPECT_EQ(readsAtWatchdog, 0);        // input is read after the watchdog
  EXPECT_TRUE(pauseSeenByFrame);        // and the edge flags are ready for the frame
  EXPECT_EQ(frameTimeSeenByFrame, 15);  // the frame uses the previous tick's timing
  EXPECT_EQ(form.FrameTimeMs, 11);      // and the bookkeeping comes last
}

struct DispatchCase {
  ScreenStates screen;
  WindowKinds window;
  const char* frame;  // nullptr: no frame routine runs
};

class TickDispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(TickDispatch, RunsTheFrameOfTheScreenOrOfTheOpenQuestion) {
  const DispatchCase c = GetParam();
  HeadlessGame game;
  TMForm& form = game.Form();
  RoutineRecorder rec(form);
  form.ScreenState = c.screen;
  form.WindowKind = c.window;
  form.FrameTimeMs = 40;
  MDXTimerTimer(form, 9);
  Calls expected{"MusicWatchdog"};
  if (c.frame) expected.push_back(std::string(c.frame) + "(9)");
  EXPECT_EQ(rec.Calls, expected);
  EXPECT_EQ(form.FrameTimeMs, 11);  // bookkeeping runs whatever was drawn
  EXPECT_EQ(form.ScreenState, c.screen);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, TickDispatch,
    ::testing::Values(
        DispatchCase{ScreenStates::kCreating, WindowKinds::kNone, nullptr},
        DispatchCase{ScreenStates::kMainMenu, WindowKinds::kNone, "MainMenuFrame"},
        DispatchCase{ScreenStates::kRace, WindowKinds::kNone, "RaceFrame"},
        DispatchCase{ScreenStates::kOptions, WindowKinds::kNone, "OptionsFrame"},
        DispatchCase{ScreenStates::kHighScores, WindowKinds::kNone, "HighScoresFrame"},
        DispatchCase{ScreenStates::kHelp, WindowKinds::kNone, "HelpFrame"},
        DispatchCase{ScreenStates::kCarChoice, WindowKinds::kNone, "CarChoiceFrame"},
        // The race's own windows are drawn by the race frame.
        DispatchCase{ScreenStates::kRace, WindowKinds::kPause, "RaceFrame"},
        DispatchCase{ScreenStates::kRace, WindowKinds::kNameEntry, "RaceFrame"},
        // The two questions replace any screen's frame, the race's too.
        DispatchCase{ScreenStates::kMainMenu, WindowKinds::kQuitQuestion, "MessageWindowFrame"},
        DispatchCase{ScreenStates::kRace, WindowKinds::kQuitQuestion, "MessageWindowFrame"},
        DispatchCase{ScreenStates::kHelp, WindowKinds::kQuitQuestion, "MessageWindowFrame"},
        DispatchCase{ScreenStates::kHighScores, WindowKinds::kClearQuestion, "MessageWindowFrame"},
        DispatchCase{ScreenStates::kCreating, WindowKinds::kQuitQuestion, "MessageWindowFrame"}));

TEST(FrameTick, NoTicksWhileInactiveAndShortLagAfterReactivation) {
  HeadlessGame game;
  RoutineRecorder rec(game.Form());
  game.Create();
  game.Form().ScreenState = ScreenStates::kMainMenu;
  ASSERT_EQ(game.RunTicks(3), 3);
  game.Platform().window->SetActive(false);
  game.Events().Simple(PlatformEvent::Kind::Deactivate);
  game.Pump(50);  // half a second of idle turns
  EXPECT_EQ(game.RunTicks(1), 0);
  rec.Clear();
  game.Platform().window->SetActive(true);
  game.Events().Simple(PlatformEvent::Kind::Activate);
  ASSERT_EQ(game.RunTicks(1), 1);
  // The game goes on where it stopped: the first lag does not include the inactive time.
  ASSERT_EQ(rec.Matching("MainMenuFrame").size(), 1u);
  EXPECT_EQ(rec.Matching("MainMenuFrame")[0], "MainMenuFrame(1)");
}

TEST(FrameTick, TimerStopsWhileTheDisplayIsFinalised) {
  HeadlessGame game;
  game.Create();
  ASSERT_TRUE(game.Form().MDXTimer->Enabled());
  game.Platform().display->Finalize();
  EXPECT_FALSE(game.Form().MDXTimer->Enabled());
  EXPECT_EQ(game.RunTicks(2), 0);
  game.Platform().display->Initialize();
  EXPECT_EQ(game.RunTicks(2), 2);
}

}  // namespace
}  // namespace vontra
