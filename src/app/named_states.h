#pragma once
// Every state and code of the game that other code switches on, in one place. The values are the
// game's own: some of them are written to the recordings and the save files, so a value here must
// never change; add new members with new values.
#include <cstdint>
#include <type_traits>

namespace vontra {

// The screen whose frame routine the tick runs.
enum class ScreenStates : int32_t {
  kCreating = -1,  // the main window is being built; no frame routine
  kMainMenu = 0,   // also the backdrop of the sub-screens
  kRace = 1,
  kOptions = 2,
  kHighScores = 3,
  kHelp = 4,
  kCarChoice = 8,
};

// The message window open over the current screen. Kinds up to kGameOver belong to the race.
enum class WindowKinds : uint8_t {
  kNone = 0,
  kLevelBanner = 1,
  kPause = 2,
  kTimeOver = 3,
  kFinishQuestion = 4,
  kNameEntry = 5,
  kSendQuestion = 6,
  kSending = 7,
  kGameOver = 8,
  kQuitQuestion = 9,
  kClearQuestion = 10,
};

// The player's car.
enum class CarStates : uint8_t {
  kDriving = 0,
  kDestroyed = 1,  // its explosion is playing
  kFinished = 2,   // past the finish line
};

// The car's automatic speed change in progress.
enum class SpeedModes : int32_t {
  kNone = 0,
  kSpikes = -5,        // braked by spikes; the accelerator is ignored
  kUpToTarget = -4,    // speed up to TargetSpeed
  kDownToTarget = -3,  // slow down to TargetSpeed
  kSkidLeft = -2,
  kSkidRight = 2,
};

// What a bonus gives the car (GiveBonus / LoseBonus).
enum class BonusCodes : int32_t {
  kNone = -1,  // a road object that is not a bonus
  kGun = 0,
  kTurbo = 1,
  kShield = 2,
  kTwinGuns = 3,
  kRocket = 4,
  kTwinRockets = 5,
  kMegaBomb = 6,
  kRepair = 7,
};

// A shot's kind decides its picture, its damage and its explosion.
enum class ShotKinds : int32_t {
  kShell = 0,  // light shell of the twin guns
  kRocket = 1,
  kMachineGun = 2,
};

// Who fired a shot.
enum class ShotOwners : uint8_t {
  kPlayer = 0,
  kTraffic = 1,
};

// The weapon on a traffic car's roof.
enum class TrafficWeapons : int32_t {
  kNone = 0,
  kMachineGun = 1,
  kTwinGuns = 2,
  kRocket = 3,
  kTwinRockets = 4,
};
constexpr int kTrafficWeaponCount = 5;  // kNone included: a car's weapon is drawn from them

// The instrument-panel icons, WeaponIcons[1..7].
enum class HudIcons : int {
  kGun = 1,
  kTwinGuns = 2,
  kRocket = 3,
  kTwinRockets = 4,
  kMegaBomb = 5,
  kTurbo = 6,
  kShield = 7,
};
constexpr int kHudIconCount = 7;

// The road-object kinds that code refers to by name; the table in road/wall_kinds.cpp has them all.
enum class RoadObjectKinds : uint8_t {
  kGun = 0,
  kEngine = 1,
  kShield = 2,
  kEnergy = 3,
  kGun2 = 4,
  kRockets = 5,
  kRockets2 = 6,
  kMegaBomb = 7,
  kCrack = 8,
  kWaterSmall = 9,
  kStonesSmall = 10,
  kSpikesBig = 11,
  kSpikesSmall = 12,
  kWallSmall = 13,
  kUnused1 = 24,
  kUnused2 = 25,
  kFirstCar = 26,
  kCar6 = 28,
  kCar6Inv = 29,
  kCar12 = 40,
  kCar12Inv = 41,
  kLastCar = 57,
  kFinishLine = 58,
};
constexpr int kRoadObjectKindCount = 59;

// The stored integer of a state, for the recordings, the logs and the tables indexed by it.
template <typename E>
constexpr auto ToInt(E e) {
  return static_cast<std::underlying_type_t<E>>(e);
}

}  // namespace vontra
