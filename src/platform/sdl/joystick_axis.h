#pragma once
#include <cstdint>

namespace vontra {

// A raw SDL axis value scaled to -1000..1000 with a dead zone of half the travel: within it
// the axis reads 0, beyond it the rest of the travel is stretched over 0..1000.
int ScaleJoystickAxis(int16_t raw);

}  // namespace vontra
