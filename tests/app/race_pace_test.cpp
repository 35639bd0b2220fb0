// A race runs at the same speed in seconds whatever the display's refresh rate: the car, the
// road and the clock follow the time shown, not the number of frames.
#include <gtest/gtest.h>

#include "app/mform.h"
#include "player/my_car_sprite.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

struct Progress {
  double distance = 0;
  int32_t clockMs = 0;
};

// Race 1 driven with Up held for `seconds` of display time at `frameRate` frames a second.
Progress Drive(int frameRate, int seconds) {
  HeadlessGame::Options options;
  options.Platform.FrameRate = frameRate;
  HeadlessGame game(options);
  TMForm& form = game.Form();
  game.Create();
  EXPECT_TRUE(game.RunUntil([&] { return form.MenuIntroPhase == 0; }, 3000 * frameRate / 60));
  EXPECT_TRUE(game.ClickSlot(1));
  EXPECT_TRUE(game.ClickSlot(7));
  EXPECT_TRUE(
      game.RunUntil([&] { return form.WindowKind == WindowKinds::kNone; }, 1000 * frameRate / 60));
  // One second to settle the measured frame rate, then the measured stretch.
  game.RunTicks(frameRate);
  InputStateSet up;
  up.Up = true;
  game.Hold(up);
  const Progress start{form.PlayerCar->Distance, form.TimeLeftMs};
  game.RunTicks(seconds * frameRate);
  return {form.PlayerCar->Distance - start.distance, start.clockMs - form.TimeLeftMs};
}

TEST(RacePace, TheSameInSecondsAt60And144FramesASecond) {
  const Progress at60 = Drive(60, 8);
  const Progress at144 = Drive(144, 8);
  ASSERT_GT(at60.distance, 0);
  EXPECT_NEAR(at144.distance / at60.distance, 1.0, 0.01);
  // The clock steps by whole milliseconds a frame (17 for 16.7 at 60, 7 for 6.9 at 144): it
  // runs 2 % and 0.8 % fast, the same within 1.2 %.
  EXPECT_NEAR(static_cast<double>(at144.clockMs) / at60.clockMs, 1.0, 0.015);
}

}  // namespace
}  // namespace vontra
