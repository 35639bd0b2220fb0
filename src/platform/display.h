#pragma once
#include <functional>

#include "platform/surface.h"

namespace vontra {

constexpr int kDisplayWidth = 800;
constexpr int kDisplayHeight = 600;

// The display surface: an 800 x 600 RGB565 frame shown in the window or full screen.
class IDisplay {
 public:
  virtual ~IDisplay() = default;
  // Finalises the display (if initialised), switches the mode and initialises it again.
  // Both notifications are reported through the handlers below.
  virtual void Initialize() = 0;
  virtual void Finalize() = 0;
  virtual bool Initialized() const = 0;
  virtual void SetFullScreen(bool fullScreen) = 0;
  virtual bool FullScreen() const = 0;
  // Whether the frame can be drawn and shown now (initialised and not lost).
  virtual bool CanDraw() const = 0;
  virtual Surface& DrawSurface() = 0;
  // Shows the finished frame, paced by the vertical blank (or by sleeping where presents
  // are not paced).
  virtual void Flip() = 0;
  // The display's refresh rate in Hz, 0 when unknown.
  virtual int RefreshRate() const = 0;

  std::function<void()> OnInitialize;
  std::function<void()> OnFinalize;
};

}  // namespace vontra
