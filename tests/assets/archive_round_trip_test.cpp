#include <gtest/gtest.h>

#include "archive_test_util.h"
#include "assets/archive_writer.h"
#include "assets/asset_error.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"
#include "assets/wave_writer.h"

namespace vontra {
namespace {

TEST(ArchiveRoundTrip, PictureItemsKeepEveryPropertyAndPixel) {
  PictureEntry a{"MG_Top", test::GradientPicture(7, 3)};
  PictureEntry b{"Strip", test::GradientPicture(100, 10), 20, 10, 5, 0, true, false, 0x00FF00FF};
  b.SkipHeight = 2;
  const auto file = WriteImageArchive({a, b}, "Res1");

  // Resource header as written: 0xFF, 10, upper-cased name, flags 0x1030, stream length.
  ASSERT_GE(file.size(), 14u);
  EXPECT_EQ(file[0], 0xFF);
  EXPECT_EQ(file[1] | file[2] << 8, 10);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[3]), 5), std::string("RES1\0", 5));
  EXPECT_EQ(file[8] | file[9] << 8, 0x1030);
  const uint32_t length = file[10] | file[11] << 8 | file[12] << 16 | uint32_t(file[13]) << 24;
  EXPECT_EQ(length, file.size() - 14);

  TPictureCollection list;
  list.LoadFromMemory(file);
  ASSERT_EQ(list.Count(), 2);
  const auto& first = list.Items(0);
  EXPECT_EQ(first.Name(), "MG_Top");
  EXPECT_EQ(first.Picture.Width, 7);
  EXPECT_EQ(first.Picture.Height, 3);
  EXPECT_EQ(first.Picture.Pixels, a.Picture.Pixels);
  EXPECT_TRUE(first.Transparent);
  EXPECT_EQ(first.TransparentColor, 0u);

  const auto& second = list.Items(1);
  EXPECT_EQ(second.Name(), "Strip");
  EXPECT_EQ(second.PatternWidth, 20);
  EXPECT_EQ(second.PatternHeight, 10);
  EXPECT_EQ(second.SkipWidth, 5);
  EXPECT_EQ(second.SkipHeight, 2);
  EXPECT_TRUE(second.SystemMemory);
  EXPECT_FALSE(second.Transparent);
  EXPECT_EQ(second.TransparentColor, 0x00FF00FFu);
  EXPECT_EQ(second.Picture.Pixels, b.Picture.Pixels);
}

TEST(ArchiveRoundTrip, SoundItemsKeepSettingsAndWave) {
  const std::vector<int16_t> samples{0, 1000, -1000, 32767, -32768, 5};
  SoundEntry s{"Shot", true, 3, MakeRiffWave16(1, 22050, samples)};
  SoundEntry t{"Boom", false, -4, MakeRiffWave16(2, 44100, samples)};
  TWaveCollection list;
  list.LoadFromMemory(WriteSoundArchive({s, t}));
  ASSERT_EQ(list.Count(), 2);
  const auto& shot = list.Find("SHOT");
  EXPECT_TRUE(shot.Looped());
  EXPECT_EQ(shot.MaxPlayingCount(), 3);
  EXPECT_EQ(shot.Wave.FormatTag(), 1);
  EXPECT_EQ(shot.Wave.Channels(), 1);
  EXPECT_EQ(shot.Wave.SamplesPerSec(), 22050);
  EXPECT_EQ(shot.Wave.BitsPerSample(), 16);
  EXPECT_EQ(shot.Wave.BlockAlign(), 2);
  ASSERT_EQ(shot.Wave.Data.size(), samples.size() * 2);
  EXPECT_EQ(shot.Wave.Data[6], 0xFF);  // 32767 little-endian
  EXPECT_EQ(shot.Wave.Data[7], 0x7F);
  const auto& boom = list.Find("boom");
  EXPECT_FALSE(boom.Looped());
  EXPECT_EQ(boom.MaxPlayingCount(), 0);  // negative stored as 0
  EXPECT_EQ(boom.Wave.Channels(), 2);
  EXPECT_EQ(boom.Wave.BlockAlign(), 4);
}

TEST(ArchiveLookup, NamesIgnoreCaseAndTheLaterOfTwoWins) {
  std::vector<PictureEntry> entries{{"MG_Top", test::GradientPicture(1, 1)},
                                    {"Car5_Inv", test::GradientPicture(2, 1)},
                                    {"mg_top", test::GradientPicture(3, 1)},
                                    {"Ш", test::GradientPicture(4, 1)}};
  entries[3].Name = "\xD8\xE8";  // "Ши" in Windows-1251
  TPictureCollection list;
  list.LoadFromMemory(WriteImageArchive(entries));
  EXPECT_EQ(list.Find("MG_TOP").Picture.Width, 3);
  EXPECT_EQ(list.Find("car5_inv").Picture.Width, 2);
  EXPECT_EQ(list.Find("\xF8\xC8").Picture.Width, 4);  // "шИ"
  try {
    list.Find("MG_Bottom");
    FAIL() << "no error";
  } catch (const AssetError& e) {
    EXPECT_STREQ(e.what(), "Image 'MG_Bottom' not found");
  }

  // Renaming moves an item: the renamed one is now the newest of its name.
  list.Items(0).SetName("Car5_INV");
  EXPECT_EQ(&list.Find("car5_inv"), &list.Items(0));
  EXPECT_EQ(list.Find("mg_top").Picture.Width, 3);
  list.Items(2).SetName("Other");
  EXPECT_THROW(list.Find("MG_Top"), AssetError);

  TWaveCollection sounds;
  EXPECT_THROW(
      {
        try {
          sounds.Find("Shot");
        } catch (const AssetError& e) {
          EXPECT_STREQ(e.what(), "Wave 'Shot' not found");
          throw;
        }
      },
      AssetError);
}

TEST(ArchiveLookup, ASecondLoadReplacesTheList) {
  TPictureCollection list;
  list.LoadFromMemory(WriteImageArchive({{"A", test::GradientPicture(1, 1)}}));
  list.LoadFromMemory(WriteImageArchive({{"B", test::GradientPicture(1, 1)}}));
  EXPECT_EQ(list.Count(), 1);
  EXPECT_THROW(list.Find("A"), AssetError);
  EXPECT_NO_THROW(list.Find("B"));
}

}  // namespace
}  // namespace vontra
