#pragma once
#include <memory>

#include "platform/files.h"
#include "platform/sdl/sdl_session.h"
#include "platform/window.h"

namespace vontra {

class SdlWindow : public IWindow {
 public:
  explicit SdlWindow(std::shared_ptr<SdlSession> session) : session_(std::move(session)) {}
  // A window that opens where it was left and remembers its place in the save folder, if the
  // working directory has one, when it goes.
  SdlWindow(std::shared_ptr<SdlSession> session, std::shared_ptr<IFiles> memory);
  ~SdlWindow() override;
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;
  // caption is Windows-1251.
  void SetCaption(const std::string& caption) override;
  WindowPlacement GetPlacement() const override;
  void SetPlacement(const WindowPlacement& placement) override;
  void Minimize() override;
  bool Active() const override { return session_->Active(); }
  void SetDisplayLostHandler(DisplayLostHandler handler) override;

 private:
  std::shared_ptr<SdlSession> session_;
  std::shared_ptr<IFiles> memory_;
};

}  // namespace vontra
