#include "sprites/background_sprite.h"

#include <algorithm>

#include "assets/picture_collection.h"

namespace vontra {

namespace {

// Floor division, so that tiling stays aligned left of and above the origin.
int FloorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

TBackgroundSprite::TBackgroundSprite(TSprite* parent) : TSprite(parent) {
  CollisionEnabled = false;
}

TBackgroundSprite::~TBackgroundSprite() {
  SetMapSize(0, 0);
}

void TBackgroundSprite::SetMapSize(int32_t width, int32_t height) {
  if (width == mapWidth_ && height == mapHeight_) return;
  if (width <= 0 || height <= 0) {
    width = 0;
    height = 0;
  }
  mapWidth_ = width;
  mapHeight_ = height;
  const size_t n = static_cast<size_t>(width) * static_cast<size_t>(height);
  chips_.assign(n, 0);
  collisionMap_.assign(n, true);
}

void TBackgroundSprite::SetMapImage(TPictureCollectionItem* image) {
  Image = image;
  Width = image != nullptr ? image->Width() * mapWidth_ : 0;
  Height = image != nullptr ? image->Height() * mapHeight_ : 0;
}

int32_t TBackgroundSprite::ChipAt(int32_t c, int32_t r) const {
  return InMap(c, r) ? chips_[Index(c, r)] : -1;
}

void TBackgroundSprite::SetChip(int32_t c, int32_t r, int32_t frame) {
  if (InMap(c, r)) chips_[Index(c, r)] = frame;
}

bool TBackgroundSprite::ChipCollides(int32_t c, int32_t r) const {
  return InMap(c, r) && collisionMap_[Index(c, r)];
}

void TBackgroundSprite::SetChipCollides(int32_t c, int32_t r, bool collides) {
  if (InMap(c, r)) collisionMap_[Index(c, r)] = collides;
}

TRect TBackgroundSprite::GetBounds() const {
  if (Tile) return Engine() != nullptr ? Engine()->SurfaceRect : TRect{};
  if (Image == nullptr) return {};
  TRect r;
  r.Left = RoundHalfEven(WorldX());
  r.Top = RoundHalfEven(WorldY());
  r.Right = r.Left + Image->Width() * mapWidth_;
  r.Bottom = r.Top + Image->Height() * mapHeight_;
  return r;
}

void TBackgroundSprite::DrawSelf() {
  if (Image == nullptr || mapWidth_ == 0 || Engine() == nullptr ||
      Engine()->DrawSurface == nullptr) {
    return;
  }
  const int cw = Image->Width();
  const int ch = Image->Height();
  if (cw <= 0 || ch <= 0) return;
  Surface& dest = *Engine()->DrawSurface;
  const TRect screen = Engine()->SurfaceRect;
  const int ox = RoundHalfEven(WorldX());
  const int oy = RoundHalfEven(WorldY());
  // Chip columns and rows that fall on the surface; beyond the map only when tiled.
  int c0 = FloorDiv(screen.Left - ox, cw);
  int c1 = FloorDiv(screen.Right - 1 - ox, cw);
  int r0 = FloorDiv(screen.Top - oy, ch);
  int r1 = FloorDiv(screen.Bottom - 1 - oy, ch);
  if (!Tile) {
    c0 = std::max(c0, 0);
    r0 = std::max(r0, 0);
    c1 = std::min(c1, mapWidth_ - 1);
    r1 = std::min(r1, mapHeight_ - 1);
  }
  for (int r = r0; r <= r1; ++r) {
    const int mr = ((r % mapHeight_) + mapHeight_) % mapHeight_;
    for (int c = c0; c <= c1; ++c) {
      const int mc = ((c % mapWidth_) + mapWidth_) % mapWidth_;
      const int32_t frame = chips_[Index(mc, mr)];
      if (frame >= 0) Image->Draw(dest, ox + c * cw, oy + r * ch, frame);
    }
  }
}

bool TBackgroundSprite::CanCollideWith(const TSprite& other) const {
  if (Image == nullptr || mapWidth_ == 0) return false;
  const int cw = Image->Width();
  const int ch = Image->Height();
  if (cw <= 0 || ch <= 0) return false;
  const TRect o = other.GetBounds();
  if (o.IsEmpty()) return false;
  const int ox = RoundHalfEven(WorldX());
  const int oy = RoundHalfEven(WorldY());
  const int c0 = FloorDiv(o.Left - ox, cw);
  const int c1 = FloorDiv(o.Right - 1 - ox, cw);
  const int r0 = FloorDiv(o.Top - oy, ch);
  const int r1 = FloorDiv(o.Bottom - 1 - oy, ch);
  for (int r = r0; r <= r1; ++r) {
    for (int c = c0; c <= c1; ++c) {
      int mc = c;
      int mr = r;
      if (Tile) {
        mc = ((c % mapWidth_) + mapWidth_) % mapWidth_;
        mr = ((r % mapHeight_) + mapHeight_) % mapHeight_;
      }
      if (ChipCollides(mc, mr) && ChipAt(mc, mr) >= 0) return true;
    }
  }
  return false;
}

}  // namespace vontra
