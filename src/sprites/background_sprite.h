#pragma once
// A sprite showing a map of picture frames ("chips"), optionally repeated over the surface.
#include <cstdint>
#include <vector>

#include "sprites/sprite.h"

namespace vontra {

class TPictureCollectionItem;

class TBackgroundSprite : public TSprite {
 public:
  // Backgrounds never take part in collision probes.
  explicit TBackgroundSprite(TSprite* parent);
  ~TBackgroundSprite() override;

  void DrawSelf() override;
  TRect GetBounds() const override;
  // True when a colliding chip lies under the other sprite's rectangle.
  bool CanCollideWith(const TSprite& other) const override;

  // A size with a side of 0 or less empties the map; a new size clears every chip to frame 0,
  // colliding.
  void SetMapSize(int32_t width, int32_t height);
  void SetMapImage(TPictureCollectionItem* image);
  // The frame index at (c, r), -1 outside the map; negative values draw nothing.
  int32_t ChipAt(int32_t c, int32_t r) const;
  void SetChip(int32_t c, int32_t r, int32_t frame);
  bool ChipCollides(int32_t c, int32_t r) const;
  void SetChipCollides(int32_t c, int32_t r, bool collides);

  int32_t MapWidth() const { return mapWidth_; }
  int32_t MapHeight() const { return mapHeight_; }

  // Not owned; set it with SetMapImage.
  TPictureCollectionItem* Image = nullptr;
  bool Tile = false;

 private:
  bool InMap(int32_t c, int32_t r) const {
    return c >= 0 && r >= 0 && c < mapWidth_ && r < mapHeight_;
  }
  size_t Index(int32_t c, int32_t r) const {
    return static_cast<size_t>(c) + static_cast<size_t>(r) * static_cast<size_t>(mapWidth_);
  }

  std::vector<bool> collisionMap_;
  std::vector<int32_t> chips_;
  int32_t mapWidth_ = 0;
  int32_t mapHeight_ = 0;
};

}  // namespace vontra
