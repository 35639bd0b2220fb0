#pragma once
#include <SDL.h>

#include <optional>

#include "platform/window.h"

namespace vontra {

// What the SDL components share: the library itself, the one window and the first joystick.
// Every component holds it through a shared pointer, so SDL shuts down after the last of them.
class SdlSession {
 public:
  // Starts SDL's video, events and joystick and creates the hidden, centred 800 x 601 window.
  // Throws std::runtime_error when SDL's video cannot start.
  SdlSession();
  ~SdlSession();
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;

  SDL_Window* Window() const { return window_; }
  // The game's window has the keyboard focus and is not minimised.
  bool Active() const;

  // Moves and sizes the window, or, while it is full screen, keeps the placement until the
  // display returns to a window (the window manager would undo it otherwise).
  void Place(const WindowPlacement& placement);
  // Applies a kept placement once the window is no longer full screen.
  void ApplyPendingPlacement();

  SDL_Joystick* Joystick() const { return joystick_; }
  // The open joystick seen through SDL's controller mapping, or null when it has none.
  SDL_GameController* Controller() const { return controller_; }
  // Opens the first joystick if none is open (at start and when one is plugged in).
  void OpenJoystickIfNone();
  // Drops the open joystick when it is the one unplugged, then looks for another; true when
  // it was the one in use.
  bool JoystickRemoved(SDL_JoystickID id);

 private:
  void CloseJoystick();

  SDL_Window* window_ = nullptr;
  SDL_Joystick* joystick_ = nullptr;
  SDL_GameController* controller_ = nullptr;
  std::optional<WindowPlacement> pendingPlacement_;
};

}  // namespace vontra
