// Checks the sound archive the forge writes: every effect the game plays is there, none clips,
// their loudness is matched, one-shots start and end quietly, and the looped ones run round
// their seam without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "assets/wave_collection.h"
#include "audio/pcm_sound.h"
#include "audio/sound_mixer.h"
#include "audio/sound_voice.h"
#include "platform/headless/headless_audio_device.h"

namespace vontra {
namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ForgedSounds : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto bytes = ReadFile(std::string(VONTRA_TEST_DATA_DIR) + "/Res/Sounds.dxw");
    ASSERT_FALSE(bytes.empty()) << "the forge has not written the sound archive";
    sounds.LoadFromMemory(bytes);
  }
  std::shared_ptr<const PcmSound> Decoded(const char* name) {
    const TWaveCollectionItem& item = sounds.Find(name);
    return DecodePcm(item.Wave.Format, item.Wave.Data);
  }
  TWaveCollection sounds;
};

struct Expected {
  const char* name;
  bool looped;
};

const Expected kEffects[] = {
    {"B_Act", false},  {"Engine", true},       {"Shot", true},           {"ShotR", false},
    {"Bullet", false}, {"BulletSmall", false}, {"WallExplosion", false}, {"PlayerExplosion", false},
    {"Water", false},  {"Spike", false},       {"Bonus", false},         {"BonusLost", false},
    {"Tick", false},   {"Finish", false},      {"TimeOver", false},      {"GameOver", false},
};

// The loudest RMS over any 100 ms of the sound.
double LoudestRms(const PcmSound& s) {
  const size_t window = size_t(s.sampleRate / 10);
  double sum = 0, best = 0;
  for (size_t i = 0; i < s.samples.size(); ++i) {
    sum += double(s.samples[i]) * s.samples[i];
    if (i >= window) sum -= double(s.samples[i - window]) * s.samples[i - window];
    best = std::max(best, sum);
  }
  return std::sqrt(best / double(std::min(window, s.samples.size())));
}

TEST_F(ForgedSounds, EveryEffectIsPlayableUnclippedAndOfMatchedLoudness) {
  double quietest = 1e9, loudest = 0;
  for (const auto& e : kEffects) {
    SCOPED_TRACE(e.name);
    const TWaveCollectionItem& item = sounds.Find(e.name);
    EXPECT_EQ(item.Looped(), e.looped);
    auto pcm = Decoded(e.name);
    ASSERT_GT(pcm->FrameCount(), 0);
    EXPECT_TRUE(pcm->sampleRate == 22050 || pcm->sampleRate == 44100);
    int peak = 0;
    for (int16_t v : pcm->samples) peak = std::max(peak, std::abs(int(v)));
    EXPECT_LT(peak, 32000) << "clips";
    const double rms = LoudestRms(*pcm);
    quietest = std::min(quietest, rms);
    loudest = std::max(loudest, rms);
    if (!e.looped) {
      // No click when a one-shot starts or runs out.
      EXPECT_LT(std::abs(pcm->samples.front()), 300);
      EXPECT_LT(std::abs(pcm->samples.back()), 300);
    }
  }
  // Within 6 dB of each other, so that no effect drowns the rest.
  EXPECT_LT(loudest / quietest, 2.0) << "loudest " << loudest << ", quietest " << quietest;
  EXPECT_EQ(sounds.Count(), int(std::size(kEffects)));
}

// The largest jump between neighbouring output samples.
int LargestStep(const std::vector<int16_t>& frames, size_t from, size_t to) {
  int step = 0;
  for (size_t i = from + 1; i < to; ++i) {
    step = std::max(step, std::abs(frames[2 * i] - frames[2 * (i - 1)]));
  }
  return step;
}

TEST_F(ForgedSounds, LoopedEffectsRunRoundTheirSeamWithoutAClick) {
  for (const char* name : {"Engine", "Shot"}) {
    SCOPED_TRACE(name);
    HeadlessAudioDevice device;
    TSoundMixer mixer(device, nullptr);
    ASSERT_TRUE(mixer.Open());
    auto pcm = Decoded(name);
    ASSERT_EQ(pcm->sampleRate, kMixRate);  // so output frames line up with the loop
    TSoundVoice voice(mixer, pcm);
    voice.Play(true);
    const size_t length = size_t(pcm->FrameCount());
    const auto out = device.Pull(int(3 * length));
    // The step across each seam is no bigger than the steps inside the loop.
    const int inside = LargestStep(out, 8, length - 8);
    for (size_t seam : {length, 2 * length}) {
      const int across = LargestStep(out, seam - 2, seam + 2);
      EXPECT_LE(across, inside) << "at frame " << seam;
    }
    EXPECT_TRUE(voice.IsPlaying());
  }
}

}  // namespace
}  // namespace vontra
