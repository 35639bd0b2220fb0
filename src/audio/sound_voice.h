#pragma once
#include <cstdint>
#include <memory>

#include "audio/pcm_sound.h"

namespace vontra {

class TSoundMixer;
class VoiceRegistry;

// One playing buffer of a sound: start once or looping, stop, rewind, frequency, pan, volume,
// and whether it still plays. Every call is safe from the game thread: it takes the audio
// device's lock, because the mixer reads the voice on the audio thread.
class TSoundVoice {
 public:
  TSoundVoice(TSoundMixer& mixer, std::shared_ptr<const PcmSound> sound);
  TSoundVoice(std::shared_ptr<VoiceRegistry> registry, std::shared_ptr<const PcmSound> sound);
  ~TSoundVoice();
  TSoundVoice(const TSoundVoice&) = delete;
  TSoundVoice& operator=(const TSoundVoice&) = delete;

  // A new, stopped voice of the same sound with the same settings.
  std::unique_ptr<TSoundVoice> Duplicate() const;

  void Play(bool looped);
  void Stop();
  void Rewind();
  bool IsPlaying() const;

  // Playback rate in Hz; 0 or less means the sound's own rate.
  void SetFrequency(int32_t hz);
  // Hundredths of a decibel taken off the opposite side: -10000 (left only) .. 10000 (right).
  void SetPan(int32_t pan);
  // Hundredths of a decibel: 0 is full volume, -10000 silent.
  void SetVolume(int32_t volume);

  const PcmSound& Sound() const { return *sound_; }

 private:
  friend class TSoundMixer;
  // Audio thread, under the lock: adds this voice to a stereo accumulator.
  void MixInto(int32_t* acc, int frames);
  void UpdateGains();
  void UpdateStep();

  std::shared_ptr<VoiceRegistry> registry_;
  std::shared_ptr<const PcmSound> sound_;
  uint64_t position_ = 0;  // source frames, 32.32 fixed point
  uint64_t step_ = 0;
  int32_t frequency_ = 0, pan_ = 0, volume_ = 0;
  float gainLeft_ = 1.0f, gainRight_ = 1.0f;
  bool playing_ = false;
  bool looped_ = false;
};

}  // namespace vontra
