// Choosing, starting, stopping and restarting the background tune.
#include "audio/music.h"

#include <gtest/gtest.h>

#include "app/mform.h"
#include "platform/headless/headless_platform.h"

namespace vontra {
namespace {

class MusicControl : public ::testing::Test {
 protected:
  void SetUp() override {
    // The headless player loads any file that exists; the tune's contents do not matter here.
    ASSERT_TRUE(h.files->WriteAtomic("Data\\Music\\Menu.xm", {'m'}));
    ASSERT_TRUE(h.files->WriteAtomic("Data\\Music\\Race.xm", {'r'}));
    form.ScreenState = ScreenStates::kMainMenu;
  }
  std::string Playing() const {
    const std::string path = h.music->PlayingPath();
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
  }

  HeadlessPlatform h = MakeHeadlessPlatform();
  TMForm form{h.platform};
};

TEST_F(MusicControl, ScreenMusicIsTheRaceTuneOnlyDuringARace) {
  const std::pair<ScreenStates, const char*> cases[] = {
      {ScreenStates::kMainMenu, "Menu.xm"}, {ScreenStates::kRace, "Race.xm"},
      {ScreenStates::kOptions, "Menu.xm"},  {ScreenStates::kHighScores, "Menu.xm"},
      {ScreenStates::kHelp, "Menu.xm"},     {ScreenStates::kCarChoice, "Menu.xm"},
  };
  for (const auto& [screen, tune] : cases) {
    form.ScreenState = screen;
    PlayScreenMusic(form);
    EXPECT_EQ(Playing(), tune) << "screen " << ToInt(screen);
    EXPECT_NE(form.SongHandle, 0);
    EXPECT_EQ(h.music->LoadedSongCount(), 1) << "the previous tune is freed";
  }
}

struct WatchdogCase {
  const char* label;
  std::vector<int32_t> orders;  // the tune's order at each tick
  int expectedLoads;            // including the first
};

TEST_F(MusicControl, WatchdogRestartsATuneOnlyWhenItsOrderWrapsToZero) {
  const WatchdogCase cases[] = {
      {"stays at the start", {0, 0, 0, 0, 0}, 1},
      {"runs on without wrapping", {0, 1, 2, 3, 3, 4}, 1},
      {"wraps once", {0, 1, 2, 0}, 2},
      {"after a restart order 0 is the new start", {1, 0, 0, 0}, 2},
      {"wraps twice", {2, 5, 0, 1, 0}, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    StopSong(form);
    PlayScreenMusic(form);
    const int before = h.music->LoadCount();
    for (int32_t order : c.orders) {
      h.music->SetOrder(order);
      MusicWatchdog(form);
      if (order != 0) {
        EXPECT_EQ(form.LastSongOrder, order);
      }
    }
    EXPECT_EQ(h.music->LoadCount() - before + 1, c.expectedLoads);
    EXPECT_EQ(Playing(), "Menu.xm");
  }
}

TEST_F(MusicControl, WrapAfterTheScreenChangedBringsTheRightTune) {
  PlayScreenMusic(form);
  h.music->SetOrder(3);
  MusicWatchdog(form);
  form.ScreenState = ScreenStates::kRace;
  h.music->SetOrder(0);
  MusicWatchdog(form);
  EXPECT_EQ(Playing(), "Race.xm");
  EXPECT_EQ(form.LastSongOrder, 0);
}

TEST_F(MusicControl, MusicOffStartsNothingButStillResetsTheOrder) {
  PlayScreenMusic(form);
  const int32_t menuHandle = form.SongHandle;
  h.music->SetOrder(5);
  MusicWatchdog(form);
  ASSERT_EQ(form.LastSongOrder, 5);
  form.MusicOn = false;
  form.ScreenState = ScreenStates::kRace;
  PlaySong(form, "Data\\Music\\Race.xm");
  EXPECT_EQ(form.LastSongOrder, 0);
  EXPECT_EQ(form.SongHandle, menuHandle);  // the tune that played goes on playing
  EXPECT_EQ(Playing(), "Menu.xm");
  StopSong(form);  // regardless of the switch
  EXPECT_EQ(form.SongHandle, 0);
  EXPECT_EQ(h.music->PlayingHandle(), 0);
  MusicWatchdog(form);  // nothing to watch
  EXPECT_EQ(h.music->LoadCount(), 1);
}

TEST_F(MusicControl, ToggleStopsTheTuneAndStartsTheScreensTuneAtOnce) {
  PlayScreenMusic(form);
  ToggleMusic(form);
  EXPECT_FALSE(form.MusicOn);
  EXPECT_EQ(form.SongHandle, 0);
  EXPECT_EQ(h.music->PlayingHandle(), 0);
  ToggleMusic(form);
  EXPECT_TRUE(form.MusicOn);
  EXPECT_NE(form.SongHandle, 0);
  EXPECT_EQ(Playing(), "Menu.xm");
}

TEST_F(MusicControl, MissingTuneLeavesTheGameSilentAndTheWatchdogIdle) {
  PlaySong(form, "Data\\Music\\Nowhere.xm");
  EXPECT_EQ(form.SongHandle, 0);
  h.music->SetOrder(4);
  MusicWatchdog(form);
  EXPECT_EQ(form.LastSongOrder, 0);
  EXPECT_EQ(h.music->LoadCount(), 0);
}

}  // namespace
}  // namespace vontra
