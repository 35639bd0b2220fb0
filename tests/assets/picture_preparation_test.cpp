// Loading through the platform's files and preparing with the display's life cycle.
#include <gtest/gtest.h>

#include "archive_test_util.h"
#include "assets/archive_writer.h"
#include "assets/asset_error.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"
#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_files.h"

namespace vontra {
namespace {

class Preparation : public testing::Test {
 protected:
  void SetUp() override {
    PictureEntry strip{"Strip", test::GradientPicture(20, 4), 5, 4};
    ASSERT_TRUE(files.WriteAtomic("Data\\Res\\Res3.dxg", WriteImageArchive({strip})));
  }
  HeadlessClock clock;
  HeadlessDisplay display{clock, 60};
  HeadlessFiles files;
};

TEST_F(Preparation, LoadPreparesAtOnceOnlyWhenTheDisplayIsReady) {
  TPictureCollection list(&display);
  list.LoadFromFile(files, "Data\\Res\\Res3.dxg");
  auto& item = list.Find("strip");
  EXPECT_FALSE(item.Prepared());
  // Geometry works unprepared; drawing waits for preparation.
  EXPECT_EQ(item.PatternCount(), 4);
  EXPECT_EQ(item.PatternRect(3), (TRect{15, 0, 20, 4}));
  EXPECT_THROW(
      {
        try {
          list.Prepare();
        } catch (const AssetError& e) {
          EXPECT_STREQ(e.what(), "TPictureCollection cannot be initialized");
          throw;
        }
      },
      AssetError);

  display.Initialize();
  list.LoadFromFile(files, "Data\\Res\\Res3.dxg");
  auto& reloaded = list.Find("strip");
  ASSERT_TRUE(reloaded.Prepared());
  Surface& s = display.DrawSurface();
  s.Fill(0);
  reloaded.Draw(s, 0, 0, 3);
  EXPECT_NE(s.At(0, 0), 0);

  // The display goes away and comes back: items are unprepared, then prepared again.
  list.Unprepare();
  EXPECT_FALSE(reloaded.Prepared());
  EXPECT_EQ(reloaded.PatternCount(), 4);
  s.Fill(0);
  reloaded.Draw(s, 0, 0, 3);
  EXPECT_EQ(s.At(0, 0), 0);
  list.Prepare();
  EXPECT_TRUE(reloaded.Prepared());
}

// The game's lists keep each picture once, as RGB565, and must draw exactly what a list that
// kept the decoded pixels draws, also after the display went away and came back.
TEST_F(Preparation, WithADisplayOnlyTheDrawnFormIsKept) {
  TPictureCollection kept;
  kept.LoadFromFile(files, "Data\\Res\\Res3.dxg");
  kept.Prepare();
  TPictureCollection lean(&display);
  lean.LoadFromFile(files, "Data\\Res\\Res3.dxg");
  auto& item = lean.Find("strip");
  EXPECT_TRUE(item.Picture.Pixels.empty());
  EXPECT_EQ(item.Picture.Width, 20);
  EXPECT_EQ(item.Picture.Height, 4);
  EXPECT_FALSE(kept.Find("strip").Picture.Pixels.empty());

  const auto drawn = [](const TPictureCollectionItem& from) {
    Surface s(30, 10);
    for (int frame = 0; frame < 4; ++frame) from.Draw(s, frame * 6, frame, frame);
    from.DrawRotated(s, 15, 5, 10, 8, 2, 0.5, 0.5, 40);
    return std::vector<uint16_t>(s.Pixels(), s.Pixels() + 300);
  };
  const std::vector<uint16_t> want = drawn(kept.Find("strip"));
  ASSERT_NE(want, std::vector<uint16_t>(300, 0));
  display.Initialize();
  lean.Prepare();
  EXPECT_EQ(drawn(item), want);
  lean.Unprepare();
  EXPECT_EQ(drawn(item), std::vector<uint16_t>(300, 0));
  lean.Prepare();
  EXPECT_EQ(drawn(item), want);
}

TEST_F(Preparation, AMissingFileNamesThePath) {
  TPictureCollection pictures;
  TWaveCollection sounds;
  for (auto load : {+[](TPictureCollection&p, TWaveCollection&, IFiles&f) {
                      p.LoadFromFile(f, "Data\\Res\\Res1.dxg");
                    },
                    +[](TPictureCollection&, TWaveCollection&w, IFiles&f) {
                      w.LoadFromFile(f, "Data\\Res\\Res1.dxg");
                    }}) {
    try {
      load(pictures, sounds, files);
      ADD_FAILURE() << "loaded";
    } catch (const AssetError& e) {
      EXPECT_STREQ(e.what(), "Cannot open file \"Data\\Res\\Res1.dxg\"");
    }
  }
}

}  // namespace
}  // namespace vontra
