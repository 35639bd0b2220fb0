#pragma once
#include <cstdint>
#include <functional>

namespace vontra {

constexpr int kMixRate = 44100;

// The sound card: pulls interleaved 16-bit stereo frames at 44.1 kHz from a fill callback
// that runs on the audio thread. Lock() / Unlock() keep the callback out while the game
// thread changes what it reads.
class IAudioDevice {
 public:
  using FillCallback = std::function<void(int16_t* frames, int frameCount)>;
  virtual ~IAudioDevice() = default;
  // False when no device can be opened; the game then runs silently.
  virtual bool Open(FillCallback fill) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
};

}  // namespace vontra
