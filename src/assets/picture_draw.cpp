// The blits of image items: plain copies and scaled, turned copies, both clipped to the
// surface and honouring the colour key. These run hundreds of times a frame: no allocation.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "assets/picture_collection.h"

namespace vontra {

namespace {

// Only real colours (0x00BBGGRR) key pixels; system colours and markers key none.
bool ColorKey(const TPictureCollectionItem& item, uint16_t& key) {
  if (!item.Transparent || (item.TransparentColor & 0xFF000000u) != 0) return false;
  key = ColorRefToRgb565(item.TransparentColor);
  return true;
}

// Eight pixels at a time: the compiler does not turn a conditional store into a vector blend.
using Lanes = uint16_t __attribute__((vector_size(16)));
constexpr size_t kLanes = sizeof(Lanes) / sizeof(uint16_t);

void CopyKeyedRow(uint16_t* dst, const uint16_t* src, size_t n, uint16_t key) {
  const Lanes keys = Lanes{} + key;
  size_t i = 0;
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

}  // namespace

void TPictureCollectionItem::Draw(Surface& dest, int x, int y, int patternIndex) const {
  TRect frame;
  if (!FrameToDraw(patternIndex, frame)) return;
  const int64_t x0 = std::max<int64_t>(x, 0), y0 = std::max<int64_t>(y, 0);
  const int64_t x1 = std::min<int64_t>(int64_t{x} + frame.Width(), dest.Width());
  const int64_t y1 = std::min<int64_t>(int64_t{y} + frame.Height(), dest.Height());
  if (x0 >= x1 || y0 >= y1) return;
  const size_t n = static_cast<size_t>(x1 - x0);
  const int64_t stride = Picture.Width;
  const uint16_t* src = pixels565_.data() + (frame.Top + (y0 - y)) * stride + frame.Left + (x0 - x);
  uint16_t key = 0;
  const bool keyed = ColorKey(*this, key);
  const int64_t firstRow = frame.Top + (y0 - y);
  for (int64_t row = y0; row < y1; ++row, src += stride) {
    uint16_t* d = dest.Row(static_cast<int>(row)) + x0;
    // Rows without the key colour anywhere in the picture are plain copies.
    if (!keyed || !RowHasKey(firstRow + (row - y0), key)) {
      std::memcpy(d, src, n * sizeof(uint16_t));
    } else {
      CopyKeyedRow(d, src, n, key);
    }
  }
}

void TPictureCollectionItem::DrawRotated(Surface& dest, int x, int y, int width, int height,
                                         int patternIndex, double pivotX, double pivotY,
                                         double angle) const {
  TRect frame;
  if (width == 0 || height == 0 || !FrameToDraw(patternIndex, frame)) return;
  if (!std::isfinite(pivotX) || !std::isfinite(pivotY) || !std::isfinite(angle)) return;
  const double a = std::fmod(angle, 256.0) * (2 * std::numbers::pi / 256.0);
  const double c = std::cos(a), s = std::sin(a);
  const double px = pivotX * width, py = pivotY * height;

  // Bounding box of the turned rectangle on the surface. The frame's point (u, v), measured
  // from the pivot, lands at (x + c*u - s*v, y + s*u + c*v).
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  for (double u : {-px, width - px}) {
    for (double v : {-py, height - py}) {
      const double dx = x + c * u - s * v, dy = y + s * u + c * v;
      minX = std::min(minX, dx);
      maxX = std::max(maxX, dx);
      minY = std::min(minY, dy);
      maxY = std::max(maxY, dy);
    }
  }
  const int X0 = static_cast<int>(std::clamp(std::floor(minX), 0.0, double(dest.Width())));
  const int X1 = static_cast<int>(std::clamp(std::ceil(maxX), 0.0, double(dest.Width())));
  const int Y0 = static_cast<int>(std::clamp(std::floor(minY), 0.0, double(dest.Height())));
  const int Y1 = static_cast<int>(std::clamp(std::ceil(maxY), 0.0, double(dest.Height())));
  if (X0 >= X1 || Y0 >= Y1) return;

  // Inverse map of each pixel centre into frame pixels, stepped along the row.
  const int fw = frame.Width(), fh = frame.Height();
  const double scaleU = double(fw) / width, scaleV = double(fh) / height;
  const double stepU = c * scaleU, stepV = -s * scaleV;
  const int64_t stride = Picture.Width;
  const uint16_t* base = pixels565_.data() + int64_t{frame.Top} * stride + frame.Left;
  uint16_t key = 0;
  const bool keyed = ColorKey(*this, key);
  for (int Y = Y0; Y < Y1; ++Y) {
    const double dx = X0 + 0.5 - x, dy = Y + 0.5 - y;
    double u = (c * dx + s * dy + px) * scaleU;
    double v = (-s * dx + c * dy + py) * scaleV;
    uint16_t* d = dest.Row(Y);
    for (int X = X0; X < X1; ++X, u += stepU, v += stepV) {
      if (u < 0 || v < 0 || u >= fw || v >= fh) continue;
      const uint16_t p = base[static_cast<int64_t>(v) * stride + static_cast<int64_t>(u)];
      if (!keyed || p != key) d[X] = p;
    }
  }
}

}  // namespace vontra
