#pragma once
#include <SDL.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/events.h"

#include "platform/sdl/sdl_session.h"

namespace vontra {

// What a list of events says, in a form that compares in one line.
inline std::string Describe(const std::vector<PlatformEvent>& events) {
  std::string s;
  for (const PlatformEvent& e : events) {
    switch (e.kind) {
      case PlatformEvent::Kind::KeyDown:
        s += "down " + std::to_string(e.Key) + (e.Alt ? "+alt" : "") + (e.Repeat ? "+repeat" : "") +
             ";";
        break;
      case PlatformEvent::Kind::KeyUp:
        s += "up " + std::to_string(e.Key) + (e.Alt ? "+alt" : "") + ";";
        break;
      case PlatformEvent::Kind::Char:
        s += "char " + std::to_string(e.Char) + (e.Repeat ? "+repeat" : "") + ";";
        break;
      case PlatformEvent::Kind::MouseMove:
        s += "move " + std::to_string(e.X) + "," + std::to_string(e.Y) + ";";
        break;
      case PlatformEvent::Kind::MouseClick:
        s += "click " + std::to_string(e.X) + "," + std::to_string(e.Y) + ";";
        break;
      case PlatformEvent::Kind::CloseRequest:
        s += "close;";
        break;
      case PlatformEvent::Kind::Minimize:
        s += "minimize;";
        break;
      case PlatformEvent::Kind::Activate:
        s += "activate;";
        break;
      case PlatformEvent::Kind::Deactivate:
        s += "deactivate;";
        break;
      case PlatformEvent::Kind::Quit:
        s += "quit;";
        break;
      case PlatformEvent::Kind::PadUnplugged:
        s += "unplugged;";
        break;
      case PlatformEvent::Kind::PadPress: {
        const char* names[] = {"other", "a", "b", "start"};
        s += std::string("pad ") + names[static_cast<int>(e.Pad)] + ";";
        break;
      }
    }
  }
  return s;
}

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
