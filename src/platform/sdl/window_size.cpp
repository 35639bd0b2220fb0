#include "platform/sdl/window_size.h"

#include <algorithm>

#include "platform/display.h"

namespace vontra {

namespace {

// Room for the window manager's frame and title bar, which are not known before the window
// is shown.
constexpr int kFrameAllowanceWidth = 16;
constexpr int kFrameAllowanceHeight = 48;
// What must stay on the desktop of a window put back where it was.
constexpr int kReachableWidth = 100;
constexpr int kReachableHeight = 40;

}  // namespace

int StartScale(int usableWidth, int usableHeight) {
  const int byWidth = (usableWidth - kFrameAllowanceWidth) / kDisplayWidth;
  const int byHeight = (usableHeight - kFrameAllowanceHeight - 1) / kDisplayHeight;
  return std::max(1, std::min(byWidth, byHeight));
}

int ClientWidth(int scale) {
  return kDisplayWidth * scale;
}

int ClientHeight(int scale) {
  return kDisplayHeight * scale + 1;
}

bool ReachableOn(const PixelRect& window, const PixelRect& area) {
  const int left = std::max(window.X, area.X);
  const int right = std::min(window.X + window.Width, area.X + area.Width);
  const int top = std::max(window.Y, area.Y);
  const int bottom = std::min(window.Y + window.Height, area.Y + area.Height);
  // The title bar sits just above the client area, so its top must be on the area.
  return right - left >= kReachableWidth && bottom - top >= kReachableHeight &&
         window.Y >= area.Y && window.Y < area.Y + area.Height;
}

bool WholeMultiple(int outputWidth, int outputHeight) {
  // The picture's scale is what fits both ways; it is whole when the limiting side is.
  const int scale = std::min(outputWidth / kDisplayWidth, outputHeight / kDisplayHeight);
  if (scale < 1) return false;
  const bool widthLimits = outputWidth * kDisplayHeight <= outputHeight * kDisplayWidth;
  return widthLimits ? outputWidth == scale * kDisplayWidth
                     : outputHeight == scale * kDisplayHeight;
}

}  // namespace vontra
