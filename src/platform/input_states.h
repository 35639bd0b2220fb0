#pragma once

namespace vontra {

// The per-frame input snapshot: keyboard bindings and the first joystick, merged.
struct InputStateSet {
  bool Up = false;
  bool Down = false;
  bool Left = false;
  bool Right = false;
  bool Pause = false;
  bool Escape = false;
  bool Yes = false;
  bool No = false;
  bool Fire = false;
  bool operator==(const InputStateSet&) const = default;
};

class IInputStates {
 public:
  virtual ~IInputStates() = default;
  // Reads the states now; everything released while the application is inactive.
  virtual InputStateSet Read() = 0;
};

}  // namespace vontra
