#pragma once
#include <SDL.h>

#include <memory>

#include "platform/pointer.h"
#include "platform/sdl/sdl_session.h"

namespace vontra {

// The hand-shaped pointer over the window, with the desktop's nesting show counter.
class SdlPointer : public IPointer {
 public:
  explicit SdlPointer(std::shared_ptr<SdlSession> session);
  ~SdlPointer() override;
  int ShowCursor(bool show) override;

 private:
  std::shared_ptr<SdlSession> session_;
  SDL_Cursor* hand_ = nullptr;
  int counter_ = 0;  // visible while at least 0
};

}  // namespace vontra
