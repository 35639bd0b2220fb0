#include "audio/music.h"

#include "app/mform.h"

namespace vontra {

namespace {

const char* const kMenuTune = "Data\\Music\\Menu.xm";
const char* const kRaceTune = "Data\\Music\\Race.xm";

}  // namespace

void PlaySong(TMForm& form, const std::string& fileName) {
  form.LastSongOrder = 0;
  if (!form.MusicOn) return;
  IMusicPlayer* player = form.platform.music.get();
  if (player == nullptr) return;
  if (form.SongHandle != 0) player->SongFree(form.SongHandle);
  form.SongHandle = player->SongLoadFromFile(form.platform.files->NativePath(fileName));
  if (form.SongHandle != 0) player->SongPlay(form.SongHandle);
}

void StopSong(TMForm& form) {
  if (form.SongHandle != 0 && form.platform.music) form.platform.music->SongFree(form.SongHandle);
  form.SongHandle = 0;
}

void PlayScreenMusic(TMForm& form) {
  PlaySong(form, form.ScreenState == ScreenStates::kRace ? kRaceTune : kMenuTune);
}

void MusicWatchdog(TMForm& form) {
  if (form.SongHandle == 0 || !form.platform.music) return;
  const int32_t order = form.platform.music->SongGetOrder(form.SongHandle);
  if (order != 0 || form.LastSongOrder == 0) {
    form.LastSongOrder = order;
  } else {
    PlayScreenMusic(form);
  }
}

void ToggleMusic(TMForm& form) {
  const bool wasOn = form.MusicOn;
  form.MusicOn = !form.MusicOn;
  if (wasOn) StopSong(form);
  if (form.MusicOn) PlayScreenMusic(form);
}

}  // namespace vontra
