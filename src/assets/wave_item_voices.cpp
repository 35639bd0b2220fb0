#include <chrono>
#include <thread>

#include "assets/wave_collection.h"
#include "audio/sound_voice.h"

namespace vontra {

void TWaveCollectionItem::Play(TSoundMixer& mixer, bool wait) {
  WavePlaySettings settings;
  settings.looped = Looped();
  settings.maxPlayingCount = MaxPlayingCount();
  settings.frequency = Frequency;
  settings.pan = Pan;
  settings.volume = Volume;
  TSoundVoice* voice = Voices.Play(mixer, Wave.Format, Wave.Data, settings);
  // A looped voice never ends by itself, so waiting for it would never return.
  if (!wait || voice == nullptr || settings.looped) return;
  while (voice->IsPlaying()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void TWaveCollectionItem::Stop() {
  Voices.Stop();
}

}  // namespace vontra
