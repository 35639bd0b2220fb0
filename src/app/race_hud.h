#pragma once
// The race instruments drawn over the sprites every race frame: the speed needle, the level,
// score, clock and ammunition numbers, the weapon and bonus icons, the lives picture and the
// small car climbing the right-hand panel.
#include <array>
#include <cstdint>
#include <string_view>

namespace vontra {

class TMForm;

constexpr double kProgressStartY = 225;
constexpr double kProgressEndY = 40;

// The four clock digits (minutes tens and units, seconds tens and units) of a clock value.
std::array<int, 4> ClockDigits(int32_t timeLeftMs);
// The lives picture for a number of lives.
std::string_view LivesImage(int32_t lives);
// The needle's angle in 256ths of a turn for a speed and the current jitter.
int32_t NeedleAngle(double speed, int32_t jitter);

// Steps the jitter, then draws the needle rotated about its pivot.
void DrawNeedle(TMForm& form);
void DrawHudText(TMForm& form);
void UpdateHudPanels(TMForm& form);
void UpdateProgressCar(TMForm& form);

}  // namespace vontra
