#pragma once
// A player that needs no one: it starts games from the menu, picks a car, drives toward free
// road while firing, sometimes pauses or ends a race with Escape and Y, enters its name when
// the score qualifies, declines to send it and leaves the high-score screen. Its choices come
// from its own generator, never the game's, so watching does not change the game.
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "app/named_states.h"
#include "platform/events.h"
#include "platform/input_states.h"

namespace vontra {

class TMForm;

struct AutopilotSettings {
  uint32_t Seed = 1;
  // Chances, per race, that the pilot pauses once / ends the game with Escape and Y / just
  // stands until the clock runs out.
  double PauseChance = 0;
  double QuitChance = 0;
  double IdleChance = 0;
  std::string Name = "Pilot";  // typed when the score enters the table
  bool SendResult = false;
  // Cars chosen in turn, 1..4.
  int FirstCar = 1;
};

// Where the pilot's hands go: window events before the next frame, and the held keys.
struct AutopilotHands {
  std::function<void(const PlatformEvent&)> Send;
  std::function<void(const InputStateSet&)> Hold;
};

class Autopilot {
 public:
  explicit Autopilot(const AutopilotSettings& settings);

  // Looks at the game and sets this frame's input; call before each tick.
  void Step(TMForm& form, const AutopilotHands& hands);
  // From now on the pilot ends the game it plays at the first chance and starts no new one.
  void Finish() { finishing_ = true; }
  // Races started so far (level banners seen).
  int Races() const { return races_; }

 private:
  void Menu(TMForm& form, const AutopilotHands& hands);
  void Race(TMForm& form, const AutopilotHands& hands, InputStateSet& held);
  void Drive(TMForm& form, InputStateSet& held);
  void ClickSlot(TMForm& form, const AutopilotHands& hands, int slot);
  void Type(const AutopilotHands& hands, uint8_t c);
  bool Chance(double p);
  void PlanRace();

  AutopilotSettings settings_;
  std::mt19937 random_;
  int64_t frame_ = 0;
  int64_t quietUntil_ = 0;  // no menu action before this frame (screens settle)
  int car_ = 0;
  int races_ = 0;
  WindowKinds lastWindow_ = WindowKinds::kNone;
  int lastLevel_ = -1;
  // This race's plan, in frames after its banner closed (-1: not at all).
  int64_t raceFrames_ = 0;
  int64_t pauseAt_ = -1;
  int64_t quitAt_ = -1;
  bool idle_ = false;
  int64_t pausedFrames_ = 0;
  bool typedName_ = false;
  bool finishing_ = false;
  // A key pressed for exactly one frame (edges are what the race reads).
  InputStateSet press_;
  bool pressed_ = false;
  double targetX_ = -1;
};

}  // namespace vontra
