// The move and draw passes and the collision probe run every frame: they must not allocate.
// Counted by replacing the global allocator of the test program (not under AddressSanitizer,
// which brings its own).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "sprites/background_sprite.h"
#include "sprites/image_sprite.h"
#include "sprites/test_pictures.h"

#if !defined(__SANITIZE_ADDRESS__)
namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace vontra {
namespace {

class Toucher : public TImageSprite {
 public:
  using TImageSprite::TImageSprite;
  void MoveSelf(int32_t elapsedMs) override {
    TImageSprite::MoveSelf(elapsedMs);
    hits += CheckCollisions();
  }
  void CollideWith(TSprite&, bool&) override {}
  int hits = 0;
};

TEST(SpritePasses, MoveDrawAndProbeAllocateNothing) {
  TPictureCollection list;
  TPictureCollectionItem& picture = testing_pictures::AddFrames(list, "car", 40, 80, 4, 3);
  Surface surface(800, 600);
  TSpriteEngine root;
  root.AttachSurface(&surface);
  auto road = std::make_unique<TBackgroundSprite>(&root);
  road->SetMapSize(2, 2);
  road->SetMapImage(&picture);
  road->Tile = true;
  std::vector<std::unique_ptr<Toucher>> sprites;
  for (int i = 0; i < 80; ++i) {
    Toucher* s = sprites.emplace_back(std::make_unique<Toucher>(&root)).get();
    s->AssignImage(&picture);
    s->FrameCount = 4;
    s->LoopFrames = true;
    s->FrameSpeed = 0.01;
    s->X = (i % 10) * 30;
    s->Y = (i / 10) * 60;
    s->SetZ(i % 5);
  }
  const long before = allocations.load();
  for (int frame = 0; frame < 50; ++frame) {
    root.MoveTree(12);
    root.DrawAll();
  }
  EXPECT_EQ(allocations.load() - before, 0);
  EXPECT_EQ(root.DrawnCount, 81);
  EXPECT_GT(sprites.front()->hits, 0);  // the probes did find their neighbours
}

}  // namespace
}  // namespace vontra
#endif
