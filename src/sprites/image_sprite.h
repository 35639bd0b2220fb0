#pragma once
// A sprite showing one frame of a named picture, optionally stepping through its frames.
#include <cstdint>

#include "sprites/sprite.h"

namespace vontra {

class TPictureCollectionItem;

class TImageSprite : public TSprite {
 public:
  explicit TImageSprite(TSprite* parent) : TSprite(parent) {}

  // Draws the current frame centred in the sprite's rectangle.
  void DrawSelf() override;
  // Advances the animation by FrameSpeed frames per elapsed millisecond.
  void MoveSelf(int32_t elapsedMs) override;
  // Takes the picture (not owned) and its frame size; an empty item makes the sprite 0 x 0.
  virtual void AssignImage(TPictureCollectionItem* image);

  int32_t DrawnFrame() const { return RoundHalfEven(FramePos) + FirstFrame; }

  int32_t FrameCount = 0;
  bool LoopFrames = false;
  double FramePos = 0;
  double FrameSpeed = 0;
  int32_t FirstFrame = 0;
  // Not owned: pictures live in the image lists for the whole run. Set it with AssignImage.
  TPictureCollectionItem* Image = nullptr;
};

}  // namespace vontra
