#include "audio/sound_voice.h"

#include <algorithm>
#include <cmath>

#include "audio/sound_mixer.h"
#include "platform/audio_device.h"

namespace vontra {

namespace {

constexpr int32_t kSilentCentibels = -10000;

float CentibelsToGain(int32_t hundredthsOfDb) {
  if (hundredthsOfDb <= kSilentCentibels) return 0.0f;
  if (hundredthsOfDb >= 0) return 1.0f;
  return float(std::pow(10.0, double(hundredthsOfDb) / 2000.0));
}

}  // namespace

TSoundVoice::TSoundVoice(TSoundMixer& mixer, std::shared_ptr<const PcmSound> sound)
    : TSoundVoice(mixer.registry_, std::move(sound)) {}

TSoundVoice::TSoundVoice(std::shared_ptr<VoiceRegistry> registry,
                         std::shared_ptr<const PcmSound> sound)
    : registry_(std::move(registry)), sound_(std::move(sound)) {
  UpdateStep();
  registry_->Attach(this);
}

TSoundVoice::~TSoundVoice() {
  registry_->Detach(this);
}

std::unique_ptr<TSoundVoice> TSoundVoice::Duplicate() const {
  auto copy = std::make_unique<TSoundVoice>(registry_, sound_);
  AudioLock lock(*registry_);
  copy->frequency_ = frequency_;
  copy->pan_ = pan_;
  copy->volume_ = volume_;
  copy->UpdateStep();
  copy->UpdateGains();
  return copy;
}

void TSoundVoice::Play(bool looped) {
  AudioLock lock(*registry_);
  looped_ = looped;
  playing_ = sound_->FrameCount() > 0;
}

void TSoundVoice::Stop() {
  AudioLock lock(*registry_);
  playing_ = false;
}

void TSoundVoice::Rewind() {
  AudioLock lock(*registry_);
  position_ = 0;
}

bool TSoundVoice::IsPlaying() const {
  AudioLock lock(*registry_);
  return playing_;
}

void TSoundVoice::SetFrequency(int32_t hz) {
  AudioLock lock(*registry_);
  frequency_ = hz;
  UpdateStep();
}

void TSoundVoice::SetPan(int32_t pan) {
  AudioLock lock(*registry_);
  pan_ = std::clamp(pan, -10000, 10000);
  UpdateGains();
}

void TSoundVoice::SetVolume(int32_t volume) {
  AudioLock lock(*registry_);
  volume_ = std::clamp(volume, kSilentCentibels, 0);
  UpdateGains();
}

void TSoundVoice::UpdateStep() {
  const int64_t rate = frequency_ > 0 ? frequency_ : sound_->sampleRate;
  step_ = (uint64_t(std::max<int64_t>(rate, 0)) << 32) / uint64_t(kMixRate);
}

void TSoundVoice::UpdateGains() {
  const float gain = CentibelsToGain(volume_);
  gainLeft_ = gain * (pan_ > 0 ? CentibelsToGain(-pan_) : 1.0f);
  gainRight_ = gain * (pan_ < 0 ? CentibelsToGain(pan_) : 1.0f);
}

void TSoundVoice::MixInto(int32_t* acc, int frames) {
  const int count = sound_->FrameCount();
  const int channels = sound_->channels;
  const int16_t* s = sound_->samples.data();
  const uint64_t end = uint64_t(count) << 32;
  for (int i = 0; i < frames; ++i) {
    if (position_ >= end) {
      if (!looped_ || count == 0) {
        playing_ = false;
        position_ = end;
        return;
      }
      position_ %= end;
    }
    const int index = int(position_ >> 32);
    // The neighbour for interpolation: across the seam a loop continues at its start.
    int next = index + 1;
    if (next >= count) next = looped_ ? 0 : index;
    const float frac = float(uint32_t(position_)) * (1.0f / 4294967296.0f);
    const int16_t* a = s + index * channels;
    const int16_t* b = s + next * channels;
    const float left = float(a[0]) + float(b[0] - a[0]) * frac;
    const float right = channels == 2 ? float(a[1]) + float(b[1] - a[1]) * frac : left;
    acc[2 * i] += int32_t(std::lrint(left * gainLeft_));
    acc[2 * i + 1] += int32_t(std::lrint(right * gainRight_));
    position_ += step_;
  }
}

}  // namespace vontra
