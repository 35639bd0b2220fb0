#include "platform/sdl/frame_pacer.h"

#include <gtest/gtest.h>

namespace vontra {
namespace {

constexpr int64_t kMs = 1'000'000;
constexpr int64_t kPeriod = 1'000'000'000 / 60;

TEST(FramePacer, PresentsPacedByTheDisplayAreNotSleptAfter) {
  FramePacer pacer;
  int64_t now = 1000 * kMs;
  EXPECT_EQ(pacer.AfterPresent(now, 60), 0);
  for (int i = 0; i < 5; ++i) {
    now += kPeriod;
    EXPECT_EQ(pacer.AfterPresent(now, 60), 0);
    EXPECT_TRUE(pacer.Paced());
  }
}

// Presents that come back at once are slept to a steady beat: a frame woken late is followed
// by a shorter sleep, so the rate holds; a frame that took most of a period starts a new beat.
TEST(FramePacer, UnpacedPresentsSleepToASteadyBeat) {
  FramePacer pacer;
  int64_t beat = 1000 * kMs;
  EXPECT_EQ(pacer.AfterPresent(beat, 60), 0);
  // Drawn in 2 ms: sleep to the next beat.
  int64_t until = pacer.AfterPresent(beat + 2 * kMs, 60);
  EXPECT_FALSE(pacer.Paced());
  EXPECT_EQ(until, beat + kPeriod);
  beat = until;
  // Woken 5 ms late and drawn in 2: the next beat is still one period after the last.
  until = pacer.AfterPresent(beat + 7 * kMs, 60);
  EXPECT_EQ(until, beat + kPeriod);
  beat = until;
  // The unknown rate counts as 60 Hz.
  until = pacer.AfterPresent(beat + 1 * kMs, 0);
  EXPECT_EQ(until, beat + kPeriod);
  beat = until;
  // 15 ms for one frame: no sleep, and the beat starts again from its end.
  const int64_t slow = beat + 15 * kMs;
  EXPECT_EQ(pacer.AfterPresent(slow, 60), 0);
  EXPECT_TRUE(pacer.Paced());
  EXPECT_EQ(pacer.AfterPresent(slow + kMs, 60), slow + kPeriod);
}

TEST(FramePacer, ResetForgetsTheBeat) {
  FramePacer pacer;
  pacer.AfterPresent(1000 * kMs, 60);
  pacer.Reset();
  EXPECT_EQ(pacer.AfterPresent(1001 * kMs, 60), 0);
  EXPECT_EQ(pacer.AfterPresent(1002 * kMs, 60), 1001 * kMs + kPeriod);
}

TEST(FramePacer, SleepsToTheMomentNotToTheMillisecond) {
  const int64_t start = MonotonicNowNs();
  const int64_t until = start + 3 * kMs + kMs / 2;
  SleepUntilNs(until);
  const int64_t woke = MonotonicNowNs();
  EXPECT_GE(woke, until);
}

}  // namespace
}  // namespace vontra
