#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/headless/headless_platform.h"

namespace vontra {
namespace {

namespace fs = std::filesystem;

TEST(HeadlessFiles, BackslashPathsWriteAtomicallyIntoNewFoldersAndReadBack) {
  std::string root;
  {
    HeadlessFiles files;
    root = files.Root();
    const std::vector<uint8_t> data{'a', 0, 0xE0, '\n'};
    EXPECT_FALSE(files.Exists("Data\\Save\\hs"));
    EXPECT_FALSE(files.ReadAll("Data\\Save\\hs").has_value());
    ASSERT_TRUE(files.WriteAtomic("Data\\Save\\hs", data));
    EXPECT_TRUE(fs::is_regular_file(root + "/Data/Save/hs"));
    EXPECT_EQ(files.NativePath("Data\\Save\\hs"), root + "/Data/Save/hs");
    EXPECT_EQ(files.ReadAll("Data\\Save\\hs"), data);
    ASSERT_TRUE(files.WriteAtomic("Data\\Save\\hs", {'b'}));
    EXPECT_EQ(files.ReadAll("Data\\Save\\hs"), (std::vector<uint8_t>{'b'}));
    EXPECT_FALSE(fs::exists(root + "/Data/Save/hs.tmp"));
    EXPECT_FALSE(files.Exists("Data\\Save"));  // a folder is not a file
  }
  EXPECT_FALSE(fs::exists(root));  // the private working directory is removed
}

TEST(HeadlessFiles, FailedWriteLeavesTheOldFile) {
  HeadlessFiles files;
  ASSERT_TRUE(files.WriteAtomic("Data\\options", {'o', 'l', 'd'}));
  // A folder where the file's folder should be: the write cannot happen.
  EXPECT_FALSE(files.WriteAtomic("Data\\options\\x", {'n'}));
  // A folder in the way of the target itself.
  fs::create_directories(files.NativePath("Data\\busy"));
  { std::ofstream(files.NativePath("Data\\busy\\inner")) << "k"; }
  EXPECT_FALSE(files.WriteAtomic("Data\\busy", {'n'}));
  EXPECT_EQ(files.ReadAll("Data\\options"), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

TEST(HeadlessDisplay, NotificationsFlipsAndClock) {
  HeadlessOptions options;
  options.FrameRate = 50;
  auto hp = MakeHeadlessPlatform(options);
  HeadlessDisplay& d = *hp.display;
  std::vector<std::string> log;
  d.OnInitialize = [&] { log.push_back("init"); };
  d.OnFinalize = [&] { log.push_back("fin"); };
  d.Flip();
  EXPECT_EQ(d.FlipCount(), 0);  // nothing to show before the display is up
  d.Initialize();
  d.Initialize();  // re-initialising finalises first
  d.Finalize();
  d.Finalize();
  EXPECT_EQ(log, (std::vector<std::string>{"init", "fin", "init", "fin"}));
  d.Initialize();
  const uint64_t t0 = hp.clock->NowMs();
  d.Flip();
  d.Flip();
  EXPECT_EQ(d.FlipCount(), 2);
  EXPECT_EQ(hp.clock->NowMs() - t0, 40u);
  d.SetLost(true);
  EXPECT_FALSE(d.CanDraw());
  d.Flip();
  EXPECT_EQ(d.FlipCount(), 2);
}

}  // namespace
}  // namespace vontra
