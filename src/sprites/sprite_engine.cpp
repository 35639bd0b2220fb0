#include "sprites/sprite_engine.h"

namespace vontra {

TCustomDXSpriteEngine::TCustomDXSpriteEngine() : Engine(std::make_unique<TSpriteEngine>()) {}

TCustomDXSpriteEngine::~TCustomDXSpriteEngine() {
  SetDXDraw(nullptr);
  *self_ = nullptr;
}

void TCustomDXSpriteEngine::Draw() {
  if (display_ != nullptr && display_->Initialized()) Engine->DrawAll();
}

void TCustomDXSpriteEngine::DisplayInitialized() {
  if (display_ != nullptr) Engine->AttachSurface(&display_->DrawSurface());
}

void TCustomDXSpriteEngine::DisplayFinalized() {
  Engine->AttachSurface(nullptr);
}

// The handlers stay chained on the display after we let go of it (another component may have
// wrapped them since), so they reach us only through a pointer we clear.
void TCustomDXSpriteEngine::SetDXDraw(IDisplay* display) {
  if (display == display_) return;
  *self_ = nullptr;
  if (display_ != nullptr) Engine->AttachSurface(nullptr);
  display_ = display;
  self_ = std::make_shared<TCustomDXSpriteEngine*>(display != nullptr ? this : nullptr);
  if (display == nullptr) return;

  auto self = self_;
  display->OnInitialize = [self, previous = display->OnInitialize] {
    if (previous) previous();
    if (*self != nullptr) (*self)->DisplayInitialized();
  };
  display->OnFinalize = [self, previous = display->OnFinalize] {
    if (previous) previous();
    if (*self != nullptr) (*self)->DisplayFinalized();
  };
  if (display->Initialized()) DisplayInitialized();
}

}  // namespace vontra
