#pragma once
#include <map>
#include <vector>

#include "platform/audio_device.h"
#include "platform/music_player.h"

namespace vontra {

// Tracker modules through libxmp. One player context per loaded song; the song that plays is
// rendered on the audio thread by MixInto, so starting, switching and freeing take the audio
// device's lock.
class XmpMusicPlayer : public IMusicPlayer {
 public:
  explicit XmpMusicPlayer(IAudioDevice& device);
  ~XmpMusicPlayer() override;
  XmpMusicPlayer(const XmpMusicPlayer&) = delete;
  XmpMusicPlayer& operator=(const XmpMusicPlayer&) = delete;

  int32_t SongLoadFromFile(const std::string& nativePath) override;
  void SongPlay(int32_t handle) override;
  void SongFree(int32_t handle) override;
  int32_t SongGetOrder(int32_t handle) override;
  void MixInto(int32_t* frames, int frameCount) override;

 private:
  void* Context(int32_t handle) const;

  IAudioDevice& device_;
  std::map<int32_t, void*> songs_;  // xmp_context values
  int32_t nextHandle_ = 1;
  void* playing_ = nullptr;
  std::vector<int16_t> buffer_;
};

}  // namespace vontra
