#include "audio/wave_voices.h"

#include <algorithm>

#include "audio/sound_mixer.h"
#include "audio/sound_voice.h"

namespace vontra {

TWaveVoices::TWaveVoices() = default;
TWaveVoices::~TWaveVoices() = default;

TSoundVoice* TWaveVoices::Play(TSoundMixer& mixer, const std::vector<uint8_t>& format,
                               const std::vector<uint8_t>& data, const WavePlaySettings& settings) {
  if (!mixer.IsReady()) return nullptr;
  // Everything below is one step for the audio thread: it never sees a half-started voice.
  AudioLock lock(mixer);
  if (voices_.empty()) {
    voices_.push_back(std::make_unique<TSoundVoice>(mixer, DecodePcm(format, data)));
  }
  TSoundVoice* voice = nullptr;
  if (settings.looped) {
    voice = voices_.front().get();
  } else {
    auto idle =
        std::find_if(voices_.begin(), voices_.end(), [](const auto& v) { return !v->IsPlaying(); });
    if (idle != voices_.end()) {
      voice = idle->get();
    } else if (settings.maxPlayingCount <= 0 || int(voices_.size()) < settings.maxPlayingCount) {
      voices_.push_back(voices_.front()->Duplicate());
      voice = voices_.back().get();
    } else {
      std::rotate(voices_.begin(), voices_.begin() + 1, voices_.end());
      voice = voices_.back().get();
    }
  }
  voice->Stop();
  voice->Rewind();
  voice->SetFrequency(settings.frequency);
  voice->SetPan(settings.pan);
  voice->SetVolume(settings.volume);
  voice->Play(settings.looped);
  return voice;
}

void TWaveVoices::Stop() {
  for (auto& voice : voices_) voice->Stop();
}

void TWaveVoices::Trim(int32_t maxPlayingCount) {
  const size_t keep = size_t(std::max(maxPlayingCount, 1));
  if (maxPlayingCount > 0 && voices_.size() > keep) voices_.resize(keep);
}

void TWaveVoices::Clear() {
  voices_.clear();
}

bool TWaveVoices::AnyPlaying() const {
  return std::any_of(voices_.begin(), voices_.end(), [](const auto& v) { return v->IsPlaying(); });
}

}  // namespace vontra
