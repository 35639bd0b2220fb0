#include "platform/sdl/sdl_window.h"

#include "platform/cp1251.h"

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
  SDL_Window* w = session_->Window();
  if ((SDL_GetWindowFlags(w) & SDL_WINDOW_MINIMIZED) != 0 && !p.Minimized) SDL_RestoreWindow(w);
  if (p.Width > 0 && p.Height > 0) SDL_SetWindowSize(w, p.Width, p.Height);
  SDL_SetWindowPosition(w, p.X, p.Y);
  if (p.Minimized) SDL_MinimizeWindow(w);
}

void SdlWindow::Minimize() {
  SDL_MinimizeWindow(session_->Window());
}

}  // namespace vontra
