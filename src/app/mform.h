#pragma once
// The main window: owns every component and, through its state bases, the whole game state.
// Procedures of each subsystem are free functions over it.
#include <memory>
#include <string_view>

#include "app/front_end_state.h"
#include "app/race_state.h"
#include "app/shell_state.h"
#include "audio/audio_state.h"
#include "frontend/front_end.h"
#include "platform/platform.h"

namespace vontra {

class TPictureCollection;
class TWaveCollection;
class TDXSpriteEngine;
class TFrameTimer;
class TSoundMixer;

class TMForm final : public ShellState, public FrontEndState, public RaceState, public AudioState {
 public:
  explicit TMForm(Platform& platform);
  ~TMForm();
  TMForm(const TMForm&) = delete;
  TMForm& operator=(const TMForm&) = delete;

  Platform& platform;

  // Components, under the names the rest of the game uses.
  IDisplay& MDXDraw;
  IInputStates& MDXInput;
  IHttpClient& MIdHTTP;
  std::unique_ptr<TPictureCollection> MDXImageList;
  std::unique_ptr<TPictureCollection> MDXImageList3;
  std::unique_ptr<TWaveCollection> MDXWaveList;
  std::unique_ptr<TSoundMixer> MDXSound;
  std::unique_ptr<TDXSpriteEngine> MDXSpriteEngine;
  std::unique_ptr<TFrameTimer> MDXTimer;
  TextCanvasPtr Canvas;

  // The routines the handlers call out to (the game's own unless a test replaces one).
  ShellRoutines Routines = DefaultShellRoutines();

  // Set when the quit question's Yes ends the message loop.
  bool Terminated = false;
  // Set by PresentFrame; the message loop paces ticks that showed nothing.
  bool FramePresented = false;

  // What the race asks of the main window.
  TSprite* RaceRoot() override;
  TPictureCollectionItem* FindRaceImage(std::string_view name) override;
  TPictureCollectionItem* FindScreenImage(std::string_view name) override;
  bool RaceOnScreen() const override;
  void PlayRaceSound(std::string_view name) override;
  void StopRaceSound(std::string_view name) override;
  void LoseGame() override;
};

}  // namespace vontra
