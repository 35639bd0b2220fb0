#include "platform/sdl/sdl_event_source.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "sdl_test_support.h"

namespace vontra {
namespace {

using Kind = PlatformEvent::Kind;

class EventTranslation : public ::testing::Test {
 protected:
  void SetUp() override {
    session_ = MakeDummySession();
    source_ = std::make_unique<SdlEventSource>(session_);
  }
  std::vector<PlatformEvent> Translate(const SDL_Event& e) {
    std::deque<PlatformEvent> out;
    source_->Translate(e, out);
    return {out.begin(), out.end()};
  }
  static SDL_Event Key(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode, Uint16 mod = 0,
                       Uint8 repeat = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = scancode;
    e.key.keysym.mod = mod;
    e.key.repeat = repeat;
    return e;
  }
  static SDL_Event Text(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    return e;
  }
  std::shared_ptr<SdlSession> session_;
  std::unique_ptr<SdlEventSource> source_;
};

TEST_F(EventTranslation, KeysGiveVirtualKeysAndEnterEscapeBackspaceType) {
  struct Case {
    const char* name;
    SDL_Event event;
    const char* expected;
  };
  const Case cases[] = {
      {"enter", Key(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN), "down 13;char 13;"},
      {"enter repeated", Key(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, 0, 1),
       "down 13+repeat;char 13+repeat;"},
      {"backspace repeated", Key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 0, 1),
       "down 8+repeat;char 8+repeat;"},
      {"letter repeated", Key(SDL_KEYDOWN, SDLK_p, SDL_SCANCODE_P, 0, 1), "down 80+repeat;"},
      {"keypad enter", Key(SDL_KEYDOWN, SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), "down 13;char 13;"},
      {"alt+enter is no enter press", Key(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT),
       "down 13+alt;"},
      {"escape", Key(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), "down 27;char 27;"},
      {"backspace", Key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE), "down 8;char 8;"},
      {"enter released", Key(SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN), "up 13;"},
      {"ctrl", Key(SDL_KEYDOWN, SDLK_RCTRL, SDL_SCANCODE_RCTRL), "down 17;"},
      {"ctrl released", Key(SDL_KEYUP, SDLK_LCTRL, SDL_SCANCODE_LCTRL), "up 17;"},
      {"letter types through text input only", Key(SDL_KEYDOWN, SDLK_p, SDL_SCANCODE_P),
       "down 80;"},
      {"key without a code", Key(SDL_KEYDOWN, SDLK_F13, SDL_SCANCODE_F13), ""},
      {"cyrillic text", Text("Ёж"), "char 168;char 230;"},
      {"text without a code is dropped",
       Text("a\xF0\x9F\x98\x80"
            "b"),
       "char 97;char 98;"},
      {"space", Text(" "), "char 32;"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(Translate(c.event)), c.expected) << c.name;
  }
}

TEST_F(EventTranslation, MouseOnThePictureOnlyAndAnyButtonClicks) {
  const auto motion = [](int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    return e;
  };
  const auto release = [](Uint8 button, int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONUP;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
  };
  const auto press = [](Uint8 button) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = button;
    return e;
  };
  struct Case {
    const char* name;
    SDL_Event event;
    const char* expected;
  };
  const Case cases[] = {
      {"inside", motion(10, 20), "move 10,20;"},
      {"corners", motion(799, 599), "move 799,599;"},
      {"origin", motion(0, 0), "move 0,0;"},
      {"left bar", motion(-1, 300), ""},
      {"right bar", motion(800, 300), ""},
      {"spare line below the picture", motion(400, 600), ""},
      {"top bar", motion(400, -3), ""},
      {"left click", release(SDL_BUTTON_LEFT, 5, 6), "click 5,6;"},
      {"right click", release(SDL_BUTTON_RIGHT, 5, 6), "click 5,6;"},
      {"middle click", release(SDL_BUTTON_MIDDLE, 5, 6), "click 5,6;"},
      {"side button click", release(SDL_BUTTON_X2, 5, 6), "click 5,6;"},
      {"click in a bar", release(SDL_BUTTON_LEFT, 810, 6), ""},
      {"a press alone", press(SDL_BUTTON_RIGHT), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(Translate(c.event)), c.expected) << c.name;
  }
  // Two buttons pressed together click once, when the last of them comes up; a window switch
  // in between forgets the buttons the other window saw released.
  std::string chord;
  for (const SDL_Event& e :
       {press(SDL_BUTTON_RIGHT), press(SDL_BUTTON_LEFT), release(SDL_BUTTON_LEFT, 1, 2),
        release(SDL_BUTTON_RIGHT, 3, 4), press(SDL_BUTTON_MIDDLE)}) {
    chord += Describe(Translate(e));
  }
  SDL_Event focus{};
  focus.type = SDL_WINDOWEVENT;
  focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  chord += Describe(Translate(focus));
  chord += Describe(Translate(release(SDL_BUTTON_LEFT, 7, 8)));
  EXPECT_EQ(chord, "click 3,4;deactivate;click 7,8;");
}

// A pad's presses, from its own events: the buttons when they go down, the sticks and the
// right trigger when they leave their rest.
TEST_F(EventTranslation, PadPressesFromButtonsSticksAndTheTrigger) {
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  const int index = AttachVirtualController();
  ASSERT_GE(index, 0) << SDL_GetError();
  PlatformEvent ignored;
  while (source_->Poll(ignored)) {
  }
  ASSERT_NE(session_->Controller(), nullptr);
  const SDL_JoystickID id = SDL_JoystickInstanceID(session_->Joystick());
  const auto button = [id](Uint32 type, Uint8 b) {
    SDL_Event e{};
    e.type = type;
    e.cbutton.which = id;
    e.cbutton.button = b;
    return e;
  };
  const auto axis = [id](Uint8 a, Sint16 value) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.which = id;
    e.caxis.axis = a;
    e.caxis.value = value;
    return e;
  };
  SDL_Event other = button(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_A);
  other.cbutton.which = id + 1;
  struct Case {
    const char* name;
    SDL_Event event;
    const char* expected;
  };
  const Case cases[] = {
      {"A", button(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_A), "pad a;"},
      {"A released", button(SDL_CONTROLLERBUTTONUP, SDL_CONTROLLER_BUTTON_A), ""},
      {"B", button(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_B), "pad b;"},
      {"Start", button(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_START), "pad start;"},
      {"d-pad", button(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT), "pad other;"},
      {"another pad", other, ""},
      {"trigger at rest", axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768), ""},
      {"trigger pulled", axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), "pad a;"},
      {"trigger still pulled", axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 30000), ""},
      {"trigger let go", axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0), ""},
      {"trigger pulled again", axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), "pad a;"},
      {"stick within its dead zone", axis(SDL_CONTROLLER_AXIS_LEFTX, 12000), ""},
      {"stick pushed", axis(SDL_CONTROLLER_AXIS_LEFTX, -32768), "pad other;"},
      {"stick pushed across", axis(SDL_CONTROLLER_AXIS_LEFTX, 32767), ""},
      {"stick back", axis(SDL_CONTROLLER_AXIS_LEFTX, 0), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(Translate(c.event)), c.expected) << c.name;
  }
  SDL_JoystickDetachVirtual(index);
}

TEST_F(EventTranslation, WindowEventsAndQuit) {
  const auto window = [](Uint8 what) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = what;
    return e;
  };
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_EQ(Describe(Translate(window(SDL_WINDOWEVENT_CLOSE))), "close;");
  EXPECT_EQ(Describe(Translate(window(SDL_WINDOWEVENT_MINIMIZED))), "minimize;");
  EXPECT_EQ(Describe(Translate(window(SDL_WINDOWEVENT_FOCUS_GAINED))), "activate;");
  EXPECT_EQ(Describe(Translate(window(SDL_WINDOWEVENT_FOCUS_LOST))), "deactivate;");
  EXPECT_EQ(Describe(Translate(window(SDL_WINDOWEVENT_MOVED))), "");
  EXPECT_EQ(Describe(Translate(quit)), "quit;");
}

TEST_F(EventTranslation, PolledInOrderAndWaitGivesUpAfterItsTimeOut) {
  PlatformEvent e;
  while (source_->Poll(e)) {
  }
  SDL_Event enter = Key(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN);
  enter.key.windowID = SDL_GetWindowID(session_->Window());
  ASSERT_EQ(SDL_PushEvent(&enter), 1);
  ASSERT_TRUE(source_->Poll(e));
  EXPECT_EQ(e.kind, Kind::KeyDown);
  ASSERT_TRUE(source_->Poll(e));
  EXPECT_EQ(e.kind, Kind::Char);
  EXPECT_FALSE(source_->Poll(e));

  const Uint64 start = SDL_GetTicks64();
  EXPECT_FALSE(source_->Wait(e, 120));
  const Uint64 waited = SDL_GetTicks64() - start;
  EXPECT_GE(waited, 110u);
  EXPECT_LT(waited, 2000u);
}

}  // namespace
}  // namespace vontra
