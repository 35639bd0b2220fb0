// The libxmp player on the forged tunes, pulled through the mixer as the sound card would.
#include "platform/xmp/xmp_music_player.h"

#include <gtest/gtest.h>

#include "audio/sound_mixer.h"
#include "audio/wave_fixtures.h"
#include "platform/headless/headless_audio_device.h"
#include "platform/sdl/sdl_audio_device.h"

namespace vontra {
namespace {

using namespace vontra::testing;

const std::string kMenu = std::string(VONTRA_TEST_DATA_DIR) + "/Music/Menu.xm";
const std::string kRace = std::string(VONTRA_TEST_DATA_DIR) + "/Music/Race.xm";

class XmpPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mixer.Open()); }
  // Pulls `seconds` of sound in device-sized buffers and returns the order seen after each.
  std::vector<int32_t> PlayFor(int32_t handle, double seconds, double* rms = nullptr) {
    std::vector<int32_t> orders;
    double sum = 0;
    const int buffers = int(seconds * kMixRate / 1024);
    for (int i = 0; i < buffers; ++i) {
      const auto out = device.Pull(1024);
      if (rms) sum += Rms(out, 0) * Rms(out, 0);
      orders.push_back(player.SongGetOrder(handle));
    }
    if (rms) *rms = std::sqrt(sum / buffers);
    return orders;
  }

  HeadlessAudioDevice device;
  XmpMusicPlayer player{device};
  TSoundMixer mixer{device, &player};
};

TEST_F(XmpPlayerTest, LoadsTheTunesAndRefusesWhatIsNotAModule) {
  const int32_t menu = player.SongLoadFromFile(kMenu);
  const int32_t race = player.SongLoadFromFile(kRace);
  EXPECT_GT(menu, 0);
  EXPECT_GT(race, 0);
  EXPECT_NE(menu, race);
  EXPECT_EQ(player.SongLoadFromFile(kMenu + ".missing"), 0);
  EXPECT_EQ(player.SongLoadFromFile(std::string(VONTRA_TEST_DATA_DIR) + "/Res/Sounds.dxw"), 0);
  player.SongFree(menu);
  player.SongFree(race);
  player.SongFree(race);  // freeing twice is harmless
}

TEST_F(XmpPlayerTest, PlayingTuneIsMixedInAndFreeingSilencesIt) {
  const int32_t handle = player.SongLoadFromFile(kMenu);
  ASSERT_GT(handle, 0);
  EXPECT_EQ(Rms(device.Pull(4096), 0), 0.0);  // loaded but not started
  player.SongPlay(handle);
  double rms = 0;
  PlayFor(handle, 3.0, &rms);
  EXPECT_GT(rms, 500.0);
  player.SongFree(handle);
  EXPECT_EQ(Rms(device.Pull(4096), 0), 0.0);
  EXPECT_EQ(player.SongGetOrder(handle), 0);
}

TEST_F(XmpPlayerTest, OrderRunsThroughTheListAndWrapsToZeroAtTheEnd) {
  const int32_t handle = player.SongLoadFromFile(kRace);
  ASSERT_GT(handle, 0);
  player.SongPlay(handle);
  const auto orders = PlayFor(handle, 90.0);
  // Before a minute has passed the order never falls back to the start.
  const size_t minute = size_t(60.0 * kMixRate / 1024);
  int32_t highest = 0;
  size_t wrapAt = 0;
  for (size_t i = 1; i < orders.size(); ++i) {
    highest = std::max(highest, orders[i]);
    if (orders[i] == 0 && orders[i - 1] != 0 && wrapAt == 0) wrapAt = i;
    if (wrapAt == 0) {
      EXPECT_GE(orders[i], orders[i - 1]) << "order went back at buffer " << i;
    }
  }
  EXPECT_GE(highest, 8);
  EXPECT_GT(wrapAt, minute) << "the tune loops before a minute";
}

TEST_F(XmpPlayerTest, SwitchingSongsPlaysOnlyTheNewOne) {
  const int32_t menu = player.SongLoadFromFile(kMenu);
  const int32_t race = player.SongLoadFromFile(kRace);
  player.SongPlay(menu);
  PlayFor(menu, 12.0);
  EXPECT_GT(player.SongGetOrder(menu), 0);
  player.SongPlay(race);
  EXPECT_EQ(player.SongGetOrder(menu), 0);  // no longer playing
  EXPECT_EQ(player.SongGetOrder(race), 0);
  player.SongFree(menu);
  double rms = 0;
  PlayFor(race, 1.0, &rms);
  EXPECT_GT(rms, 500.0);
}

TEST(SdlAudioDevice, OpensWithTheDummyDriverAndPullsFromTheMixer) {
  // CI has no sound card; SDL's dummy driver still runs the callback.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  SdlAudioDevice device;
  XmpMusicPlayer player(device);
  TSoundMixer mixer(device, &player);
  ASSERT_TRUE(mixer.Open());
  EXPECT_TRUE(device.IsOpen());
  const int32_t handle = player.SongLoadFromFile(kMenu);
  ASSERT_GT(handle, 0);
  player.SongPlay(handle);  // under the device's lock while the callback may run
  player.SongFree(handle);
  mixer.Close();
  EXPECT_FALSE(device.IsOpen());
}

}  // namespace
}  // namespace vontra
