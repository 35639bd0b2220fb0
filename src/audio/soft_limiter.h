#pragma once
#include <cstdint>

namespace vontra {

// Where the mix starts to be bent, and the level it never goes above (below full scale, so a
// loud moment never clips in the sound card or in a recording of it).
constexpr int32_t kLimiterKnee = 24576;
constexpr int32_t kLimiterCeiling = 32000;

// One mixed sample made a 16-bit one: everything up to the knee passes unchanged, louder sums
// are bent smoothly (no corner at the knee, no gain that rises and falls with the music)
// toward the ceiling, which only sums far beyond full scale come to.
int16_t SoftLimit(int32_t sample);

}  // namespace vontra
