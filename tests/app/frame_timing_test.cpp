#include <gtest/gtest.h>

#include "app/frame_tick.h"
#include "app/frame_timer.h"
#include "frontend/front_end.h"
#include "platform/headless/headless_clock.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

TEST(FrameTimer, LagIsTimeSincePreviousFiringAndAtLeastOne) {
  HeadlessClock clock;
  TFrameTimer timer(clock);
  timer.SetEnabled(true);
  clock.Advance(17);
  EXPECT_EQ(timer.Fire(), 17);
  EXPECT_EQ(timer.Fire(), 1);  // same millisecond
  clock.Advance(0.6);
  EXPECT_EQ(timer.Fire(), 1);
  clock.Advance(250);
  EXPECT_EQ(timer.Fire(), 250);
}

TEST(FrameTimer, ReportsRoundedRateOnlyAfterAFullSecond) {
  HeadlessClock clock;
  TFrameTimer timer(clock);
  timer.SetEnabled(true);
  // 7 firings in 999 ms: no report yet.
  for (int i = 0; i < 7; ++i) {
    clock.Advance(999.0 / 7);
    timer.Fire();
  }
  EXPECT_EQ(timer.FrameRate(), 0);
  // The eighth lands at 1040 ms: 8 * 1000 / 1040 = 7.69 -> 8.
  clock.Advance(41);
  timer.Fire();
  EXPECT_EQ(timer.FrameRate(), 8);
  // The next period counts from the report: 3 firings over 1200 ms = 2.5 -> 2 (halves to even).
  clock.Advance(400);
  timer.Fire();
  clock.Advance(400);
  timer.Fire();
  EXPECT_EQ(timer.FrameRate(), 8);
  clock.Advance(400);
  timer.Fire();
  EXPECT_EQ(timer.FrameRate(), 2);
}

TEST(FrameTimer, EnablingAfterAPauseRestartsBothClocks) {
  HeadlessClock clock;
  TFrameTimer timer(clock);
  timer.SetEnabled(true);
  clock.Advance(10);
  timer.Fire();
  timer.SetEnabled(false);
  clock.Advance(5000);
  timer.SetEnabled(true);
  clock.Advance(12);
  EXPECT_EQ(timer.Fire(), 12);
  EXPECT_EQ(timer.FrameRate(), 0);  // the measurement restarted too, no 2-per-5-seconds report
  // Enabling an enabled timer changes nothing.
  clock.Advance(20);
  timer.SetEnabled(true);
  EXPECT_EQ(timer.Fire(), 20);
  // Activation restarts in the same way.
  clock.Advance(3000);
  timer.Restart();
  clock.Advance(5);
  EXPECT_EQ(timer.Fire(), 5);
}

struct TimingCase {
  int reported;
  int frameRate;
  int frameTimeMs;
  double speedFactor;
};

class FrameTimingTable : public ::testing::TestWithParam<TimingCase> {};

TEST_P(FrameTimingTable, ReportedRateBecomesTheNextTicksTimeStep) {
  const TimingCase c = GetParam();
  HeadlessGame game;
  UpdateFrameTiming(game.Form(), c.reported);
  EXPECT_EQ(game.Form().FrameRate, c.frameRate);
  EXPECT_EQ(game.Form().FrameTimeMs, c.frameTimeMs);
  EXPECT_DOUBLE_EQ(game.Form().SpeedFactor, c.speedFactor);
}

INSTANTIATE_TEST_SUITE_P(Rates, FrameTimingTable,
                         ::testing::Values(TimingCase{0, 85, 11, 1.0},  // nothing measured yet
                                           TimingCase{60, 60, 17, 85.0 / 60},  // 16.67
                                           TimingCase{80, 80, 12, 1.0625},   // 12.5 rounds to even
                                           TimingCase{85, 85, 12, 1.0},      // 11.76
                                           TimingCase{125, 125, 8, 0.68},    // exact
                                           TimingCase{400, 400, 2, 0.2125},  // 2.5 rounds to even
                                           // 0.4 ms would round to 0 and stop every countdown: one
                                           // frame is at least 1 ms.
                                           TimingCase{2500, 2500, 1, 0.034}));

// A screen that draws and presents every frame, as every real screen does.
void PresentingScreen(TMForm& form, int lag) {
  RenderScene(form, lag, true);
  PresentFrame(form);
}

TEST(FrameTiming, HeadlessGameMeasuresItsFrameRateAfterOneSecond) {
  struct Case {
    int fps;
    int frameTimeMs;
  };
  for (Case c : {Case{60, 17}, Case{85, 12}, Case{80, 12}}) {
    SCOPED_TRACE(c.fps);
    HeadlessGame::Options options;
    options.Platform.FrameRate = c.fps;
    HeadlessGame game(options);
    game.Form().Routines.MainMenuFrame = PresentingScreen;
    game.Create();
    game.Form().ScreenState = ScreenStates::kMainMenu;
    game.RunTicks(c.fps / 2);
    EXPECT_EQ(game.Form().FrameTimeMs, 11);
    EXPECT_DOUBLE_EQ(game.Form().SpeedFactor, 1.0);
    // The first period also counts the firing at its very start; the ones after it are exact.
    game.RunTicks(2 * c.fps);
    EXPECT_EQ(game.Form().FrameRate, c.fps);
    EXPECT_EQ(game.Form().FrameTimeMs, c.frameTimeMs);
    EXPECT_DOUBLE_EQ(game.Form().SpeedFactor, 85.0 / c.fps);
  }
}

TEST(FrameTiming, TicksThatShowNothingArePacedToTheDisplay) {
  // Nothing is presented while no screen is open; the loop must not spin at thousands of
  // ticks a second but sleep to the display's rate.
  HeadlessGame::Options options;
  options.Platform.FrameRate = 50;
  HeadlessGame game(options);
  game.Form().Routines.OpenMainMenu = nullptr;  // no screen opens
  game.Create();
  ASSERT_EQ(game.Form().ScreenState, ScreenStates::kCreating);
  game.RunTicks(120);
  EXPECT_EQ(game.Presented(), 0);
  EXPECT_EQ(game.Form().FrameRate, 50);
  EXPECT_EQ(game.Form().FrameTimeMs, 20);
}

}  // namespace
}  // namespace vontra
