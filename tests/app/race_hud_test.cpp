// The race instruments on a race started the way the car choice starts it.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "app/mform.h"
#include "app/race_events.h"
#include "app/race_hud.h"
#include "assets/picture_collection.h"
#include "frontend/front_end.h"
#include "player/my_car_sprite.h"
#include "road/scroll_background.h"
#include "road/spawner.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

// A race screen without the menu before it.
class RaceHud : public ::testing::Test {
 protected:
  void SetUp() override {
    game.Create();
    form().CarChoice = 1;
    StartRace(form());
  }
  TMForm& form() { return game.Form(); }

  HeadlessGame game;
};

TEST(RaceHudClock, DigitsAreMinutesAndSecondsOfTheWholeSecondsLeft) {
  struct Case {
    int32_t Ms;
    std::array<int, 4> Digits;
  };
  for (const Case& c :
       {Case{75000, {0, 1, 1, 5}}, Case{9999, {0, 0, 0, 9}}, Case{0, {0, 0, 0, 0}},
        Case{-170, {0, 0, 0, 0}}, Case{600000, {1, 0, 0, 0}}, Case{59999, {0, 0, 5, 9}}}) {
    EXPECT_EQ(ClockDigits(c.Ms), c.Digits) << c.Ms;
  }
}

TEST_F(RaceHud, LivesPictureFollowsTheLivesAndShowsNothingAtZero) {
  const char* const pictures[] = {"Null", "PanelLife", "PanelLife2", "PanelLife3", "PanelLife4"};
  for (int32_t lives : {4, 2, 0, 3, 1}) {
    form().Lives = lives;
    UpdateHudPanels(form());
    EXPECT_EQ(form().LivesSprite->Image, &form().MDXImageList3->Find(pictures[lives])) << lives;
    EXPECT_EQ(form().ShownLives, lives);
  }
}

TEST_F(RaceHud, WeaponAndBonusIconsShowWhatTheCarCarries) {
  TMyCarSprite& car = *form().PlayerCar;
  car.GiveBonus(BonusCodes::kTwinRockets);
  car.GiveBonus(BonusCodes::kTurbo);
  UpdateHudPanels(form());
  const bool expected[8] = {false, false, false, false, true, false, true, false};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(form().WeaponIcons[i]->Visible, expected[i]) << i;
  car.LoseAllBonuses();
  car.GiveBonus(BonusCodes::kGun);
  UpdateHudPanels(form());
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(form().WeaponIcons[i]->Visible, i == 1) << i;
}

TEST_F(RaceHud, ProgressCarClimbsToTheFinishPointAndStaysThere) {
  TMyCarSprite& car = *form().PlayerCar;
  const double track = TrackLength(1);
  struct Step {
    double Distance;
    double Y;
  };
  // The last step passes y 40; from then on the marker no longer moves, whatever the distance.
  for (const Step& s :
       {Step{0, 225}, Step{track / 2, 225 - 92.5}, Step{track - 1, 40 + 185 / track},
        Step{track + 100, 225 - (track + 100) * 185 / track},
        Step{track + 500, 225 - (track + 100) * 185 / track},
        Step{0, 225 - (track + 100) * 185 / track}}) {
    car.Distance = s.Distance;
    UpdateProgressCar(form());
    EXPECT_DOUBLE_EQ(form().ProgressCarSprite->Y, s.Y) << s.Distance;
  }
}

TEST_F(RaceHud, NeedleTremblesBetweenTwoAndFourAtRest) {
  form().FrameTimeMs = 17;
  form().PlayerCar->Speed = 0;
  std::vector<int32_t> angles;
  for (int i = 0; i < 12; ++i) {
    DrawNeedle(form());
    angles.push_back(NeedleAngle(0, form().NeedleJitter));
  }
  // A jitter step when the 30 ms run out: every third frame at 17 ms, cycling 2, 3, 4. The
  // race's start drew the needle once already and left it on 4.
  EXPECT_EQ(angles, (std::vector<int32_t>{4, 4, 2, 2, 2, 3, 3, 3, 4, 4, 4, 2}));
  // Full speed points the needle about three quarters round; the turbo further.
  EXPECT_EQ(NeedleAngle(kCarMaxSpeed, 0), 180);
  EXPECT_EQ(NeedleAngle(kTurboMaxSpeed, 0), 216);
  EXPECT_EQ(NeedleAngle(30, 1), (298 + 4) % 256);
}

TEST_F(RaceHud, ShakeJumpsTenTimesAndEndsWhereItStarted) {
  TMForm& f = form();
  f.FrameTimeMs = 17;
  const double panelX = f.LeftPanelSprite->X;
  const double carY = f.PlayerCar->Y;
  const double roadX = f.Background->X;
  StartShake(f);
  std::vector<double> offsets;
  int frames = 0;
  while (f.ShakeActive && frames < 100) {
    UpdateShake(f);
    ++frames;
    offsets.push_back(f.LeftPanelSprite->X - panelX);
    // The road is not moved; it draws itself shifted by the offsets, the other way round.
    EXPECT_EQ(f.Background->X, roadX);
  }
  // A step every 50 ms: every fourth frame at 17 ms, while the timer runs 50, 33, 16, -1.
  EXPECT_EQ(frames, 1 + 10 * 4);
  std::vector<double> steps;
  for (size_t i = 0; i < offsets.size(); i += 4) steps.push_back(offsets[i]);
  EXPECT_EQ(steps, (std::vector<double>{5, 0, 5, 0, 5, 0, 5, 0, 5, 0, 0}));
  EXPECT_EQ(f.PlayerCar->Y, carY);
  EXPECT_EQ(f.ShakeDX, 0);
  EXPECT_EQ(f.ShakeDY, 0);
}

}  // namespace
}  // namespace vontra
