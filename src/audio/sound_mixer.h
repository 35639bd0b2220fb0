#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio_device.h"
#include "platform/music_player.h"

namespace vontra {

class TSoundVoice;

// The voices a mixer plays, and the lock that guards them. Shared by the mixer and its voices,
// so that either may be destroyed first.
class VoiceRegistry {
 public:
  explicit VoiceRegistry(IAudioDevice& device) : device(device) {}
  void Lock() { device.Lock(); }
  void Unlock() { device.Unlock(); }
  void Attach(TSoundVoice* voice);
  void Detach(TSoundVoice* voice);

  IAudioDevice& device;
  std::vector<TSoundVoice*> voices;
};

// The sound output: mixes every playing effect voice and the music player's output into the
// 44.1 kHz 16-bit stereo buffers the audio device pulls. Loud sums are bent softly below full
// scale (never wrapped, never clipped).
// Without an audio device (no sound card) it stays closed and the game runs silently.
class TSoundMixer {
 public:
  TSoundMixer(IAudioDevice& device, IMusicPlayer* music);
  ~TSoundMixer();
  TSoundMixer(const TSoundMixer&) = delete;
  TSoundMixer& operator=(const TSoundMixer&) = delete;

  // Opens the device with this mixer as its source; false when there is none.
  bool Open();
  void Close();
  // The sound platform is ready: voices can be made and played.
  bool IsReady() const { return device_.IsOpen(); }

  // Fills interleaved stereo frames. Called by the device with its lock held.
  void Mix(int16_t* out, int frameCount);

  void Lock() { device_.Lock(); }
  void Unlock() { device_.Unlock(); }

 private:
  friend class TSoundVoice;

  IAudioDevice& device_;
  IMusicPlayer* music_;
  std::shared_ptr<VoiceRegistry> registry_;
  std::vector<int32_t> accumulator_;
};

// Holds the audio device's lock for a scope.
template <typename Lockable>
class AudioLock {
 public:
  explicit AudioLock(Lockable& target) : target_(target) { target_.Lock(); }
  ~AudioLock() { target_.Unlock(); }
  AudioLock(const AudioLock&) = delete;
  AudioLock& operator=(const AudioLock&) = delete;

 private:
  Lockable& target_;
};

}  // namespace vontra
