#include "raw_frame.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace vontra::bench {
namespace {

// Eight pixels at a time, as any hand-written blitter would; the compiler does not vectorise
// a conditional store by itself.
using Lanes = uint16_t __attribute__((vector_size(16)));
constexpr int kLanes = 8;

void KeyedRow(uint16_t* dst, const uint16_t* src, int n, uint16_t key) {
  const Lanes keys = Lanes{} + key;
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    Lanes s, d;
    std::memcpy(&s, src + i, sizeof s);
    std::memcpy(&d, dst + i, sizeof d);
    const Lanes hole = reinterpret_cast<Lanes>(s == keys);
    d = (s & ~hole) | (d & hole);
    std::memcpy(dst + i, &d, sizeof d);
  }
  for (; i < n; ++i) {
    if (src[i] != key) dst[i] = src[i];
  }
}

void Draw(const RawBlit& b, uint16_t* pixels, int width, int height) {
  const RawImage& im = b.Image;
  const int x0 = std::max(b.X, 0), y0 = std::max(b.Y, 0);
  const int x1 = std::min(b.X + im.Width, width), y1 = std::min(b.Y + im.Height, height);
  if (x0 >= x1 || y0 >= y1) return;
  const int n = x1 - x0;
  const uint16_t* src = im.Pixels + (y0 - b.Y) * im.Stride + (x0 - b.X);
  uint16_t* dst = pixels + y0 * width + x0;
  for (int y = y0; y < y1; ++y, src += im.Stride, dst += width) {
    if (im.Keyed) {
      KeyedRow(dst, src, n, im.Key);
    } else {
      std::memcpy(dst, src, static_cast<size_t>(n) * sizeof(uint16_t));
    }
  }
}

// Nearest-neighbour turn: each destination pixel centre in the turned box is mapped back
// into the picture with 16.16 fixed-point steps along the row.
void Draw(const RawTurn& t, uint16_t* pixels, int width, int height) {
  const RawImage& im = t.Image;
  const double a = t.Angle * (2 * std::numbers::pi / 256.0);
  const double c = std::cos(a), s = std::sin(a);
  const double px = t.PivotX * t.Width, py = t.PivotY * t.Height;
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (double u : {-px, t.Width - px}) {
    for (double v : {-py, t.Height - py}) {
      minX = std::min(minX, t.X + c * u - s * v);
      maxX = std::max(maxX, t.X + c * u - s * v);
      minY = std::min(minY, t.Y + s * u + c * v);
      maxY = std::max(maxY, t.Y + s * u + c * v);
    }
  }
  const int X0 = std::max(0, static_cast<int>(std::floor(minX)));
  const int X1 = std::min(width, static_cast<int>(std::ceil(maxX)));
  const int Y0 = std::max(0, static_cast<int>(std::floor(minY)));
  const int Y1 = std::min(height, static_cast<int>(std::ceil(maxY)));
  const double su = double(im.Width) / t.Width, sv = double(im.Height) / t.Height;
  constexpr double kOne = 65536.0;
  const int64_t du = std::llround(c * su * kOne), dv = std::llround(-s * sv * kOne);
  const int64_t limitU = int64_t{im.Width} << 16, limitV = int64_t{im.Height} << 16;
  for (int Y = Y0; Y < Y1; ++Y) {
    const double dx = X0 + 0.5 - t.X, dy = Y + 0.5 - t.Y;
    int64_t u = std::llround((c * dx + s * dy + px) * su * kOne);
    int64_t v = std::llround((-s * dx + c * dy + py) * sv * kOne);
    uint16_t* dst = pixels + Y * width;
    for (int X = X0; X < X1; ++X, u += du, v += dv) {
      if (u < 0 || v < 0 || u >= limitU || v >= limitV) continue;
      const uint16_t p = im.Pixels[(v >> 16) * im.Stride + (u >> 16)];
      if (!im.Keyed || p != im.Key) dst[X] = p;
    }
  }
}

uint16_t Mix(uint16_t d, const RawText& t, unsigned a) {
  const unsigned r = ((d >> 11) & 0x1F) * 255 / 31, g = ((d >> 5) & 0x3F) * 255 / 63,
                 b = (d & 0x1F) * 255 / 31;
  const unsigned inv = 255 - a;
  const unsigned R = (t.R * a + r * inv + 127) / 255, G = (t.G * a + g * inv + 127) / 255,
                 B = (t.B * a + b * inv + 127) / 255;
  return static_cast<uint16_t>(((R >> 3) << 11) | ((G >> 2) << 5) | (B >> 3));
}

void Draw(const RawText& t, uint16_t* pixels, int width, int height) {
  const uint16_t solid = static_cast<uint16_t>(((t.R >> 3) << 11) | ((t.G >> 2) << 5) | (t.B >> 3));
  const int x0 = std::max(0, -t.X), y0 = std::max(0, -t.Y);
  const int x1 = std::min(t.Width, width - t.X), y1 = std::min(t.Height, height - t.Y);
  for (int y = y0; y < y1; ++y) {
    const uint8_t* src = t.Alpha + y * t.Width;
    uint16_t* dst = pixels + (t.Y + y) * width + t.X;
    for (int x = x0; x < x1; ++x) {
      if (src[x] == 0) continue;
      dst[x] = src[x] == 255 ? solid : Mix(dst[x], t, src[x]);
    }
  }
}

}  // namespace

void DrawRawFrame(const RawFrame& frame, uint16_t* pixels, int width, int height) {
  std::memset(pixels, 0, static_cast<size_t>(width) * height * sizeof(uint16_t));
  for (const auto& step : frame) {
    std::visit([&](const auto& s) { Draw(s, pixels, width, height); }, step);
  }
}

}  // namespace vontra::bench
