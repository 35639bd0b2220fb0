// A whole game driven by the desktop's keyboard and mouse as SDL reports them: events made by
// the real SDL event source (dummy video driver) from SDL's own key, text and mouse events are
// handed to a game on the headless platform, as the SDL platform hands them on in the program.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

#include "frontend/front_end.h"
#include "frontend/main_menu.h"
#include "frontend/menu_button.h"
#include "platform/sdl/sdl_event_source.h"
#include "sdl_test_support.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

// The desktop's auto-repeat: the first repeat after half a second, then 30 a second.
constexpr int kRepeatDelayFrames = 30;
constexpr int kRepeatEveryFrames = 2;

class DesktopInputGame : public ::testing::Test {
 protected:
  void SetUp() override {
    session_ = MakeDummySession();
    events_ = std::make_unique<SdlEventSource>(session_);
    game_.Create();
  }

  void Sdl(const SDL_Event& e) {
    std::deque<PlatformEvent> out;
    events_->Translate(e, out);
    for (const PlatformEvent& p : out) game_.Events().Push(p);
  }
  void Frames(int n) { ASSERT_EQ(game_.RunTicks(n), n); }
  bool FrameUntil(const std::function<bool()>& done, int maxFrames) {
    return game_.RunUntil(done, maxFrames);
  }
  void EnterKey(Uint32 type, bool repeat) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = SDLK_RETURN;
    e.key.keysym.scancode = SDL_SCANCODE_RETURN;
    e.key.repeat = repeat ? 1 : 0;
    Sdl(e);
  }
  // Enter held down for `frames` frames, with the repeats the desktop sends meanwhile, then
  // let go.
  void HoldEnter(int frames) {
    EnterKey(SDL_KEYDOWN, false);
    for (int f = 1; f <= frames; ++f) {
      if (f >= kRepeatDelayFrames && f % kRepeatEveryFrames == 0) EnterKey(SDL_KEYDOWN, true);
      Frames(1);
    }
    EnterKey(SDL_KEYUP, false);
    Frames(1);
  }
  void Type(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
    Sdl(e);
  }
  // A click with one mouse button in the middle of a button slot.
  void ClickSlot(int slot, Uint8 mouseButton) {
    const TMenuButton* b = F().WidgetSlots[slot].get();
    ASSERT_NE(b, nullptr) << "slot " << slot;
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<int>(b->X) + b->Width / 2;
    e.motion.y = static_cast<int>(b->Y) + b->Height / 2;
    Sdl(e);
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.button = mouseButton;
    press.button.x = e.motion.x;
    press.button.y = e.motion.y;
    Sdl(press);
    SDL_Event release = press;
    release.type = SDL_MOUSEBUTTONUP;
    Sdl(release);
    Frames(1);
  }
  void WaitForMenu() {
    ASSERT_TRUE(FrameUntil(
        [&] {
          return F().ScreenState == ScreenStates::kMainMenu && F().MenuIntroPhase == kIntroDone;
        },
        600));
  }

  TMForm& F() { return game_.Form(); }

  std::shared_ptr<SdlSession> session_;
  std::unique_ptr<SdlEventSource> events_;
  HeadlessGame game_;
};

TEST_F(DesktopInputGame, AHeldEnterOnTheMainMenuOpensTheCarChoiceOnly) {
  WaitForMenu();
  ASSERT_EQ(F().SelectedWidget, 1);
  HoldEnter(120);
  EXPECT_EQ(F().ScreenState, ScreenStates::kCarChoice);
  // The next press is a press again: it takes the car.
  HoldEnter(3);
  EXPECT_EQ(F().ScreenState, ScreenStates::kRace);
}

TEST_F(DesktopInputGame, AHeldEnterAfterTheNameAnswersNothingInTheSendQuestion) {
  WaitForMenu();
  HoldEnter(3);
  HoldEnter(3);
  ASSERT_EQ(F().ScreenState, ScreenStates::kRace);
  ASSERT_TRUE(FrameUntil([&] { return F().WindowKind == WindowKinds::kNone; }, 600));
  // A game that has just ended with a score for the table.
  F().Score = 7777;
  OpenMessageWindow(F(), WindowKinds::kNameEntry);
  Type("Bob");
  Frames(2);
  HoldEnter(120);
  ASSERT_EQ(F().WindowKind, WindowKinds::kSendQuestion);
  EXPECT_EQ(F().SelectedWidget, 1) << "Yes stays lit";
  EXPECT_TRUE(game_.Platform().http->Requests().empty()) << "nothing was sent";
  EXPECT_EQ(F().HighScores[1].Name, "Bob");
  EXPECT_EQ(F().HighScores[1].Score, 7777);

  // A new press answers Yes.
  HoldEnter(3);
  EXPECT_EQ(game_.Platform().http->Requests().size(), 1u);
  EXPECT_EQ(F().WindowKind, WindowKinds::kNone);
}

TEST_F(DesktopInputGame, RightMiddleAndSideClicksPressButtons) {
  WaitForMenu();
  ClickSlot(2, SDL_BUTTON_RIGHT);
  ASSERT_EQ(F().ScreenState, ScreenStates::kOptions);
  // Options' own menu button closes it.
  ClickSlot(2, SDL_BUTTON_MIDDLE);
  ASSERT_EQ(F().ScreenState, ScreenStates::kMainMenu);
  ClickSlot(3, SDL_BUTTON_X1);
  EXPECT_EQ(F().ScreenState, ScreenStates::kHighScores);
}

}  // namespace
}  // namespace vontra
