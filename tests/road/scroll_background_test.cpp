#include "road/scroll_background.h"

#include <gtest/gtest.h>

#include <memory>

#include "assets/asset_error.h"
#include "player/my_car_sprite.h"
#include "sprites/form_fixture.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

using testing_pictures::AddFrames;

// A road picture whose every row has its own colour, so a pixel tells which row was drawn.
TPictureCollectionItem& AddStripes(TPictureCollection& list, const char* name, int width,
                                   int height) {
  TPictureCollectionItem& item = AddFrames(list, name, width, height, 1);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      item.Picture.Pixels[static_cast<size_t>(y) * width + x] =
          0x00010000u * static_cast<uint32_t>(8 + y % 240) + 0x00000080u;
    }
  }
  item.Prepare();
  return item;
}

uint16_t RowColor(int row) {
  return Rgb565(static_cast<uint8_t>(8 + row % 240), 0, 0x80);
}

class ScrollBackground : public FormFixture {};

TEST_F(ScrollBackground, TakesItsPictureFromTheListOfTheCurrentScreen) {
  AddFrames(*form.MDXImageList, "Land", 30, 700, 1);
  AddFrames(*form.MDXImageList3, "Land", 20, 800, 1);
  form.ScreenState = ScreenStates::kCreating;
  TScrollBackground menu(form, "Land");
  EXPECT_EQ(menu.Image, &form.MDXImageList->Find("Land"));
  EXPECT_EQ(menu.Height, 700);
  EXPECT_EQ(menu.Z(), 1);
  EXPECT_TRUE(menu.Tile);
  EXPECT_FALSE(menu.CollisionEnabled);
  EXPECT_EQ(menu.MapWidth(), 1);
  EXPECT_EQ(menu.GetBounds(), (TRect{0, 0, 800, 600}));

  form.ScreenState = ScreenStates::kRace;
  TScrollBackground race(form, "Land");
  EXPECT_EQ(race.Image, &form.MDXImageList3->Find("Land"));
  EXPECT_EQ(race.Height, 800);

  try {
    TScrollBackground missing(form, "Nowhere");
    FAIL() << "a missing picture must fail";
  } catch (const AssetError& e) {
    EXPECT_STREQ(e.what(), "Image 'Nowhere' not found");
  }
}

TEST_F(ScrollBackground, ScrollsAQuarterOfTheCarsStepAndWrapsOnlyPastTheHeight) {
  AddFrames(*form.MDXImageList3, "Land", 540, 800, 1);
  AddFrames(*form.MDXImageList3, "Car1", 40, 80, 1);
  form.ScreenState = ScreenStates::kRace;
  auto bg = std::make_unique<TScrollBackground>(form, "Land");
  form.PlayerCar = std::make_unique<TMyCarSprite>(form, 1);
  struct Case {
    double y, step, want;
  };
  const Case cases[] = {
      {799.5, 4, 0.5},   // 800.5 wraps by the height
      {799, 4, 800},     // exactly the height: no wrap
      {800, 0.4, 0.1},   // a hair past it wraps
      {0, 10, 2.5},      // a quarter of the step
      {100, 0, 100},     // standing still
      {795, 4000, 995},  // one wrap per frame only
  };
  for (const Case& c : cases) {
    bg->Y = c.y;
    form.PlayerCar->Step = c.step;
    bg->MoveSelf(16);
    EXPECT_NEAR(bg->Y, c.want, 1e-9) << c.y << " + " << c.step;
  }
  // The elapsed time plays no part: the car's step already holds the frame's speed.
  bg->Y = 10;
  form.PlayerCar->Step = 1000;
  bg->MoveSelf(1000);
  EXPECT_DOUBLE_EQ(bg->Y, 10 + 250);
  // No car (between races): nothing moves.
  form.PlayerCar.reset();
  bg->MoveSelf(16);
  EXPECT_DOUBLE_EQ(bg->Y, 260);
}

TEST_F(ScrollBackground, OutsideTheRaceTheBackdropStandsStill) {
  AddFrames(*form.MDXImageList, "MMBackground", 800, 600, 1);
  AddFrames(*form.MDXImageList3, "Car1", 40, 80, 1);
  form.ScreenState = ScreenStates::kMainMenu;
  auto bg = std::make_unique<TScrollBackground>(form, "MMBackground");
  form.PlayerCar = std::make_unique<TMyCarSprite>(form, 1);
  form.PlayerCar->MoveEnabled = false;
  form.PlayerCar->Step = 8;
  bg->Y = 12.5;
  for (ScreenStates state :
       {ScreenStates::kMainMenu, ScreenStates::kOptions, ScreenStates::kHighScores,
        ScreenStates::kHelp, ScreenStates::kCarChoice, ScreenStates::kCreating}) {
    form.ScreenState = state;
    form.MDXSpriteEngine->Move(20);
    EXPECT_DOUBLE_EQ(bg->Y, 12.5) << ToInt(state);
  }
}

TEST_F(ScrollBackground, DrawsThreeCopiesShiftedByTheShake) {
  AddStripes(*form.MDXImageList3, "Land", 540, 300);
  form.ScreenState = ScreenStates::kRace;
  auto bg = std::make_unique<TScrollBackground>(form, "Land");
  bg->X = 124;
  struct Case {
    double y;
    int shakeDX, shakeDY;
  };
  for (const Case c : {Case{0, 0, 0}, Case{120.5, 0, 0}, Case{121.5, 3, -2}, Case{300, -5, -4},
                       Case{299.7, 2, -2}}) {
    bg->Y = c.y;
    form.ShakeDX = c.shakeDX;
    form.ShakeDY = c.shakeDY;
    Frame().Fill(0);
    form.MDXSpriteEngine->Draw();
    const int left = 124 + c.shakeDX;
    // The copy drawn from the rounded offset: screen row s shows picture row (s - top) mod H.
    const int top = RoundHalfEven(c.y + c.shakeDY);
    for (int s : {0, 1, 150, 299, 300, 301, 450, 599}) {
      const int row = ((s - top) % 300 + 300) % 300;
      ASSERT_EQ(Frame().At(left, s), RowColor(row)) << c.y << " row " << s;
      ASSERT_EQ(Frame().At(left + 539, s), RowColor(row));
      ASSERT_EQ(Frame().At(left - 1, s), 0);
      ASSERT_EQ(Frame().At(left + 540, s), 0);
    }
  }
  // At Y = H (not wrapped) a downward shake uncovers the top rows: the first copy starts there.
  bg->Y = 300;
  form.ShakeDX = 0;
  form.ShakeDY = 4;
  Frame().Fill(0);
  form.MDXSpriteEngine->Draw();
  EXPECT_EQ(Frame().At(124, 3), 0);
  EXPECT_EQ(Frame().At(124, 4), RowColor(0));
}

TEST(ScrollBackgroundAtStart, TheWindowCreatesTheMenuBackdropOnce) {
  HeadlessGame game;
  TMForm& form = game.Form();
  if (!form.MDXImageList) {
    form.MDXImageList = std::make_unique<TPictureCollection>();
    AddFrames(*form.MDXImageList, "MMBackground", 800, 600, 1);
  }
  game.Create();
  ASSERT_NE(form.Background, nullptr);
  EXPECT_EQ(form.Background->Image, &form.MDXImageList->Find("MMBackground"));
  EXPECT_EQ(form.Background->Z(), 1);
  EXPECT_EQ(form.MDXSpriteEngine->Root().ChildAt(0), form.Background.get());
}

}  // namespace
}  // namespace vontra
