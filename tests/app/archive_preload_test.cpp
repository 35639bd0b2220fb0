// The archives read on a thread of its own while the display is set up: the same lists as a
// load at once, and the same failure, reported at start.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/archive_preload.h"
#include "assets/archive_test_util.h"
#include "assets/archive_writer.h"
#include "assets/asset_error.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"
#include "assets/wave_writer.h"
#include "platform/headless/headless_files.h"

namespace vontra {
namespace {

constexpr const char* kMenu = "Data\\Res\\Res1.dxg";
constexpr const char* kRace = "Data\\Res\\Res3.dxg";
constexpr const char* kSounds = "Data\\Res\\Sounds.dxw";

class Preload : public testing::Test {
 protected:
  void SetUp() override {
    files = std::make_shared<HeadlessFiles>();
    Write(kMenu, WriteImageArchive({{"Panel", test::GradientPicture(12, 5)}}));
    Write(kRace, WriteImageArchive({{"Car", test::GradientPicture(6, 9)}}));
    const std::vector<int16_t> samples(40, 1000);
    Write(kSounds, WriteSoundArchive({{"Tick", false, 0, MakeRiffWave16(1, 22050, samples)}}));
  }
  void Write(const char* path, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(files->WriteAtomic(path, bytes));
  }
  // What a start-up reports: the message of the failure, or "" when all three loaded.
  static std::string Failure(const std::function<GameArchives()>& load) {
    try {
      GameArchives a = load();
      EXPECT_TRUE(a.Menu && a.Race && a.Sounds);
      return "";
    } catch (const AssetError& e) {
      return e.what();
    }
  }
  std::shared_ptr<HeadlessFiles> files;
};

TEST_F(Preload, GivesTheListsALoadAtOnceGives) {
  ArchivePreload preload(files);
  GameArchives a = preload.Take();
  GameArchives b = LoadGameArchives(*files);
  for (GameArchives* g : {&a, &b}) {
    ASSERT_EQ(g->Menu->Count(), 1);
    EXPECT_EQ(g->Menu->Find("panel").Picture.Width, 12);
    EXPECT_EQ(g->Race->Find("car").Picture.Height, 9);
    EXPECT_EQ(g->Sounds->Find("tick").Name(), "Tick");
    // Kept once, in the form drawn from: the decoded pixels are gone.
    EXPECT_TRUE(g->Race->Find("car").Picture.Pixels.empty());
  }
}

TEST_F(Preload, AMissingOrBrokenArchiveFailsAsTheLoadAtOnceDoes) {
  struct Case {
    const char* broken;
    bool missing;
    std::string message;
  };
  const std::vector<uint8_t> garbage = {'T', 'P', 'F', '0', 1, 2, 3};
  for (const Case& c : {Case{kMenu, true, "Cannot open file \"Data\\Res\\Res1.dxg\""},
                        Case{kRace, true, "Cannot open file \"Data\\Res\\Res3.dxg\""},
                        Case{kSounds, true, "Cannot open file \"Data\\Res\\Sounds.dxw\""},
                        Case{kRace, false, ""}}) {
    SCOPED_TRACE(c.broken);
    SetUp();
    if (c.missing) {
      ASSERT_TRUE(files->Remove(c.broken));
    } else {
      Write(c.broken, garbage);
    }
    const std::string atOnce = Failure([&] { return LoadGameArchives(*files); });
    const std::string preloaded = Failure([&] { return ArchivePreload(files).Take(); });
    if (!c.message.empty()) {
      EXPECT_EQ(atOnce, c.message);
    }
    EXPECT_NE(atOnce, "");
    EXPECT_EQ(preloaded, atOnce);
  }
}

TEST_F(Preload, WithTwoBrokenTheMenuArchiveIsReportedFirst) {
  ASSERT_TRUE(files->Remove(kRace));
  ASSERT_TRUE(files->Remove(kMenu));
  EXPECT_EQ(Failure([&] { return ArchivePreload(files).Take(); }),
            "Cannot open file \"Data\\Res\\Res1.dxg\"");
}

}  // namespace
}  // namespace vontra
