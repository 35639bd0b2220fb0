#include "scene_session.h"

#include <filesystem>
#include <fstream>

#include "app/form_lifecycle.h"
#include "app/message_loop.h"
#include "assets/bitmap_encoder.h"
#include "frontend/menu_button.h"
#include "platform/sdl/sdl_font_rasterizer.h"

namespace vontra {

namespace fs = std::filesystem;

namespace {

HeadlessOptions Machine(int frameRate, uint32_t seed) {
  HeadlessOptions options;
  options.FrameRate = frameRate;
  options.Seed = seed;
  return options;
}

}  // namespace

SceneSession::SceneSession(const std::string& dataDir, int frameRate, uint32_t seed)
    : platform_(MakeHeadlessPlatform(Machine(frameRate, seed))) {
  const fs::path work = fs::path(platform_.files->Root()) / "Data";
  fs::create_directories(work);
  for (const char* folder : {"Res", "Music"}) {
    if (fs::exists(fs::path(dataDir) / folder))
      fs::create_directory_symlink(fs::absolute(fs::path(dataDir) / folder), work / folder);
  }
  platform_.platform.fonts = std::make_unique<SdlFontRasterizer>();
  platform_.fonts = nullptr;
  form_ = std::make_unique<TMForm>(platform_.platform);
}

SceneSession::~SceneSession() {
  form_.reset();
}

void SceneSession::Create() {
  FormCreate(*form_);
}

bool SceneSession::RunUntil(const std::function<bool()>& done, int maxTicks) {
  for (int i = 0; i < maxTicks; ++i) {
    RunTicks(1);
    if (done()) return true;
  }
  return false;
}

void SceneSession::RunTicks(int ticks) {
  const int target = platform_.input->ReadCount() + ticks;
  for (int turns = 0; turns < ticks * 4 + 1000 && platform_.input->ReadCount() < target; ++turns) {
    if (!ProcessMessages(*form_)) break;
  }
}

void SceneSession::ClickSlot(int slot) {
  TMenuButton* button = form_->WidgetSlots[slot].get();
  if (!button) return;
  const int x = static_cast<int>(button->X) + button->Width / 2;
  const int y = static_cast<int>(button->Y) + button->Height / 2;
  platform_.events->MouseMove(x, y);
  platform_.events->Click(x, y);
  RunTicks(1);
}

bool SceneSession::WriteFrame(const std::string& path) const {
  const Surface& frame = platform_.display->Frame();
  TPicture picture;
  picture.Width = frame.Width();
  picture.Height = frame.Height();
  picture.Pixels.reserve(static_cast<size_t>(picture.Width) * picture.Height);
  for (int y = 0; y < picture.Height; ++y) {
    for (int x = 0; x < picture.Width; ++x) {
      const uint16_t c = frame.At(x, y);
      const uint32_t r = ((c >> 11) & 0x1F) * 255 / 31;
      const uint32_t g = ((c >> 5) & 0x3F) * 255 / 63;
      const uint32_t b = (c & 0x1F) * 255 / 31;
      picture.Pixels.push_back(r << 16 | g << 8 | b);
    }
  }
  const std::vector<uint8_t> bytes = EncodeBitmapFile24(picture);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace vontra
