#include "platform/xmp/xmp_music_player.h"

#include <xmp.h>

#include <algorithm>

namespace vontra {

namespace {

constexpr int kChunkFrames = 1024;

class DeviceLock {
 public:
  explicit DeviceLock(IAudioDevice& device) : device_(device) { device_.Lock(); }
  ~DeviceLock() { device_.Unlock(); }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  IAudioDevice& device_;
};

}  // namespace

XmpMusicPlayer::XmpMusicPlayer(IAudioDevice& device) : device_(device), buffer_(2 * kChunkFrames) {}

XmpMusicPlayer::~XmpMusicPlayer() {
  while (!songs_.empty()) SongFree(songs_.begin()->first);
}

void* XmpMusicPlayer::Context(int32_t handle) const {
  auto it = songs_.find(handle);
  return it == songs_.end() ? nullptr : it->second;
}

int32_t XmpMusicPlayer::SongLoadFromFile(const std::string& nativePath) {
  xmp_context context = xmp_create_context();
  if (context == nullptr) return 0;
  if (xmp_load_module(context, nativePath.c_str()) != 0) {
    xmp_free_context(context);
    return 0;
  }
  const int32_t handle = nextHandle_++;
  songs_[handle] = context;
  return handle;
}

void XmpMusicPlayer::SongPlay(int32_t handle) {
  auto context = static_cast<xmp_context>(Context(handle));
  if (context == nullptr) return;
  DeviceLock lock(device_);
  if (playing_ != nullptr) xmp_end_player(static_cast<xmp_context>(playing_));
  playing_ = nullptr;
  if (xmp_start_player(context, kMixRate, 0) == 0) playing_ = context;
}

void XmpMusicPlayer::SongFree(int32_t handle) {
  auto context = static_cast<xmp_context>(Context(handle));
  if (context == nullptr) return;
  {
    DeviceLock lock(device_);
    if (playing_ == context) {
      xmp_end_player(context);
      playing_ = nullptr;
    }
  }
  xmp_release_module(context);
  xmp_free_context(context);
  songs_.erase(handle);
}

int32_t XmpMusicPlayer::SongGetOrder(int32_t handle) {
  auto context = static_cast<xmp_context>(Context(handle));
  if (context == nullptr) return 0;
  DeviceLock lock(device_);
  if (playing_ != context) return 0;
  xmp_frame_info info{};
  xmp_get_frame_info(context, &info);
  return info.pos;
}

void XmpMusicPlayer::MixInto(int32_t* frames, int frameCount) {
  if (playing_ == nullptr) return;
  auto context = static_cast<xmp_context>(playing_);
  while (frameCount > 0) {
    const int chunk = std::min(frameCount, kChunkFrames);
    // Loop count 0: the module wraps to its start on its own and the game notices the wrap.
    if (xmp_play_buffer(context, buffer_.data(), chunk * 4, 0) != 0) return;
    for (int i = 0; i < 2 * chunk; ++i) frames[i] += buffer_[i];
    frames += 2 * chunk;
    frameCount -= chunk;
  }
}

}  // namespace vontra
