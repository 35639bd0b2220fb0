#pragma once
#include <SDL.h>

#include <cstdlib>
#include <memory>

#include "platform/sdl/sdl_session.h"

namespace vontra {

// A session on SDL's dummy video driver, so SDL tests run without an X server.
inline std::shared_ptr<SdlSession> MakeDummySession() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  return std::make_shared<SdlSession>();
}

// A standard pad described to SDL through SDL_JoystickAttachVirtualEx: every button and axis
// the controller layer knows, so SDL maps it as a game controller. Returns its device index,
// -1 when SDL refused.
inline int AttachVirtualController() {
  SDL_VirtualJoystickDesc desc;
  SDL_zero(desc);
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "Virtual pad";
  return SDL_JoystickAttachVirtualEx(&desc);
}

// Puts the virtual pad's sticks in the centre and its triggers at the bottom of their travel,
// where a real pad rests (a new virtual axis starts at 0, which is a half-pulled trigger).
inline void RestVirtualController(SDL_Joystick* pad) {
  for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a) {
    const bool trigger =
        a == SDL_CONTROLLER_AXIS_TRIGGERLEFT || a == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
    SDL_JoystickSetVirtualAxis(pad, a, trigger ? -32768 : 0);
  }
  for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) SDL_JoystickSetVirtualButton(pad, b, 0);
}

}  // namespace vontra
