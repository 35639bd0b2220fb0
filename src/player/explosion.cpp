#include "player/explosion.h"

#include <algorithm>

#include "app/race_state.h"
#include "assets/picture_collection.h"
#include "player/race_context.h"

namespace vontra {

TExplosion::TExplosion(RaceState& race, std::string_view imageName, double x, double y)
    : TImageSprite(SpriteRoot(race)), race_(race) {
  TPictureCollectionItem* image = RaceImage(race, imageName);
  AssignImage(image);
  X = x;
  Y = y;
  SetZ(4);
  Visible = false;
  FramePos = 0;
  FrameCount = image->PatternCount();
  LoopFrames = true;
  FrameSpeed = 0;
}

void TExplosion::MoveSelf(int32_t elapsedMs) {
  TImageSprite::MoveSelf(elapsedMs);
  // Wrapping half a frame early keeps the rounded frame inside the picture, and makes a finished
  // cycle show as the position falling back.
  if (FramePos >= FrameCount - 0.5) FramePos = 0;
  FrameSpeed = race_.SpeedFactor * Rate / (std::max(race_.FrameTimeMs, 1) * 100.0);
}

}  // namespace vontra
