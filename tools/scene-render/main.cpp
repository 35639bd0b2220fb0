// Renders still scenes of the game, as the player sees them, into OUT_DIR as bitmaps:
// the main menu with a caption, the menu with a sub-screen open, the help pages, and a race:
// the level banner, then frames every two seconds of a run at full throttle, firing, with
// twin guns, turbo and shield, an explosion, and each race window.
#include <cstdio>
#include <string>

#include "frontend/message_window.h"
#include "player/my_car_sprite.h"
#include "road/wall_sprite.h"
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
  s.ClickSlot(3);
  s.RunTicks(10);
  if (!s.WriteFrame(out + "/menu-high-scores.bmp")) return 1;
  s.ClickSlot(4);
  for (int page = 1; page <= 5; ++page) {
    s.RunTicks(10);
    if (!s.WriteFrame(out + "/help-" + std::to_string(page) + ".bmp")) return 1;
    s.ClickSlot(8);
  }
  return 0;
}

int RenderRaceScenes(const std::string& data, const std::string& out) {
  SceneSession s(data, 60, 7);
  s.Create();
  if (!FinishIntro(s)) return 1;
  s.ClickSlot(1);  // car choice
  s.RunTicks(5);
  s.ClickSlot(8);  // the second car
  s.RunTicks(30);
  TMForm& form = s.Form();
  if (form.ScreenState != ScreenStates::kRace || !form.PlayerCar) return 1;
  if (!s.WriteFrame(out + "/race-banner.bmp")) return 1;
  if (!s.RunUntil([&] { return form.WindowKind == WindowKinds::kNone; }, 600)) return 1;
  form.PlayerCar->GiveBonus(BonusCodes::kTwinGuns);
  form.PlayerCar->GiveBonus(BonusCodes::kTurbo);
  form.PlayerCar->GiveBonus(BonusCodes::kShield);
  InputStateSet held;
  held.Up = true;
  held.Fire = true;
  for (int shot = 1; shot <= 10; ++shot) {
    // A little weaving keeps the car on the road and past the traffic.
    held.Left = shot % 3 == 1;
    held.Right = shot % 3 == 2;
    s.Platform().input->Set(held);
    s.RunTicks(120);
    char name[32];
    std::snprintf(name, sizeof name, "/race-%02d.bmp", shot);
    if (!s.WriteFrame(out + name)) return 1;
    std::printf("%s: speed %.1f distance %.0f level %d score %d lives %d\n", name + 1,
                form.PlayerCar->Speed, form.PlayerCar->Distance, form.Level, form.Score,
                form.Lives);
  }
  // The first road object the gun wrecks, a few frames into its explosion.
  held = {};
  held.Up = true;
  held.Fire = true;
  s.Platform().input->Set(held);
  auto wrecked = [&] {
    for (int slot = 1; slot <= kRoadObjectSlots; ++slot) {
      if (form.RoadObjects[slot] && form.RoadObjects[slot]->Wrecked) return true;
    }
    return false;
  };
  if (s.RunUntil(wrecked, 3000)) {
    s.RunTicks(8);
    if (!s.WriteFrame(out + "/race-wreck.bmp")) return 1;
  }
  // The player's car blown up: the big explosion and the shaking screen.
  form.PlayerCar->TakeDamage(1000);
  s.RunTicks(12);
  if (!s.WriteFrame(out + "/race-car-explodes.bmp")) return 1;
  s.Platform().input->Set({});
  s.RunTicks(200);
  // Each of the race's windows over the running race, as the player meets them.
  form.Score = 4321;
  form.PlayerName = "Max";
  for (WindowKinds kind :
       {WindowKinds::kPause, WindowKinds::kTimeOver, WindowKinds::kFinishQuestion,
        WindowKinds::kNameEntry, WindowKinds::kSendQuestion, WindowKinds::kSending,
        WindowKinds::kGameOver}) {
    OpenMessageWindow(form, kind);
    s.RunTicks(2);
    if (!s.WriteFrame(out + "/window-" + std::to_string(ToInt(kind)) + ".bmp")) return 1;
  }
  // The name entry as a pad sees it: the picker's row under the name, a few letters along.
  OpenMessageWindow(form, WindowKinds::kNameEntry);
  s.Platform().events->Pad(PadButton::Other);
  s.RunTicks(2);
  for (int step = 0; step < 3; ++step) {
    InputStateSet right;
    right.Right = true;
    s.Platform().input->Set(right);
    s.RunTicks(1);
    s.Platform().input->Set({});
    s.RunTicks(1);
  }
  if (!s.WriteFrame(out + "/window-5-pad.bmp")) return 1;
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
  if (status == 0) status = vontra::RenderRaceScenes(data, out);
  if (status != 0) std::fprintf(stderr, "scene-render: a scene could not be rendered\n");
  return status;
}
