#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace vontra {

class TMenuButton;
class TCaptionSprite;

struct THighScore {
  std::string Name;  // Windows-1251
  int32_t Score = 0;
  // Two further values the game never sets; kept as read so the file round-trips.
  int32_t Level = 0;
  int32_t Extra = 0;
};

// The front end's share of the game state: button slots, menu screens, options, the
// high-score table and name entry. Strings are Windows-1251. The buttons and pictures are owned
// here; the screen that made one frees it (FreeButtons, or by resetting the field), the rest go
// with the state.
struct FrontEndState {
  // Out of line, where the sprites' types are complete.
  FrontEndState();
  ~FrontEndState();
  FrontEndState(FrontEndState&&) noexcept;
  FrontEndState& operator=(FrontEndState&&) noexcept;

  std::unique_ptr<TMenuButton> WidgetSlots[13];  // 1..12
  int32_t SelectedWidget = 0;
  int32_t FirstSelectable = 0;
  int32_t LastSelectable = 0;
  int32_t ButtonCount = 0;
  bool NavLatch = false;
  bool NavHitEnd = false;
  bool SilentFirstHighlight = false;
  int32_t MouseX = 0;
  int32_t MouseY = 0;

  std::unique_ptr<TCaptionSprite> ScreenCaption;
  std::unique_ptr<TCaptionSprite> UpPanel;
  std::unique_ptr<TCaptionSprite> DownPanel;
  int32_t MenuIntroPhase = 0;
  int32_t MenuEntryMode = 0;
  int32_t HelpPage = 0;

  // The open sub-screen's own pictures (only one sub-screen is open at a time).
  std::unique_ptr<TCaptionSprite> SubScreenBackground;
  std::unique_ptr<TCaptionSprite> HelpIcons[8];
  std::unique_ptr<TCaptionSprite> CreditsPicture;
  std::unique_ptr<TCaptionSprite> OptionLabels[4];

  // The open message window's frame, and the screen's buttons kept while a question is open.
  std::unique_ptr<TCaptionSprite> WindowFrame;
  int32_t SavedSelectedWidget = 0;
  int32_t SavedFirstSelectable = 0;
  int32_t SavedLastSelectable = 0;
  int32_t SavedButtonCount = 0;

  bool MusicOn = true;
  bool SoundOn = true;
  std::string ExtraText;
  bool EditingExtraText = false;

  THighScore HighScores[12];  // 1..10, 11 is the scratch row for a new entry
  std::string HighScoreCheck;
  std::string PlayerName;
  std::unique_ptr<TCaptionSprite> TextCursor;
  int32_t CursorBlinkTimer = 0;

  // The name picker that lets a pad type: shown in the name entry while the pad is the input
  // in use (its last press came after the last key). The cursor is an index into the
  // picker's characters; a held direction steps again after a delay.
  bool PadInUse = false;
  int32_t PickerIndex = 0;
  int32_t PickerDirection = 0;  // the direction held at the last frame, 0 for none
  int32_t PickerRepeatMs = 0;
  bool PickerArmed = false;  // directions act only once they have been let go
};

}  // namespace vontra
