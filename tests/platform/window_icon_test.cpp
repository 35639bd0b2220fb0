#include "platform/sdl/window_icon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vontra {
namespace {

// The build draws the icon the package installs; the window shows the same one.
TEST(WindowIcon, ReadsTheGamesOwnIconAsASquareOfPixels) {
  const auto icon = ReadIconFile(VONTRA_BINARY_DIR "/icons/64x64.png");
  ASSERT_TRUE(icon.has_value());
  EXPECT_EQ(icon->Width, 64);
  EXPECT_EQ(icon->Height, 64);
  ASSERT_EQ(icon->Rgba.size(), 64u * 64u * 4u);
  int opaque = 0;
  for (size_t i = 3; i < icon->Rgba.size(); i += 4) opaque += icon->Rgba[i] == 255;
  EXPECT_GT(opaque, 64 * 64 / 4);  // a picture, not an empty square
}

TEST(WindowIcon, MissingOrBrokenFilesGiveNoIcon) {
  EXPECT_FALSE(ReadIconFile("/nonexistent/icon.png").has_value());
  const std::string broken = ::testing::TempDir() + "broken_icon.png";
  std::ofstream(broken, std::ios::binary) << "\x89PNG\r\n\x1a\n not really";
  EXPECT_FALSE(ReadIconFile(broken).has_value());
  std::filesystem::remove(broken);
}

// Beside the program in the build tree, then where the package installs its icon theme.
TEST(WindowIcon, IsLookedForInTheBuildTreeAndInTheInstalledIconTheme) {
  const auto paths = IconCandidates("/usr/libexec/vontra");
  ASSERT_EQ(paths.size(), 2u);
  EXPECT_EQ(paths[0], "/usr/libexec/vontra/icons/64x64.png");
  EXPECT_EQ(std::filesystem::path(paths[1]).lexically_normal().string(),
            "/usr/share/icons/hicolor/64x64/apps/games.vontra.Vontra.png");
}

}  // namespace
}  // namespace vontra
