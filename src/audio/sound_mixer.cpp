#include "audio/sound_mixer.h"

#include <algorithm>

#include "audio/soft_limiter.h"
#include "audio/sound_voice.h"

namespace vontra {

namespace {
constexpr int kChunkFrames = 1024;
}

TSoundMixer::TSoundMixer(IAudioDevice& device, IMusicPlayer* music)
    : device_(device),
      music_(music),
      registry_(std::make_shared<VoiceRegistry>(device)),
      accumulator_(2 * kChunkFrames) {}

TSoundMixer::~TSoundMixer() {
  Close();
}

bool TSoundMixer::Open() {
  if (device_.IsOpen()) return true;
  return device_.Open([this](int16_t* out, int frameCount) { Mix(out, frameCount); });
}

void TSoundMixer::Close() {
  if (device_.IsOpen()) device_.Close();
}

void TSoundMixer::Mix(int16_t* out, int frameCount) {
  while (frameCount > 0) {
    const int frames = std::min(frameCount, kChunkFrames);
    int32_t* acc = accumulator_.data();
    std::fill(acc, acc + 2 * frames, 0);
    for (TSoundVoice* voice : registry_->voices) {
      if (voice->playing_) voice->MixInto(acc, frames);
    }
    if (music_) music_->MixInto(acc, frames);
    for (int i = 0; i < 2 * frames; ++i) {
      out[i] = SoftLimit(acc[i]);
    }
    out += 2 * frames;
    frameCount -= frames;
  }
}

void VoiceRegistry::Attach(TSoundVoice* voice) {
  AudioLock lock(*this);
  voices.push_back(voice);
}

void VoiceRegistry::Detach(TSoundVoice* voice) {
  AudioLock lock(*this);
  voices.erase(std::remove(voices.begin(), voices.end(), voice), voices.end());
}

}  // namespace vontra
