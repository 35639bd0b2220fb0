#pragma once
#include <cstdint>

namespace vontra {

// One window event, already in the game's terms: Windows virtual-key codes, Windows-1251
// characters and surface pixels.
struct PlatformEvent {
  enum class Kind {
    KeyDown,       // Key, Alt
    KeyUp,         // Key, Alt
    Char,          // Char (Windows-1251; Enter, Escape and Backspace arrive as 13, 27 and 8)
    MouseMove,     // X, Y in surface pixels
    MouseClick,    // X, Y; also double clicks
    CloseRequest,  // the close box, Alt+F4
    Minimize,      // the window was minimised (the desktop reports it only afterwards)
    Activate,
    Deactivate,
    PadUnplugged,  // the joystick or pad in use went away
    Quit,          // the application is being torn down from outside (a signal)
  };
  Kind kind = Kind::KeyDown;
  int Key = 0;
  bool Alt = false;
  uint8_t Char = 0;
  int X = 0;
  int Y = 0;
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
