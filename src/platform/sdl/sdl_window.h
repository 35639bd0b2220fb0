#pragma once
#include <memory>

#include "platform/sdl/sdl_session.h"
#include "platform/window.h"

namespace vontra {

class SdlWindow : public IWindow {
 public:
  explicit SdlWindow(std::shared_ptr<SdlSession> session) : session_(std::move(session)) {}
  // caption is Windows-1251.
  void SetCaption(const std::string& caption) override;
  WindowPlacement GetPlacement() const override;
  void SetPlacement(const WindowPlacement& placement) override;
  void Minimize() override;
  bool Active() const override { return session_->Active(); }
  void SetDisplayLostHandler(DisplayLostHandler handler) override;

 private:
  std::shared_ptr<SdlSession> session_;
};

}  // namespace vontra
