#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "audio/pcm_sound.h"

namespace vontra {

class TSoundMixer;
class TSoundVoice;

// How a sound item wants its voices played.
struct WavePlaySettings {
  bool looped = false;
  int32_t maxPlayingCount = 0;  // 0 = unlimited
  int32_t frequency = 0;
  int32_t pan = 0;
  int32_t volume = 0;
};

// The voices of one sound item, oldest first. The first voice is made on the first play
// (the sound is decoded then); copies follow the rules of Play.
class TWaveVoices {
 public:
  TWaveVoices();
  ~TWaveVoices();
  TWaveVoices(const TWaveVoices&) = delete;
  TWaveVoices& operator=(const TWaveVoices&) = delete;

  // Starts one voice: a looped sound restarts its single voice looping; otherwise the first
  // idle voice is taken, else a new copy is made, else (MaxPlayingCount reached) the oldest
  // is taken and moved to the end. Returns the voice started, or nullptr when the mixer is not
  // ready (no sound card): then nothing happens.
  TSoundVoice* Play(TSoundMixer& mixer, const std::vector<uint8_t>& format,
                    const std::vector<uint8_t>& data, const WavePlaySettings& settings);
  // Stops every voice.
  void Stop();
  // Frees the voices past the first `maxPlayingCount` (after MaxPlayingCount changes).
  void Trim(int32_t maxPlayingCount);
  // Frees every voice (the wave changed, or the item goes).
  void Clear();
  bool AnyPlaying() const;

  int Count() const { return int(voices_.size()); }
  const TSoundVoice& Voice(int index) const { return *voices_.at(size_t(index)); }

 private:
  std::vector<std::unique_ptr<TSoundVoice>> voices_;
};

}  // namespace vontra
