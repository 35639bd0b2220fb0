// One whole race frame on the headless display, against a hand-written loop that does only its
// pixel work: the same pictures blitted and rotated and the same text drawn, with no game logic.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/mform.h"
#include "app/race_hud.h"
#include "assets/picture_collection.h"
#include "frontend/front_end.h"
#include "frontend/message_window.h"
#include "frontend/text_canvas.h"
#include "player/bullets.h"
#include "player/my_car_sprite.h"
#include "road/scroll_background.h"
#include "road/spawner.h"
#include "road/wall_sprite.h"
#include "sprites/sprite_engine.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

constexpr int kLagMs = 12;

// A race with its banner gone, driving at full speed with the fire key held.
class BusyRace {
 public:
  BusyRace() {
    game_.Create();
    TMForm& form = game_.Form();
    form.CarChoice = 1;
    StartRace(form);
    CloseMessageWindow(form);
    form.InputStates.Up = true;
    form.InputStates.Fire = true;
    form.FrameTimeMs = kLagMs;
    form.PlayerCar->Speed = kCarMaxSpeed;
    form.Lives = 1000000;
  }

  TMForm& Form() { return game_.Form(); }

  // Tops the road up to 30 objects spread over the screen and the pool up to 30 shots.
  void Fill() {
    TMForm& form = Form();
    static constexpr uint8_t kKinds[] = {26, 27, 30, 13, 4, 10, 33, 20, 36, 8};
    for (int slot = 1, n = 0; slot <= kRoadObjectSlots; ++slot, ++n) {
      if (form.RoadObjectUsed[slot]) continue;
      form.RoadObjectUsed[slot] = true;
      auto* object = new TWallSprite(form, kKinds[n % 10], slot);
      form.RoadObjects[slot] = object;
      object->X = 175 + (n % 5) * 88;
      object->Y = -200 + ((n / 5) % 6) * 110;
    }
    TBullets& pool = *form.PlayerBullets;
    for (int i = 0; pool.ActiveCount() < kShotSlots; ++i) {
      pool.AddShot(0, static_cast<ShotKinds>(i % 3), 180 + (i * 37) % 420, 50 + (i * 53) % 500, 30,
                   static_cast<ShotOwners>(i % 2));
    }
    TMyCarSprite& car = *form.PlayerCar;
    if (car.State != CarStates::kDriving) car.Respawn();
    car.Finished = car.Stopped = false;
    form.WindowKind = WindowKinds::kNone;
    form.TimeLeftMs = 60000;
  }

 private:
  HeadlessGame game_;
};

void BM_RaceFrame(benchmark::State& state) {
  BusyRace race;
  TMForm& form = race.Form();
  for (auto _ : state) {
    state.PauseTiming();
    race.Fill();
    state.ResumeTiming();
    RaceFrame(form, kLagMs);
  }
}
BENCHMARK(BM_RaceFrame)->Unit(benchmark::kMicrosecond);

struct Blit {
  const TPictureCollectionItem* Image;
  int X, Y, Frame;
};

void BM_RaceFrameFloor(benchmark::State& state) {
  BusyRace race;
  TMForm& form = race.Form();
  race.Fill();
  RaceFrame(form, kLagMs);
  race.Fill();
  // The scene as the draw pass would draw it, taken once.
  std::vector<Blit> blits;
  const TPictureCollectionItem* road = form.Background->Image;
  for (TSprite* sprite : form.MDXSpriteEngine->Root().DrawOrder()) {
    auto* image = dynamic_cast<TImageSprite*>(sprite);
    if (!sprite->Visible || !image || !image->Image) continue;
    if (sprite == form.PlayerCar || sprite == form.PlayerBullets) continue;
    blits.push_back(
        {image->Image, RoundHalfEven(sprite->X), RoundHalfEven(sprite->Y), image->DrawnFrame()});
  }
  TBullets& pool = *form.PlayerBullets;
  for (int i = 1; i <= kShotSlots; ++i) {
    const char* name = pool.Kind[i] == ShotKinds::kRocket ? "Rocket" : "BulletMGMy";
    blits.push_back({&form.MDXImageList3->Find(name), RoundHalfEven(pool.ShotX[i]),
                     RoundHalfEven(pool.ShotY[i]), 0});
  }
  TMyCarSprite& car = *form.PlayerCar;
  const TPictureCollectionItem& carImage = *car.Image;
  const TPictureCollectionItem& gun = form.MDXImageList3->Find("MG_Top");
  const TPictureCollectionItem& needle = *form.NeedleSprite->Image;
  const std::vector<std::pair<int, std::string>> texts = {
      {5, "1"}, {2, "12345"}, {4, "0"},  {4, "1"},  {4, ":"},
      {4, "5"}, {4, "9"},     {14, "9"}, {14, "9"}, {14, "9"}};
  Surface& surface = form.MDXDraw.DrawSurface();
  const int cx = static_cast<int>(car.CentreX);
  const int cy = static_cast<int>(car.CentreY);

  for (auto _ : state) {
    surface.Fill(0);
    const int h = road->Height();
    for (int offset : {-h, 0, h}) road->Draw(surface, 124, offset, 0);
    for (const Blit& b : blits) b.Image->Draw(surface, b.X, b.Y, b.Frame);
    carImage.DrawRotated(surface, cx, cy, carImage.Width(), carImage.Height(), 0, 0.5, 0.5, 0);
    gun.DrawRotated(surface, cx, cy, gun.Width(), gun.Height(), 0, 0.5, 0.7, 0);
    needle.DrawRotated(surface, 718, 544, needle.Width(), needle.Height(), 0, 0.8181818181818182,
                       0.13157894736842105, 180);
    int x = 40;
    for (const auto& [style, text] : texts) {
      SelectFontStyle(form, style);
      DrawText(form, text, x, 266, false);
      x += 8;
    }
    form.MDXDraw.Flip();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RaceFrameFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vontra
