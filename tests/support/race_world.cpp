#include "support/race_world.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "app/race_level.h"
#include "assets/picture_collection.h"
#include "frontend/message_window.h"
#include "player/bullets.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "player/race_sprites.h"
#include "road/spawner.h"
#include "road/wall_sprite.h"
#include "sprites/sprite_engine.h"

namespace vontra {
namespace {

struct ImageSpec {
  std::string Name;
  int Width;
  int Height;
  int Frames;
};

std::vector<ImageSpec> RaceImageSpecs() {
  std::vector<ImageSpec> specs = {
      {"Car1", 40, 72, 1},
      {"Car2", 40, 72, 1},
      {"Car3", 42, 70, 1},
      {"Car4", 38, 74, 1},
      {"CarEngineRed", 20, 36, 1},
      {"CarEngineBlue", 20, 36, 1},
      {"CarEngineYellow", 20, 36, 1},
      {"EngineFire", 24, 40, 5},
      {"GunFire", 12, 14, 4},
      {"EnergyBarSmall", 9, 7, 1},
      {"Crack", 48, 24, 1},
      {"WaterSmall", 44, 28, 1},
      {"StonesSmall", 48, 30, 1},
      {"SpikesBig", 110, 24, 1},
      {"SpikesSmall", 48, 20, 1},
      {"WallSmall", 52, 28, 1},
      {"FenseLeft", 24, 60, 1},
      {"FenseRight", 24, 60, 1},
      {"SignLeftBlue", 26, 40, 1},
      {"SignLeftRed", 26, 40, 1},
      {"SignRightBlue", 30, 40, 1},
      {"SignRightRed", 30, 40, 1},
      {"BushLeft", 36, 40, 1},
      {"BushRight", 36, 40, 1},
      {"CarLeft", 38, 70, 1},
      {"CarRight", 38, 70, 1},
      {"FinishLine", 453, 24, 1},
      {"ExplosionSmall", 48, 48, 14},
      {"ExplosionBig", 64, 64, 14},
      {"BombExplosion", 96, 96, 14},
      {"ExplosionMicro", 16, 16, 4},
      {"BulletMGMy", 4, 8, 1},
      {"BulletMGMonster", 4, 8, 1},
      {"BulletG", 4, 8, 1},
      {"Rocket", 5, 10, 1},
      {"BulletExplosion", 12, 12, 17},
      {"RocketExplosion", 20, 20, 17},
  };
  for (const char* name :
       {"Gun", "Engine", "Shield", "Energy", "Gun2", "Rockets", "Rockets2", "MegaBomb"}) {
    specs.push_back({name, 32, 32, 8});
  }
  for (const char* name :
       {"MG_Top", "MG_Left", "MG_Right", "MG_Top_I", "MG_Left_I", "MG_Right_I"}) {
    specs.push_back({name, 8, 20, 1});
  }
  for (const char* name : {"R_Top", "R_Left", "R_Right", "R_Top_I", "R_Left_I", "R_Right_I"}) {
    specs.push_back({name, 8, 22, 1});
  }
  // Traffic vehicles of varied sizes, both directions alike.
  for (int model = 5; model <= 20; ++model) {
    const int w = 40 + (model % 4) * 4;
    const int h = 70 + (model % 5) * 8;
    specs.push_back({"Car" + std::to_string(model), w, h, 1});
    specs.push_back({"Car" + std::to_string(model) + "_Inv", w, h, 1});
  }
  return specs;
}

HeadlessOptions PlatformOptions(const RaceWorld::Options& options) {
  HeadlessOptions platform;
  platform.FrameRate = options.FrameRate;
  platform.Seed = options.Seed;
  return platform;
}

int CountBelow(const TSprite& sprite) {
  int n = 0;
  for (const TSprite* child : sprite.Children()) n += 1 + CountBelow(*child);
  return n;
}

}  // namespace

void FillRaceImages(TPictureCollection& list) {
  uint32_t colour = 0x204080;
  for (const ImageSpec& spec : RaceImageSpecs()) {
    TPictureCollectionItem& item = list.Add();
    item.SetName(spec.Name);
    item.Picture.Width = spec.Width * spec.Frames;
    item.Picture.Height = spec.Height;
    // Never pure black, which is the colour key.
    colour = (colour * 1103515245u + 12345u) & 0xFFFFFF;
    item.Picture.Pixels.assign(static_cast<size_t>(item.Picture.Width) * spec.Height,
                               colour | 0x101010);
    item.PatternWidth = spec.Width;
    item.PatternHeight = spec.Height;
    item.Prepare();
  }
}

RaceWorld::RaceWorld(const Options& options)
    : options_(options),
      platform_(MakeHeadlessPlatform(PlatformOptions(options))),
      surface_(kDisplayWidth, kDisplayHeight) {
  form_ = std::make_unique<TMForm>(platform_.platform);
  TMForm& form = *form_;
  form.Routines.PlaySound = [this](TMForm&, const std::string& name) { sounds_.push_back(name); };
  form.Routines.OpenMessageWindow = [this](TMForm& f, WindowKinds kind) {
    windows_.push_back(kind);
    f.WindowKind = kind;
  };
  form.Random.Seed(options.Seed);
  form.MDXImageList3 = std::make_unique<TPictureCollection>();
  FillRaceImages(*form.MDXImageList3);
  form.MDXSpriteEngine->Root().AttachSurface(&surface_);
  SetFrameRate(options.FrameRate);
  form.ScreenState = ScreenStates::kRace;

  // The game's own race sprites, in the game's order, without the instrument panels.
  CreateCarSprites(form, options.Model);
  CreateExplosions(form);
  form.Lives = options.Lives;
  form.Score = 0;
  StartLevel(options.Level);
}

RaceWorld::~RaceWorld() {
  FreeRaceSprites(*form_);
}

TMyCarSprite& RaceWorld::Car() {
  return *form_->PlayerCar;
}
TBullets& RaceWorld::Bullets() {
  return *form_->PlayerBullets;
}
TExplosion& RaceWorld::BigExplosion() {
  return *form_->BigExplosion;
}

void RaceWorld::SetFrameRate(int rate) {
  TMForm& form = *form_;
  form.FrameRate = rate;
  form.FrameTimeMs = static_cast<int32_t>(std::nearbyint(1000.0 / rate));
  form.SpeedFactor = 85.0 / rate;
}

void RaceWorld::StartLevel(int32_t level) {
  // The game's own level start; the world runs without the shell's windows, so the level
  // banner it opens is put away at once.
  const WindowKinds windowBefore = form_->WindowKind;
  vontra::StartLevel(*form_, level);
  if (!windows_.empty() && windows_.back() == WindowKinds::kLevelBanner) windows_.pop_back();
  form_->WindowKind = windowBefore;
}

void RaceWorld::MovePass() {
  form_->MDXSpriteEngine->Move(form_->FrameTimeMs);
}

bool RaceWorld::Step(const RaceControls& controls) {
  TMForm& form = *form_;
  TMyCarSprite& car = Car();
  ++frames_;
  if (form.WindowKind == WindowKinds::kNone) {
    MovePass();
    if (options_.Draw) {
      surface_.Fill(0);
      form.MDXSpriteEngine->Root().DrawAll();
    }
    if (car.Stopped) {
      ++racesFinished_;
      StartLevel(form.Level + 1);
    }
    CarStep(form, controls);
    if (options_.Spawn) RoadStep(form);
  }
  if (!options_.Check) return true;
  const std::string problem = CheckBookkeeping();
  if (!problem.empty()) {
    ADD_FAILURE_AT(__FILE__, __LINE__) << "frame " << frames_ << ": " << problem;
    return false;
  }
  return true;
}

bool RaceWorld::Run(int frames, const RaceControls& controls) {
  for (int i = 0; i < frames; ++i) {
    if (!Step(controls)) return false;
  }
  return true;
}

TWallSprite* RaceWorld::Place(uint8_t kind, double x, double y) {
  TWallSprite* object = PlaceRoadObject(*form_, kind);
  if (!object) return nullptr;
  object->X = x;
  object->Y = y;
  return object;
}

std::string RaceWorld::CheckBookkeeping() const {
  const TMForm& form = *form_;
  std::ostringstream out;
  std::set<const TWallSprite*> seen;
  const TSpriteEngine& root = form.MDXSpriteEngine->Root();
  for (int32_t s = 1; s <= kRoadObjectSlots; ++s) {
    const TWallSprite* o = form.RoadObjects[s];
    if (form.RoadObjectUsed[s] != (o != nullptr)) {
      out << "slot " << s << " used " << form.RoadObjectUsed[s] << " but object " << o << "; ";
      continue;
    }
    if (!o) continue;
    if (o->Slot != s) out << "slot " << s << " holds the object of slot " << o->Slot << "; ";
    if (o->Parent() != &root) out << "slot " << s << " object is not in the tree; ";
    if (!seen.insert(o).second) out << "slot " << s << " repeats an object; ";
  }
  const int inTree = CountBelow(root);
  if (root.SpriteCount != inTree) {
    out << "SpriteCount " << root.SpriteCount << " but " << inTree << " sprites in the tree; ";
  }
  const TBullets& pool = *form.PlayerBullets;
  for (int32_t i = 1; i <= kShotSlots; ++i) {
    if (!pool.Active[i]) continue;
    if (ToInt(pool.Kind[i]) < 0 || ToInt(pool.Kind[i]) > 2)
      out << "shot " << i << " kind " << ToInt(pool.Kind[i]);
    if (ToInt(pool.Owner[i]) > 1)
      out << "shot " << i << " owner " << int{ToInt(pool.Owner[i])} << "; ";
    if (pool.Target[i] < -1 || pool.Target[i] > kRoadObjectSlots) {
      out << "shot " << i << " target " << pool.Target[i] << "; ";
    }
    if (pool.Target[i] == 0 && pool.Blast[i] != 0) out << "flying shot " << i << " has a blast; ";
    if (pool.Target[i] != 0 && !(pool.Blast[i] >= 0 && pool.Blast[i] < 17)) {
      out << "shot " << i << " blast " << pool.Blast[i] << "; ";
    }
  }
  const TMyCarSprite& car = *form.PlayerCar;
  if (car.X < 167 || car.X + car.Width > 620) out << "car at x " << car.X << "; ";
  if (car.Energy > 100) out << "car energy " << car.Energy << "; ";
  return out.str();
}

int RaceWorld::SoundCount(const std::string& name) const {
  return static_cast<int>(std::count(sounds_.begin(), sounds_.end(), name));
}

}  // namespace vontra
