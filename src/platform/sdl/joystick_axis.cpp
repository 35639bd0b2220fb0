#include "platform/sdl/joystick_axis.h"

#include <cstdlib>

namespace vontra {
namespace {

constexpr int kRange = 1000;
constexpr int kDeadZone = kRange / 2;

}  // namespace

int ScaleJoystickAxis(int16_t raw) {
  // SDL's travel is one step longer below the centre; both ends reach the full range.
  const int travel = raw < 0 ? 32768 : 32767;
  const int scaled = raw * kRange / travel;
  const int magnitude = std::abs(scaled);
  if (magnitude <= kDeadZone) return 0;
  const int stretched = (magnitude - kDeadZone) * kRange / (kRange - kDeadZone);
  return scaled < 0 ? -stretched : stretched;
}

}  // namespace vontra
