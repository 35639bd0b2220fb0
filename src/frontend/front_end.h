#pragma once
// The front end as the shell sees it, and the only front-end header that app/ includes: the
// routines of the screens and message windows that the shell calls (the frame routine of each
// screen state, the click routine the dispatcher hands a click to, the two character editors,
// the openers), the frame and text operations every frame routine uses, and the static pictures
// the race's instruments are made of. Each screen defines its own routines in its file.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/named_states.h"
#include "platform/events.h"
#include "sprites/image_sprite.h"

namespace vontra {

class TMForm;
class TextCanvas;
class IFontRasterizer;

// Every static picture of the front end and the HUD: backgrounds, labels, panels, the cursor.
class TCaptionSprite : public TImageSprite {
 public:
  // Created under the root at depth 3, centred on the 800 x 601 drawing control. The picture
  // comes from the race list on the race screen or when asked, else from the menu list.
  TCaptionSprite(TMForm& form, std::string_view imageName, bool fromRaceImages = false);
  // Looks the name up in the list chosen by UseRaceImages.
  void SetImageByName(std::string_view imageName);

  bool UseRaceImages = false;

 private:
  TMForm& form_;
};

// A picture at its top-left corner (x, y), from the menu list (the race list on the race screen),
// for the field of the state that owns it.
std::unique_ptr<TCaptionSprite> NewCaption(TMForm& form, std::string_view image, double x, double y,
                                           int32_t z, bool visible = true,
                                           bool fromRaceImages = false);
void EnableFrameTimer(TMForm& form, bool enabled);

// Starts a frame: black, then the sprite tree's move pass (when moveFirst) and draw pass.
void RenderScene(TMForm& form, int moveCount, bool moveFirst);
// Shows the finished frame.
void PresentFrame(TMForm& form);

// The text operations every screen uses, over the main window's canvas and frame.
void SelectFontStyle(TMForm& form, int n);
int TextWidth(TMForm& form, const std::string& text);
int TextHeight(TMForm& form, const std::string& text);
void DrawText(TMForm& form, const std::string& text, int x, int y, bool centreX);
void DrawTextAnchored(TMForm& form, const std::string& text, int x, int y, bool centreY,
                      bool centreX);

// The main window's text canvas, made and freed here so that the window needs only its name.
struct TextCanvasDeleter {
  void operator()(TextCanvas* canvas) const;
};
using TextCanvasPtr = std::unique_ptr<TextCanvas, TextCanvasDeleter>;
TextCanvasPtr NewTextCanvas(IFontRasterizer& fonts);

// Main menu, help.
void OpenMainMenu(TMForm& form, bool rebuild, int openArg);
void MainMenuFrame(TMForm& form, int lagCount);
void MainMenuClick(TMForm& form, bool fromKeyboard);
void SwitchFromSubScreen(TMForm& form);
void HelpFrame(TMForm& form, int lagCount);
void HelpClick(TMForm& form);

// Race.
void RaceFrame(TMForm& form, int lagCount);
// Builds the race for CarChoice and makes it the current screen.
void StartRace(TMForm& form);

// Options, high scores, car choice.
void OptionsFrame(TMForm& form, int lagCount);
void OptionsClick(TMForm& form);
void ExtraTextKey(TMForm& form, uint8_t key);
void HighScoresFrame(TMForm& form, int lagCount);
void HighScoresClick(TMForm& form);
void NameEntryKey(TMForm& form, uint8_t key);
void CarChoiceFrame(TMForm& form, int lagCount);
void CarChoiceClick(TMForm& form);

// Message windows.
void OpenMessageWindow(TMForm& form, WindowKinds kind);
void MessageWindowFrame(TMForm& form, int lagCount);
void MessageWindowClick(TMForm& form);

// Everything the main window's handlers call out to, as entries a test may replace to watch
// the dispatch. An empty entry is a part of the game that is not there yet and is skipped.
struct ShellRoutines {
  using Frame = std::function<void(TMForm&, int lagCount)>;
  using Action = std::function<void(TMForm&)>;
  using Key = std::function<void(TMForm&, uint8_t key)>;

  Action MusicWatchdog;
  Frame MainMenuFrame, RaceFrame, OptionsFrame, HighScoresFrame, HelpFrame, CarChoiceFrame;
  Frame MessageWindowFrame;
  std::function<void(TMForm&, bool fromKeyboard)> MainMenuClick;
  Action OptionsClick, HighScoresClick, HelpClick, CarChoiceClick, MessageWindowClick;
  Key NameEntryKey, ExtraTextKey;
  std::function<void(TMForm&, PadButton button)> NamePickerPress;
  std::function<void(TMForm&, WindowKinds kind)> OpenMessageWindow;
  std::function<void(TMForm&, bool rebuild, int openArg)> OpenMainMenu;
  Action HoverScreen, HoverWindow;
  std::function<void(TMForm&, const std::string& name)> PlaySound;
};

// The game's own routines.
ShellRoutines DefaultShellRoutines();

}  // namespace vontra
