// Effects started and stopped by name, as the player hears them through the mixer.
#include "audio/sound_effects.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/mform.h"
#include "assets/asset_error.h"
#include "assets/wave_collection.h"
#include "audio/sound_mixer.h"
#include "audio/sound_voice.h"
#include "audio/wave_fixtures.h"
#include "platform/headless/headless_platform.h"

namespace vontra {
namespace {

using namespace vontra::testing;

std::vector<uint8_t> ForgedArchive() {
  std::ifstream in(std::string(VONTRA_TEST_DATA_DIR) + "/Res/Sounds.dxw", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SoundEffects : public ::testing::Test {
 protected:
  explicit SoundEffects(bool soundCard = true) : h(MakeHeadlessPlatform(Options(soundCard))) {}
  static HeadlessOptions Options(bool soundCard) {
    HeadlessOptions o;
    o.SoundCard = soundCard;
    return o;
  }
  void SetUp() override {
    const auto archive = ForgedArchive();
    ASSERT_FALSE(archive.empty());
    form.MDXWaveList = std::make_unique<TWaveCollection>();
    form.MDXWaveList->LoadFromMemory(archive);
  }
  // The effect's level over the next `frames`, as RMS of the left channel.
  double Listen(int frames) { return Rms(h.audio->Pull(frames), 0); }

  HeadlessPlatform h;
  TMForm form{h.platform};
};

TEST_F(SoundEffects, StartedEffectIsHeardUntilStopped) {
  for (const char* name : {"Tick", "Engine", "Shot", "WallExplosion", "B_Act"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Listen(512), 0.0);
    PlaySound(form, name);
    EXPECT_GT(Listen(2048), 300.0);
    StopSound(form, name);
    EXPECT_EQ(Listen(512), 0.0);
  }
}

TEST_F(SoundEffects, PlayingAgainRestartsInsteadOfLayering) {
  for (const char* name : {"Tick", "Engine", "Bonus"}) {
    SCOPED_TRACE(name);
    PlaySound(form, name);
    const auto alone = h.audio->Pull(1500);
    StopSound(form, name);
    PlaySound(form, name);
    h.audio->Pull(300);
    PlaySound(form, name);  // while the first start still sounds
    EXPECT_EQ(h.audio->Pull(1500), alone) << "a second copy would add to the first";
    EXPECT_EQ(form.MDXWaveList->Find(name).Voices.Count(), 1);
    StopSound(form, name);
  }
}

TEST_F(SoundEffects, LoopedEffectKeepsSoundingPastItsEnd) {
  PlaySound(form, "Engine");
  const auto& voices = form.MDXWaveList->Find("Engine").Voices;
  const int length = voices.Voice(0).Sound().FrameCount();
  h.audio->Pull(3 * length);
  EXPECT_GT(Listen(1024), 300.0);
  PlaySound(form, "Tick");
  h.audio->Pull(kMixRate);  // a second: the tick is long over
  EXPECT_FALSE(form.MDXWaveList->Find("Tick").Voices.AnyPlaying());
  EXPECT_TRUE(voices.AnyPlaying());
}

TEST_F(SoundEffects, WithEffectsOffNothingStartsOrStops) {
  PlaySound(form, "Engine");
  form.SoundOn = false;
  StopSound(form, "Engine");  // switched off: the engine is not even stopped
  EXPECT_GT(Listen(1024), 300.0);
  form.SoundOn = true;
  StopSound(form, "Engine");
  form.SoundOn = false;
  PlaySound(form, "Tick");
  PlaySound(form, "Engine");
  EXPECT_EQ(Listen(2048), 0.0);
}

TEST_F(SoundEffects, UnknownNameIsAnError) {
  try {
    PlaySound(form, "NoSuchSound");
    FAIL() << "no error";
  } catch (const AssetError& e) {
    EXPECT_STREQ(e.what(), "Wave 'NoSuchSound' not found");
  }
  EXPECT_THROW(StopSound(form, "NoSuchSound"), AssetError);
}

class SoundEffectsWithoutSoundCard : public SoundEffects {
 protected:
  SoundEffectsWithoutSoundCard() : SoundEffects(false) {}
};

TEST_F(SoundEffectsWithoutSoundCard, GameRunsSilentlyWithoutErrors) {
  EXPECT_FALSE(form.MDXSound->IsReady());
  PlaySound(form, "Engine");
  PlaySound(form, "Tick");
  StopSound(form, "Engine");
  EXPECT_EQ(Listen(1024), 0.0);
  EXPECT_EQ(form.MDXWaveList->Find("Engine").Voices.Count(), 0);
}

}  // namespace
}  // namespace vontra
