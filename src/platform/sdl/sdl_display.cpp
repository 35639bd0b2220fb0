#include "platform/sdl/sdl_display.h"

#include "platform/sdl/software_rasterizer.h"
#include "platform/sdl/window_size.h"

namespace vontra {
namespace {

constexpr int kUnknownRateHz = 60;

}  // namespace

SdlDisplay::SdlDisplay(std::shared_ptr<SdlSession> session) : session_(std::move(session)) {}

SdlDisplay::~SdlDisplay() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
}

bool SdlDisplay::CreateRenderer() {
  if (renderer_ != nullptr) return true;
  SDL_Window* window = session_->Window();
  // A renderer the user asked SDL for stays. Otherwise OpenGL is worth it on a graphics chip
  // only: without one, or on a CPU rasteriser, SDL's software renderer shows the frame for a
  // fraction of the CPU, drawing straight into the window (not through a GL texture again).
  const bool chosen = SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr;
  if (chosen || HasGraphicsDevice()) {
    renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (renderer_ != nullptr && !chosen && RendersOnSoftwareRasterizer(renderer_)) {
      SDL_DestroyRenderer(renderer_);
      renderer_ = nullptr;
    }
  }
  if (renderer_ == nullptr) {
    if (!chosen) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  }
  if (renderer_ == nullptr) return false;
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               kDisplayWidth, kDisplayHeight);
  if (texture_ == nullptr) {
    SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
    return false;
  }
  SDL_RenderSetLogicalSize(renderer_, kDisplayWidth, kDisplayHeight);
  return true;
}

void SdlDisplay::Initialize() {
  if (initialized_) Finalize();
  session_->SetFullScreen(fullScreen_);
  session_->Show();
  if (!CreateRenderer()) return;
  initialized_ = true;
  pacer_.Reset();
  if (OnInitialize) OnInitialize();
}

void SdlDisplay::Finalize() {
  if (!initialized_) return;
  initialized_ = false;
  if (OnFinalize) OnFinalize();
}

bool SdlDisplay::CanDraw() const {
  return initialized_ && (SDL_GetWindowFlags(session_->Window()) & SDL_WINDOW_MINIMIZED) == 0;
}

std::string SdlDisplay::RendererName() const {
  SDL_RendererInfo info;
  if (renderer_ == nullptr || SDL_GetRendererInfo(renderer_, &info) != 0) return {};
  return info.name;
}

int SdlDisplay::RefreshRate() const {
  const int index = SDL_GetWindowDisplayIndex(session_->Window());
  SDL_DisplayMode mode;
  if (index < 0 || SDL_GetCurrentDisplayMode(index, &mode) != 0) return 0;
  return mode.refresh_rate > 0 ? mode.refresh_rate : 0;
}

void SdlDisplay::Flip() {
  if (!CanDraw()) return;
  SDL_UpdateTexture(texture_, nullptr, surface_.Pixels(), kDisplayWidth * 2);
  // Whole multiples of the picture keep its pixels sharp; any other size would show them
  // unevenly wide, so it is drawn smoothly.
  int w = 0, h = 0;
  if (SDL_GetRendererOutputSize(renderer_, &w, &h) == 0) {
    SDL_SetTextureScaleMode(texture_,
                            WholeMultiple(w, h) ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  }
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
  PaceAfterPresent();
}

// Where presents come back at once (dummy and offscreen drivers, some X servers), the loop
// would spin: it sleeps to the display's rate instead.
void SdlDisplay::PaceAfterPresent() {
  const int rate = RefreshRate() > 0 ? RefreshRate() : kUnknownRateHz;
  const int64_t until = pacer_.AfterPresent(MonotonicNowNs(), rate);
  if (until != 0) SleepUntilNs(until);
}

}  // namespace vontra
