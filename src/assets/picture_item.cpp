#include <algorithm>
#include <cstdint>

#include "assets/picture_collection.h"

namespace vontra {

void TPictureCollectionItem::SetName(std::string name) {
  if (index_) index_->Remove(this);
  name_ = std::move(name);
  if (index_) index_->Insert(this);
}

TRect TPictureCollectionItem::FrameGrid::Rect(int index) const {
  const int left = (index % columns) * stepX;
  const int top = (index / columns) * stepY;
  return {left, top, left + width, top + height};
}

// The frames an item is cut into when prepared: one frame when the frame size is the picture
// size, else as many whole frames (with their gaps) as fit.
TPictureCollectionItem::FrameGrid TPictureCollectionItem::CutFrames() const {
  FrameGrid g;
  if (Picture.Empty()) return g;
  const int64_t w = Width(), h = Height(), W = Picture.Width, H = Picture.Height;
  if (w == W && h == H) return {1, 1, Picture.Width, Picture.Height, 0, 0};
  const int64_t dx = w + SkipWidth, dy = h + SkipHeight;
  if (dx <= 0 || dy <= 0) return g;
  const int64_t columns = (W + SkipWidth) / dx, rows = (H + SkipHeight) / dy;
  if (columns <= 0 || rows <= 0) return g;
  return {static_cast<int>(columns), static_cast<int>(rows), static_cast<int>(w),
          static_cast<int>(h),       static_cast<int>(dx),   static_cast<int>(dy)};
}

int TPictureCollectionItem::PatternCount() const {
  if (prepared_) return grid_.Count();
  // Before preparation the count is estimated from the sizes alone.
  if (Picture.Empty()) return 0;
  const int64_t w = Width(), h = Height(), W = Picture.Width, H = Picture.Height;
  if (w == W && h == H) return 1;
  const int64_t dx = w + SkipWidth, dy = h + SkipHeight;
  if (dx <= 0 || dy <= 0) return 0;
  const int64_t columns = W / dx + (W % dx == w ? 1 : 0);
  const int64_t rows = H / dy + (H % dy == h ? 1 : 0);
  return static_cast<int>(std::min<int64_t>(columns * rows, INT32_MAX));
}

TRect TPictureCollectionItem::PatternRect(int patternIndex) const {
  if (patternIndex < 0 || patternIndex >= PatternCount()) return {};
  const FrameGrid g = prepared_ ? grid_ : CutFrames();
  if (patternIndex >= g.Count()) return {};
  return g.Rect(patternIndex);
}

void TPictureCollectionItem::Convert() {
  pixels565_.resize(Picture.Pixels.size());
  pixels565_.shrink_to_fit();
  for (size_t i = 0; i < pixels565_.size(); ++i) {
    const uint32_t p = Picture.Pixels[i];
    pixels565_[i] = Rgb565((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
}

void TPictureCollectionItem::Prepare() {
  if (Picture.Empty()) {
    Unprepare();
    return;
  }
  if (!OnlyDrawnForm()) Convert();
  grid_ = CutFrames();
  ScanKeyRows();
  prepared_ = true;
}

void TPictureCollectionItem::ScanKeyRows() {
  rowHasKey_.clear();
  if (!Transparent || (TransparentColor & 0xFF000000u) != 0) return;
  scannedKey_ = ColorRefToRgb565(TransparentColor);
  rowHasKey_.resize(static_cast<size_t>(Picture.Height));
  const uint16_t* row = pixels565_.data();
  for (uint8_t& has : rowHasKey_) {
    has = std::find(row, row + Picture.Width, scannedKey_) != row + Picture.Width;
    row += Picture.Width;
  }
}

void TPictureCollectionItem::KeepOnlyDrawnForm() {
  if (Picture.Empty() || OnlyDrawnForm()) return;
  Convert();
  Picture.Pixels.clear();
  Picture.Pixels.shrink_to_fit();
}

void TPictureCollectionItem::Unprepare() {
  prepared_ = false;
  grid_ = {};
  rowHasKey_.clear();
  if (OnlyDrawnForm()) return;
  pixels565_.clear();
  pixels565_.shrink_to_fit();
}

bool TPictureCollectionItem::FrameToDraw(int patternIndex, TRect& frame) const {
  if (!prepared_ || patternIndex < 0 || patternIndex >= grid_.Count()) return false;
  frame = grid_.Rect(patternIndex);
  // Frames always lie inside the picture; the clamp only guards against a changed picture.
  frame.Right = std::min(frame.Right, Picture.Width);
  frame.Bottom = std::min(frame.Bottom, Picture.Height);
  return !frame.IsEmpty() &&
         pixels565_.size() == static_cast<size_t>(Picture.Width) * Picture.Height;
}

}  // namespace vontra
