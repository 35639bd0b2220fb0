#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "sprites/sprite.h"
#include "sprites/sprite_engine.h"

namespace vontra {
namespace {

// A sprite that records what the passes do to it into a shared log.
class LoggingSprite : public TSprite {
 public:
  LoggingSprite(TSprite* parent, std::string name, std::vector<std::string>* log)
      : TSprite(parent), name(std::move(name)), log(log) {
    Width = 10;
    Height = 10;
  }
  void DrawSelf() override { log->push_back("draw " + name); }
  void MoveSelf(int32_t elapsedMs) override {
    log->push_back("move " + name + " " + std::to_string(elapsedMs));
    if (onMove) onMove();
  }
  void CollideWith(TSprite& other, bool& done) override {
    log->push_back("hit " + static_cast<LoggingSprite&>(other).name);
    if (stopOnHit) done = true;
    if (disableOnHit) CollisionEnabled = false;
  }
  std::string name;
  std::vector<std::string>* log;
  std::function<void()> onMove;
  bool stopOnHit = false;
  bool disableOnHit = false;
};

class SpriteTree : public ::testing::Test {
 protected:
  SpriteTree() {
    surface.Resize(100, 80);
    root.AttachSurface(&surface);
  }
  LoggingSprite* Make(const std::string& name, TSprite* parent = nullptr) {
    return Own(std::make_unique<LoggingSprite>(parent != nullptr ? parent : &root, name, &log));
  }
  template <typename T>
  T* Own(std::unique_ptr<T> sprite) {
    T* raw = sprite.get();
    owned.push_back(std::move(sprite));
    return raw;
  }
  // Frees one sprite the test made, as its owner would.
  void Free(TSprite* sprite) {
    std::erase_if(owned, [&](const std::unique_ptr<TSprite>& s) { return s.get() == sprite; });
  }
  std::vector<std::string> DrawNames() {
    log.clear();
    root.DrawAll();
    return log;
  }
  std::vector<std::string> Order(const TSprite& parent) {
    std::vector<std::string> names;
    for (TSprite* s : parent.DrawOrder()) names.push_back(static_cast<LoggingSprite*>(s)->name);
    return names;
  }

  std::vector<std::string> log;
  // The sprites' owner; the engine goes first, so they also outlive the tree.
  std::vector<std::unique_ptr<TSprite>> owned;
  Surface surface;
  TSpriteEngine root;
};

using Names = std::vector<std::string>;

TEST_F(SpriteTree, EqualDepthEntersBelowAndSetZReentersTheLevel) {
  auto* a = Make("A");
  auto* b = Make("B");
  auto* c = Make("C");
  for (auto* s : {a, b, c}) s->SetZ(4);
  EXPECT_EQ(Order(root), (Names{"C", "B", "A"}));
  a->SetZ(4);
  EXPECT_EQ(Order(root), (Names{"C", "B", "A"}));
  a->SetZ(5);
  EXPECT_EQ(Order(root), (Names{"C", "B", "A"}));
  a->SetZ(4);
  EXPECT_EQ(Order(root), (Names{"A", "C", "B"}));
  // Creation order is untouched by depth changes.
  EXPECT_EQ(root.ChildAt(0), a);
  EXPECT_EQ(root.ChildAt(2), c);
}

TEST_F(SpriteTree, DrawsParentsFirstThenSiblingsByAscendingDepth) {
  auto* low = Make("low");
  auto* high = Make("high");
  auto* mid = Make("mid");
  low->SetZ(1);
  high->SetZ(9);
  mid->SetZ(5);
  auto* under = Make("child-of-high", high);
  under->SetZ(-100);  // still drawn after its parent
  EXPECT_EQ(DrawNames(), (Names{"draw low", "draw mid", "draw high", "draw child-of-high"}));
  EXPECT_EQ(root.DrawnCount, 4);
}

TEST_F(SpriteTree, HiddenSubtreeIsNotDrawnAndOffSurfaceParentStillVisitsChildren) {
  auto* hidden = Make("hidden");
  Make("under-hidden", hidden);
  hidden->Visible = false;
  auto* away = Make("away");
  away->X = 500;
  auto* back = Make("back", away);
  back->X = -480;  // world x 20: on the surface
  EXPECT_EQ(DrawNames(), (Names{"draw back"}));
  EXPECT_EQ(root.DrawnCount, 1);
}

TEST_F(SpriteTree, EdgeTouchingRectanglesAreNeitherDrawnNorCounted) {
  struct Case {
    double x, y;
    bool drawn;
  };
  // Surface is 100 x 80, sprite 10 x 10; positions round halves to even.
  const Case cases[] = {
      {-10, 0, false},  {100, 0, false}, {0, -10, false},   {0, 80, false},
      {-9, 0, true},    {99, 79, true},  {-10.5, 0, false}, {-9.5, 0, false},
      {99.5, 0, false}, {98.5, 0, true}, {-8.5, 0, true},
  };
  auto* s = Make("s");
  for (const Case& c : cases) {
    s->X = c.x;
    s->Y = c.y;
    DrawNames();
    EXPECT_EQ(root.DrawnCount, c.drawn ? 1 : 0) << c.x << "," << c.y;
  }
}

TEST_F(SpriteTree, MovePassSkipsFrozenSubtreesAndHandsEveryoneTheSameLag) {
  auto* a = Make("a");
  auto* frozen = Make("frozen");
  Make("under-frozen", frozen);
  auto* b = Make("b");
  Make("under-b", b);
  frozen->MoveEnabled = false;
  a->SetZ(10);  // depth does not change the move order
  root.MoveTree(17);
  EXPECT_EQ(log, (Names{"move a 17", "move b 17", "move under-b 17"}));
}

TEST_F(SpriteTree, SpritesCreatedDuringTheMovePassMoveFromTheNextFrame) {
  auto* spawner = Make("spawner");
  LoggingSprite* sibling = nullptr;
  LoggingSprite* own = nullptr;
  spawner->onMove = [&] {
    if (sibling != nullptr) return;
    sibling = Make("sibling");   // appended to the root during the pass
    own = Make("own", spawner);  // added by the parent's own move, before its children
  };
  root.MoveTree(5);
  EXPECT_EQ(log, (Names{"move spawner 5", "move own 5"}));
  log.clear();
  root.MoveTree(6);
  EXPECT_EQ(log, (Names{"move spawner 6", "move own 6", "move sibling 6"}));
}

TEST_F(SpriteTree, WorldPositionAddsEveryAncestorIncludingTheRoot) {
  root.X = 3;
  auto* p = Make("p");
  p->X = 10.25;
  p->Y = 2;
  auto* c = Make("c", p);
  c->X = 0.25;
  c->Y = -1;
  EXPECT_DOUBLE_EQ(c->WorldX(), 13.5);
  EXPECT_DOUBLE_EQ(c->WorldY(), 1);
  EXPECT_EQ(c->GetBounds(), (TRect{14, 1, 24, 11}));  // 13.5 rounds to even
}

TEST_F(SpriteTree, CountsAndChildAtFollowCreationAndDestruction) {
  auto* keep = Make("keep");
  auto* parent = Make("parent");
  Make("c1", parent);
  auto* c2 = Make("c2", parent);
  Make("grandchild", c2);
  EXPECT_EQ(root.SpriteCount, 5);
  Free(parent);
  EXPECT_EQ(root.SpriteCount, 1);
  EXPECT_EQ(root.ChildCount(), 1);
  EXPECT_EQ(root.DrawOrder().size(), 1u);

  Free(keep);
  EXPECT_EQ(root.SpriteCount, 0);
  EXPECT_EQ(root.ChildCount(), 0);
  try {
    root.ChildAt(0);
    FAIL() << "ChildAt on an empty sprite must fail";
  } catch (const ESpriteError& e) {
    EXPECT_STREQ(e.what(), "Index of the list exceeds the range. (0)");
  }
  Make("again");
  EXPECT_THROW(root.ChildAt(1), std::out_of_range);
}

// The tree owns nothing: a destroyed parent leaves its subtree to the subtree's owners, who may
// free it later, in any order, without touching the tree.
TEST_F(SpriteTree, DestroyingAParentDetachesItsSubtreeWhichItsOwnersFreeLater) {
  auto* parent = Make("parent");
  auto* child = Make("child", parent);
  auto* grandchild = Make("grandchild", child);
  auto* sibling = Make("sibling");
  EXPECT_EQ(root.SpriteCount, 4);

  Free(parent);
  EXPECT_EQ(root.SpriteCount, 1);
  EXPECT_EQ(child->Parent(), nullptr);
  EXPECT_EQ(child->Engine(), nullptr);
  EXPECT_EQ(grandchild->Engine(), nullptr);
  EXPECT_EQ(grandchild->Parent(), child);  // the subtree keeps its own links
  EXPECT_EQ(DrawNames(), (Names{"draw sibling"}));
  log.clear();
  root.MoveTree(4);
  EXPECT_EQ(log, (Names{"move sibling 4"}));
  EXPECT_EQ(child->CheckCollisions(), 0);

  Free(child);
  EXPECT_EQ(grandchild->Parent(), nullptr);
  Free(grandchild);
  EXPECT_EQ(root.SpriteCount, 1);
  EXPECT_EQ(root.ChildCount(), 1);
  EXPECT_EQ(root.ChildAt(0), sibling);

  // A sprite made after the detaching counts from where the engine stands.
  Make("later");
  EXPECT_EQ(root.SpriteCount, 2);
}

TEST(SpriteEngine, DestroyingTheEngineLeavesItsSpritesToTheirOwners) {
  std::vector<std::string> log;
  std::unique_ptr<LoggingSprite> top;
  std::unique_ptr<LoggingSprite> nested;
  {
    TSpriteEngine engine;
    top = std::make_unique<LoggingSprite>(&engine, "top", &log);
    nested = std::make_unique<LoggingSprite>(top.get(), "nested", &log);
    EXPECT_EQ(engine.SpriteCount, 2);
  }
  EXPECT_EQ(top->Parent(), nullptr);
  EXPECT_EQ(top->Engine(), nullptr);
  EXPECT_EQ(nested->Engine(), nullptr);
  // Freed after the engine, the nested one first: neither may reach the engine's memory.
  nested.reset();
  EXPECT_EQ(top->ChildCount(), 0);
  top.reset();
}

class Probe : public SpriteTree {
 protected:
  // Probe sprite p at (0,0) 10 x 10; targets placed around it.
  LoggingSprite* p = Make("P");
};

TEST_F(Probe, EdgeTouchingFindsNothingOverlapFindsAndOnlyTheProberHears) {
  auto* right = Make("right");
  right->X = 10;
  auto* below = Make("below");
  below->Y = 10;
  EXPECT_EQ(p->CheckCollisions(), 0);
  below->Y = 9.6;  // rounds to 10: still touching only
  EXPECT_EQ(p->CheckCollisions(), 0);
  below->Y = 9.4;
  EXPECT_EQ(p->CheckCollisions(), 1);
  EXPECT_EQ(log, (Names{"hit below"}));
  EXPECT_EQ(root.ProbeSprite, p);
  EXPECT_EQ(root.ProbeRect, (TRect{0, 0, 10, 10}));
}

TEST_F(Probe, DisabledSpritesAndSubtreesAreSkipped) {
  auto* off = Make("off");
  Make("under-off", off);
  off->CollisionEnabled = false;
  auto* on = Make("on");
  on->X = 100;  // far away, but its child overlaps
  auto* child = Make("under-on", on);
  child->X = -95;
  EXPECT_EQ(p->CheckCollisions(), 1);
  EXPECT_EQ(log, (Names{"hit under-on"}));
  p->CollisionEnabled = false;
  log.clear();
  EXPECT_EQ(p->CheckCollisions(), 0);
  EXPECT_TRUE(log.empty());
}

TEST_F(Probe, StopFlagEndsOnlyTheDescentNotTheSiblingLoop) {
  auto* a = Make("a");
  Make("under-a", a);
  Make("b");
  p->stopOnHit = true;
  EXPECT_EQ(p->CheckCollisions(), 2);
  EXPECT_EQ(log, (Names{"hit a", "hit b"}));

  // A prober that switches its own collisions off stops the descent the same way.
  log.clear();
  p->stopOnHit = false;
  p->disableOnHit = true;
  EXPECT_EQ(p->CheckCollisions(), 2);
  EXPECT_EQ(log, (Names{"hit a", "hit b"}));
}

TEST_F(Probe, VetoFromEitherSideCancelsTheHit) {
  struct Shy : LoggingSprite {
    using LoggingSprite::LoggingSprite;
    bool CanCollideWith(const TSprite&) const override { return false; }
  };
  Own(std::make_unique<Shy>(&root, "shy", &log));
  Make("plain");
  EXPECT_EQ(p->CheckCollisions(), 1);
  EXPECT_EQ(log, (Names{"hit plain"}));
}

// A display double with the two notifications and a drawable surface.
class FakeDisplay : public IDisplay {
 public:
  void Initialize() override {
    if (initialized) Finalize();
    surface.Resize(kDisplayWidth, kDisplayHeight);
    initialized = true;
    if (OnInitialize) OnInitialize();
  }
  void Finalize() override {
    if (!initialized) return;
    initialized = false;
    if (OnFinalize) OnFinalize();
  }
  bool Initialized() const override { return initialized; }
  void SetFullScreen(bool) override {}
  bool FullScreen() const override { return false; }
  bool CanDraw() const override { return initialized; }
  Surface& DrawSurface() override { return surface; }
  void Flip() override {}
  int RefreshRate() const override { return 60; }
  bool initialized = false;
  Surface surface;
};

TEST(DXSpriteEngine, FollowsTheDisplayAndDrawsOnlyWhileItIsInitialised) {
  FakeDisplay display;
  int shellNotified = 0;
  display.OnInitialize = [&] { ++shellNotified; };
  std::vector<std::string> log;
  {
    TDXSpriteEngine engine;
    engine.SetDXDraw(&display);
    TSpriteEngine& root = engine.Root();
    EXPECT_EQ(root.DrawSurface, nullptr);
    auto s = std::make_unique<LoggingSprite>(&root, "s", &log);

    engine.Draw();
    EXPECT_TRUE(log.empty());

    display.Initialize();
    EXPECT_EQ(shellNotified, 1);  // an earlier handler still runs
    EXPECT_EQ(root.DrawSurface, &display.surface);
    EXPECT_EQ(root.SurfaceRect, (TRect{0, 0, 800, 600}));
    EXPECT_EQ(root.Width, 800);
    engine.Draw();
    EXPECT_EQ(log, (Names{"draw s"}));

    display.Finalize();
    EXPECT_EQ(root.DrawSurface, nullptr);
    EXPECT_EQ(root.SurfaceRect, (TRect{0, 0, 800, 600}));  // kept
    engine.Draw();
    EXPECT_EQ(log.size(), 1u);

    engine.Move(3);
    EXPECT_EQ(log.back(), "move s 3");
  }
  // The engine is gone: the display's notifications must not reach it.
  display.Initialize();
  display.Finalize();
  EXPECT_EQ(shellNotified, 2);
}

TEST(DXSpriteEngine, AttachingAnInitialisedDisplayTakesItsSurfaceAtOnce) {
  FakeDisplay display;
  display.Initialize();
  TDXSpriteEngine engine;
  engine.SetDXDraw(&display);
  EXPECT_EQ(engine.Root().DrawSurface, &display.surface);
  engine.SetDXDraw(nullptr);
  EXPECT_EQ(engine.Root().DrawSurface, nullptr);
  display.Finalize();
  display.Initialize();
  EXPECT_EQ(engine.Root().DrawSurface, nullptr);
}

}  // namespace
}  // namespace vontra
