#include "sprites/image_sprite.h"

#include <cmath>

#include "assets/picture_collection.h"

namespace vontra {

void TImageSprite::AssignImage(TPictureCollectionItem* image) {
  Image = image;
  Width = image != nullptr ? image->Width() : 0;
  Height = image != nullptr ? image->Height() : 0;
}

void TImageSprite::MoveSelf(int32_t elapsedMs) {
  FramePos += FrameSpeed * elapsedMs;
  if (LoopFrames) {
    if (FrameCount > 0) {
      const double n = FrameCount;
      FramePos -= n * std::floor(FramePos / n);
      // Rounding in the subtraction can land exactly on n for a tiny negative position.
      if (FramePos >= n) FramePos = 0;
    } else {
      FramePos = 0;
    }
    return;
  }
  if (FramePos >= FrameCount) {
    FramePos = FrameCount - 1;
    FrameSpeed = 0;
  }
  if (FramePos < 0) {
    FramePos = 0;
    FrameSpeed = 0;
  }
}

void TImageSprite::DrawSelf() {
  if (Image == nullptr || Engine() == nullptr || Engine()->DrawSurface == nullptr) return;
  const TRect r = GetBounds();
  const int x = r.Left + (Width - Image->Width()) / 2;
  const int y = r.Top + (Height - Image->Height()) / 2;
  Image->Draw(*Engine()->DrawSurface, x, y, DrawnFrame());
}

}  // namespace vontra
