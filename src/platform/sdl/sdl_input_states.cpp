#include "platform/sdl/sdl_input_states.h"

#include "platform/sdl/joystick_axis.h"

namespace vontra {

SdlInputStates::SdlInputStates(std::shared_ptr<SdlSession> session)
    : session_(std::move(session)) {}

InputStateSet SdlInputStates::Read() {
  InputStateSet s;
  if (!session_->Active()) return s;
  const Uint8* keys = SDL_GetKeyboardState(nullptr);
  s.Up = keys[SDL_SCANCODE_UP] || keys[SDL_SCANCODE_KP_8];
  s.Down = keys[SDL_SCANCODE_DOWN];
  s.Left = keys[SDL_SCANCODE_LEFT];
  s.Right = keys[SDL_SCANCODE_RIGHT];
  s.Pause = keys[SDL_SCANCODE_P];
  s.Escape = keys[SDL_SCANCODE_ESCAPE];
  s.Yes = keys[SDL_SCANCODE_Y];
  s.No = keys[SDL_SCANCODE_N];
  s.Fire = keys[SDL_SCANCODE_SPACE];
  if (session_->Controller() != nullptr) {
    AddControllerStates(session_->Controller(), s);
  } else if (session_->Joystick() != nullptr) {
    AddJoystickStates(session_->Joystick(), s);
  }
  return s;
}

void AddJoystickStates(SDL_Joystick* joystick, InputStateSet& s) {
  const int x =
      SDL_JoystickNumAxes(joystick) > 0 ? ScaleJoystickAxis(SDL_JoystickGetAxis(joystick, 0)) : 0;
  const int y =
      SDL_JoystickNumAxes(joystick) > 1 ? ScaleJoystickAxis(SDL_JoystickGetAxis(joystick, 1)) : 0;
  const Uint8 hat =
      SDL_JoystickNumHats(joystick) > 0 ? SDL_JoystickGetHat(joystick, 0) : SDL_HAT_CENTERED;
  s.Left = s.Left || x < 0 || (hat & SDL_HAT_LEFT) != 0;
  s.Right = s.Right || x > 0 || (hat & SDL_HAT_RIGHT) != 0;
  s.Up = s.Up || y < 0 || (hat & SDL_HAT_UP) != 0;
  s.Down = s.Down || y > 0 || (hat & SDL_HAT_DOWN) != 0;
  // Button n counted from 1 is SDL's button n - 1.
  const auto button = [joystick](int n) {
    return n <= SDL_JoystickNumButtons(joystick) && SDL_JoystickGetButton(joystick, n - 1) != 0;
  };
  s.Pause = s.Pause || button(4);
  s.Escape = s.Escape || button(5);
  s.Yes = s.Yes || button(6);
  s.No = s.No || button(7);
  s.Fire = s.Fire || button(8);
}

void AddControllerStates(SDL_GameController* pad, InputStateSet& s) {
  const auto axis = [pad](SDL_GameControllerAxis a) {
    return ScaleJoystickAxis(SDL_GameControllerGetAxis(pad, a));
  };
  const auto button = [pad](SDL_GameControllerButton b) {
    return SDL_GameControllerGetButton(pad, b) != 0;
  };
  const int x = axis(SDL_CONTROLLER_AXIS_LEFTX);
  const int y = axis(SDL_CONTROLLER_AXIS_LEFTY);
  s.Left = s.Left || x < 0 || button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  s.Right = s.Right || x > 0 || button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  s.Up = s.Up || y < 0 || button(SDL_CONTROLLER_BUTTON_DPAD_UP);
  s.Down = s.Down || y > 0 || button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  // Triggers rest at 0 and travel to 32767: past half way is a pull.
  s.Fire = s.Fire || button(SDL_CONTROLLER_BUTTON_A) || axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT) > 0;
  s.Escape = s.Escape || button(SDL_CONTROLLER_BUTTON_B);
  s.Pause = s.Pause || button(SDL_CONTROLLER_BUTTON_START);
}

}  // namespace vontra
