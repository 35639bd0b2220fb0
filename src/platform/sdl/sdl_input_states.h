#pragma once
#include <memory>

#include "platform/input_states.h"
#include "platform/sdl/sdl_session.h"

namespace vontra {

// The held keys of the game's bindings and the first joystick, read only while the window is
// active.
class SdlInputStates : public IInputStates {
 public:
  explicit SdlInputStates(std::shared_ptr<SdlSession> session);
  InputStateSet Read() override;

 private:
  std::shared_ptr<SdlSession> session_;
};

// Adds what the joystick holds: axes 0 and 1 (and the first hat) for the directions,
// buttons 4..8 (counting from 1) for Pause, Escape, Yes, No and Fire.
void AddJoystickStates(SDL_Joystick* joystick, InputStateSet& states);

// Adds what a mapped pad holds: left stick and d-pad for the directions, A or the right
// trigger for Fire, B for Escape, Start for Pause.
void AddControllerStates(SDL_GameController* pad, InputStateSet& states);

}  // namespace vontra
