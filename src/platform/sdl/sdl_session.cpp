#include "platform/sdl/sdl_session.h"

#include <stdexcept>
#include <string>

#include "platform/display.h"
#include "platform/sdl/window_icon.h"
#include "platform/sdl/window_size.h"
#include "platform/sdl/x11_window_place.h"

namespace vontra {

namespace {

// How long a placement may take the window manager: a busy desktop can hold it back for
// a long moment, and a window manager that refuses the place must not hang the game.
constexpr Uint64 kSettleLimitMs = 2000;
// A window whose place and size have not changed for this long has been placed.
constexpr Uint64 kSettledAfterMs = 120;
constexpr Uint32 kPlacedStates =
    SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED;

bool SameRect(const SDL_Rect& a, const SDL_Rect& b) {
  return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

SDL_Rect LiveRect(SDL_Window* window) {
  SDL_Rect r{};
  if (!X11ClientPosition(window, r.x, r.y)) SDL_GetWindowPosition(window, &r.x, &r.y);
  SDL_GetWindowSize(window, &r.w, &r.h);
  return r;
}

bool OnSomeDesktop(const WindowPlacement& p) {
  const int displays = SDL_GetNumVideoDisplays();
  for (int i = 0; i < displays; ++i) {
    SDL_Rect area;
    if (SDL_GetDisplayUsableBounds(i, &area) != 0) continue;
    if (ReachableOn({p.X, p.Y, p.Width, p.Height}, {area.x, area.y, area.w, area.h})) return true;
  }
  return false;
}

}  // namespace

SdlSession::SdlSession() {
  // The close box asks the game, which decides; signals still arrive as SDL_QUIT.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    throw std::runtime_error(std::string("SDL video: ") + SDL_GetError());
  }
  // A machine without joystick support still plays with the keyboard.
  SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  // The controller layer reads its built-in mappings and SDL_GAMECONTROLLERCONFIG itself.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  SDL_Rect usable{0, 0, kDisplayWidth, kDisplayHeight};
  SDL_GetDisplayUsableBounds(0, &usable);
  const int scale = StartScale(usable.w, usable.h);
  window_ =
      SDL_CreateWindow("Vontra", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, ClientWidth(scale),
                       ClientHeight(scale), SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
  if (window_ == nullptr) {
    const std::string error = SDL_GetError();
    SDL_Quit();
    throw std::runtime_error("SDL window: " + error);
  }
  SDL_SetWindowMinimumSize(window_, kDisplayWidth / 2, kDisplayHeight / 2);
  SetWindowIcon(window_);
  normal_ = previousNormal_ = LiveRect(window_);
  SDL_AddEventWatch(&SdlSession::WatchWindow, this);
  OpenJoystickIfNone();
}

SdlSession::~SdlSession() {
  SDL_DelEventWatch(&SdlSession::WatchWindow, this);
  CloseJoystick();
  SDL_DestroyWindow(window_);
  SDL_Quit();
}

bool SdlSession::Active() const {
  const Uint32 flags = SDL_GetWindowFlags(window_);
  return (flags & SDL_WINDOW_INPUT_FOCUS) != 0 && (flags & SDL_WINDOW_MINIMIZED) == 0;
}

int SdlSession::WatchWindow(void* self, SDL_Event* event) {
  auto* session = static_cast<SdlSession*>(self);
  if (event->type != SDL_WINDOWEVENT ||
      event->window.windowID != SDL_GetWindowID(session->window_)) {
    return 0;
  }
  switch (event->window.event) {
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      session->NoteNormalPlace();
      break;
    case SDL_WINDOWEVENT_MAXIMIZED: {
      // The maximised size may have been taken for the normal one just before.
      int w = 0, h = 0;
      SDL_GetWindowSize(session->window_, &w, &h);
      if (session->normal_.w == w && session->normal_.h == h) {
        session->normal_ = session->previousNormal_;
      }
      break;
    }
    default:
      break;
  }
  return 0;
}

void SdlSession::NoteNormalPlace() {
  const Uint32 flags = SDL_GetWindowFlags(window_);
  if ((flags & (kPlacedStates | SDL_WINDOW_HIDDEN)) != 0) return;
  const SDL_Rect now = LiveRect(window_);
  if (SameRect(now, normal_)) return;
  previousNormal_ = normal_;
  normal_ = now;
}

WindowPlacement SdlSession::Placement() const {
  if (pendingPlacement_) return *pendingPlacement_;
  const Uint32 flags = SDL_GetWindowFlags(window_);
  const SDL_Rect r = (flags & kPlacedStates) != 0 ? normal_ : LiveRect(window_);
  WindowPlacement p;
  p.X = r.x;
  p.Y = r.y;
  p.Width = r.w;
  p.Height = r.h;
  p.Minimized = (flags & SDL_WINDOW_MINIMIZED) != 0;
  return p;
}

bool SdlSession::Maximized() const {
  if (pendingPlacement_) return pendingMaximized_;
  const Uint32 flags = SDL_GetWindowFlags(window_);
  if ((flags & SDL_WINDOW_FULLSCREEN) != 0) return maximizedBeforeFullScreen_;
  return (flags & SDL_WINDOW_MAXIMIZED) != 0;
}

void SdlSession::Place(const WindowPlacement& p) {
  const Uint32 flags = SDL_GetWindowFlags(window_);
  if ((flags & SDL_WINDOW_FULLSCREEN) != 0) {
    pendingPlacement_ = p;
    pendingMaximized_ = maximizedBeforeFullScreen_;
  } else if ((flags & SDL_WINDOW_HIDDEN) != 0) {
    PlaceAtStart(p, false);
  } else {
    // Maximised before full screen: maximised again, with this as its normal place.
    const bool maximized = restoreMaximized_ || (flags & SDL_WINDOW_MAXIMIZED) != 0;
    restoreMaximized_ = false;
    PlaceNow(p, maximized);
  }
}

void SdlSession::PlaceAtStart(const WindowPlacement& p, bool maximized) {
  pendingPlacement_ = p;
  pendingMaximized_ = maximized;
  // The hidden window is shown about there already; the frame's offset is corrected once
  // the window manager has framed it.
  if (p.Width > 0 && p.Height > 0 && OnSomeDesktop(p)) {
    SDL_SetWindowSize(window_, p.Width, p.Height);
    SDL_SetWindowPosition(window_, p.X, p.Y);
  }
}

void SdlSession::SetFullScreen(bool fullScreen) {
  const Uint32 flags = SDL_GetWindowFlags(window_);
  if (fullScreen && (flags & SDL_WINDOW_FULLSCREEN) == 0) {
    maximizedBeforeFullScreen_ = (flags & SDL_WINDOW_MAXIMIZED) != 0;
  }
  restoreMaximized_ = !fullScreen && (flags & SDL_WINDOW_FULLSCREEN) != 0 &&
                      maximizedBeforeFullScreen_ && !pendingPlacement_;
  SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  ApplyPendingPlacement();
}

void SdlSession::Show() {
  SDL_ShowWindow(window_);
  ApplyPendingPlacement();
}

void SdlSession::ApplyPendingPlacement() {
  const Uint32 flags = SDL_GetWindowFlags(window_);
  if (!pendingPlacement_ || (flags & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_HIDDEN)) != 0) return;
  const WindowPlacement p = *pendingPlacement_;
  pendingPlacement_.reset();
  PlaceNow(p, pendingMaximized_);
}

// A window manager frames the window and puts it back from full screen in its own time, and
// SDL places the frame by the border sizes it has heard of: a place set before the frame is
// known lands lower by the title bar. So the window is watched until it stands still, and
// moved (again) only if it stands somewhere else.
void SdlSession::PlaceNow(const WindowPlacement& p, bool maximized) {
  if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0 && !p.Minimized) {
    SDL_RestoreWindow(window_);
  }
  const bool placeable = p.Width > 0 && p.Height > 0 && OnSomeDesktop(p);
  if (maximized) {
    if (placeable) normal_ = previousNormal_ = SDL_Rect{p.X, p.Y, p.Width, p.Height};
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) == 0) SDL_MaximizeWindow(window_);
  } else if (placeable) {
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) != 0) SDL_RestoreWindow(window_);
    const SDL_Rect want{p.X, p.Y, p.Width, p.Height};
    const Uint64 start = SDL_GetTicks64();
    SDL_Rect seen = LiveRect(window_);
    Uint64 seenSince = start;
    int moves = 0;
    while (SDL_GetTicks64() - start < kSettleLimitMs) {
      SDL_PumpEvents();
      const SDL_Rect now = LiveRect(window_);
      const Uint64 t = SDL_GetTicks64();
      if (!SameRect(now, seen)) {
        seen = now;
        seenSince = t;
      } else if (t - seenSince >= kSettledAfterMs) {
        if (SameRect(now, want)) break;
        // Twice is enough: a window manager that refuses the place keeps its own.
        if (moves == 2) break;
        ++moves;
        if (now.w != want.w || now.h != want.h) SDL_SetWindowSize(window_, want.w, want.h);
        SDL_SetWindowPosition(window_, want.x, want.y);
        seenSince = SDL_GetTicks64();
      }
      SDL_Delay(5);
    }
    NoteNormalPlace();
  }
  if (p.Minimized) SDL_MinimizeWindow(window_);
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
