#include "support/headless_game.h"

#include <array>
#include <cstdlib>
#include <filesystem>

#include "app/form_lifecycle.h"
#include "app/message_loop.h"
#include "frontend/menu_button.h"
#include "platform/sdl/sdl_font_rasterizer.h"

namespace vontra {

namespace fs = std::filesystem;

HeadlessGame::HeadlessGame(const Options& options)
    : platform_(MakeHeadlessPlatform(options.Platform)) {
#ifdef VONTRA_TEST_DATA_DIR
  if (options.LinkGameData) {
    const fs::path data(VONTRA_TEST_DATA_DIR);
    const fs::path work = fs::path(platform_.files->Root()) / "Data";
    std::error_code ec;
    fs::create_directories(work, ec);
    for (const char* folder : {"Res", "Music"}) {
      if (fs::exists(data / folder)) fs::create_directory_symlink(data / folder, work / folder, ec);
    }
  }
#endif
  if (options.RealFonts) {
    platform_.platform.fonts = std::make_unique<SdlFontRasterizer>();
    platform_.fonts = nullptr;
  }
  if (options.Http) {
    platform_.platform.http = options.Http();
    platform_.http = nullptr;
  }
  form_ = std::make_unique<TMForm>(platform_.platform);
}

HeadlessGame::~HeadlessGame() {
  form_.reset();
}

void HeadlessGame::Create() {
  FormCreate(*form_);
}

int HeadlessGame::RunTicks(int ticks) {
  const int start = TicksSoFar();
  // Enough turns for a timer that is off for a while (each idle turn sleeps 10 ms).
  for (int turns = 0; turns < ticks * 4 + 1000 && TicksSoFar() - start < ticks; ++turns) {
    if (!ProcessMessages(*form_)) break;
  }
  return TicksSoFar() - start;
}

bool HeadlessGame::RunUntil(const std::function<bool()>& done, int maxTicks) {
  for (int i = 0; i < maxTicks; ++i) {
    if (RunTicks(1) != 1) return done();
    if (done()) return true;
  }
  return false;
}

void HeadlessGame::Pump(int turns) {
  for (int i = 0; i < turns; ++i) {
    if (!ProcessMessages(*form_)) break;
  }
}

bool HeadlessGame::ClickSlot(int slot) {
  const TMenuButton* button = form_->WidgetSlots[slot].get();
  if (!button) return false;
  const int x = static_cast<int>(button->X) + button->Width / 2;
  const int y = static_cast<int>(button->Y) + button->Height / 2;
  MoveMouse(x, y);
  Click(x, y);
  RunTicks(1);
  return true;
}

void HeadlessGame::Press(const InputStateSet& keys) {
  Hold(keys);
  RunTicks(1);
  ReleaseAll();
  RunTicks(1);
}

void HeadlessGame::TapKey(int virtualKey, bool alt) {
  platform_.events->KeyDown(virtualKey, alt);
  platform_.events->KeyUp(virtualKey, alt);
}

bool HeadlessGame::PixelNear(int x, int y, uint8_t r, uint8_t g, uint8_t b, int tolerance) const {
  const uint16_t p = Pixel(x, y);
  const uint16_t want = Rgb565(r, g, b);
  auto channels = [](uint16_t c) {
    return std::array<int, 3>{((c >> 11) & 0x1F) * 255 / 31, ((c >> 5) & 0x3F) * 255 / 63,
                              (c & 0x1F) * 255 / 31};
  };
  const auto a = channels(p);
  const auto w = channels(want);
  for (int i = 0; i < 3; ++i) {
    if (std::abs(a[i] - w[i]) > tolerance) return false;
  }
  return true;
}

}  // namespace vontra
