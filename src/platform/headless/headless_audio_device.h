#pragma once
#include <mutex>
#include <vector>

#include "platform/audio_device.h"

namespace vontra {

// A sound card that tests drive by hand: Pull asks for frames as the audio thread would.
// Built "without a sound card", Open fails and the game has to run silently.
class HeadlessAudioDevice : public IAudioDevice {
 public:
  explicit HeadlessAudioDevice(bool available = true) : available_(available) {}

  bool Open(FillCallback fill) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  void Lock() override { mutex_.lock(); }
  void Unlock() override { mutex_.unlock(); }

  // Interleaved stereo frames from the fill callback; silence while the device is closed.
  std::vector<int16_t> Pull(int frameCount);

 private:
  bool available_;
  bool open_ = false;
  FillCallback fill_;
  std::recursive_mutex mutex_;
};

}  // namespace vontra
