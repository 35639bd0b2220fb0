#include "platform/sdl/sdl_audio_device.h"

#include <SDL.h>

#include <cstring>

namespace vontra {

namespace {
constexpr int kBufferFrames = 1024;
}

SdlAudioDevice::~SdlAudioDevice() {
  Close();
}

bool SdlAudioDevice::Open(FillCallback fill) {
  if (device_ != 0) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  subsystemStarted_ = true;
  fill_ = std::move(fill);
  SDL_AudioSpec want{};
  want.freq = kMixRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = kBufferFrames;
  want.callback = &SdlAudioDevice::Callback;
  want.userdata = this;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the card takes, so the mixer always sees
  // 44.1 kHz 16-bit stereo.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    Close();
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlAudioDevice::Close() {
  if (device_ != 0) {
    SDL_CloseAudioDevice(device_);
    device_ = 0;
  }
  if (subsystemStarted_) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystemStarted_ = false;
  }
  fill_ = nullptr;
}

void SdlAudioDevice::Lock() {
  if (device_ != 0) SDL_LockAudioDevice(device_);
}

void SdlAudioDevice::Unlock() {
  if (device_ != 0) SDL_UnlockAudioDevice(device_);
}

void SdlAudioDevice::Callback(void* self, uint8_t* stream, int length) {
  auto* device = static_cast<SdlAudioDevice*>(self);
  if (device->fill_) {
    device->fill_(reinterpret_cast<int16_t*>(stream), length / 4);
  } else {
    std::memset(stream, 0, size_t(length));
  }
}

}  // namespace vontra
