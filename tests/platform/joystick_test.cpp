#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/joystick_axis.h"
#include "platform/sdl/sdl_event_source.h"
#include "platform/sdl/sdl_input_states.h"
#include "sdl_test_support.h"

namespace vontra {
namespace {

TEST(JoystickAxis, HalfTheTravelIsDeadAndTheRestReachesTheEnds) {
  struct Case {
    int raw;
    int scaled;
  };
  const Case cases[] = {
      {0, 0},        {100, 0},        {-100, 0},    {16383, 0},     {16384, 0},
      {-16384, 0},   {16417, 2},      {-16417, -2}, {24576, 500},   {-24576, -500},
      {32767, 1000}, {-32768, -1000}, {32000, 952}, {-32000, -952},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleJoystickAxis(static_cast<int16_t>(c.raw)), c.scaled) << c.raw;
  }
}

class VirtualJoystick : public ::testing::Test {
 protected:
  void SetUp() override {
    // The dummy driver's window never has the focus, which would freeze the pad's values.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    session_ = MakeDummySession();
    ASSERT_NE(SDL_WasInit(SDL_INIT_JOYSTICK), 0u);
  }
  // A pad with two axes, ten buttons and one hat; returns its device index.
  int Attach() {
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 10, 1);
    EXPECT_GE(index, 0) << SDL_GetError();
    return index;
  }
  // Lets the event source see plugging events.
  void Pump(SdlEventSource& events) {
    PlatformEvent e;
    while (events.Poll(e)) {
    }
  }
  // The game events that came out since the last call.
  static std::string Drain(SdlEventSource& events) {
    std::vector<PlatformEvent> out;
    PlatformEvent e;
    while (events.Poll(e)) out.push_back(e);
    return Describe(out);
  }
  // A fresh SDL that reads the environment again, as the game does at start.
  void Restart() {
    session_.reset();
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    session_ = MakeDummySession();
  }
  std::shared_ptr<SdlSession> session_;
};

TEST_F(VirtualJoystick, PluggedInAfterStartIsPickedUpAndUnpluggedIsDropped) {
  SdlEventSource events(session_);
  Pump(events);
  ASSERT_EQ(session_->Joystick(), nullptr);
  const int index = Attach();
  Pump(events);
  ASSERT_NE(session_->Joystick(), nullptr);
  EXPECT_EQ(SDL_JoystickInstanceID(session_->Joystick()), SDL_JoystickGetDeviceInstanceID(index));
  SDL_JoystickDetachVirtual(index);
  Pump(events);
  EXPECT_EQ(session_->Joystick(), nullptr);
}

TEST_F(VirtualJoystick, AxesHatAndButtonSlotsHoldTheirStates) {
  const int index = Attach();
  session_->OpenJoystickIfNone();
  SDL_Joystick* pad = session_->Joystick();
  ASSERT_NE(pad, nullptr);

  struct Case {
    const char* name;
    int axisX, axisY;
    Uint8 hat;
    int button;  // counted from 1, 0 for none
    InputStateSet expected;
  };
  const auto states = [](bool up, bool down, bool left, bool right, bool pause, bool escape,
                         bool yes, bool no, bool fire) {
    return InputStateSet{up, down, left, right, pause, escape, yes, no, fire};
  };
  const Case cases[] = {
      {"centred", 0, 0, SDL_HAT_CENTERED, 0, states(0, 0, 0, 0, 0, 0, 0, 0, 0)},
      {"inside the dead zone", 16000, -16000, SDL_HAT_CENTERED, 0,
       states(0, 0, 0, 0, 0, 0, 0, 0, 0)},
      {"right and up", 30000, -30000, SDL_HAT_CENTERED, 0, states(1, 0, 0, 1, 0, 0, 0, 0, 0)},
      {"left and down", -30000, 30000, SDL_HAT_CENTERED, 0, states(0, 1, 1, 0, 0, 0, 0, 0, 0)},
      {"hat left-up", 0, 0, SDL_HAT_LEFTUP, 0, states(1, 0, 1, 0, 0, 0, 0, 0, 0)},
      {"button 3 is not read", 0, 0, SDL_HAT_CENTERED, 3, states(0, 0, 0, 0, 0, 0, 0, 0, 0)},
      {"button 4 pause", 0, 0, SDL_HAT_CENTERED, 4, states(0, 0, 0, 0, 1, 0, 0, 0, 0)},
      {"button 5 escape", 0, 0, SDL_HAT_CENTERED, 5, states(0, 0, 0, 0, 0, 1, 0, 0, 0)},
      {"button 6 yes", 0, 0, SDL_HAT_CENTERED, 6, states(0, 0, 0, 0, 0, 0, 1, 0, 0)},
      {"button 7 no", 0, 0, SDL_HAT_CENTERED, 7, states(0, 0, 0, 0, 0, 0, 0, 1, 0)},
      {"button 8 fire", 0, 0, SDL_HAT_CENTERED, 8, states(0, 0, 0, 0, 0, 0, 0, 0, 1)},
      {"button 9 is not read", 0, 0, SDL_HAT_CENTERED, 9, states(0, 0, 0, 0, 0, 0, 0, 0, 0)},
  };
  for (const Case& c : cases) {
    SDL_JoystickSetVirtualAxis(pad, 0, static_cast<Sint16>(c.axisX));
    SDL_JoystickSetVirtualAxis(pad, 1, static_cast<Sint16>(c.axisY));
    SDL_JoystickSetVirtualHat(pad, 0, c.hat);
    for (int b = 0; b < 10; ++b) SDL_JoystickSetVirtualButton(pad, b, b + 1 == c.button);
    SDL_JoystickUpdate();
    InputStateSet s;
    AddJoystickStates(pad, s);
    EXPECT_TRUE(s == c.expected) << c.name;
  }
  SDL_JoystickDetachVirtual(index);
}

TEST_F(VirtualJoystick, NothingIsHeldWhileTheWindowIsNotActive) {
  const int index = Attach();
  session_->OpenJoystickIfNone();
  ASSERT_NE(session_->Joystick(), nullptr);
  SDL_JoystickSetVirtualButton(session_->Joystick(), 7, 1);  // fire
  SDL_JoystickSetVirtualAxis(session_->Joystick(), 0, 32767);
  SDL_JoystickUpdate();
  InputStateSet direct;
  AddJoystickStates(session_->Joystick(), direct);
  ASSERT_TRUE(direct.Fire && direct.Right);
  // The dummy driver's window never has the keyboard focus.
  ASSERT_FALSE(session_->Active());
  SdlInputStates input(session_);
  const InputStateSet s = input.Read();
  EXPECT_FALSE(s.Fire);
  EXPECT_FALSE(s.Right);
  SDL_JoystickDetachVirtual(index);
}

TEST_F(VirtualJoystick, AMappedPadReadsThroughTheControllerLayer) {
  const int index = AttachVirtualController();
  ASSERT_GE(index, 0) << SDL_GetError();
  ASSERT_TRUE(SDL_IsGameController(index));
  session_->OpenJoystickIfNone();
  ASSERT_NE(session_->Controller(), nullptr);
  SDL_Joystick* pad = session_->Joystick();
  ASSERT_NE(pad, nullptr);

  struct Case {
    const char* name;
    int axis;  // an SDL_GameControllerAxis, -1 for none
    int value;
    int button;  // an SDL_GameControllerButton, -1 for none
    InputStateSet expected;
  };
  const auto states = [](bool up, bool down, bool left, bool right, bool pause, bool escape,
                         bool fire) {
    return InputStateSet{up, down, left, right, pause, escape, false, false, fire};
  };
  const Case cases[] = {
      {"nothing", -1, 0, -1, states(0, 0, 0, 0, 0, 0, 0)},
      {"stick in the dead zone", SDL_CONTROLLER_AXIS_LEFTX, 16000, -1, states(0, 0, 0, 0, 0, 0, 0)},
      {"stick left", SDL_CONTROLLER_AXIS_LEFTX, -30000, -1, states(0, 0, 1, 0, 0, 0, 0)},
      {"stick right", SDL_CONTROLLER_AXIS_LEFTX, 30000, -1, states(0, 0, 0, 1, 0, 0, 0)},
      {"stick up", SDL_CONTROLLER_AXIS_LEFTY, -30000, -1, states(1, 0, 0, 0, 0, 0, 0)},
      {"stick down", SDL_CONTROLLER_AXIS_LEFTY, 30000, -1, states(0, 1, 0, 0, 0, 0, 0)},
      {"right stick is not read", SDL_CONTROLLER_AXIS_RIGHTX, 30000, -1,
       states(0, 0, 0, 0, 0, 0, 0)},
      {"right trigger fires", SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767, -1,
       states(0, 0, 0, 0, 0, 0, 1)},
      {"right trigger half way is no pull", SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0, -1,
       states(0, 0, 0, 0, 0, 0, 0)},
      {"left trigger does not", SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767, -1,
       states(0, 0, 0, 0, 0, 0, 0)},
      {"d-pad up", -1, 0, SDL_CONTROLLER_BUTTON_DPAD_UP, states(1, 0, 0, 0, 0, 0, 0)},
      {"d-pad down", -1, 0, SDL_CONTROLLER_BUTTON_DPAD_DOWN, states(0, 1, 0, 0, 0, 0, 0)},
      {"d-pad left", -1, 0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, states(0, 0, 1, 0, 0, 0, 0)},
      {"d-pad right", -1, 0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, states(0, 0, 0, 1, 0, 0, 0)},
      {"A fires", -1, 0, SDL_CONTROLLER_BUTTON_A, states(0, 0, 0, 0, 0, 0, 1)},
      {"B is escape", -1, 0, SDL_CONTROLLER_BUTTON_B, states(0, 0, 0, 0, 0, 1, 0)},
      {"start pauses", -1, 0, SDL_CONTROLLER_BUTTON_START, states(0, 0, 0, 0, 1, 0, 0)},
      {"X is not read", -1, 0, SDL_CONTROLLER_BUTTON_X, states(0, 0, 0, 0, 0, 0, 0)},
  };
  for (const Case& c : cases) {
    RestVirtualController(pad);
    if (c.axis >= 0) SDL_JoystickSetVirtualAxis(pad, c.axis, static_cast<Sint16>(c.value));
    if (c.button >= 0) SDL_JoystickSetVirtualButton(pad, c.button, 1);
    SDL_JoystickUpdate();
    InputStateSet s;
    AddControllerStates(session_->Controller(), s);
    EXPECT_TRUE(s == c.expected) << c.name;
  }
  SDL_JoystickDetachVirtual(index);
}

TEST_F(VirtualJoystick, AControllerPluggedInUnpluggedAndPluggedAgainIsPickedUpEachTime) {
  SdlEventSource events(session_);
  for (int round = 0; round < 2; ++round) {
    const int index = AttachVirtualController();
    ASSERT_GE(index, 0) << SDL_GetError();
    Pump(events);
    ASSERT_NE(session_->Controller(), nullptr) << round;
    SDL_JoystickSetVirtualButton(session_->Joystick(), SDL_CONTROLLER_BUTTON_A, 1);
    SDL_JoystickUpdate();
    InputStateSet s;
    AddControllerStates(session_->Controller(), s);
    EXPECT_TRUE(s.Fire) << round;
    SDL_JoystickDetachVirtual(index);
    Pump(events);
    EXPECT_EQ(session_->Controller(), nullptr) << round;
    EXPECT_EQ(session_->Joystick(), nullptr) << round;
  }
}

TEST_F(VirtualJoystick, ADeviceWithoutAMappingKeepsTheNumberedButtons) {
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 10, 1);
  ASSERT_GE(index, 0) << SDL_GetError();
  ASSERT_FALSE(SDL_IsGameController(index));
  session_->OpenJoystickIfNone();
  EXPECT_EQ(session_->Controller(), nullptr);
  ASSERT_NE(session_->Joystick(), nullptr);
  SDL_JoystickSetVirtualButton(session_->Joystick(), 7, 1);  // button 8: fire
  SDL_JoystickUpdate();
  InputStateSet s;
  AddJoystickStates(session_->Joystick(), s);
  EXPECT_TRUE(s.Fire);
  SDL_JoystickDetachVirtual(index);
}

// The game hears a pad's presses as such (A, B, Start, anything else) and decides itself what
// they stand for: Enter and Escape in the menus, typing in the name picker.
TEST_F(VirtualJoystick, APadsButtonsAndRightTriggerArriveAsPressesOnce) {
  SdlEventSource events(session_);
  ASSERT_GE(AttachVirtualController(), 0) << SDL_GetError();
  Pump(events);
  ASSERT_NE(session_->Controller(), nullptr);
  SDL_Joystick* pad = session_->Joystick();
  RestVirtualController(pad);
  SDL_JoystickUpdate();
  Drain(events);

  // One step after another: what the pad does, and what the game hears.
  struct Step {
    const char* name;
    int button;  // an SDL_GameControllerButton set to `down`, -1 for none
    bool down;
    int trigger;  // the right trigger's raw value, or kKeep
    std::string expected;
  };
  constexpr int kKeep = 1 << 20;
  const Step steps[] = {
      {"A pressed", SDL_CONTROLLER_BUTTON_A, true, kKeep, "pad a;"},
      {"A released", SDL_CONTROLLER_BUTTON_A, false, kKeep, ""},
      {"B pressed", SDL_CONTROLLER_BUTTON_B, true, kKeep, "pad b;"},
      {"B released", SDL_CONTROLLER_BUTTON_B, false, kKeep, ""},
      {"trigger half way", -1, false, 0, ""},
      {"trigger pulled", -1, false, 30000, "pad a;"},
      {"trigger pulled further: no second press", -1, false, 32767, ""},
      {"trigger let go", -1, false, -32768, ""},
      {"trigger pulled again", -1, false, 32767, "pad a;"},
      {"Start pressed", SDL_CONTROLLER_BUTTON_START, true, kKeep, "pad start;"},
      {"Start released", SDL_CONTROLLER_BUTTON_START, false, kKeep, ""},
      {"d-pad: the pad is in use", SDL_CONTROLLER_BUTTON_DPAD_DOWN, true, kKeep, "pad other;"},
      {"X: the pad is in use", SDL_CONTROLLER_BUTTON_X, true, kKeep, "pad other;"},
  };
  for (const Step& s : steps) {
    if (s.button >= 0) SDL_JoystickSetVirtualButton(pad, s.button, s.down);
    if (s.trigger != kKeep) {
      SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT,
                                 static_cast<Sint16>(s.trigger));
    }
    SDL_JoystickUpdate();
    EXPECT_EQ(Drain(events), s.expected) << s.name;
  }
}

TEST_F(VirtualJoystick, UnpluggingThePadInUseIsReportedAndAnotherTakesOver) {
  SdlEventSource events(session_);
  ASSERT_GE(AttachVirtualController(), 0) << SDL_GetError();
  Pump(events);
  const SDL_JoystickID first = SDL_JoystickInstanceID(session_->Joystick());
  // A second pad plugged in and out while the first drives changes nothing.
  ASSERT_EQ(AttachVirtualController(), 1) << SDL_GetError();
  Drain(events);
  EXPECT_EQ(SDL_JoystickInstanceID(session_->Joystick()), first);
  SDL_JoystickDetachVirtual(1);
  EXPECT_EQ(Drain(events), "");

  ASSERT_EQ(AttachVirtualController(), 1) << SDL_GetError();
  const SDL_JoystickID second = SDL_JoystickGetDeviceInstanceID(1);
  Drain(events);
  SDL_JoystickDetachVirtual(0);
  EXPECT_EQ(Drain(events), "unplugged;");
  ASSERT_NE(session_->Controller(), nullptr);
  EXPECT_EQ(SDL_JoystickInstanceID(session_->Joystick()), second);
  SDL_JoystickDetachVirtual(0);
  EXPECT_EQ(Drain(events), "unplugged;");
  EXPECT_EQ(session_->Joystick(), nullptr);
}

TEST_F(VirtualJoystick, AMappingInSdlGameControllerConfigMakesAnUnknownDeviceAPad) {
  // A stick of a make SDL has never heard of (SDL keys a mapping on the maker's and the model's
  // numbers, which the device must therefore have).
  const auto attach = [] {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.naxes = 2;
    desc.nbuttons = 10;
    desc.nhats = 1;
    desc.vendor_id = 0x1234;
    desc.product_id = 0x5678;
    desc.name = "Odd stick";
    return SDL_JoystickAttachVirtualEx(&desc);
  };
  int index = attach();
  ASSERT_GE(index, 0) << SDL_GetError();
  ASSERT_FALSE(SDL_IsGameController(index));
  char guid[33];
  SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index), guid, sizeof guid);
  SDL_JoystickDetachVirtual(index);

  // A on button 10, B on button 3, Start on button 1: none where the numbered slots put them.
  const std::string mapping = std::string(guid) +
                              ",Configured pad,a:b9,b:b2,start:b0,leftx:a0,lefty:a1,"
                              "dpup:h0.1,dpright:h0.2,dpdown:h0.4,dpleft:h0.8,";
  setenv("SDL_GAMECONTROLLERCONFIG", mapping.c_str(), 1);
  Restart();
  unsetenv("SDL_GAMECONTROLLERCONFIG");
  SdlEventSource events(session_);
  index = attach();
  ASSERT_GE(index, 0) << SDL_GetError();
  ASSERT_TRUE(SDL_IsGameController(index)) << mapping;
  Pump(events);
  ASSERT_NE(session_->Controller(), nullptr);
  EXPECT_STREQ(SDL_GameControllerName(session_->Controller()), "Configured pad");

  SDL_Joystick* pad = session_->Joystick();
  SDL_JoystickSetVirtualButton(pad, 7, 1);  // numbered button 8, fire on an unmapped device
  SDL_JoystickUpdate();
  InputStateSet s;
  AddControllerStates(session_->Controller(), s);
  EXPECT_FALSE(s.Fire);
  SDL_JoystickSetVirtualButton(pad, 9, 1);
  SDL_JoystickSetVirtualHat(pad, 0, SDL_HAT_LEFT);
  SDL_JoystickUpdate();
  s = {};
  AddControllerStates(session_->Controller(), s);
  EXPECT_TRUE(s.Fire);
  EXPECT_TRUE(s.Left);
  EXPECT_EQ(Drain(events), "pad a;pad other;") << "A where the mapping puts it, and the d-pad";
  SDL_JoystickDetachVirtual(index);
}

}  // namespace
}  // namespace vontra
