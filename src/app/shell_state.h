#pragma once
#include <cstdint>
#include <memory>

#include "app/named_states.h"
#include "platform/input_states.h"
#include "platform/window.h"

namespace vontra {

class TScrollBackground;
class TCaptionSprite;

// The game shell's share of the game state: screens, the race's HUD, the keyboard flags and
// the display option (the race itself is RaceState).
struct ShellState {
  ScreenStates ScreenState = ScreenStates::kCreating;
  WindowKinds WindowKind = WindowKinds::kNone;
  int32_t WindowTimer = 0;

  int32_t CarChoice = 0;

  // The window's one backdrop and the race's HUD pictures, owned here.
  std::unique_ptr<TScrollBackground> Background;

  std::unique_ptr<TCaptionSprite> LeftPanelSprite;
  std::unique_ptr<TCaptionSprite> RightPanelSprite;
  std::unique_ptr<TCaptionSprite> ProgressCarSprite;
  std::unique_ptr<TCaptionSprite> NeedleSprite;
  std::unique_ptr<TCaptionSprite> LivesSprite;
  std::unique_ptr<TCaptionSprite> EnergyBarSprite;
  std::unique_ptr<TCaptionSprite> WeaponIcons[kHudIconCount + 1];  // indexed by HudIcons, 1..7
  int32_t ShownLives = 0;
  int32_t NeedleTimer = 0;
  int32_t NeedleJitter = 0;

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
};

}  // namespace vontra
