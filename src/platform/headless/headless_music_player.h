#pragma once
#include <map>
#include <string>

#include "platform/music_player.h"

namespace vontra {

// A module player that plays nothing: it loads any file that exists and reports the order
// position a test sets, so the game's music control can be checked without sound.
class HeadlessMusicPlayer : public IMusicPlayer {
 public:
  int32_t SongLoadFromFile(const std::string& nativePath) override;
  void SongPlay(int32_t handle) override;
  void SongFree(int32_t handle) override;
  int32_t SongGetOrder(int32_t handle) override;
  void MixInto(int32_t*, int) override {}

  // Test controls and probes.
  void SetOrder(int32_t order) { order_ = order; }
  int32_t PlayingHandle() const { return playing_; }
  // The file of the song that plays, empty when none does.
  std::string PlayingPath() const;
  int LoadCount() const { return loadCount_; }
  int LoadedSongCount() const { return int(songs_.size()); }

 private:
  std::map<int32_t, std::string> songs_;
  int32_t nextHandle_ = 1;
  int32_t playing_ = 0;
  int32_t order_ = 0;
  int loadCount_ = 0;
};

}  // namespace vontra
