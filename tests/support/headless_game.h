#pragma once
// A whole game on the headless platform, for scenario tests: build it, script keys and the
// mouse, run ticks, read the frame, the files and what was asked of the desktop.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/mform.h"
#include "platform/headless/headless_platform.h"
#include "platform/http_client.h"

namespace vontra {

class HeadlessGame {
 public:
  struct Options {
    HeadlessOptions Platform;
    // Links the built Data/Res and Data/Music into the working directory so FormCreate
    // finds the archives and tunes; saves still go to the private Data/Save.
    bool LinkGameData = true;
    // Draws text with the real faces (fontconfig + SDL_ttf) instead of the stand-in with
    // fixed metrics.
    bool RealFonts = false;
    // Puts another HTTP client in place of the recording double (which is then null), e.g. a
    // real one aimed at a loopback server.
    std::function<std::unique_ptr<IHttpClient>()> Http;
  };

  HeadlessGame() : HeadlessGame(Options{}) {}
  explicit HeadlessGame(const Options& options);
  ~HeadlessGame();
  HeadlessGame(const HeadlessGame&) = delete;
  HeadlessGame& operator=(const HeadlessGame&) = delete;

  TMForm& Form() { return *form_; }
  HeadlessPlatform& Platform() { return platform_; }
  HeadlessEvents& Events() { return *platform_.events; }

  // Runs FormCreate, as the program entry does.
  void Create();
  // Turns the message loop until `ticks` timer ticks have run (or the loop ended, or
  // a generous number of idle turns passed). Returns the ticks that ran.
  int RunTicks(int ticks);
  // Runs ticks until `done` holds after one of them, at most `maxTicks`; true when it held.
  bool RunUntil(const std::function<bool()>& done, int maxTicks);
  // Turns of the message loop without requiring ticks (events only, when the timer is off).
  void Pump(int turns = 1);
  int TicksSoFar() const { return platform_.input->ReadCount(); }

  // Held input states for the following ticks.
  void Hold(const InputStateSet& states) { platform_.input->Set(states); }
  void ReleaseAll() { platform_.input->Set({}); }
  // A key pressed and released as window events; a character also typed when given.
  void TapKey(int virtualKey, bool alt = false);
  void Type(uint8_t c) { platform_.events->Char(c); }
  void MoveMouse(int x, int y) { platform_.events->MouseMove(x, y); }
  void Click(int x, int y) { platform_.events->Click(x, y); }
  // Moves the pointer onto the middle of the button in `slot`, clicks it and runs one tick;
  // false when the slot is empty.
  bool ClickSlot(int slot);
  // One tick with `keys` held and one with nothing held, so the next press is an edge again.
  void Press(const InputStateSet& keys);

  // The last drawn frame.
  uint16_t Pixel(int x, int y) const { return platform_.display->Frame().At(x, y); }
  // True when the pixel is within `tolerance` of the colour in every 8-bit channel, after
  // both went through RGB565.
  bool PixelNear(int x, int y, uint8_t r, uint8_t g, uint8_t b, int tolerance = 8) const;
  int Presented() const { return platform_.display->FlipCount(); }

  const std::string& WorkDir() const { return platform_.files->Root(); }

 private:
  HeadlessPlatform platform_;
  std::unique_ptr<TMForm> form_;
};

}  // namespace vontra
