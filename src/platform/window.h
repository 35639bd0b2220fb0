#pragma once
#include <string>

namespace vontra {

struct WindowPlacement {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  bool Minimized = false;
};

class IWindow {
 public:
  virtual ~IWindow() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual WindowPlacement GetPlacement() const = 0;
  virtual void SetPlacement(const WindowPlacement& placement) = 0;
  virtual void Minimize() = 0;
  virtual bool Active() const = 0;
};

}  // namespace vontra
