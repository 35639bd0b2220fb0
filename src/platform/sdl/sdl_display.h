#pragma once
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/display.h"
#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/sdl_session.h"

namespace vontra {

// Shows the game's RGB565 frame through a streaming texture, letterboxed and centred in the
// window or on the whole desktop.
class SdlDisplay : public IDisplay {
 public:
  explicit SdlDisplay(std::shared_ptr<SdlSession> session);
  ~SdlDisplay() override;

  void Initialize() override;
  void Finalize() override;
  bool Initialized() const override { return initialized_; }
  void SetFullScreen(bool fullScreen) override { fullScreen_ = fullScreen; }
  bool FullScreen() const override { return fullScreen_; }
  bool CanDraw() const override;
  Surface& DrawSurface() override { return surface_; }
  void Flip() override;
  int RefreshRate() const override;

  // Whether the last presents were paced by the display; false means Flip sleeps instead.
  bool PresentsPaced() const { return pacer_.Paced(); }
  // SDL's name of the renderer in use ("opengl", "software", ...), empty before the first
  // initialisation.
  std::string RendererName() const;

 private:
  bool CreateRenderer();
  void PaceAfterPresent();

  std::shared_ptr<SdlSession> session_;
  Surface surface_{kDisplayWidth, kDisplayHeight};
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool initialized_ = false;
  bool fullScreen_ = false;
  FramePacer pacer_;
};

}  // namespace vontra
