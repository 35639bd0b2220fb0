#pragma once
#include <cstdint>

#include "platform/audio_device.h"

namespace vontra {

// The sound card through SDL: 44.1 kHz signed 16-bit stereo, pulled by SDL's audio thread in
// buffers of 1024 frames (about 23 ms). SDL holds the device lock around each callback.
class SdlAudioDevice : public IAudioDevice {
 public:
  SdlAudioDevice() = default;
  ~SdlAudioDevice() override;
  SdlAudioDevice(const SdlAudioDevice&) = delete;
  SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

  bool Open(FillCallback fill) override;
  void Close() override;
  bool IsOpen() const override { return device_ != 0; }
  void Lock() override;
  void Unlock() override;

 private:
  static void Callback(void* self, uint8_t* stream, int length);

  uint32_t device_ = 0;
  bool subsystemStarted_ = false;
  FillCallback fill_;
};

}  // namespace vontra
