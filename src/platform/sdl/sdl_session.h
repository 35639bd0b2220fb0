#pragma once
#include <SDL.h>

#include <optional>

#include "platform/window.h"

namespace vontra {

// What the SDL components share: the library itself, the one window and the first joystick.
// Every component holds it through a shared pointer, so SDL shuts down after the last of them.
class SdlSession {
 public:
  // Starts SDL's video, events and joystick and creates the hidden, centred, resizable window
  // at the largest whole multiple of the picture that fits the desktop.
  // Throws std::runtime_error when SDL's video cannot start.
  SdlSession();
  ~SdlSession();
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;

  SDL_Window* Window() const { return window_; }
  // The game's window has the keyboard focus and is not minimised.
  bool Active() const;

  // The window's normal place and size, also while it is maximised or full screen.
  WindowPlacement Placement() const;
  // Maximised now, or before it went full screen.
  bool Maximized() const;
  // Moves and sizes the window, or, while it is hidden or full screen, keeps the placement
  // until it is shown as a window (the window manager would undo it otherwise). A place that
  // is on no desktop any more is not taken. A window maximised before full screen is
  // maximised again, with this as its normal place.
  void Place(const WindowPlacement& placement);
  // The place of an earlier run, for the hidden window before it is first shown.
  void PlaceAtStart(const WindowPlacement& placement, bool maximized);
  // Switches between full screen and a window; back in a window, a kept placement is applied
  // once the window manager has framed the window.
  void SetFullScreen(bool fullScreen);
  // Shows the window and applies a kept placement.
  void Show();

  SDL_Joystick* Joystick() const { return joystick_; }
  // The open joystick seen through SDL's controller mapping, or null when it has none.
  SDL_GameController* Controller() const { return controller_; }
  // Opens the first joystick if none is open (at start and when one is plugged in).
  void OpenJoystickIfNone();
  // Drops the open joystick when it is the one unplugged, then looks for another; true when
  // it was the one in use.
  bool JoystickRemoved(SDL_JoystickID id);

 private:
  static int WatchWindow(void* self, SDL_Event* event);
  void NoteNormalPlace();
  void ApplyPendingPlacement();
  void PlaceNow(const WindowPlacement& placement, bool maximized);
  void CloseJoystick();

  SDL_Window* window_ = nullptr;
  SDL_Joystick* joystick_ = nullptr;
  SDL_GameController* controller_ = nullptr;
  std::optional<WindowPlacement> pendingPlacement_;
  bool pendingMaximized_ = false;
  bool maximizedBeforeFullScreen_ = false;
  // Just back from full screen, which the window went to maximised.
  bool restoreMaximized_ = false;
  // The last place and size seen while shown normally, and the one before it: a window being
  // maximised may report its new size before it reports the maximised state.
  SDL_Rect normal_{};
  SDL_Rect previousNormal_{};
};

}  // namespace vontra
