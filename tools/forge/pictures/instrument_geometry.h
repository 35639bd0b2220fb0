#pragma once

// Where the race screen writes its numbers and lights over the instrument panels, in screen
// pixels; the panels are drawn so that their windows and bays sit exactly there.

#include <cmath>

namespace vontra::forge::instruments {

inline constexpr double kRightPanelX = 800 - 135 - 1;

inline constexpr double kProgressX = 733;  // the progress marker's centre line
inline constexpr double kProgressTop = 40;
inline constexpr double kProgressBottom = 245;

inline constexpr double kAmmoLeft = 735, kAmmoRight = 771, kAmmoTop = 322, kAmmoBottom = 340;
inline constexpr double kWeaponBayX[5] = {689, 709, 729, 749, 769};
inline constexpr double kWeaponBayY = 341;
inline constexpr double kBonusBayX[2] = {691, 746};
inline constexpr double kBonusBayY = 417;
inline constexpr double kSecondsX[2] = {712, 765};

inline constexpr double kDialX = 718, kDialY = 544, kDialRadius = 45;

// The needle picture: pivot at 9/11 of its 44 pixels and 5/38 of its 38; at angle 0 it points
// from the pivot to the lower left.
inline constexpr double kPointerPivotX = 36, kPointerPivotY = 5;
inline constexpr double kPointerTipX = 4, kPointerTipY = 33;

// The game turns the needle by trunc(9.95 x speed) + 3 steps of 1/256 turn; the dial shows
// 14 km/h per unit of speed, so one km/h is 9.95 / 14 steps.
inline constexpr int kDialTopKmh = 250;    // the car's top speed, 125/7
inline constexpr int kDialTurboKmh = 300;  // with the turbo, 150/7
inline double DialAngle(double kmh) {
  const double zero = std::atan2(kPointerTipY - kPointerPivotY, kPointerTipX - kPointerPivotX);
  const double steps = 3 + kmh * 9.95 / 14;
  return zero + steps * 2 * M_PI / 256;
}

inline constexpr double kEnergyBarX = 167, kEnergyBarY = 576;
inline constexpr int kEnergyCells = 42;
inline constexpr double kEnergyCellY = 590;
inline constexpr double EnergyCellX(int i) {
  return 605 - 10 * i;
}

}  // namespace vontra::forge::instruments
