#include "sprites/sprite.h"

#include <algorithm>

namespace vontra {

TSprite::TSprite(TSprite* parent) : parent_(parent) {
  if (parent == nullptr) return;
  parent->children_.push_back(this);
  parent->InsertIntoDrawOrder(this);
  engine_ = parent->engine_ != nullptr ? parent->engine_ : dynamic_cast<TSpriteEngine*>(parent);
  if (engine_ != nullptr) ++engine_->SpriteCount;
}

TSprite::~TSprite() {
  DetachChildren();
  if (parent_ != nullptr) {
    if (engine_ != nullptr) --engine_->SpriteCount;
    parent_->RemoveChild(this);
  }
}

void TSprite::CollideWith(TSprite&, bool&) {}
void TSprite::DrawSelf() {}
void TSprite::MoveSelf(int32_t) {}
bool TSprite::CanCollideWith(const TSprite&) const {
  return true;
}

TRect TSprite::GetBounds() const {
  TRect r;
  r.Left = RoundHalfEven(WorldX());
  r.Top = RoundHalfEven(WorldY());
  r.Right = r.Left + Width;
  r.Bottom = r.Top + Height;
  return r;
}

TSprite* TSprite::ChildAt(int32_t index) const {
  if (children_.empty()) {
    throw ESpriteError("Index of the list exceeds the range. (" + std::to_string(index) + ")");
  }
  return children_.at(static_cast<size_t>(index));
}

double TSprite::WorldX() const {
  return parent_ != nullptr ? X + parent_->WorldX() : X;
}
double TSprite::WorldY() const {
  return parent_ != nullptr ? Y + parent_->WorldY() : Y;
}

void TSprite::SetZ(int32_t z) {
  if (z == z_) return;
  z_ = z;
  if (parent_ == nullptr) return;
  auto& order = parent_->drawOrder_;
  order.erase(std::find(order.begin(), order.end(), this));
  parent_->InsertIntoDrawOrder(this);
}

// Binary search that stops below the first sibling of equal depth, so a sprite entering a level
// is drawn under those already there.
void TSprite::InsertIntoDrawOrder(TSprite* child) {
  int low = 0;
  int high = static_cast<int>(drawOrder_.size()) - 1;
  while (low <= high) {
    int mid = (low + high) / 2;
    if (drawOrder_[static_cast<size_t>(mid)]->z_ < child->z_) {
      low = mid + 1;
    } else {
      high = mid - 1;
    }
  }
  drawOrder_.insert(drawOrder_.begin() + low, child);
}

void TSprite::RemoveChild(TSprite* child) {
  children_.erase(std::find(children_.begin(), children_.end(), child));
  drawOrder_.erase(std::find(drawOrder_.begin(), drawOrder_.end(), child));
}

void TSprite::DetachChildren() {
  while (!children_.empty()) {
    TSprite* child = children_.back();
    child->LeaveEngine();
    RemoveChild(child);
    child->parent_ = nullptr;
  }
}

// The subtree stays linked within itself but no longer counts in, or points at, the engine.
void TSprite::LeaveEngine() {
  if (engine_ == nullptr) return;
  --engine_->SpriteCount;
  engine_ = nullptr;
  for (TSprite* child : children_) child->LeaveEngine();
}

void TSprite::MoveTree(int32_t elapsedMs) {
  if (!MoveEnabled) return;
  MoveSelf(elapsedMs);
  // Children created from now on are first moved in the next pass.
  const size_t n = children_.size();
  for (size_t i = 0; i < n; ++i) children_[i]->MoveTree(elapsedMs);
}

void TSprite::DrawTree() {
  if (!Visible) return;
  if (engine_ != nullptr && RectsOverlap(engine_->SurfaceRect, GetBounds())) {
    DrawSelf();
    ++engine_->DrawnCount;
  }
  const size_t n = drawOrder_.size();
  for (size_t i = 0; i < n; ++i) drawOrder_[i]->DrawTree();
}

int32_t TSprite::CheckCollisions() {
  if (engine_ == nullptr || !CollisionEnabled) return 0;
  TSpriteEngine& e = *engine_;
  e.HitCount = 0;
  e.ProbeDone = false;
  e.ProbeRect = GetBounds();
  e.ProbeSprite = this;
  const size_t n = e.children_.size();
  for (size_t i = 0; i < n; ++i) e.children_[i]->ProbeVisit(*this);
  return e.HitCount;
}

// The stop flag ends only the descent into children; remaining siblings are still tested.
void TSprite::ProbeVisit(TSprite& probe) {
  if (!CollisionEnabled) return;
  TSpriteEngine& e = *probe.engine_;
  if (this != &probe && RectsOverlap(GetBounds(), e.ProbeRect) && probe.CanCollideWith(*this) &&
      CanCollideWith(probe)) {
    ++e.HitCount;
    probe.CollideWith(*this, e.ProbeDone);
    if (!probe.CollisionEnabled) e.ProbeDone = true;
  }
  if (e.ProbeDone) return;
  const size_t n = children_.size();
  for (size_t i = 0; i < n; ++i) children_[i]->ProbeVisit(probe);
}

// Room for a whole race's sprites, so creating them during play seldom reallocates.
TSpriteEngine::TSpriteEngine(TSprite* parent) : TSprite(parent) {
  children_.reserve(kReservedChildren);
  drawOrder_.reserve(kReservedChildren);
}

// The children must leave while the counters they update still exist.
TSpriteEngine::~TSpriteEngine() {
  DetachChildren();
}

void TSpriteEngine::AttachSurface(Surface* surface) {
  DrawSurface = surface;
  if (surface == nullptr) return;
  SurfaceRect = surface->ClientRect();
  Width = SurfaceRect.Width();
  Height = SurfaceRect.Height();
}

void TSpriteEngine::DrawAll() {
  DrawnCount = 0;
  DrawTree();
}

}  // namespace vontra
