#pragma once
#include <cstdint>

namespace vontra {

// The buttons of a pad that act on their own; the directions, and Start's pause in a race, are
// read as held states.
enum class PadButton : uint8_t {
  Other = 0,  // any other button, the d-pad or a stick pushed: only says the pad is in use
  A = 1,      // also the right trigger
  B = 2,
  Start = 3,
};

// One window event, already in the game's terms: Windows virtual-key codes, Windows-1251
// characters and surface pixels.
struct PlatformEvent {
  enum class Kind {
    KeyDown,     // Key, Alt, Repeat
    KeyUp,       // Key, Alt
    Char,        // Char (Windows-1251; Enter, Escape and Backspace arrive as 13, 27 and 8), Repeat
    MouseMove,   // X, Y in surface pixels
    MouseClick,  // X, Y; any button, also double clicks
    CloseRequest,  // the close box, Alt+F4
    Minimize,      // the window was minimised (the desktop reports it only afterwards)
    Activate,
    Deactivate,
    PadUnplugged,  // the joystick or pad in use went away
    Quit,          // the application is being torn down from outside (a signal)
    PadPress,      // Pad: a button of the pad in use went down (or a stick was pushed)
  };
  Kind kind = Kind::KeyDown;
  int Key = 0;
  bool Alt = false;
  // Made by the keyboard's auto-repeat of a held key, not by a press.
  bool Repeat = false;
  uint8_t Char = 0;
  int X = 0;
  int Y = 0;
  PadButton Pad = PadButton::Other;
};

class IEventSource {
 public:
  virtual ~IEventSource() = default;
  // Next pending event; false when none is waiting.
  virtual bool Poll(PlatformEvent& event) = 0;
  // Like Poll, but waits up to timeoutMs for an event first: for loops that have nothing to
  // draw (inactive or minimised) and must not spin.
  virtual bool Wait(PlatformEvent& event, int timeoutMs) {
    (void)timeoutMs;
    return Poll(event);
  }
};

}  // namespace vontra
