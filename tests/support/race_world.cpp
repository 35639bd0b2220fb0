#include "support/race_world.h"

#include <algorithm>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "app/frame_tick.h"
#include "app/race_level.h"
#include "assets/picture_collection.h"
#include "forge/pictures/picture_catalogue.h"
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
  for (const forge::PictureSpec& spec : forge::kPictures) {
    if (spec.archive != forge::Archive::Race) continue;
    TPictureCollectionItem& item = list.Add();
    item.SetName(std::string(spec.name));
    item.Picture.Width = spec.width * spec.frames;
    item.Picture.Height = spec.height;
    // Never pure black, which is the colour key.
    colour = (colour * 1103515245u + 12345u) & 0xFFFFFF;
    item.Picture.Pixels.assign(static_cast<size_t>(item.Picture.Width) * spec.height,
                               colour | 0x101010);
    item.PatternWidth = spec.width;
    item.PatternHeight = spec.height;
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
    // The world runs without the shell's windows: the level banner of a new race is shown to
    // no one, and the race goes on at once.
    if (kind == WindowKinds::kLevelBanner) return;
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
  UpdateFrameTiming(*form_, rate);
}

void RaceWorld::StartLevel(int32_t level) {
  vontra::StartLevel(*form_, level);
}

void RaceWorld::MovePass() {
  form_->MDXSpriteEngine->Move(form_->FrameTimeMs);
}

bool RaceWorld::Step(const RaceControls& controls) {
  TMForm& form = *form_;
  ++frames_;
  if (form.WindowKind == WindowKinds::kNone) {
    MovePass();
    if (options_.Draw) {
      surface_.Fill(0);
      form.MDXSpriteEngine->Root().DrawAll();
    }
    // The world runs no race clock (its time-up opens a window only the shell closes): a car
    // stopped after the finish goes straight on to the next race, without the time bonus.
    if (Car().Stopped) {
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
    const TWallSprite* o = form.RoadObjects[s].get();
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
