#pragma once
// A race world without the race screen around it: the player's car, the shot pool, the explosion
// clocks and the road-object slots on a headless game state, with synthetic race pictures of the
// game's sizes. Tests drive it frame by frame with scripted controls and a fixed seed; every
// frame ends with a check of the world's bookkeeping.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/mform.h"
#include "app/race_step.h"
#include "platform/headless/headless_platform.h"
#include "platform/surface.h"

namespace vontra {

class TMyCarSprite;
class TBullets;
class TWallSprite;
class TExplosion;

class RaceWorld {
 public:
  struct Options {
    int FrameRate = 85;
    uint32_t Seed = 1;
    uint8_t Model = 1;
    int32_t Level = 1;
    int32_t Lives = 4;
    // Draw every frame onto an 800 x 600 surface (the draw pass also runs the drawing code).
    bool Draw = true;
    // Run the road step (spawn and purge road objects) at the end of each frame, as the race
    // frame does.
    bool Spawn = true;
    // Check the bookkeeping after every frame (benchmarks turn it off).
    bool Check = true;
  };

  RaceWorld() : RaceWorld(Options{}) {}
  explicit RaceWorld(const Options& options);
  ~RaceWorld();
  RaceWorld(const RaceWorld&) = delete;
  RaceWorld& operator=(const RaceWorld&) = delete;

  TMForm& Form() { return *form_; }
  TMyCarSprite& Car();
  TBullets& Bullets();
  TExplosion& BigExplosion();
  Surface& Frame() { return surface_; }

  // Frame timing as the frame loop derives it from a measured rate (the game's own derivation).
  void SetFrameRate(int rate);
  // The game's race start: the car's per-race reset, the slots, the finish line, the weights,
  // the shots. Its level banner is not shown (see WindowsOpened).
  void StartLevel(int32_t level);

  // One race frame: move pass, draw pass, then the game's own car step (the finish line, the idle
  // bonus timers, the controls) and road step (the spawner and the purge); then the bookkeeping
  // check. Returns false once the check has failed.
  bool Step(const RaceControls& controls = {});
  // Frames with the same controls; stops early at a failed check.
  bool Run(int frames, const RaceControls& controls = {});
  // Only the sprite engine's move pass.
  void MovePass();

  // A road object of `kind` in the lowest free slot, moved to (x, y) after its creation (so no
  // overlap test discards it). Null when every slot is used.
  TWallSprite* Place(uint8_t kind, double x, double y);

  // Empty when the world's bookkeeping holds; else what is wrong.
  std::string CheckBookkeeping() const;

  // Sounds started since construction (or the last ClearSounds), in order.
  const std::vector<std::string>& Sounds() const { return sounds_; }
  int SoundCount(const std::string& name) const;
  void ClearSounds() { sounds_.clear(); }
  // Message windows opened, but for the level banners, which the world never shows.
  const std::vector<WindowKinds>& WindowsOpened() const { return windows_; }
  int Frames() const { return frames_; }
  // Races finished (the car stopped after the line) and started anew by Step.
  int RacesFinished() const { return racesFinished_; }

 private:
  Options options_;
  HeadlessPlatform platform_;
  std::unique_ptr<TMForm> form_;
  Surface surface_;
  std::vector<std::string> sounds_;
  std::vector<WindowKinds> windows_;
  int frames_ = 0;
  int racesFinished_ = 0;
};

// The race archive's pictures with the names, frame sizes and frame counts of the forge's
// catalogue, in flat colours.
void FillRaceImages(TPictureCollection& list);

}  // namespace vontra
