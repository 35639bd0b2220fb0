#include "platform/headless/headless_audio_device.h"

namespace vontra {

bool HeadlessAudioDevice::Open(FillCallback fill) {
  if (!available_) return false;
  std::lock_guard lock(mutex_);
  fill_ = std::move(fill);
  open_ = true;
  return true;
}

void HeadlessAudioDevice::Close() {
  std::lock_guard lock(mutex_);
  open_ = false;
  fill_ = nullptr;
}

std::vector<int16_t> HeadlessAudioDevice::Pull(int frameCount) {
  std::vector<int16_t> frames(size_t(2 * frameCount), 0);
  std::lock_guard lock(mutex_);
  if (open_ && fill_) fill_(frames.data(), frameCount);
  return frames;
}

}  // namespace vontra
