#include "platform/sdl/sdl_window.h"

#include "platform/cp1251.h"
#include "platform/sdl/x11_display_loss.h"

namespace vontra {

void SdlWindow::SetCaption(const std::string& caption) {
  SDL_SetWindowTitle(session_->Window(), Cp1251ToUtf8(caption).c_str());
}

WindowPlacement SdlWindow::GetPlacement() const {
  WindowPlacement p;
  SDL_Window* w = session_->Window();
  SDL_GetWindowPosition(w, &p.X, &p.Y);
  SDL_GetWindowSize(w, &p.Width, &p.Height);
  p.Minimized = (SDL_GetWindowFlags(w) & SDL_WINDOW_MINIMIZED) != 0;
  return p;
}

void SdlWindow::SetPlacement(const WindowPlacement& p) {
  session_->Place(p);
}

void SdlWindow::Minimize() {
  SDL_MinimizeWindow(session_->Window());
}

void SdlWindow::SetDisplayLostHandler(DisplayLostHandler handler) {
  WatchX11Display(session_->Window(), std::move(handler));
}

}  // namespace vontra
