// Renders still scenes of the game, as the player sees them, into OUT_DIR as bitmaps:
// the main menu with a caption, the menu with a sub-screen open, the help pages.
#include <cstdio>
#include <string>

#include "scene_session.h"

namespace vontra {
namespace {

bool FinishIntro(SceneSession& s) {
  return s.RunUntil([&] { return s.Form().MenuIntroPhase == 0; }, 2000);
}

int RenderMenuScenes(const std::string& data, const std::string& out) {
  SceneSession s(data, 60, 1);
  s.Create();
  if (!FinishIntro(s)) return 1;
  // The pointer on the high-score button lights it and shows its caption.
  s.Platform().events->MouseMove(660, 255);
  s.RunTicks(30);
  if (!s.WriteFrame(out + "/menu-caption.bmp")) return 1;
  s.ClickSlot(2);
  s.RunTicks(30);
  if (!s.WriteFrame(out + "/menu-options.bmp")) return 1;
  s.ClickSlot(4);
  for (int page = 1; page <= 5; ++page) {
    s.RunTicks(10);
    if (!s.WriteFrame(out + "/help-" + std::to_string(page) + ".bmp")) return 1;
    s.ClickSlot(8);
  }
  return 0;
}

}  // namespace
}  // namespace vontra

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: scene-render DATA_DIR OUT_DIR\n");
    return 2;
  }
  const std::string data = argv[1], out = argv[2];
  int status = vontra::RenderMenuScenes(data, out);
  if (status != 0) std::fprintf(stderr, "scene-render: a scene could not be rendered\n");
  return status;
}
