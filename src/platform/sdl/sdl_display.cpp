#include "platform/sdl/sdl_display.h"

#include "platform/sdl/software_rasterizer.h"

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
  SDL_Window* window = session_->Window();
  SDL_SetWindowFullscreen(window, fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  session_->ApplyPendingPlacement();
  SDL_ShowWindow(window);
  if (!CreateRenderer()) return;
  initialized_ = true;
  lastFlipEnd_ = 0;
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
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
  PaceAfterPresent();
}

// A present paced by the vertical blank returns about one refresh period after the previous
// one. When it came back much sooner (dummy and offscreen drivers, some X servers), the loop
// would spin: sleep out the rest of the period instead.
void SdlDisplay::PaceAfterPresent() {
  const uint64_t frequency = SDL_GetPerformanceFrequency();
  const int rate = RefreshRate() > 0 ? RefreshRate() : kUnknownRateHz;
  const uint64_t period = frequency / static_cast<uint64_t>(rate);
  uint64_t now = SDL_GetPerformanceCounter();
  if (lastFlipEnd_ != 0) {
    const uint64_t since = now - lastFlipEnd_;
    paced_ = since >= period * 3 / 4;
    if (!paced_) {
      const uint64_t target = lastFlipEnd_ + period;
      while (now < target) {
        const uint64_t ms = (target - now) * 1000 / frequency;
        if (ms == 0) break;
        SDL_Delay(static_cast<Uint32>(ms));
        now = SDL_GetPerformanceCounter();
      }
    }
  }
  lastFlipEnd_ = now;
}

}  // namespace vontra
