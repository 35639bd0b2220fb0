#include "road/scroll_background.h"

#include <gtest/gtest.h>

#include "assets/asset_error.h"
#include "sprites/form_fixture.h"

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

uint16_t RowColor(int row) { return Rgb565(static_cast<uint8_t>(8 + row % 240), 0, 0x80); }

class ScrollBackground : public FormFixture {};

TEST_F(ScrollBackground, TakesItsPictureFromTheListOfTheCurrentScreen) {
  AddFrames(*form.MDXImageList, "Land", 30, 700, 1);
  AddFrames(*form.MDXImageList3, "Land", 20, 800, 1);
  form.ScreenState = -1;
  TScrollBackground menu(form, "Land");
  EXPECT_EQ(menu.Image, &form.MDXImageList->Find("Land"));
  EXPECT_EQ(menu.Height, 700);
  EXPECT_EQ(menu.Z(), 1);
  EXPECT_TRUE(menu.Tile);
  EXPECT_FALSE(menu.CollisionEnabled);
  EXPECT_EQ(menu.MapWidth(), 1);
  EXPECT_EQ(menu.GetBounds(), (TRect{0, 0, 800, 600}));

  form.ScreenState = 1;
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

TEST_F(ScrollBackground, OutsideTheRaceTheBackdropStandsStill) {
  AddFrames(*form.MDXImageList, "MMBackground", 800, 600, 1);
  form.ScreenState = 0;
  auto* bg = new TScrollBackground(form, "MMBackground");
  bg->Y = 12.5;
  for (int i = 0; i < 5; ++i) form.MDXSpriteEngine->Move(20);
  EXPECT_DOUBLE_EQ(bg->Y, 12.5);
}

TEST_F(ScrollBackground, DrawsThreeCopiesShiftedByTheShake) {
  AddStripes(*form.MDXImageList3, "Land", 540, 300);
  form.ScreenState = 1;
  auto* bg = new TScrollBackground(form, "Land");
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

}  // namespace
}  // namespace vontra
