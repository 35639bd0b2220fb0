// One whole race frame on the headless display, against a hand-written loop that does only its
// pixel work: the same pictures blitted and rotated and the same text drawn, with no game logic.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/mform.h"
#include "app/race_hud.h"
#include "app/rounding.h"
#include "assets/picture_collection.h"
#include "frontend/font_styles.h"
#include "frontend/front_end.h"
#include "frontend/message_window.h"
#include "frontend/text_canvas.h"
#include "player/bullets.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"
#include "raw_frame.h"
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
      if (form.RoadObjects[slot]) continue;
      // The lowest free slot, which is this one: every slot below it is filled.
      TWallSprite* object = PlaceRoadObject(form, kKinds[n % 10]);
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

// The scene of the last frame as raw drawing steps, taken from the sprites the way each of them
// draws itself. Only the positions and pixel pointers come from the game; the floor's loops
// share none of its code.
class SceneCapture {
 public:
  explicit SceneCapture(TMForm& form) : form_(form) {}

  bench::RawFrame Take() {
    for (TSprite* sprite : form_.MDXSpriteEngine->Root().DrawOrder()) Visit(*sprite);
    Needle();
    HudTexts();
    return std::move(frame_);
  }
  // Steps the capture does not know how to take; they would make the floor too cheap.
  int Unknown() const { return unknown_; }

 private:
  static bench::RawImage Raw(const TPictureCollectionItem& item, int frame) {
    const TRect r = item.PatternRect(frame);
    bench::RawImage raw;
    if (r.IsEmpty() || !item.Prepared()) return raw;
    raw.Stride = item.Picture.Width;
    raw.Pixels = item.PreparedPixels().data() + r.Top * raw.Stride + r.Left;
    raw.Width = r.Width();
    raw.Height = r.Height();
    raw.Keyed = item.Transparent && (item.TransparentColor & 0xFF000000u) == 0;
    raw.Key = ColorRefToRgb565(item.TransparentColor);
    return raw;
  }
  const TPictureCollectionItem& Race(const char* name) const {
    return form_.MDXImageList3->Find(name);
  }
  void Blit(const TPictureCollectionItem& item, int x, int y, int frame) {
    frame_.push_back(bench::RawBlit{Raw(item, frame), x, y});
  }
  void Turn(const TPictureCollectionItem& item, int x, int y, int w, int h, int frame, double px,
            double py, double angle) {
    frame_.push_back(bench::RawTurn{Raw(item, frame), x, y, w, h, px, py, angle});
  }

  void Visit(TSprite& sprite) {
    if (!sprite.Visible) return;
    if (RectsOverlap(form_.MDXSpriteEngine->Engine->SurfaceRect, sprite.GetBounds())) {
      Self(sprite);
    }
    for (TSprite* child : sprite.DrawOrder()) Visit(*child);
  }

  void Self(TSprite& sprite) {
    if (&sprite == form_.Background.get()) {
      const TPictureCollectionItem& road = *form_.Background->Image;
      const double h = road.Height();
      for (double offset : {-h, 0.0, h}) {
        Blit(road, RoundHalfEven(sprite.X + form_.ShakeDX),
             RoundHalfEven(sprite.Y + offset + form_.ShakeDY), 0);
      }
    } else if (&sprite == form_.PlayerCar.get()) {
      Car(*form_.PlayerCar);
    } else if (&sprite == form_.PlayerBullets.get()) {
      Shots(*form_.PlayerBullets);
    } else if (auto* wall = dynamic_cast<TWallSprite*>(&sprite)) {
      if (wall->Image)
        Blit(*wall->Image, RoundHalfEven(wall->X), RoundHalfEven(wall->Y), Trunc(wall->FramePos));
      if (wall->IsCar && !wall->Wrecked) CarWeapon(*wall);
    } else if (auto* image = dynamic_cast<TImageSprite*>(&sprite)) {
      if (!image->Image) return;
      const TRect r = image->GetBounds();
      Blit(*image->Image, r.Left + (image->Width - image->Image->Width()) / 2,
           r.Top + (image->Height - image->Image->Height()) / 2, image->DrawnFrame());
    }
  }

  void CarWeapon(const TWallSprite& car) {
    const auto at = [&](const char* name, double x, double y) {
      Blit(Race(name), RoundHalfEven(x), RoundHalfEven(y), 0);
    };
    const double w = car.Width, h = car.Height, x = car.X, y = car.Y;
    const double halfW = RoundHalfEven(w / 2), halfH = RoundHalfEven(h / 2);
    const bool same = car.SameDirection;
    switch (car.Weapon) {
      case TrafficWeapons::kMachineGun:
        at(same ? "MG_Top" : "MG_Top_I", halfW + x - 6, halfH + y - 18);
        break;
      case TrafficWeapons::kTwinGuns:
        if (same) {
          at("MG_Left", x, y + 15);
          at("MG_Right", w + x - 9, y + 15);
        } else {
          at("MG_Left_I", w + x - 7, h + y - 55);
          at("MG_Right_I", x - 2, h + y - 55);
        }
        break;
      case TrafficWeapons::kRocket:
        at(same ? "R_Top" : "R_Top_I", halfW + x - 6, halfH + y - 11);
        break;
      case TrafficWeapons::kTwinRockets:
        if (same) {
          at("R_Left", x, y + 5);
          at("R_Right", w + x - 11, y + 5);
        } else {
          at("R_Left_I", w + x - 11, h + y - 29);
          at("R_Right_I", x, h + y - 29);
        }
        break;
      default:
        break;
    }
  }

  void Car(const TMyCarSprite& car) {
    if (car.HasTurbo || car.HasTwinGuns || car.HasRocket || car.HasTwinRockets ||
        car.Energy < 100) {
      ++unknown_;
    }
    const int x = Trunc(car.CentreX), y = Trunc(car.CentreY);
    Turn(*car.Image, x, y, car.Width, car.Height, 0, 0.5, 0.5, car.Heading);
    if (!car.HasGun) return;
    const TPictureCollectionItem& gun = Race("MG_Top");
    Turn(gun, x, y, gun.Width(), gun.Height(), 0, 0.5, 0.7, car.Heading);
    if (!car.Firing) return;
    const TPictureCollectionItem& fire = Race("GunFire");
    const int frame = form_.GunFireSprite ? Trunc(form_.GunFireSprite->FramePos) : 0;
    Turn(fire, Trunc(car.CentreX - 1), y, fire.Width(), fire.Height(), frame, 0.49, 0.85,
         car.Heading);
  }

  void Shots(const TBullets& pool) {
    for (int i = 1; i <= kShotSlots; ++i) {
      if (!pool.Active[i]) continue;
      const int frame = Trunc(pool.Blast[i]);
      const double x = pool.ShotX[i], y = pool.ShotY[i];
      if (pool.Target[i] != 0) {
        const int target = pool.Target[i];
        if (target > 0 && !form_.RoadObjects[target]) continue;
        const TSprite& on =
            target < 0 ? static_cast<const TSprite&>(*form_.PlayerCar) : *form_.RoadObjects[target];
        Blit(Race(pool.Kind[i] == ShotKinds::kRocket ? "RocketExplosion" : "BulletExplosion"),
             RoundHalfEven(on.X + x), RoundHalfEven(on.Y + y), frame);
      } else if (pool.Kind[i] == ShotKinds::kRocket && pool.Angle[i] != 0) {
        Turn(Race("Rocket"), RoundHalfEven(x + 2.5), RoundHalfEven(y + 5), 5, 10, 0, 0.5, 0.5,
             pool.Angle[i]);
      } else if (pool.Kind[i] == ShotKinds::kRocket) {
        Blit(Race("Rocket"), RoundHalfEven(x), RoundHalfEven(y), 0);
      } else {
        const char* name = pool.Kind[i] == ShotKinds::kShell      ? "BulletG"
                           : pool.Owner[i] == ShotOwners::kPlayer ? "BulletMGMy"
                                                                  : "BulletMGMonster";
        Blit(Race(name), RoundHalfEven(x), RoundHalfEven(y), frame);
      }
    }
  }

  void Needle() {
    const TCaptionSprite& needle = *form_.NeedleSprite;
    Turn(*needle.Image, 718 - form_.ShakeDX, 544 - form_.ShakeDY, needle.Width, needle.Height, 0,
         0.8181818181818182, 0.13157894736842105,
         NeedleAngle(form_.PlayerCar->Speed, form_.NeedleJitter));
  }

  // The HUD's texts where it puts them, as masks rendered once.
  void HudTexts() {
    const TMyCarSprite& car = *form_.PlayerCar;
    const std::array<int, 4> clock = ClockDigits(form_.TimeLeftMs);
    const int dx = form_.ShakeDX, dy = form_.ShakeDY;
    Text(5, std::to_string(form_.Level), 65 - dx, 94 - dy, true);
    Text(2, std::to_string(form_.Score), 65 - dx, 183 - dy, true);
    const int clockX[4] = {46, 54, 68, 76};
    for (int i = 0; i < 4; ++i) Text(4, std::to_string(clock[i]), clockX[i] - dx, 266 - dy, false);
    Text(4, ":", 62, 264, false);
    const int ammo[3] = {car.Ammo / 100, (car.Ammo / 10) % 10, car.Ammo % 10};
    for (int i = 0; i < 3; ++i) Text(14, std::to_string(ammo[i]), 745 + 8 * i - dx, 330 - dy, true);
    if (car.HasTurbo || car.HasShield) ++unknown_;
  }

  void Text(int style, const std::string& text, int x, int y, bool centred) {
    const FontStyle& s = kFontStyles[style];
    masks_.push_back(std::make_unique<GlyphMask>(
        form_.platform.fonts->Render(s.Face, PointsToPixels(s.SizePt), s.Bold, text)));
    const GlyphMask& m = *masks_.back();
    if (centred) {
      x -= RoundHalfEven(m.Width / 2.0);
      y -= RoundHalfEven(m.Height / 2.0);
    }
    frame_.push_back(bench::RawText{m.Alpha.data(), m.Width, m.Height, x, y, s.R, s.G, s.B});
  }

  TMForm& form_;
  bench::RawFrame frame_;
  // The texts' steps point into these; they live as long as the capture.
  std::vector<std::unique_ptr<GlyphMask>> masks_;
  int unknown_ = 0;
};

// The pixel work of one busy race frame, written straight over the pixel arrays.
void BM_RaceFrameFloor(benchmark::State& state) {
  BusyRace race;
  TMForm& form = race.Form();
  race.Fill();
  RaceFrame(form, kLagMs);
  race.Fill();
  RaceFrame(form, kLagMs);
  // Draw the same scene again through the game, without moving it, to check the capture.
  RenderScene(form, 0, false);
  DrawNeedle(form);
  DrawHudText(form);
  SceneCapture capture(form);
  const bench::RawFrame frame = capture.Take();
  const Surface& drawn = form.MDXDraw.DrawSurface();
  std::vector<uint16_t> pixels(drawn.Width() * static_cast<size_t>(drawn.Height()));
  bench::DrawRawFrame(frame, pixels.data(), drawn.Width(), drawn.Height());
  int differing = 0;
  for (size_t i = 0; i < pixels.size(); ++i) differing += pixels[i] != drawn.Pixels()[i];

  for (auto _ : state) {
    bench::DrawRawFrame(frame, pixels.data(), drawn.Width(), drawn.Height());
    benchmark::ClobberMemory();
  }
  state.counters["steps"] = static_cast<double>(frame.size());
  // Pixels where the floor's frame is not the game's (rounding in the turns); steps it could
  // not take would show here too.
  state.counters["differing_pixels"] = differing;
  state.counters["unknown_steps"] = capture.Unknown();
}
BENCHMARK(BM_RaceFrameFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vontra
