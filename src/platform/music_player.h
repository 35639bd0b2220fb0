#pragma once
#include <cstdint>
#include <string>

namespace vontra {

// Tracker-module player. Handles are positive; 0 means none or failure.
class IMusicPlayer {
 public:
  virtual ~IMusicPlayer() = default;
  virtual int32_t SongLoadFromFile(const std::string& nativePath) = 0;
  virtual void SongPlay(int32_t handle) = 0;
  virtual void SongFree(int32_t handle) = 0;
  virtual int32_t SongGetOrder(int32_t handle) = 0;
  // Renders the playing song into interleaved 16-bit stereo frames at 44.1 kHz, adding to
  // what the buffer holds (called by the mixer, on the audio thread).
  virtual void MixInto(int32_t* frames, int frameCount) = 0;
};

}  // namespace vontra
