#include "audio/sound_mixer.h"

#include <gtest/gtest.h>

#include "audio/pcm_sound.h"
#include "audio/soft_limiter.h"
#include "audio/sound_voice.h"
#include "audio/wave_fixtures.h"
#include "platform/headless/headless_audio_device.h"

namespace vontra {
namespace {

using namespace vontra::testing;

struct DecodeCase {
  const char* label;
  std::vector<uint8_t> format;
  std::vector<uint8_t> data;
  int channels;
  int rate;
  std::vector<int16_t> samples;  // empty: the wave is not playable
};

TEST(PcmDecode, TurnsEveryPlayableLayoutIntoSigned16Bit) {
  std::vector<uint8_t> extensible = FormatBlock(2, 48000, 16, 0xFFFE);
  PutLe(extensible, 22, 2);  // extra bytes
  PutLe(extensible, 16, 2);  // valid bits
  PutLe(extensible, 3, 4);   // channel mask
  PutLe(extensible, 1, 2);   // sub-format: PCM
  extensible.resize(extensible.size() + 14, 0);
  const std::vector<DecodeCase> cases = {
      {"8-bit mono is unsigned",
       FormatBlock(1, 22050, 8),
       {0x80, 0xFF, 0x00},
       1,
       22050,
       {0, 32512, -32768}},
      {"8-bit stereo", FormatBlock(2, 11025, 8), {0x90, 0x70}, 2, 11025, {4096, -4096}},
      {"16-bit mono", FormatBlock(1, 44100, 16), Data16({1, -2, 32767}), 1, 44100, {1, -2, 32767}},
      {"16-bit stereo drops a partial frame",
       FormatBlock(2, 8000, 16),
       Data16({5, -5, 7}),
       2,
       8000,
       {5, -5}},
      {"extensible PCM", extensible, Data16({3, 4}), 2, 48000, {3, 4}},
      {"float is refused", FormatBlock(1, 44100, 32, 3), Data16({1, 2}), 1, 0, {}},
      {"24-bit is refused", FormatBlock(1, 44100, 24), {1, 2, 3}, 1, 0, {}},
      {"three channels are refused", FormatBlock(3, 44100, 16), Data16({1, 2, 3}), 1, 0, {}},
      {"a short format block is refused", {1, 0, 1, 0}, Data16({1}), 1, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    auto sound = DecodePcm(c.format, c.data);
    EXPECT_EQ(sound->samples, c.samples);
    if (!c.samples.empty()) {
      EXPECT_EQ(sound->channels, c.channels);
      EXPECT_EQ(sound->sampleRate, c.rate);
    }
  }
}

class MixerTest : public ::testing::Test {
 protected:
  std::unique_ptr<TSoundVoice> Voice(const std::vector<uint8_t>& format,
                                     const std::vector<uint8_t>& data) {
    return std::make_unique<TSoundVoice>(mixer, DecodePcm(format, data));
  }
  std::unique_ptr<TSoundVoice> Sine(int rate, double hz, int frames) {
    return Voice(FormatBlock(1, rate, 16), SineData(rate, hz, frames));
  }

  HeadlessAudioDevice device;
  TSoundMixer mixer{device, nullptr};
  void SetUp() override { ASSERT_TRUE(mixer.Open()); }
};

TEST_F(MixerTest, StartedVoiceSoundsAndStoppedVoiceFallsSilent) {
  auto voice = Sine(44100, 440, 44100);
  EXPECT_EQ(Rms(device.Pull(1024), 0), 0.0);
  voice->Play(false);
  auto sounding = device.Pull(1024);
  EXPECT_GT(Rms(sounding, 0), 8000.0);  // a 16000-peak sine has an RMS of about 11300
  EXPECT_GT(Rms(sounding, 1), 8000.0);
  voice->Stop();
  EXPECT_FALSE(voice->IsPlaying());
  EXPECT_EQ(Rms(device.Pull(1024), 0), 0.0);
}

TEST_F(MixerTest, OneShotEndsAfterItsLastFrameAndLoopWrapsToItsStart) {
  auto once = Voice(FormatBlock(1, 44100, 16), ConstantData(1000, 100));
  once->Play(false);
  auto out = device.Pull(200);
  EXPECT_EQ(out[2 * 99], 1000);
  EXPECT_EQ(out[2 * 100], 0);
  EXPECT_FALSE(once->IsPlaying());

  // A ramp 0..99 looped: frame 100 and 250 of the output are frames 0 and 50 of the ramp.
  std::vector<int16_t> ramp(100);
  for (int i = 0; i < 100; ++i) ramp[size_t(i)] = int16_t(i * 10);
  auto looped = Voice(FormatBlock(1, 44100, 16), Data16(ramp));
  looped->Play(true);
  out = device.Pull(300);
  EXPECT_EQ(out[2 * 100], 0);
  EXPECT_EQ(out[2 * 250], 500);
  EXPECT_TRUE(looped->IsPlaying());
  looped->Rewind();
  EXPECT_EQ(device.Pull(1)[0], 0);
}

struct RateCase {
  int sourceRate;
  int frequency;  // 0: the sound's own rate
  double expectedHz;
  int expectedFrames;  // frames of output the one-second sound lasts
};

TEST_F(MixerTest, ResamplesEveryRateAndFrequencyToTheMixRate) {
  const RateCase cases[] = {
      {44100, 0, 441, 44100}, {22050, 0, 441, 44100},     {11025, 0, 441, 44100},
      {48000, 0, 441, 44100}, {22050, 44100, 882, 22050}, {44100, 22050, 220.5, 88200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.sourceRate << " Hz at frequency " << c.frequency);
    auto voice = Sine(c.sourceRate, 441, c.sourceRate);
    voice->SetFrequency(c.frequency);
    voice->Play(false);
    auto out = device.Pull(100000);
    const double seconds = c.expectedFrames / 44100.0;
    EXPECT_NEAR(RisingCrossings(out, 0), c.expectedHz * seconds, 2);
    // The sound is present to its end and silent after it.
    EXPECT_GT(Rms(out, 0, size_t(c.expectedFrames) - 2000, size_t(c.expectedFrames) - 10), 8000);
    EXPECT_EQ(Rms(out, 0, size_t(c.expectedFrames) + 2), 0.0);
    EXPECT_FALSE(voice->IsPlaying());
  }
}

struct GainCase {
  int32_t pan;
  int32_t volume;
  double left;  // expected output for a constant 16000
  double right;
};

TEST_F(MixerTest, PanAndVolumeAttenuateInHundredthsOfADecibel) {
  const GainCase cases[] = {
      {0, 0, 16000, 16000},     {0, -602, 8000, 8000},  {-10000, 0, 16000, 0},
      {10000, 0, 0, 16000},     {-602, 0, 16000, 8000}, {0, -10000, 0, 0},
      {1204, -602, 2000, 8000}, {20000, 5, 0, 16000},  // out-of-range values are clamped
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "pan " << c.pan << " volume " << c.volume);
    auto voice = Voice(FormatBlock(1, 44100, 16), ConstantData(16000, 64));
    voice->SetPan(c.pan);
    voice->SetVolume(c.volume);
    voice->Play(false);
    auto out = device.Pull(8);
    EXPECT_NEAR(out[0], c.left, 20);
    EXPECT_NEAR(out[1], c.right, 20);
  }
}

TEST_F(MixerTest, StereoSourceKeepsItsSidesApart) {
  auto voice = Voice(FormatBlock(2, 44100, 16), Data16({1200, -3400, 1200, -3400}));
  voice->Play(false);
  auto out = device.Pull(2);
  EXPECT_EQ(out[0], 1200);
  EXPECT_EQ(out[1], -3400);
}

TEST_F(MixerTest, LoudSumsBendBelowFullScaleInsteadOfClippingOrWrapping) {
  auto up1 = Voice(FormatBlock(1, 44100, 16), ConstantData(30000, 16));
  auto up2 = up1->Duplicate();
  auto down1 = Voice(FormatBlock(2, 44100, 16), Data16({-30000, 100, -30000, 100}));
  auto down2 = down1->Duplicate();
  up1->Play(false);
  up2->Play(false);
  auto out = device.Pull(1);
  EXPECT_GT(out[0], 31000);
  EXPECT_LE(out[0], kLimiterCeiling);
  EXPECT_EQ(out[1], out[0]);
  up1->Stop();
  up2->Stop();
  down1->Play(false);
  down2->Play(false);
  out = device.Pull(1);
  EXPECT_LT(out[0], -31000);
  EXPECT_GE(out[0], -kLimiterCeiling);
  EXPECT_EQ(out[1], 200);  // the quiet side passes untouched
}

// The bend: exact up to the knee, then rising ever more slowly toward the ceiling, the same
// both ways.
TEST(SoftLimiter, PassesQuietSamplesAndBendsLoudOnesSmoothlyBelowTheCeiling) {
  for (const int32_t s : {0, 1, -1, 1000, -16000, kLimiterKnee, -kLimiterKnee}) {
    EXPECT_EQ(SoftLimit(s), s) << s;
  }
  int32_t previous = kLimiterKnee;
  for (int32_t s = kLimiterKnee + 1; s < 4 * 32768; s += 97) {
    const int32_t out = SoftLimit(s);
    EXPECT_GE(out, previous) << s;
    EXPECT_LT(out, kLimiterCeiling) << s;
    EXPECT_EQ(SoftLimit(-s), -out) << s;
    previous = out;
  }
  // No corner at the knee: just above it the output still follows the input.
  EXPECT_NEAR(SoftLimit(kLimiterKnee + 100), kLimiterKnee + 100, 2);
  EXPECT_EQ(SoftLimit(INT32_MAX), kLimiterCeiling);
  EXPECT_EQ(SoftLimit(INT32_MIN), -kLimiterCeiling);
}

class ConstantMusic : public IMusicPlayer {
 public:
  int32_t SongLoadFromFile(const std::string&) override { return 0; }
  void SongPlay(int32_t) override {}
  void SongFree(int32_t) override {}
  int32_t SongGetOrder(int32_t) override { return 0; }
  void MixInto(int32_t* frames, int frameCount) override {
    for (int i = 0; i < frameCount; ++i) {
      frames[2 * i] += 32000;
      frames[2 * i + 1] -= 500;
    }
    renderedFrames += frameCount;
  }
  int renderedFrames = 0;
};

TEST(MixerMusic, MusicIsMixedUnderTheEffectsForEveryFrameAsked) {
  HeadlessAudioDevice device;
  ConstantMusic music;
  TSoundMixer mixer(device, &music);
  ASSERT_TRUE(mixer.Open());
  TSoundVoice voice(mixer, DecodePcm(FormatBlock(1, 44100, 16), ConstantData(2000, 5000)));
  voice.Play(false);
  auto out = device.Pull(3000);  // longer than one internal chunk
  EXPECT_EQ(music.renderedFrames, 3000);
  EXPECT_EQ(out[0], SoftLimit(34000));
  EXPECT_EQ(out[1], 1500);
  EXPECT_EQ(out[2 * 2999 + 1], 1500);
}

TEST(MixerWithoutSoundCard, StaysClosedAndSilent) {
  HeadlessAudioDevice device(/*available=*/false);
  TSoundMixer mixer(device, nullptr);
  EXPECT_FALSE(mixer.Open());
  EXPECT_FALSE(mixer.IsReady());
  TSoundVoice voice(mixer, DecodePcm(FormatBlock(1, 44100, 16), ConstantData(2000, 100)));
  voice.Play(false);
  EXPECT_EQ(Rms(device.Pull(64), 0), 0.0);
}

TEST(MixerLifetime, VoicesMayOutliveTheMixer) {
  HeadlessAudioDevice device;
  auto mixer = std::make_unique<TSoundMixer>(device, nullptr);
  ASSERT_TRUE(mixer->Open());
  auto voice = std::make_unique<TSoundVoice>(
      *mixer, DecodePcm(FormatBlock(1, 44100, 16), ConstantData(2000, 100)));
  voice->Play(true);
  mixer.reset();
  EXPECT_FALSE(device.IsOpen());
  voice.reset();  // must not touch the freed mixer (the sanitizer build checks)
}

}  // namespace
}  // namespace vontra
