#include "support/autopilot.h"

#include <cmath>
#include <limits>

#include "app/mform.h"
#include "app/virtual_keys.h"
#include "frontend/menu_button.h"
#include "player/my_car_sprite.h"
#include "road/wall_kinds.h"
#include "road/wall_sprite.h"

namespace vontra {

namespace {

constexpr int kSettleFrames = 20;
// The carriageway the car keeps to.
constexpr double kRoadLeft = 167;
constexpr double kRoadRight = 620;
// How far up the road the pilot looks, and how much room it leaves beside an obstacle.
constexpr double kLookAhead = 320;
constexpr double kMargin = 10;

}  // namespace

Autopilot::Autopilot(const AutopilotSettings& settings)
    : settings_(settings), random_(settings.Seed), car_(settings.FirstCar - 1) {}

bool Autopilot::Chance(double p) {
  return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p;
}

void Autopilot::PlanRace() {
  raceFrames_ = 0;
  std::uniform_int_distribution<int64_t> when(60, 2400);
  pauseAt_ = Chance(settings_.PauseChance) ? when(random_) : -1;
  quitAt_ = Chance(settings_.QuitChance) ? when(random_) : -1;
  idle_ = Chance(settings_.IdleChance);
  targetX_ = -1;
}

void Autopilot::ClickSlot(TMForm& form, const AutopilotHands& hands, int slot) {
  const TMenuButton* button = form.WidgetSlots[slot].get();
  if (!button) return;
  PlatformEvent e;
  e.X = static_cast<int>(button->X) + button->Width / 2;
  e.Y = static_cast<int>(button->Y) + button->Height / 2;
  e.kind = PlatformEvent::Kind::MouseMove;
  hands.Send(e);
  e.kind = PlatformEvent::Kind::MouseClick;
  hands.Send(e);
  quietUntil_ = frame_ + kSettleFrames;
}

void Autopilot::Type(const AutopilotHands& hands, uint8_t c) {
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::Char;
  e.Char = c;
  hands.Send(e);
}

void Autopilot::Step(TMForm& form, const AutopilotHands& hands) {
  ++frame_;
  InputStateSet held;
  if (form.ScreenState == ScreenStates::kRace) {
    Race(form, hands, held);
  } else {
    Menu(form, hands);
  }
  // A pressed key is let go the next frame, so the next press is an edge again.
  if (pressed_) {
    pressed_ = false;
  } else if (press_ != InputStateSet{}) {
    held.Pause |= press_.Pause;
    held.Escape |= press_.Escape;
    held.Yes |= press_.Yes;
    held.No |= press_.No;
    pressed_ = true;
  }
  press_ = {};
  lastWindow_ = form.WindowKind;
  hands.Hold(held);
}

void Autopilot::Menu(TMForm& form, const AutopilotHands& hands) {
  if (form.WindowKind == WindowKinds::kQuitQuestion ||
      form.WindowKind == WindowKinds::kClearQuestion) {
    press_.No = true;
    return;
  }
  if (frame_ < quietUntil_) return;
  switch (form.ScreenState) {
    case ScreenStates::kMainMenu:
      if (form.MenuIntroPhase == 0 && !finishing_) ClickSlot(form, hands, 1);
      break;
    case ScreenStates::kCarChoice:
      ClickSlot(form, hands, 7 + car_);
      car_ = (car_ + 1) % 4;
      break;
    case ScreenStates::kOptions:
    case ScreenStates::kHighScores:
    case ScreenStates::kHelp:
      Type(hands, kCharEscape);
      quietUntil_ = frame_ + kSettleFrames;
      break;
    default:
      break;
  }
}

void Autopilot::Race(TMForm& form, const AutopilotHands& hands, InputStateSet& held) {
  if (form.WindowKind == WindowKinds::kLevelBanner && lastWindow_ != WindowKinds::kLevelBanner)
    ++races_;
  if (form.WindowKind == WindowKinds::kNone && lastWindow_ == WindowKinds::kLevelBanner) PlanRace();
  switch (form.WindowKind) {
    case WindowKinds::kNone:
      break;
    case WindowKinds::kPause:  // paused: a while, then on again
      if (++pausedFrames_ > 45) press_.Pause = true;
      return;
    case WindowKinds::kFinishQuestion:
      press_.Yes = true;
      return;
    case WindowKinds::kNameEntry:
      if (!typedName_) {
        for (char c : settings_.Name) Type(hands, static_cast<uint8_t>(c));
        Type(hands, kCharEnter);
        typedName_ = true;
      }
      return;
    case WindowKinds::kSendQuestion:
      typedName_ = false;
      if (settings_.SendResult) {
        press_.Yes = true;
      } else {
        press_.No = true;
      }
      return;
    case WindowKinds::kQuitQuestion:
    case WindowKinds::kClearQuestion:
      press_.No = true;
      return;
    default:  // banners and messages run by themselves
      return;
  }
  ++raceFrames_;
  // Escape is ignored while the screen shakes: the pilot waits for it to end.
  const bool quitting = finishing_ || (quitAt_ >= 0 && raceFrames_ >= quitAt_);
  if (quitting && !form.ShakeActive && !pressed_) {
    press_.Escape = true;
    quitAt_ = -1;
    return;
  }
  if (pauseAt_ >= 0 && raceFrames_ >= pauseAt_ && !pressed_) {
    pausedFrames_ = 0;
    press_.Pause = true;
    pauseAt_ = -1;
    return;
  }
  if (idle_) return;
  held.Up = true;
  held.Fire = true;
  Drive(form, held);
}

void Autopilot::Drive(TMForm& form, InputStateSet& held) {
  const TMyCarSprite* car = form.PlayerCar.get();
  if (!car) return;
  const double carW = car->Width;
  // Re-plan every few frames: steady keys, and short recordings.
  if (targetX_ < 0 || raceFrames_ % 6 == 0) {
    double best = std::numeric_limits<double>::max();
    for (double x = kRoadLeft; x + carW <= kRoadRight; x += 8) {
      double cost = 0.02 * std::abs(x - car->X);
      for (int slot = 1; slot <= kRoadObjectSlots; ++slot) {
        const TWallSprite* w = form.RoadObjects[slot].get();
        if (!w || w->Wrecked || w->Collected) continue;
        const WallGroup group = WallKind(w->Kind).Group;
        const bool bonus = group == WallGroup::kBonus;
        if (!bonus && group != WallGroup::kObstacle && group != WallGroup::kCar) continue;
        const double ahead = car->Y - (w->Y + w->Height);
        if (ahead > kLookAhead || w->Y > car->Y + car->Height) continue;
        const double margin = bonus ? 0 : kMargin;
        if (w->X + w->Width <= x - margin || w->X >= x + carW + margin) continue;
        const double nearness = 1.0 + std::max(ahead, 0.0) / 40.0;
        cost += bonus ? -20.0 / nearness : 1000.0 / nearness;
      }
      if (cost < best) {
        best = cost;
        targetX_ = x;
      }
    }
  }
  // A frame's sideways step is up to 4 pixels at 85 frames a second: a dead band wider than
  // that keeps the car from swinging around its target.
  const double deadBand = 3.0 * form.SpeedFactor + 1.0;
  if (targetX_ > car->X + deadBand) held.Right = true;
  if (targetX_ < car->X - deadBand) held.Left = true;
}

}  // namespace vontra
