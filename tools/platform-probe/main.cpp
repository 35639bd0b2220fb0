// Drives the SDL platform on its own: fills the frame, draws Russian text in the game's 18
// font styles, presents at the display's rate, switches full screen on Alt+Enter (keeping the
// window's placement), and reports the close request instead of closing. Stops on a signal,
// on Escape typed twice, or after the number of seconds given as the first argument.
#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "frontend/font_styles.h"
#include "platform/cp1251.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_platform.h"

namespace vontra {
namespace {

using Style = FontStyle;

uint16_t Blend(uint16_t under, const Style& s, int alpha) {
  const int r = ((under >> 11) & 31) * 255 / 31;
  const int g = ((under >> 5) & 63) * 255 / 63;
  const int b = (under & 31) * 255 / 31;
  const auto mix = [alpha](int from, int to) { return (from * (255 - alpha) + to * alpha) / 255; };
  return Rgb565(static_cast<uint8_t>(mix(r, s.R)), static_cast<uint8_t>(mix(g, s.G)),
                static_cast<uint8_t>(mix(b, s.B)));
}

void DrawText(Platform& p, const Style& s, const std::string& text, int x, int y) {
  const GlyphMask m = p.fonts->Render(s.Face, PointsToPixels(s.SizePt), s.Bold, text);
  Surface& surface = p.display->DrawSurface();
  for (int row = 0; row < m.Height; ++row) {
    const int sy = y + row;
    if (sy < 0 || sy >= surface.Height()) continue;
    for (int col = 0; col < m.Width; ++col) {
      const int sx = x + col;
      const int a = m.Alpha[static_cast<size_t>(row) * m.Width + col];
      if (sx < 0 || sx >= surface.Width() || a == 0) continue;
      surface.Row(sy)[sx] = Blend(surface.Row(sy)[sx], s, a);
    }
  }
}

void DrawFrame(Platform& p, int frame) {
  Surface& surface = p.display->DrawSurface();
  // A view: clang 14 crashes on a const std::string made straight from the literal.
  const std::string_view sample = "Уровень 1 — Рекорды ЁЁ"_w1251;
  int y = 0;
  for (int i = 0; i < 18; ++i) {
    const Style& s = kFontStyles[i + 1];
    const std::string text = std::to_string(i + 1) + " " + std::string(sample);
    const int height = p.fonts->TextHeight(s.Face, PointsToPixels(s.SizePt), s.Bold, text);
    // A light band behind the dark styles, a dark one behind the bright ones.
    const bool dark = s.R + s.G + s.B < 200;
    for (int row = y; row < y + height && row < surface.Height(); ++row) {
      const auto v = static_cast<uint8_t>(dark ? 215 : 45);
      for (int x = 0; x < surface.Width(); ++x)
        surface.Row(row)[x] = Rgb565(v, v, static_cast<uint8_t>(v + 25));
    }
    DrawText(p, s, text, 4, y);
    y += height;
  }
  for (int row = y; row < surface.Height(); ++row) {
    for (int x = 0; x < surface.Width(); ++x) surface.Row(row)[x] = Rgb565(0, 40, 0);
  }
  // A marker moving one pixel a frame shows that presents go on.
  for (int row = 590; row < 600; ++row) surface.Row(row)[frame % 800] = Rgb565(255, 0, 0);
}

}  // namespace
}  // namespace vontra

int main(int argc, char** argv) {
  using namespace vontra;
  const double seconds = argc > 1 ? std::atof(argv[1]) : 0;
  auto platform = MakeSdlPlatform();
  Platform& p = *platform;
  p.display->OnInitialize = [] { std::printf("display initialised\n"); };
  p.display->OnFinalize = [] { std::printf("display finalised\n"); };
  p.display->Initialize();
  std::printf("refresh rate %d Hz\n", p.display->RefreshRate());
  if (const auto* sdl = dynamic_cast<SdlDisplay*>(p.display.get())) {
    std::printf("renderer %s\n", sdl->RendererName().c_str());
  }
  for (int i = 0; i < 18; ++i) {
    const auto& s = kFontStyles[i + 1];
    std::printf("style %d %s %dpt -> em %d px, cell %d px\n", i + 1, s.Face, s.SizePt,
                PointsToPixels(s.SizePt),
                p.fonts->TextHeight(s.Face, PointsToPixels(s.SizePt), s.Bold, "A"));
  }
  std::fflush(stdout);
  WindowPlacement saved;
  bool savedValid = false;
  int escapes = 0;
  const uint64_t start = p.clock->NowMs();
  uint64_t reportStart = start;
  int frames = 0;
  int totalFrames = 0;
  uint64_t drawTicks = 0;
  uint64_t flipTicks = 0;
  for (int frame = 0;; ++frame) {
    PlatformEvent e;
    bool quit = false;
    while (p.events->Poll(e)) {
      switch (e.kind) {
        case PlatformEvent::Kind::KeyDown:
          if (e.Alt && e.Key == 13) {
            // The game's order: finalise, record or restore the placement, switch, initialise.
            const bool full = !p.display->FullScreen();
            p.display->Finalize();
            if (full) {
              saved = p.window->GetPlacement();
              savedValid = true;
            } else if (savedValid) {
              p.window->SetPlacement(saved);
              savedValid = false;
            }
            p.display->SetFullScreen(full);
            p.display->Initialize();
            std::printf("full screen %d\n", full ? 1 : 0);
          }
          break;
        case PlatformEvent::Kind::Char:
          std::printf("char %d\n", e.Char);
          if (e.Char == 27 && ++escapes == 2) quit = true;
          break;
        case PlatformEvent::Kind::CloseRequest:
          std::printf("close request (window stays open)\n");
          break;
        case PlatformEvent::Kind::MouseClick:
          std::printf("click %d %d\n", e.X, e.Y);
          break;
        case PlatformEvent::Kind::Activate:
          std::printf("activate\n");
          break;
        case PlatformEvent::Kind::Deactivate:
          std::printf("deactivate\n");
          break;
        case PlatformEvent::Kind::Minimize:
          std::printf("minimize\n");
          break;
        case PlatformEvent::Kind::Quit:
          quit = true;
          break;
        default:
          break;
      }
      std::fflush(stdout);
    }
    if (quit) break;
    const uint64_t now = p.clock->NowMs();
    if (seconds > 0 && now - start >= static_cast<uint64_t>(seconds * 1000)) break;
    if (!p.display->CanDraw()) {
      if (p.events->Wait(e, 100)) {
        // Put nothing back: the probe only needs to wake up.
      }
      continue;
    }
    const uint64_t drawStart = SDL_GetPerformanceCounter();
    DrawFrame(p, frame);
    const uint64_t flipStart = SDL_GetPerformanceCounter();
    p.display->Flip();
    const uint64_t flipEnd = SDL_GetPerformanceCounter();
    drawTicks += flipStart - drawStart;
    flipTicks += flipEnd - flipStart;
    ++frames;
    ++totalFrames;
    if (now - reportStart >= 2000) {
      const auto* sdl = dynamic_cast<SdlDisplay*>(p.display.get());
      const double f = static_cast<double>(SDL_GetPerformanceFrequency()) / 1000.0;
      std::printf("%.1f frames/s, draw %.2f ms, flip %.2f ms a frame, presents %s\n",
                  frames * 1000.0 / (now - reportStart), drawTicks / f / frames,
                  flipTicks / f / frames,
                  sdl != nullptr && sdl->PresentsPaced() ? "paced" : "slept to the rate");
      drawTicks = flipTicks = 0;
      std::fflush(stdout);
      frames = 0;
      reportStart = now;
    }
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  std::printf("cpu %.2f s over %.2f s, %d frames\n", cpu,
              static_cast<double>(p.clock->NowMs() - start) / 1000.0, totalFrames);
  std::printf("stopped\n");
  return 0;
}
