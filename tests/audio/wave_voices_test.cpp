#include "audio/wave_voices.h"

#include <gtest/gtest.h>

#include "audio/sound_mixer.h"
#include "audio/sound_voice.h"
#include "audio/wave_fixtures.h"
#include "platform/headless/headless_audio_device.h"

namespace vontra {
namespace {

using namespace vontra::testing;

class WaveVoicesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mixer.Open()); }
  TSoundVoice* Play(const WavePlaySettings& settings) {
    return voices.Play(mixer, format, data, settings);
  }
  std::vector<const TSoundVoice*> Order() const {
    std::vector<const TSoundVoice*> order;
    for (int i = 0; i < voices.Count(); ++i) order.push_back(&voices.Voice(i));
    return order;
  }
  int PlayingCount() const {
    int n = 0;
    for (int i = 0; i < voices.Count(); ++i) n += voices.Voice(i).IsPlaying() ? 1 : 0;
    return n;
  }

  HeadlessAudioDevice device;
  TSoundMixer mixer{device, nullptr};
  std::vector<uint8_t> format = FormatBlock(1, 44100, 16);
  std::vector<uint8_t> data = ConstantData(1000, 4410);  // 100 ms
  TWaveVoices voices;
};

struct CopyCase {
  int32_t maxPlayingCount;
  int plays;
  int expectedVoices;
};

TEST_F(WaveVoicesTest, OverlappingPlaysMakeCopiesUpToTheLimit) {
  const CopyCase cases[] = {{0, 1, 1}, {0, 5, 5}, {2, 2, 2}, {2, 5, 2}, {1, 3, 1}, {3, 2, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "max " << c.maxPlayingCount << ", " << c.plays << " plays");
    voices.Clear();
    for (int i = 0; i < c.plays; ++i) ASSERT_NE(Play({false, c.maxPlayingCount}), nullptr);
    EXPECT_EQ(voices.Count(), c.expectedVoices);
    EXPECT_EQ(PlayingCount(), c.expectedVoices);
    // Copies add up in the output.
    EXPECT_EQ(device.Pull(1)[0], 1000 * c.expectedVoices);
  }
}

TEST_F(WaveVoicesTest, FullListRestartsTheOldestAndMovesItToTheEnd) {
  TSoundVoice* first = Play({false, 2});
  device.Pull(1000);
  TSoundVoice* second = Play({false, 2});
  ASSERT_NE(first, second);
  device.Pull(1000);
  TSoundVoice* third = Play({false, 2});
  EXPECT_EQ(third, first);
  EXPECT_EQ(Order(), (std::vector<const TSoundVoice*>{second, first}));
  // The restarted voice is back at its beginning: it outlasts the one started after it.
  device.Pull(4410 - 1000 + 10);  // the second voice ends here, 1000 frames before the first
  EXPECT_FALSE(second->IsPlaying());
  EXPECT_TRUE(first->IsPlaying());
}

TEST_F(WaveVoicesTest, FinishedVoiceIsReusedBeforeAnyCopyIsMade) {
  TSoundVoice* first = Play({false, 0});
  device.Pull(5000);
  EXPECT_FALSE(first->IsPlaying());
  EXPECT_EQ(Play({false, 0}), first);
  EXPECT_EQ(voices.Count(), 1);
}

TEST_F(WaveVoicesTest, LoopedSoundKeepsOneVoiceAndRestartsIt) {
  std::vector<int16_t> ramp(441);
  for (int i = 0; i < 441; ++i) ramp[size_t(i)] = int16_t(i);
  data = Data16(ramp);
  TSoundVoice* voice = Play({true, 0});
  device.Pull(1000);  // past the seam twice
  EXPECT_TRUE(voice->IsPlaying());
  EXPECT_EQ(Play({true, 0}), voice);
  EXPECT_EQ(voices.Count(), 1);
  EXPECT_EQ(device.Pull(1)[0], 0);  // rewound
  voices.Stop();
  EXPECT_FALSE(voices.AnyPlaying());
}

TEST_F(WaveVoicesTest, StartAppliesTheItemsSettings) {
  TSoundVoice* voice = Play({false, 0, 22050, -10000, -602});
  auto out = device.Pull(8820);
  EXPECT_NEAR(out[0], 500, 2);
  EXPECT_EQ(out[1], 0);
  EXPECT_TRUE(voice->IsPlaying());  // half speed: 100 ms of sound lasts 200 ms
}

TEST_F(WaveVoicesTest, TrimFreesOnlyTheExtraVoices) {
  for (int i = 0; i < 4; ++i) Play({false, 0});
  voices.Trim(2);
  EXPECT_EQ(voices.Count(), 2);
  voices.Trim(0);  // unlimited keeps them all
  EXPECT_EQ(voices.Count(), 2);
}

TEST(WaveVoicesWithoutSoundCard, PlayDoesNothing) {
  HeadlessAudioDevice device(false);
  TSoundMixer mixer(device, nullptr);
  mixer.Open();
  TWaveVoices voices;
  EXPECT_EQ(voices.Play(mixer, FormatBlock(1, 44100, 16), ConstantData(1, 10), {}), nullptr);
  EXPECT_EQ(voices.Count(), 0);
}

}  // namespace
}  // namespace vontra
