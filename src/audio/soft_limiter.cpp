#include "audio/soft_limiter.h"

#include <cmath>

namespace vontra {

int16_t SoftLimit(int32_t sample) {
  const int64_t size = sample < 0 ? -static_cast<int64_t>(sample) : sample;
  if (size <= kLimiterKnee) return static_cast<int16_t>(sample);
  // Slope 1 at the knee, flattening toward the ceiling, which tanh never reaches.
  constexpr double kRoom = kLimiterCeiling - kLimiterKnee;
  const double over = static_cast<double>(size - kLimiterKnee) / kRoom;
  const auto bent = static_cast<int32_t>(kLimiterKnee + kRoom * std::tanh(over));
  return static_cast<int16_t>(sample < 0 ? -bent : bent);
}

}  // namespace vontra
