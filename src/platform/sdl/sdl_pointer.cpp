#include "platform/sdl/sdl_pointer.h"

namespace vontra {

SdlPointer::SdlPointer(std::shared_ptr<SdlSession> session) : session_(std::move(session)) {
  hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
  if (hand_ != nullptr) SDL_SetCursor(hand_);
}

SdlPointer::~SdlPointer() {
  if (hand_ != nullptr) SDL_FreeCursor(hand_);
}

int SdlPointer::ShowCursor(bool show) {
  counter_ += show ? 1 : -1;
  SDL_ShowCursor(counter_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
  return counter_;
}

}  // namespace vontra
