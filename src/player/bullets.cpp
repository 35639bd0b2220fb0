#include "player/bullets.h"

#include "app/race_state.h"
#include "assets/picture_collection.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"
#include "road/wall_sprite.h"

namespace vontra {
namespace {

// A hit explosion plays 17 frames at 50 frames a second whatever the frame rate.
constexpr double kBlastFrames = 17;
constexpr double kBlastRate = 50;

template <typename Box>
bool PointInBox(double x, double y, const Box& box) {
  return box.X <= x && x <= box.X + box.Width && box.Y <= y && y <= box.Y + box.Height;
}

}  // namespace

int32_t ShotDamage(ShotKinds kind) {
  return kind == ShotKinds::kRocket ? 21 : 11;
}

TBullets::TBullets(RaceState& race) : TImageSprite(SpriteRoot(race)), race_(race) {
  AssignImage(RaceImage(race, "BulletMGMy"));
  X = 0;
  Y = 0;
  SetZ(5);
}

void TBullets::AddShot(int32_t angle, ShotKinds kind, double x, double y, double speed,
                       ShotOwners owner) {
  for (int32_t i = 1; i <= kShotSlots; ++i) {
    if (Active[i]) continue;
    Active[i] = true;
    ShotX[i] = x;
    ShotY[i] = y;
    Speed[i] = speed;
    Angle[i] = angle;
    Kind[i] = kind;
    Owner[i] = owner;
    Target[i] = 0;
    Blast[i] = 0;
    return;
  }
}

void TBullets::AttachHit(int32_t slot, int32_t target, int32_t dx, int32_t dy) {
  Target[slot] = target;
  ShotX[slot] = dx;
  ShotY[slot] = dy;
}

void TBullets::FreeAllShots() {
  for (int32_t i = 1; i <= kShotSlots; ++i) FreeShot(i);
}

int32_t TBullets::ActiveCount() const {
  int32_t n = 0;
  for (int32_t i = 1; i <= kShotSlots; ++i) n += Active[i] ? 1 : 0;
  return n;
}

void TBullets::MoveSelf(int32_t elapsedMs) {
  TImageSprite::MoveSelf(elapsedMs);
  TMyCarSprite* car = race_.PlayerCar.get();
  for (int32_t i = 1; i <= kShotSlots; ++i) {
    if (!Active[i]) continue;
    // Read per shot: a shot earlier in this loop may have destroyed the car and stopped it.
    const double carStep = car ? car->Step : 0.0;
    if (Target[i] != 0) {
      Blast[i] += race_.FrameTimeMs / 1000.0 * kBlastRate;
      if (Blast[i] >= kBlastFrames) FreeShot(i);
    }
    if (Target[i] == 0) {
      // The shot's own speed and the road's scrolling, weighted as the game always has.
      ShotY[i] -= Speed[i] * race_.SpeedFactor * 0.25 - carStep * race_.SpeedFactor * 0.125;
    } else if (Target[i] > 0) {
      const int32_t j = Target[i];
      if (!race_.RoadObjects[j] || race_.RoadObjects[j]->Wrecked) FreeShot(i);
    } else if (!car || car->State == CarStates::kDestroyed) {
      FreeShot(i);
    }
    if (Target[i] != 0) continue;
    HitPlayerCar(i);
    if (Target[i] != 0) continue;
    if (Owner[i] == ShotOwners::kPlayer) HitRoadObjects(i);
    if (Target[i] == 0 && !(110 < ShotX[i] && ShotX[i] < 665 && -10 < ShotY[i] && ShotY[i] < 600)) {
      FreeShot(i);
    }
  }
}

void TBullets::HitPlayerCar(int32_t i) {
  TMyCarSprite* car = race_.PlayerCar.get();
  if (Owner[i] != ShotOwners::kTraffic || !car || car->State != CarStates::kDriving) return;
  if (!PointInBox(ShotX[i], ShotY[i], *car)) return;
  RacePlaySound(race_, "Bullet");
  AttachHit(i, -1, RoundHalfEven(ShotX[i] - car->X - car->Width / 2.0),
            RoundHalfEven(ShotY[i] - car->Y - car->Height / 4.0));
  car->TakeDamage(ShotDamage(Kind[i]));
}

void TBullets::HitRoadObjects(int32_t i) {
  for (int32_t j = 1; j <= kRoadObjectSlots; ++j) {
    if (!race_.RoadObjects[j]) continue;
    TWallSprite& o = *race_.RoadObjects[j];
    if (o.Wrecked || !PointInBox(ShotX[i], ShotY[i], o)) continue;
    if (o.IsCar) {
      o.HitPoints -= ShotDamage(Kind[i]);
      if (o.HitPoints <= 0) {
        o.Wreck();
        if (race_.PlayerCar) race_.PlayerCar->AddScore(static_cast<uint16_t>(o.ScoreValue));
        FreeShot(i);
      } else {
        RacePlaySound(race_, "BulletSmall");
        AttachHit(i, j, RoundHalfEven(ShotX[i] - o.X - o.Width / 2.0),
                  RoundHalfEven(ShotY[i] - o.Y - o.Height / 2.0));
      }
      return;
    }
    if (!o.ShotProof) {
      // A shot destroys every obstacle whose box holds its point in this frame.
      FreeShot(i);
      o.Wreck();
    }
  }
}

void TBullets::DrawSelf() {
  Surface* surface = Engine() ? Engine()->DrawSurface : nullptr;
  if (!surface) return;
  for (int32_t i = 1; i <= kShotSlots; ++i) {
    if (!Active[i]) continue;
    const int32_t frame = Trunc(Blast[i]);
    if (Target[i] == 0) {
      if (Kind[i] == ShotKinds::kRocket) {
        TPictureCollectionItem* rocket = RaceImage(race_, "Rocket");
        if (Angle[i] == 0) {
          rocket->Draw(*surface, RoundHalfEven(ShotX[i]), RoundHalfEven(ShotY[i]), 0);
        } else {
          rocket->DrawRotated(*surface, RoundHalfEven(ShotX[i] + 2.5), RoundHalfEven(ShotY[i] + 5),
                              5, 10, 0, 0.5, 0.5, Angle[i]);
        }
        continue;
      }
      const char* name = Kind[i] == ShotKinds::kShell
                             ? "BulletG"
                             : (Owner[i] == ShotOwners::kPlayer ? "BulletMGMy" : "BulletMGMonster");
      RaceImage(race_, name)
          ->Draw(*surface, RoundHalfEven(ShotX[i]), RoundHalfEven(ShotY[i]), frame);
      continue;
    }
    double tx = 0;
    double ty = 0;
    if (Target[i] < 0) {
      if (!race_.PlayerCar) continue;
      tx = race_.PlayerCar->X;
      ty = race_.PlayerCar->Y;
    } else {
      // The target may have been purged since the last move; its explosion goes with it.
      if (!race_.RoadObjects[Target[i]]) continue;
      tx = race_.RoadObjects[Target[i]]->X;
      ty = race_.RoadObjects[Target[i]]->Y;
    }
    const char* name = Kind[i] == ShotKinds::kRocket ? "RocketExplosion" : "BulletExplosion";
    RaceImage(race_, name)
        ->Draw(*surface, RoundHalfEven(tx + ShotX[i]), RoundHalfEven(ty + ShotY[i]), frame);
  }
}

}  // namespace vontra
