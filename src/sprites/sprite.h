#pragma once
// The sprite tree: every on-screen object is a sprite hanging under the engine's root. The tree
// only links its sprites; each sprite has one owner outside it (a std::unique_ptr), which frees it
// between passes. Destroying a sprite or the engine detaches what still hangs under it, so those
// sprites can still be freed later by their owners without touching the tree.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/rounding.h"
#include "platform/surface.h"

namespace vontra {

class TSpriteEngine;

class ESpriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Rectangles that only touch along an edge do not overlap; an empty one overlaps nothing.
inline bool RectsOverlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && a.Right > b.Left && a.Top < b.Bottom && a.Bottom > b.Top;
}

class TSprite {
 public:
  // Hangs the new sprite under `parent` (the game always passes the engine's root), at depth 0.
  explicit TSprite(TSprite* parent);
  virtual ~TSprite();
  TSprite(const TSprite&) = delete;
  TSprite& operator=(const TSprite&) = delete;

  // Called on the probing sprite for each sprite it touches; setting `done` ends the descent.
  virtual void CollideWith(TSprite& other, bool& done);
  virtual void DrawSelf();
  virtual void MoveSelf(int32_t elapsedMs);
  virtual TRect GetBounds() const;
  virtual bool CanCollideWith(const TSprite& other) const;

  TSpriteEngine* Engine() const { return engine_; }
  TSprite* Parent() const { return parent_; }
  // Children in creation order, and the same children by ascending depth.
  const std::vector<TSprite*>& Children() const { return children_; }
  const std::vector<TSprite*>& DrawOrder() const { return drawOrder_; }
  int32_t ChildCount() const { return static_cast<int32_t>(children_.size()); }
  TSprite* ChildAt(int32_t index) const;

  double WorldX() const;
  double WorldY() const;
  int32_t Z() const { return z_; }
  // Re-enters the depth level: the sprite goes below every sibling already at that depth.
  void SetZ(int32_t z);

  void MoveTree(int32_t elapsedMs);
  void DrawTree();
  int32_t CheckCollisions();

  bool CollisionEnabled = true;
  bool MoveEnabled = true;
  bool Visible = true;
  double X = 0;
  double Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;

 private:
  void InsertIntoDrawOrder(TSprite* child);
  void RemoveChild(TSprite* child);
  // Unhooks every child, the last created first: their subtrees leave the tree and its counters.
  void DetachChildren();
  void LeaveEngine();
  void ProbeVisit(TSprite& probe);

  TSpriteEngine* engine_ = nullptr;
  TSprite* parent_ = nullptr;
  std::vector<TSprite*> children_;
  std::vector<TSprite*> drawOrder_;
  int32_t z_ = 0;

  friend class TSpriteEngine;
};

// The root of the tree: counts the sprites, carries the state of a collision probe and the
// surface every sprite draws onto.
class TSpriteEngine : public TSprite {
 public:
  explicit TSpriteEngine(TSprite* parent = nullptr);
  ~TSpriteEngine() override;

  // With no surface the rectangle and size keep their old values.
  virtual void AttachSurface(Surface* surface);
  void DrawAll();

  static constexpr size_t kReservedChildren = 256;

  int32_t SpriteCount = 0;
  int32_t HitCount = 0;
  bool ProbeDone = false;
  TRect ProbeRect;
  TSprite* ProbeSprite = nullptr;
  int32_t DrawnCount = 0;
  Surface* DrawSurface = nullptr;
  TRect SurfaceRect;
};

}  // namespace vontra
