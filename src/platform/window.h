#pragma once
#include <functional>
#include <string>

namespace vontra {

struct WindowPlacement {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  bool Minimized = false;
};

// Called once when the desktop takes the window or the whole display away for good, with what
// happened in words. It runs wherever the platform notices the loss, so it must save what may
// not be lost without touching the display, and says whether that worked; the platform then
// ends the process.
using DisplayLostHandler = std::function<bool(const std::string& what)>;

class IWindow {
 public:
  virtual ~IWindow() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual WindowPlacement GetPlacement() const = 0;
  virtual void SetPlacement(const WindowPlacement& placement) = 0;
  virtual void Minimize() = 0;
  virtual bool Active() const = 0;
  // Replaces the handler; an empty one gives the platform its own ending back.
  virtual void SetDisplayLostHandler(DisplayLostHandler handler) = 0;
};

}  // namespace vontra
