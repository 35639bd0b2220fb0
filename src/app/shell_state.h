#pragma once
#include <cstdint>

#include "app/game_random.h"
#include "app/named_states.h"
#include "platform/input_states.h"
#include "platform/window.h"

namespace vontra {

class TMyCarSprite;
class TBullets;
class TScrollBackground;
class TCaptionSprite;
class TExplosion;

// The game shell's share of the game state: screens, frame timing, the race and its HUD,
// the keyboard flags and the display option.
struct ShellState {
  ScreenStates ScreenState = ScreenStates::kCreating;
  WindowKinds WindowKind = WindowKinds::kNone;
  int32_t WindowTimer = 0;

  int32_t FrameRate = 0;
  int32_t FrameTimeMs = 15;
  double SpeedFactor = 1.0;

  int32_t Level = 0;
  int32_t Score = 0;
  int32_t Lives = 0;
  int32_t TimeLeftMs = 0;
  double FinishY = 0;
  int32_t CarChoice = 0;

  TMyCarSprite* PlayerCar = nullptr;
  TBullets* PlayerBullets = nullptr;
  TScrollBackground* Background = nullptr;

  bool ShakeActive = false;
  int32_t ShakeDX = 0;
  int32_t ShakeDY = 0;
  int32_t ShakeTimer = 0;
  int32_t ShakeCount = 0;

  TCaptionSprite* LeftPanelSprite = nullptr;
  TCaptionSprite* RightPanelSprite = nullptr;
  TCaptionSprite* ProgressCarSprite = nullptr;
  TCaptionSprite* NeedleSprite = nullptr;
  TCaptionSprite* LivesSprite = nullptr;
  TCaptionSprite* EnergyBarSprite = nullptr;
  TCaptionSprite* WeaponIcons[kHudIconCount + 1] = {};  // indexed by HudIcons, 1..7
  int32_t ShownLives = 0;
  int32_t NeedleTimer = 0;
  int32_t NeedleJitter = 0;

  TExplosion* EngineFireSprite = nullptr;
  TExplosion* GunFireSprite = nullptr;
  TExplosion* MicroExplosion = nullptr;
  TExplosion* BigExplosion = nullptr;
  // BigExplosion's frame position at the car's previous move: a smaller one means it wrapped.
  double LastBigExplosionPos = 0;

  // The input states as read at the start of this tick.
  InputStateSet InputStates;
  bool CtrlDown = false;
  bool PausePressed = false, PauseHeld = false;
  bool EscapePressed = false, EscapeHeld = false;
  bool YesPressed = false, YesHeld = false;
  bool NoPressed = false, NoHeld = false;

  uint8_t FullScreen = 0;
  WindowPlacement SavedPlacement;
  bool SavedPlacementValid = false;

  GameRandom Random;
};

}  // namespace vontra
