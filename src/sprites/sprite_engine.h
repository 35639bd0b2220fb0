#pragma once
// The main window's sprite engine component: owns the root of the sprite tree and follows the
// display, so the root draws onto the display's surface exactly while the display is initialised.
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/display.h"
#include "sprites/sprite.h"

namespace vontra {

class TCustomDXSpriteEngine {
 public:
  TCustomDXSpriteEngine();
  virtual ~TCustomDXSpriteEngine();
  TCustomDXSpriteEngine(const TCustomDXSpriteEngine&) = delete;
  TCustomDXSpriteEngine& operator=(const TCustomDXSpriteEngine&) = delete;

  TSpriteEngine& Root() { return *Engine; }

  void Move(int32_t elapsedMs) { Engine->MoveTree(elapsedMs); }
  // Draws only while the display is attached and initialised.
  void Draw();

  // Follows `display` (or nothing): hooks its initialise and finalise notifications, keeping any
  // handler already installed, and attaches its surface at once if it is initialised.
  void SetDXDraw(IDisplay* display);
  IDisplay* DXDraw() const { return display_; }
  void DisplayInitialized();
  void DisplayFinalized();

  std::unique_ptr<TSpriteEngine> Engine;

 private:
  IDisplay* display_ = nullptr;
  // What the display's handlers call back; cleared when we let go of the display.
  std::shared_ptr<TCustomDXSpriteEngine*> self_ = std::make_shared<TCustomDXSpriteEngine*>(nullptr);
};

class TDXSpriteEngine : public TCustomDXSpriteEngine {};

}  // namespace vontra
