#include <gtest/gtest.h>

#include "app/input_dispatch.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

struct Flags {
  bool pausePressed, escapePressed, yesPressed, noPressed;
  bool operator==(const Flags&) const = default;
};

Flags Read(const TMForm& f) {
  return {f.PausePressed, f.EscapePressed, f.YesPressed, f.NoPressed};
}

TEST(InputFlags, EachKeyPressesOnceWhileHeldAndAgainAfterRelease) {
  // Held states per frame, and the Pressed flags each frame should see.
  struct Frame {
    InputStateSet held;
    Flags expected;
  };
  const std::vector<Frame> frames = {
      {{.Pause = true}, {true, false, false, false}},
      {{.Pause = true}, {false, false, false, false}},  // still held: no new press
      {{.Pause = true, .Escape = true}, {false, true, false, false}},
      {{.Escape = true, .Yes = true, .No = true}, {false, false, true, true}},
      {{}, {false, false, false, false}},
      {{.Pause = true, .Escape = true, .Yes = true, .No = true}, {true, true, true, true}},
  };
  HeadlessGame game;
  TMForm& form = game.Form();
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(i);
    form.InputStates = frames[i].held;
    UpdateInputFlags(form);
    EXPECT_EQ(Read(form), frames[i].expected);
    EXPECT_EQ(form.PauseHeld, frames[i].held.Pause);
    EXPECT_EQ(form.NoHeld, frames[i].held.No);
  }
}

TEST(InputFlags, PressAndReleaseBetweenTwoFramesIsNotSeen) {
  HeadlessGame game;
  game.Create();
  game.Form().ScreenState = ScreenStates::kMainMenu;
  game.RunTicks(1);
  // P goes down and up between ticks: the states read at the next tick show nothing.
  game.Hold({.Pause = true});
  game.ReleaseAll();
  game.RunTicks(1);
  EXPECT_FALSE(game.Form().PausePressed);
  // Held across a tick it is seen exactly once.
  game.Hold({.Pause = true});
  game.RunTicks(1);
  EXPECT_TRUE(game.Form().PausePressed);
  game.RunTicks(5);
  EXPECT_FALSE(game.Form().PausePressed);
  EXPECT_TRUE(game.Form().PauseHeld);
}

TEST(InputFlags, NothingIsHeldWhileTheWindowIsInactive) {
  HeadlessGame game;
  game.Hold({.Escape = true});
  game.Platform().window->SetActive(false);
  game.Form().InputStates = game.Form().MDXInput.Read();
  UpdateInputFlags(game.Form());
  EXPECT_FALSE(game.Form().EscapeHeld);
}

TEST(InputFlags, CtrlFollowsItsKeyEventsOnly) {
  HeadlessGame game;
  TMForm& form = game.Form();
  FormKeyDown(form, 17, false);
  EXPECT_TRUE(form.CtrlDown);
  FormKeyDown(form, 32, false);
  FormKeyUp(form, 32);
  EXPECT_TRUE(form.CtrlDown);
  FormKeyUp(form, 17);
  EXPECT_FALSE(form.CtrlDown);
}

}  // namespace
}  // namespace vontra
