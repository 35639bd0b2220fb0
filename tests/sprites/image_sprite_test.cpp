#include "sprites/image_sprite.h"

#include <gtest/gtest.h>

#include <memory>

#include "sprites/background_sprite.h"
#include "sprites/test_pictures.h"

namespace vontra {
namespace {

using testing_pictures::AddFrames;
using testing_pictures::Frame565;

struct AnimationCase {
  bool loop;
  int32_t frameCount;
  double pos, speed;
  int32_t elapsedMs;
  double wantPos, wantSpeed;
};

class ImageAnimation : public ::testing::TestWithParam<AnimationCase> {};

TEST_P(ImageAnimation, StepsWrapsAndClamps) {
  const AnimationCase& c = GetParam();
  TSpriteEngine root;
  auto s = std::make_unique<TImageSprite>(&root);
  s->LoopFrames = c.loop;
  s->FrameCount = c.frameCount;
  s->FramePos = c.pos;
  s->FrameSpeed = c.speed;
  root.MoveTree(c.elapsedMs);
  EXPECT_NEAR(s->FramePos, c.wantPos, 1e-9);
  EXPECT_DOUBLE_EQ(s->FrameSpeed, c.wantSpeed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageAnimation,
    ::testing::Values(
        // Looping: reduced into [0, count) both ways.
        AnimationCase{true, 8, 7.6, 0.9, 1, 0.5, 0.9},
        AnimationCase{true, 8, 0.2, -1.0, 1, 7.2, -1.0},
        AnimationCase{true, 8, 1.0, 0.01, 50, 1.5, 0.01},  // speed is per millisecond
        AnimationCase{true, 8, 3.0, 2.0, 10, 7.0, 2.0},    // 23 wraps twice
        AnimationCase{true, 0, 3.0, 1.0, 1, 0.0, 1.0},
        // Not looping: reaching the frame count stops at the last frame; below it runs on.
        AnimationCase{false, 8, 6.5, 2.0, 1, 7.0, 0.0},
        AnimationCase{false, 8, 6.5, 0.75, 2, 7.0, 0.0},
        AnimationCase{false, 8, 6.5, 1.0, 1, 7.5, 1.0},
        AnimationCase{false, 8, 0.5, -1.0, 1, 0.0, 0.0},
        AnimationCase{false, 0, 0.0, 1.0, 1, 0.0, 0.0}));

TEST(ImageSprite, DrawnFrameRoundsHalvesToEven) {
  TSpriteEngine root;
  TImageSprite s(&root);
  s.FirstFrame = 10;
  const std::pair<double, int> cases[] = {{0.5, 10}, {1.5, 12}, {2.5, 12}, {2.51, 13}, {7.49, 17}};
  for (auto [pos, frame] : cases) {
    s.FramePos = pos;
    EXPECT_EQ(s.DrawnFrame(), frame) << pos;
  }
}

class ImageSpriteDraw : public ::testing::Test {
 protected:
  ImageSpriteDraw() {
    surface.Resize(120, 100);
    root.AttachSurface(&surface);
  }
  TPictureCollection list;
  Surface surface;
  TSpriteEngine root;
};

TEST_F(ImageSpriteDraw, DrawsTheCurrentFrameCentredInAWiderSprite) {
  TPictureCollectionItem& item = AddFrames(list, "bar", 31, 10, 3);
  auto s = std::make_unique<TImageSprite>(&root);
  s->AssignImage(&item);
  EXPECT_EQ(s->Width, 31);
  EXPECT_EQ(s->Height, 10);
  s->Width = 40;   // (40 - 31) div 2 = 4
  s->Height = 13;  // (13 - 10) div 2 = 1
  s->X = 20;
  s->Y = 30;
  s->FramePos = 1.4;
  root.DrawAll();
  EXPECT_EQ(surface.At(23, 31), 0);
  EXPECT_EQ(surface.At(24, 30), 0);
  EXPECT_EQ(surface.At(24, 31), Frame565(1));
  EXPECT_EQ(surface.At(54, 40), Frame565(1));
  EXPECT_EQ(surface.At(55, 40), 0);
  EXPECT_EQ(surface.At(54, 41), 0);

  // A frame past the picture's last draws nothing, and no error.
  surface.Fill(0);
  s->FramePos = 3;
  root.DrawAll();
  EXPECT_EQ(root.DrawnCount, 1);
  EXPECT_EQ(surface.At(30, 35), 0);
}

TEST_F(ImageSpriteDraw, AnEmptyImageMakesANeverDrawnSprite) {
  TPictureCollectionItem& item = AddFrames(list, "bar", 31, 10, 1);
  auto s = std::make_unique<TImageSprite>(&root);
  s->AssignImage(&item);
  s->FrameCount = 5;
  s->AssignImage(nullptr);
  EXPECT_EQ(s->Width, 0);
  EXPECT_EQ(s->Height, 0);
  EXPECT_EQ(s->FrameCount, 5);  // the animation is left alone
  root.DrawAll();
  EXPECT_EQ(root.DrawnCount, 0);
}

TEST(BackgroundSprite, MapSizeChipsAndBounds) {
  TPictureCollection list;
  TPictureCollectionItem& chip = AddFrames(list, "chip", 16, 8, 4);
  Surface surface(200, 150);
  TSpriteEngine root;
  root.AttachSurface(&surface);
  auto bg = std::make_unique<TBackgroundSprite>(&root);
  EXPECT_FALSE(bg->CollisionEnabled);

  bg->SetMapSize(0, 5);
  EXPECT_EQ(bg->MapWidth(), 0);
  EXPECT_EQ(bg->MapHeight(), 0);
  EXPECT_EQ(bg->ChipAt(0, 0), -1);
  EXPECT_FALSE(bg->ChipCollides(0, 0));

  bg->SetMapSize(3, 2);
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < 3; ++c) {
      EXPECT_EQ(bg->ChipAt(c, r), 0);
      EXPECT_TRUE(bg->ChipCollides(c, r));
    }
  }
  EXPECT_EQ(bg->ChipAt(3, 0), -1);
  EXPECT_EQ(bg->ChipAt(0, -1), -1);
  bg->SetChip(2, 1, 3);
  EXPECT_EQ(bg->ChipAt(2, 1), 3);
  bg->SetMapSize(3, 2);  // same size keeps the chips
  EXPECT_EQ(bg->ChipAt(2, 1), 3);

  EXPECT_EQ(bg->GetBounds(), TRect{});  // no picture yet
  bg->SetMapImage(&chip);
  EXPECT_EQ(bg->Width, 48);
  EXPECT_EQ(bg->Height, 16);
  bg->X = 10.5;
  bg->Y = 3;
  EXPECT_EQ(bg->GetBounds(), (TRect{10, 3, 58, 19}));
  bg->Tile = true;
  EXPECT_EQ(bg->GetBounds(), (TRect{0, 0, 200, 150}));
}

TEST(BackgroundSprite, TiledMapRepeatsOverTheSurfaceAndSkipsNegativeChips) {
  TPictureCollection list;
  TPictureCollectionItem& chip = AddFrames(list, "chip", 10, 10, 3);
  Surface surface(45, 25);
  TSpriteEngine root;
  root.AttachSurface(&surface);
  auto bg = std::make_unique<TBackgroundSprite>(&root);
  bg->SetMapSize(2, 1);
  bg->SetMapImage(&chip);
  bg->SetChip(0, 0, 2);
  bg->SetChip(1, 0, -1);
  bg->X = -5;
  bg->Tile = true;
  root.DrawAll();
  // Columns: [-5,5) chip 2, [5,15) none, [15,25) chip 2, [25,35) none, [35,45) chip 2.
  for (int y : {0, 24}) {
    EXPECT_EQ(surface.At(0, y), Frame565(2));
    EXPECT_EQ(surface.At(4, y), Frame565(2));
    EXPECT_EQ(surface.At(5, y), 0);
    EXPECT_EQ(surface.At(15, y), Frame565(2));
    EXPECT_EQ(surface.At(30, y), 0);
    EXPECT_EQ(surface.At(44, y), Frame565(2));
  }
}

}  // namespace
}  // namespace vontra
