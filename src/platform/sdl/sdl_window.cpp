#include "platform/sdl/sdl_window.h"

#include <filesystem>

#include "platform/cp1251.h"
#include "platform/sdl/x11_display_loss.h"
#include "platform/window_memory.h"

namespace vontra {

SdlWindow::SdlWindow(std::shared_ptr<SdlSession> session, std::shared_ptr<IFiles> memory)
    : session_(std::move(session)), memory_(std::move(memory)) {
  if (auto remembered = LoadWindowMemory(*memory_)) {
    session_->PlaceAtStart(remembered->Place, remembered->Maximized);
  }
}

SdlWindow::~SdlWindow() {
  if (!memory_) return;
  // The save folder is the game's to make; a run elsewhere leaves no file behind.
  std::error_code error;
  if (!std::filesystem::is_directory(memory_->NativePath("Data\\Save"), error)) return;
  SaveWindowMemory(*memory_, {session_->Placement(), session_->Maximized()});
}

void SdlWindow::SetCaption(const std::string& caption) {
  SDL_SetWindowTitle(session_->Window(), Cp1251ToUtf8(caption).c_str());
}

WindowPlacement SdlWindow::GetPlacement() const {
  return session_->Placement();
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
