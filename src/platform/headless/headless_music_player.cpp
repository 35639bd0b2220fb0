#include "platform/headless/headless_music_player.h"

#include <filesystem>

namespace vontra {

int32_t HeadlessMusicPlayer::SongLoadFromFile(const std::string& nativePath) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(nativePath, error)) return 0;
  ++loadCount_;
  const int32_t handle = nextHandle_++;
  songs_[handle] = nativePath;
  return handle;
}

void HeadlessMusicPlayer::SongPlay(int32_t handle) {
  if (!songs_.count(handle)) return;
  playing_ = handle;
  order_ = 0;
}

void HeadlessMusicPlayer::SongFree(int32_t handle) {
  songs_.erase(handle);
  if (playing_ == handle) {
    playing_ = 0;
    order_ = 0;
  }
}

int32_t HeadlessMusicPlayer::SongGetOrder(int32_t handle) {
  return handle != 0 && handle == playing_ ? order_ : 0;
}

std::string HeadlessMusicPlayer::PlayingPath() const {
  auto it = songs_.find(playing_);
  return it == songs_.end() ? std::string() : it->second;
}

}  // namespace vontra
