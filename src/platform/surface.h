#pragma once
// The game's own drawing surface: 16-bit RGB565 pixels, drawn by our blitters and
// handed to the display once a frame is finished.
#include <cstdint>
#include <vector>

namespace vontra {

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool operator==(const TRect&) const = default;
};

// Pure black is the default colour key; an opaque colour must not round to it.
constexpr uint16_t Rgb565(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
// A Windows colour value 0x00BBGGRR converted to RGB565.
constexpr uint16_t ColorRefToRgb565(uint32_t color) {
  return Rgb565(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height) { Resize(width, height); }

  void Resize(int width, int height) {
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  }
  int Width() const { return width_; }
  int Height() const { return height_; }
  TRect ClientRect() const { return {0, 0, width_, height_}; }
  uint16_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint16_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint16_t* Pixels() { return pixels_.data(); }
  const uint16_t* Pixels() const { return pixels_.data(); }
  uint16_t At(int x, int y) const { return Row(y)[x]; }
  void Fill(uint16_t color) { pixels_.assign(pixels_.size(), color); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint16_t> pixels_;
};

}  // namespace vontra
