#pragma once
#include <string>
#include <utility>

#include "platform/window.h"

namespace vontra {

// The window: remembers its caption and placement, counts minimise requests, and is active
// until the test says otherwise.
class HeadlessWindow : public IWindow {
 public:
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  WindowPlacement GetPlacement() const override { return placement_; }
  void SetPlacement(const WindowPlacement& placement) override { placement_ = placement; }
  void Minimize() override {
    ++minimizeCount_;
    placement_.Minimized = true;
  }
  bool Active() const override { return active_; }
  void SetDisplayLostHandler(DisplayLostHandler handler) override {
    displayLost_ = std::move(handler);
  }

  void SetActive(bool active) { active_ = active; }
  const std::string& Caption() const { return caption_; }
  int MinimizeCount() const { return minimizeCount_; }
  bool HasDisplayLostHandler() const { return static_cast<bool>(displayLost_); }
  // What the real platform does when the window goes: runs the handler (false without one).
  bool LoseDisplay(const std::string& what) { return displayLost_ && displayLost_(what); }

 private:
  std::string caption_;
  // Centred on a 1920 x 1080 desktop, as a new window is.
  WindowPlacement placement_{560, 239, 800, 601, false};
  bool active_ = true;
  int minimizeCount_ = 0;
  DisplayLostHandler displayLost_;
};

}  // namespace vontra
