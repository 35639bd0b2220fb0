#include "road/wall_sprite.h"

#include <algorithm>

#include "app/race_state.h"
#include "assets/picture_collection.h"
#include "player/lanes.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"
#include "road/wall_kinds.h"

namespace vontra {
namespace {

constexpr double kSpawnY = -220;
constexpr double kLeftVerge = 125;
constexpr double kRightVerge = 620;

}  // namespace

TWallSprite::TWallSprite(RaceState& race, uint8_t kind, int32_t slot)
    : TImageSprite(SpriteRoot(race)), race_(race) {
  Slot = slot;
  Kind = kind;
  const WallKindInfo& info = WallKind(kind);
  ShotProof = info.ShotProof;
  ExplosionClass = info.ExplosionClass;
  RandomSideX = info.Placement == WallPlacement::kVerge;
  Side = info.Side;
  Animated = info.Group == WallGroup::kBonus;
  HitPoints = info.HitPoints;
  SameDirection = info.SameDirection;
  if (info.Group == WallGroup::kFinish) SetZ(2);
  switch (info.Placement) {
    case WallPlacement::kLane8:
      // A traffic car picks its lane with its other start values.
      if (info.Group != WallGroup::kCar) X = PickLane8(race.Random, info.LaneBase);
      break;
    case WallPlacement::kLane4:
      X = PickLane4(race.Random, info.LaneBase);
      break;
    case WallPlacement::kFixed:
      X = info.FixedX;
      break;
    default:
      break;
  }
  if (info.Group == WallGroup::kCar) SetCarStartValues();
  ScoreValue = HitPoints;
  BurstShotsLeft = ShotTimerMs = BurstTimerMs = 0;
  SetImageByName(info.Image);
  if (RandomSideX) PlaceOnVerge();
  Y = kSpawnY;
  if (Z() == 0) SetZ(2);
  Overlaps = kind != ToInt(RoadObjectKinds::kFinishLine) && TouchesOtherObject();
  if (Animated) {
    FramePos = 0;
    AnimRate = 5;
    LoopFrames = true;
    FrameCount = Image ? Image->PatternCount() : 0;
  }
}

void TWallSprite::SetImageByName(std::string_view name) {
  AssignImage(RaceImage(race_, name));
}

void TWallSprite::PlaceOnVerge() {
  bool left = Side == 2;
  if (Side == 0) left = race_.Random.Next(2) == 0;
  if (left) {
    X = kLeftVerge + race_.Random.Next(37 - Width);
  } else {
    X = kRightVerge + race_.Random.Next(42 - Width);
  }
}

bool TWallSprite::TouchesOtherObject() const {
  // Edges included: a shared edge or corner counts as touching.
  for (int32_t s = 1; s <= kRoadObjectSlots; ++s) {
    const TWallSprite* o = race_.RoadObjects[s].get();
    if (s == Slot || !o) continue;
    if (X <= o->X + o->Width && o->X <= X + Width && Y <= o->Y + o->Height && o->Y <= Y + Height) {
      return true;
    }
  }
  return false;
}

void TWallSprite::MoveSelf(int32_t elapsedMs) {
  TImageSprite::MoveSelf(elapsedMs);
  if (FramePos >= FrameCount - 0.5) FramePos = 0;
  FrameSpeed = 1.0 * race_.SpeedFactor * AnimRate * (1.0 / std::max(race_.FrameTimeMs, 1)) / 100;
  CheckCollisions();
  if (Kind == ToInt(RoadObjectKinds::kFinishLine)) race_.FinishY = Y;
  if (IsCar) {
    MoveCar();
  } else {
    const double step = race_.PlayerCar ? race_.PlayerCar->Step : 0.0;
    Y += step * 1.0 * 0.5 * 0.5;
  }
}

void TWallSprite::DrawSelf() {
  Surface* surface = Engine() ? Engine()->DrawSurface : nullptr;
  if (!surface || !Image) return;
  Image->Draw(*surface, RoundHalfEven(X), RoundHalfEven(Y), Trunc(FramePos));
  if (IsCar && !Wrecked) DrawCarWeapon();
}

void TWallSprite::Wreck() {
  if (race_.PlayerCar && race_.PlayerCar->State == CarStates::kDriving)
    RacePlaySound(race_, "WallExplosion");
  const int32_t w0 = Width;
  const int32_t h0 = Height;
  static constexpr const char* kExplosions[4] = {nullptr, "ExplosionSmall", "ExplosionBig",
                                                 "BombExplosion"};
  if (ExplosionClass >= 1 && ExplosionClass <= 3) SetImageByName(kExplosions[ExplosionClass]);
  if (Image) {
    Width = Image->Width();
    Height = Image->Height();
  }
  // The explosion stays centred on the object.
  X += (w0 - Width) / 2.0;
  Y += (h0 - Height) / 2.0;
  FrameCount = Image ? Image->PatternCount() : 0;
  LoopFrames = false;
  AnimRate = 25;
  FramePos = 0;
  OwnSpeed = 0;
  LateralSpeed = 0;
  Wrecked = true;
}

void TWallSprite::CollideWith(TSprite& other, bool& /*done*/) {
  TMyCarSprite* car = race_.PlayerCar.get();
  if (car && &other == car) {
    if (!Wrecked && !car->Finished) ContactWithPlayer();
    return;
  }
  auto* o = dynamic_cast<TWallSprite*>(&other);
  if (!o || Wrecked || o->Wrecked || !IsCar) return;
  // A traffic car crashing into another car or into a wall wrecks both.
  if (o->IsCar || o->Kind == ToInt(RoadObjectKinds::kWallSmall)) {
    o->Wreck();
    Wreck();
  }
}

void TWallSprite::ContactWithPlayer() {
  TMyCarSprite& car = *race_.PlayerCar.get();
  const WallKindInfo& info = WallKind(Kind);
  if (info.Group == WallGroup::kBonus) {
    car.GiveBonus(info.Bonus);
    Collected = true;
    return;
  }
  if (IsCar) {
    Ram();
    return;
  }
  switch (Kind) {
    case ToInt(RoadObjectKinds::kCrack):
      CollisionEnabled = false;
      car.SpeedMode = SpeedModes::kDownToTarget;
      car.TargetSpeed = 0.75 * car.Speed;
      break;
    case ToInt(RoadObjectKinds::kWaterSmall):
      RacePlaySound(race_, "Water");
      CollisionEnabled = false;
      car.SpeedMode = race_.Random.Next(2) == 0 ? SpeedModes::kSkidLeft : SpeedModes::kSkidRight;
      car.ModeTimerMs = 700;
      car.TargetSpeed = car.Speed > 25.0 / 7.0 ? car.Speed - 25.0 / 7.0 : 0.0;
      break;
    case ToInt(RoadObjectKinds::kStonesSmall):
      CollisionEnabled = false;
      car.SpeedMode = SpeedModes::kDownToTarget;
      car.TargetSpeed = 0.5 * car.Speed;
      break;
    case ToInt(RoadObjectKinds::kSpikesBig):
    case ToInt(RoadObjectKinds::kSpikesSmall):
      RacePlaySound(race_, "Spike");
      CollisionEnabled = false;
      car.SpeedMode = SpeedModes::kSpikes;
      car.TargetSpeed = 25.0 / 7.0;
      car.ModeTimerMs = 5000;
      break;
    case ToInt(RoadObjectKinds::kWallSmall):
      Wreck();
      car.DestroyCar();
      break;
    default:
      break;
  }
}

}  // namespace vontra
