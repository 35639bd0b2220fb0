#pragma once
// The race: the player's car, the shots, the road objects and the spawner, the race clock, score
// and lives, the screen shake and the frame timing they all run on. The car, the shots, the
// explosions, the road objects and the spawner see this and nothing else of the game; the few
// things a race needs from outside (the sprite tree, pictures, sounds, the end of the game) it
// asks through the hooks below, which the main window answers.
#include <cstdint>
#include <memory>
#include <string_view>

#include "app/game_random.h"
#include "road/road_state.h"

namespace vontra {

class TMyCarSprite;
class TBullets;
class TExplosion;
class TSprite;
class TPictureCollectionItem;

class RaceState : public RoadState {
 public:
  RaceState() = default;
  RaceState(const RaceState&) = delete;
  RaceState& operator=(const RaceState&) = delete;

  // The sprite tree's root, which every race sprite hangs under.
  virtual TSprite* RaceRoot() = 0;
  // A picture of the race list; an unknown name fails as the list's lookup fails.
  virtual TPictureCollectionItem* FindRaceImage(std::string_view name) = 0;
  // A picture of the list the current screen draws from (the race list on the race screen).
  virtual TPictureCollectionItem* FindScreenImage(std::string_view name) = 0;
  virtual bool RaceOnScreen() const = 0;
  virtual void PlayRaceSound(std::string_view name) = 0;
  virtual void StopRaceSound(std::string_view name) = 0;
  // The car is gone with no life left.
  virtual void LoseGame() = 0;

  // Frame timing, set by the tick after every frame.
  int32_t FrameRate = 0;
  int32_t FrameTimeMs = 15;
  double SpeedFactor = 1.0;

  int32_t Level = 0;
  int32_t Score = 0;
  int32_t Lives = 0;
  int32_t TimeLeftMs = 0;
  double FinishY = 0;

  // The race's own sprites, made by CreateCarSprites / CreateExplosions and freed by
  // FreeRaceSprites; the sprite tree only links them.
  std::unique_ptr<TMyCarSprite> PlayerCar;
  std::unique_ptr<TBullets> PlayerBullets;

  bool ShakeActive = false;
  int32_t ShakeDX = 0;
  int32_t ShakeDY = 0;
  int32_t ShakeTimer = 0;
  int32_t ShakeCount = 0;

  std::unique_ptr<TExplosion> EngineFireSprite;
  std::unique_ptr<TExplosion> GunFireSprite;
  std::unique_ptr<TExplosion> MicroExplosion;
  std::unique_ptr<TExplosion> BigExplosion;
  // BigExplosion's frame position at the car's previous move: a smaller one means it wrapped.
  double LastBigExplosionPos = 0;

  GameRandom Random;

 protected:
  ~RaceState() = default;
};

}  // namespace vontra
