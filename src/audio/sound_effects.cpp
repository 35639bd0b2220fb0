#include "audio/sound_effects.h"

#include "app/mform.h"
#include "assets/wave_collection.h"
#include "audio/sound_mixer.h"

namespace vontra {

void PlaySound(TMForm& form, std::string_view name) {
  if (!form.SoundOn || !form.MDXWaveList) return;
  TWaveCollectionItem& item = form.MDXWaveList->Find(name);
  item.Stop();
  if (form.MDXSound) item.Play(*form.MDXSound, false);
}

void StopSound(TMForm& form, std::string_view name) {
  if (!form.SoundOn || !form.MDXWaveList) return;
  form.MDXWaveList->Find(name).Stop();
}

}  // namespace vontra
