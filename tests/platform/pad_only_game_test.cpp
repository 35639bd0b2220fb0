// A whole game played with a gamepad alone: a virtual pad on the real SDL platform layer (dummy
// video driver) drives the game on the headless platform. Each frame, the game events that the
// SDL event source makes of the pad and the states it holds are handed to the game, as the SDL
// platform hands them on in the real program.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "frontend/main_menu.h"
#include "frontend/message_window.h"
#include "platform/sdl/sdl_event_source.h"
#include "platform/sdl/sdl_input_states.h"
#include "player/my_car_sprite.h"
#include "sdl_test_support.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

class PadOnlyGame : public ::testing::Test {
 protected:
  void SetUp() override {
    // The dummy driver's window never has the focus, which would hold back the pad's events.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    session_ = MakeDummySession();
    events_ = std::make_unique<SdlEventSource>(session_);
    Plug();
    game_.Create();
  }

  void Plug() {
    index_ = AttachVirtualController();
    ASSERT_GE(index_, 0) << SDL_GetError();
    PlatformEvent e;
    while (events_->Poll(e)) {
    }
    ASSERT_NE(session_->Controller(), nullptr);
    pad_ = session_->Joystick();
    RestVirtualController(pad_);
  }
  void Unplug() {
    SDL_JoystickDetachVirtual(index_);
    pad_ = nullptr;
  }

  // Frames of the game with the pad as it is now.
  void Frame(int frames = 1) {
    for (int i = 0; i < frames; ++i) {
      SDL_JoystickUpdate();
      PlatformEvent e;
      while (events_->Poll(e)) game_.Events().Push(e);
      InputStateSet held;
      if (session_->Controller() != nullptr) AddControllerStates(session_->Controller(), held);
      game_.Hold(held);
      ASSERT_EQ(game_.RunTicks(1), 1);
    }
  }
  bool FrameUntil(const std::function<bool()>& done, int maxFrames) {
    for (int i = 0; i < maxFrames && !done(); ++i) Frame();
    return done();
  }
  void Button(SDL_GameControllerButton b, bool down) {
    SDL_JoystickSetVirtualButton(pad_, b, down);
  }
  void Axis(SDL_GameControllerAxis a, int value) {
    SDL_JoystickSetVirtualAxis(pad_, a, static_cast<Sint16>(value));
  }
  // Pressed for one frame, released for the next.
  void Tap(SDL_GameControllerButton b) {
    Button(b, true);
    Frame();
    Button(b, false);
    Frame();
  }
  // The left stick pushed for `frames` frames, then back in the centre for one.
  void Push(SDL_GameControllerAxis a, int value, int frames = 1) {
    Axis(a, value);
    Frame(frames);
    Axis(a, 0);
    Frame();
  }
  void WaitForMenu() {
    ASSERT_TRUE(FrameUntil(
        [&] {
          return F().ScreenState == ScreenStates::kMainMenu && F().MenuIntroPhase == kIntroDone;
        },
        600));
    // The menu takes a first step only once it has seen the directions let go.
    Frame();
  }
  // From the menu's start button to a race whose level banner has gone.
  void StartRace() {
    Tap(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(F().ScreenState, ScreenStates::kCarChoice);
    Tap(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(F().ScreenState, ScreenStates::kRace);
    ASSERT_TRUE(FrameUntil([&] { return F().WindowKind == WindowKinds::kNone; }, 600));
  }

  TMForm& F() { return game_.Form(); }

  std::shared_ptr<SdlSession> session_;
  std::unique_ptr<SdlEventSource> events_;
  int index_ = -1;
  SDL_Joystick* pad_ = nullptr;
  HeadlessGame game_;
};

TEST_F(PadOnlyGame, FromTheMainMenuToTheHighScoreTable) {
  WaitForMenu();
  // The stick and the d-pad move the lit button one step per push, however long it is held.
  ASSERT_EQ(F().SelectedWidget, 1);
  Push(SDL_CONTROLLER_AXIS_LEFTY, 32767, 30);
  EXPECT_EQ(F().SelectedWidget, 2);
  Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  EXPECT_EQ(F().SelectedWidget, 3);
  Push(SDL_CONTROLLER_AXIS_LEFTY, -32768);
  Tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
  ASSERT_EQ(F().SelectedWidget, 1);

  // A presses the start button; the car choice moves sideways.
  Tap(SDL_CONTROLLER_BUTTON_A);
  ASSERT_EQ(F().ScreenState, ScreenStates::kCarChoice);
  ASSERT_EQ(F().SelectedWidget, 7);
  Push(SDL_CONTROLLER_AXIS_LEFTX, 32767, 10);
  ASSERT_EQ(F().SelectedWidget, 8);
  Tap(SDL_CONTROLLER_BUTTON_A);
  ASSERT_EQ(F().ScreenState, ScreenStates::kRace);
  EXPECT_EQ(F().CarChoice, 2);
  // A table of poor results, so that a short drive earns a place in it.
  for (int row = 1; row <= 10; ++row) F().HighScores[row].Score = 11 - row;
  ASSERT_TRUE(FrameUntil([&] { return F().WindowKind == WindowKinds::kNone; }, 600));

  // Stick forward and the right trigger held: the car drives and fires until it earns a
  // place in the table.
  Axis(SDL_CONTROLLER_AXIS_LEFTY, -32768);
  Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  Frame(60);
  ASSERT_TRUE(F().PlayerCar);
  EXPECT_GT(F().PlayerCar->Speed, 0);
  EXPECT_TRUE(F().PlayerCar->Firing);
  // Start pauses and Start goes on.
  Tap(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(F().WindowKind, WindowKinds::kPause);
  Tap(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(F().WindowKind, WindowKinds::kNone);
  ASSERT_TRUE(FrameUntil(
      [&] { return F().Score > F().HighScores[10].Score && F().WindowKind == WindowKinds::kNone; },
      20000))
      << "score " << F().Score << ", window " << int(F().WindowKind);
  RestVirtualController(pad_);
  Frame();

  // B asks whether to end the race, with No lit; the stick moves to Yes and A answers.
  Tap(SDL_CONTROLLER_BUTTON_B);
  ASSERT_EQ(F().WindowKind, WindowKinds::kFinishQuestion);
  EXPECT_EQ(F().SelectedWidget, 2);
  Push(SDL_CONTROLLER_AXIS_LEFTX, -32768);
  EXPECT_EQ(F().SelectedWidget, 1);
  Tap(SDL_CONTROLLER_BUTTON_A);
  ASSERT_EQ(F().WindowKind, WindowKinds::kNameEntry);
  // The pad types with the picker under the name: the d-pad moves along the letters and
  // between the alphabets, A adds, B removes, Start takes the name.
  const int32_t score = F().Score;
  EXPECT_TRUE(F().PadInUse);
  Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  Tap(SDL_CONTROLLER_BUTTON_A);  // "В"
  Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  Tap(SDL_CONTROLLER_BUTTON_A);  // "A", a Latin one
  Tap(SDL_CONTROLLER_BUTTON_B);
  Tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
  Tap(SDL_CONTROLLER_BUTTON_A);  // "А", a Cyrillic one
  Push(SDL_CONTROLLER_AXIS_LEFTX, -32768);
  Tap(SDL_CONTROLLER_BUTTON_A);  // "9": the stick's step left from "А" goes round the row
  const std::string name =
      "\xC2\xC0"
      "9";
  EXPECT_EQ(F().PlayerName, name);
  ASSERT_EQ(F().WindowKind, WindowKinds::kNameEntry);
  Tap(SDL_CONTROLLER_BUTTON_START);
  ASSERT_EQ(F().WindowKind, WindowKinds::kSendQuestion);
  EXPECT_EQ(F().SelectedWidget, 1);
  // The send question starts on Yes; the d-pad moves to No.
  Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  EXPECT_EQ(F().SelectedWidget, 2);
  // The right trigger answers as A does.
  Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  Frame();
  Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
  ASSERT_TRUE(FrameUntil([&] { return F().ScreenState == ScreenStates::kHighScores; }, 600));
  ASSERT_TRUE(game_.Platform().http->Requests().empty()) << "No sends nothing";
  bool found = false;
  for (int row = 1; row <= 10; ++row) {
    found = found || (F().HighScores[row].Score == score && F().HighScores[row].Name == name);
  }
  EXPECT_TRUE(found) << "the result " << score << " is in the table under the name";

  // B leaves the table for the main menu.
  Tap(SDL_CONTROLLER_BUTTON_B);
  EXPECT_EQ(F().ScreenState, ScreenStates::kMainMenu);
}

TEST_F(PadOnlyGame, UnpluggingThePadPausesARaceButNotAMenu) {
  WaitForMenu();
  Unplug();
  Frame(5);
  EXPECT_EQ(F().ScreenState, ScreenStates::kMainMenu);
  EXPECT_EQ(F().WindowKind, WindowKinds::kNone);
  // Plugged in again, it works at once.
  Plug();
  StartRace();

  Axis(SDL_CONTROLLER_AXIS_LEFTY, -32768);
  Frame(30);
  Unplug();
  Frame();
  ASSERT_EQ(F().WindowKind, WindowKinds::kPause);
  // The race stands still while the pad is away.
  const double distance = F().PlayerCar->Distance;
  EXPECT_GT(distance, 0);
  Frame(60);
  EXPECT_EQ(F().WindowKind, WindowKinds::kPause);
  EXPECT_EQ(F().PlayerCar->Distance, distance);
  // Another pad plugged in goes on with Start.
  Plug();
  Tap(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(F().WindowKind, WindowKinds::kNone);

  // With a question already open, unplugging leaves it as it is.
  Tap(SDL_CONTROLLER_BUTTON_B);
  ASSERT_EQ(F().WindowKind, WindowKinds::kFinishQuestion);
  Unplug();
  Frame();
  EXPECT_EQ(F().WindowKind, WindowKinds::kFinishQuestion);
}

}  // namespace
}  // namespace vontra
