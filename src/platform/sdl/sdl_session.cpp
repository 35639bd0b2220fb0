#include "platform/sdl/sdl_session.h"

#include <stdexcept>
#include <string>

#include "platform/display.h"

namespace vontra {

SdlSession::SdlSession() {
  // The close box asks the game, which decides; signals still arrive as SDL_QUIT.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    throw std::runtime_error(std::string("SDL video: ") + SDL_GetError());
  }
  // A machine without joystick support still plays with the keyboard.
  SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  // The controller layer reads its built-in mappings and SDL_GAMECONTROLLERCONFIG itself.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  // One line more than the picture, as the game's window always had.
  window_ = SDL_CreateWindow("Vontra", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             kDisplayWidth, kDisplayHeight + 1, SDL_WINDOW_HIDDEN);
  if (window_ == nullptr) {
    const std::string error = SDL_GetError();
    SDL_Quit();
    throw std::runtime_error("SDL window: " + error);
  }
  OpenJoystickIfNone();
}

SdlSession::~SdlSession() {
  CloseJoystick();
  SDL_DestroyWindow(window_);
  SDL_Quit();
}

bool SdlSession::Active() const {
  const Uint32 flags = SDL_GetWindowFlags(window_);
  return (flags & SDL_WINDOW_INPUT_FOCUS) != 0 && (flags & SDL_WINDOW_MINIMIZED) == 0;
}

void SdlSession::Place(const WindowPlacement& p) {
  if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0) {
    pendingPlacement_ = p;
    return;
  }
  if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0 && !p.Minimized) {
    SDL_RestoreWindow(window_);
  }
  if (p.Width > 0 && p.Height > 0) SDL_SetWindowSize(window_, p.Width, p.Height);
  SDL_SetWindowPosition(window_, p.X, p.Y);
  if (p.Minimized) SDL_MinimizeWindow(window_);
}

void SdlSession::ApplyPendingPlacement() {
  if (!pendingPlacement_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0) return;
  const WindowPlacement p = *pendingPlacement_;
  pendingPlacement_.reset();
  Place(p);
}

void SdlSession::OpenJoystickIfNone() {
  if (joystick_ != nullptr || SDL_WasInit(SDL_INIT_JOYSTICK) == 0) return;
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    // A mapped pad is opened as a controller, which also opens its joystick.
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0 && SDL_IsGameController(i)) {
      controller_ = SDL_GameControllerOpen(i);
      if (controller_ != nullptr) joystick_ = SDL_GameControllerGetJoystick(controller_);
    }
    // A device whose mapping does not open still has its numbered buttons.
    if (joystick_ == nullptr) joystick_ = SDL_JoystickOpen(i);
    if (joystick_ != nullptr) return;
  }
}

void SdlSession::CloseJoystick() {
  if (controller_ != nullptr) {
    SDL_GameControllerClose(controller_);
  } else if (joystick_ != nullptr) {
    SDL_JoystickClose(joystick_);
  }
  controller_ = nullptr;
  joystick_ = nullptr;
}

bool SdlSession::JoystickRemoved(SDL_JoystickID id) {
  if (joystick_ == nullptr || SDL_JoystickInstanceID(joystick_) != id) return false;
  CloseJoystick();
  OpenJoystickIfNone();
  return true;
}

}  // namespace vontra
