// Whole games driven as a player drives them: from FormCreate through the menu and the car
// choice into the race, with held keys, a fixed seed and the built archives.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/form_lifecycle.h"
#include "app/mform.h"
#include "app/race_hud.h"
#include "app/race_setup.h"
#include "assets/picture_collection.h"
#include "audio/sound_effects.h"
#include "frontend/front_end.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_button.h"
#include "frontend/message_window.h"
#include "frontend/text_canvas.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "road/scroll_background.h"
#include "road/spawner.h"
#include "sprites/sprite_engine.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

constexpr uint8_t kEnter = 13;

HeadlessGame::Options AtRate(int frameRate) {
  HeadlessGame::Options options;
  options.Platform.FrameRate = frameRate;
  return options;
}

// A game with every sound it starts noted, in order.
class RaceGame {
 public:
  explicit RaceGame(int frameRate = 85) : game(AtRate(frameRate)) {
    game.Form().Routines.PlaySound = [this](TMForm& form, const std::string& name) {
      sounds.push_back(name);
      PlaySound(form, name);
    };
  }

  TMForm& Form() { return game.Form(); }
  TMyCarSprite& Car() { return *game.Form().PlayerCar; }

  // From start-up through the menu's intro and the car choice into race 1.
  void StartRace() {
    game.Create();
    ASSERT_TRUE(game.RunUntil([&] { return Form().MenuIntroPhase == 0; }, 3000));
    ClickSlot(1);
    ASSERT_EQ(Form().ScreenState, ScreenStates::kCarChoice);
    ClickSlot(7);
    ASSERT_EQ(Form().ScreenState, ScreenStates::kRace);
  }

  // Runs until the level banner has closed and the race is driving.
  void PassBanner() {
    ASSERT_TRUE(game.RunUntil([&] { return Form().WindowKind == WindowKinds::kNone; }, 1000));
  }

  void ClickSlot(int slot) { ASSERT_TRUE(game.ClickSlot(slot)) << "slot " << slot; }

  void Press(const InputStateSet& keys) { game.Press(keys); }

  bool RunUntil(const std::function<bool()>& done, int maxTicks) {
    return game.RunUntil(done, maxTicks);
  }

  int Count(const std::string& name) const {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
  }

  HeadlessGame game;
  std::vector<std::string> sounds;
};

InputStateSet Keys(std::function<void(InputStateSet&)> set) {
  InputStateSet keys;
  set(keys);
  return keys;
}

const InputStateSet kUp = Keys([](InputStateSet& k) { k.Up = true; });
const InputStateSet kPause = Keys([](InputStateSet& k) { k.Pause = true; });
const InputStateSet kEscape = Keys([](InputStateSet& k) { k.Escape = true; });
const InputStateSet kYes = Keys([](InputStateSet& k) { k.Yes = true; });
const InputStateSet kNo = Keys([](InputStateSet& k) { k.No = true; });

int TextWidthFor(TMForm& form, int style, const std::string& text) {
  SelectFontStyle(form, style);
  return TextWidth(form, text);
}

int RootChildren(TMForm& form) {
  return form.MDXSpriteEngine->Root().ChildCount();
}

}  // namespace

TEST(RaceGame, CarChoiceStartsRaceOneWithItsBannerAndInstruments) {
  RaceGame g;
  g.StartRace();
  TMForm& form = g.Form();
  EXPECT_EQ(form.Level, 1);
  EXPECT_EQ(form.Lives, 4);
  EXPECT_EQ(form.Score, 0);
  EXPECT_EQ(form.TimeLeftMs, 60000);
  EXPECT_EQ(form.WindowKind, WindowKinds::kLevelBanner);
  EXPECT_EQ(g.Count("Engine"), 1);
  EXPECT_EQ(form.Background->X, 124);
  EXPECT_EQ(form.RightPanelSprite->X, 800 - form.RightPanelSprite->Width - 1);
  EXPECT_FALSE(form.NeedleSprite->Visible);

  // The banner holds the race still for its two seconds.
  const int32_t clock = form.TimeLeftMs;
  const int start = g.game.TicksSoFar();
  g.game.Hold(kUp);
  g.PassBanner();
  const int bannerFrames = g.game.TicksSoFar() - start;
  // The frame that closes the banner already runs the clock once.
  EXPECT_EQ(form.TimeLeftMs, clock - form.FrameTimeMs);
  EXPECT_GE(bannerFrames, 2000 / 15);
  EXPECT_LE(bannerFrames, 2000 / 11 + 3);
  EXPECT_EQ(form.PlayerCar->Speed, 0);
  g.game.RunTicks(30);
  EXPECT_GT(form.PlayerCar->Speed, 0);
  EXPECT_LT(form.TimeLeftMs, clock);
  // All four lives on the panel, the basic gun lit, no turbo or shield.
  EXPECT_EQ(form.LivesSprite->Image, &form.MDXImageList3->Find("PanelLife4"));
  EXPECT_TRUE(form.WeaponIcons[ToInt(HudIcons::kGun)]->Visible);
  for (int i = 2; i <= 7; ++i) EXPECT_FALSE(form.WeaponIcons[i]->Visible) << i;
}

TEST(RaceGame, ThreeRacesWithTheirClocksAndTrackLengths) {
  // A low frame rate covers the same road in fewer frames.
  RaceGame g(30);
  g.StartRace();
  TMForm& form = g.Form();
  // A shield halves the damage on the way and the lives are topped up, so the game lasts.
  auto shielded = [&] {
    form.PlayerCar->GiveBonus(BonusCodes::kShield);
    form.Lives = 4;
  };
  const InputStateSet drive = Keys([](InputStateSet& k) {
    k.Up = true;
    k.Fire = true;
  });
  for (int race = 1; race <= 3; ++race) {
    SCOPED_TRACE(race);
    ASSERT_EQ(form.Level, race);
    ASSERT_EQ(form.WindowKind, WindowKinds::kLevelBanner);
    EXPECT_EQ(form.TimeLeftMs, LevelTimeMs(race));
    EXPECT_EQ(form.PlayerCar->Distance, 0);
    EXPECT_EQ(form.ProgressCarSprite->Y, 225);
    g.game.Hold(drive);
    g.PassBanner();
    shielded();
    ASSERT_TRUE(g.RunUntil([&] { return form.PlayerCar->FinishSpawned; }, 20000));
    // The finish line is asked for in the frame the car's distance reaches the track length.
    EXPECT_GE(form.PlayerCar->Distance, TrackLength(race));
    EXPECT_LT(form.PlayerCar->Distance, TrackLength(race) + 0.25 * 150.0 / 7 * 85 / 30);
    ASSERT_TRUE(g.RunUntil([&] { return form.PlayerCar->Finished; }, 2000));
    EXPECT_LE(form.ProgressCarSprite->Y, 40);
    EXPECT_GT(form.TimeLeftMs, 0);
    ASSERT_TRUE(g.RunUntil([&] { return form.Level == race + 1; }, 3000));
  }
  EXPECT_EQ(form.Level, 4);
  EXPECT_EQ(form.TimeLeftMs, 90000);
}

TEST(RaceGame, TimeBonusCountsTheClockDownTenTimesFaster) {
  RaceGame g(60);
  g.StartRace();
  TMForm& form = g.Form();
  g.game.Hold(kUp);
  g.PassBanner();
  // Straight to the last stretch of road before the finish line.
  form.PlayerCar->Distance = TrackLength(1) - 100;
  form.PlayerCar->GiveBonus(BonusCodes::kShield);
  ASSERT_TRUE(g.RunUntil([&] { return form.PlayerCar->Finished; }, 2000));
  g.game.ReleaseAll();
  ASSERT_EQ(form.FrameTimeMs, 17);
  ASSERT_TRUE(g.RunUntil([&] { return form.PlayerCar->Stopped; }, 2000));
  form.TimeLeftMs = 15000;
  const int32_t score = form.Score;
  const int ticks = g.Count("Tick");
  const int start = g.game.TicksSoFar();
  ASSERT_TRUE(g.RunUntil([&] { return form.Level == 2; }, 500));
  const int frames = g.game.TicksSoFar() - start;
  EXPECT_EQ(g.Count("Tick") - ticks, 15);
  EXPECT_EQ(form.Score - score, 75);
  // 15 000 ms in steps of 170 ms: 89 frames to reach 0, one more to start the next race.
  EXPECT_EQ(frames, 90);
  EXPECT_NEAR(frames * 17, 1500, 100);
  EXPECT_EQ(form.TimeLeftMs, 60000);
  EXPECT_EQ(form.WindowKind, WindowKinds::kLevelBanner);
}

TEST(RaceGame, CoastingOverTheFinishAfterTheTimeRanOutCountsAsFinished) {
  RaceGame g;
  g.StartRace();
  TMForm& form = g.Form();
  g.game.Hold(kUp);
  g.PassBanner();
  form.PlayerCar->GiveBonus(BonusCodes::kShield);
  form.PlayerCar->Distance = TrackLength(1) - 100;
  TMyCarSprite& car = *form.PlayerCar;
  // The line is on the screen, close enough for the car to roll over it.
  ASSERT_TRUE(g.RunUntil([&] { return form.FinishY > car.Y - 200; }, 2000));
  ASSERT_FALSE(car.Finished);
  form.TimeLeftMs = 0;
  const int32_t lives = form.Lives;
  const int32_t score = form.Score;
  g.sounds.clear();
  ASSERT_TRUE(g.RunUntil([&] { return form.Level == 2; }, 2000));
  EXPECT_EQ(form.Lives, lives);
  EXPECT_EQ(form.Score, score);
  EXPECT_EQ(g.Count("Tick"), 0);
  EXPECT_EQ(g.Count("Finish"), 1);
  EXPECT_EQ(g.Count("TimeOver"), 0);
  EXPECT_EQ(form.WindowKind, WindowKinds::kLevelBanner);
}

TEST(RaceGame, LastTenSecondsTickOncePerShownSecond) {
  RaceGame g;
  g.StartRace();
  TMForm& form = g.Form();
  g.PassBanner();
  form.TimeLeftMs = 10500;
  g.sounds.clear();
  ASSERT_TRUE(g.RunUntil([&] { return form.TimeLeftMs <= 0; }, 2000));
  // 9 to 8, ..., 1 to 0: the change to 0 is the end of the time.
  EXPECT_EQ(g.Count("Tick"), 9);
}

TEST(RaceGame, TimeUpCostsALifeAndRestartsTheRaceOrEndsTheGame) {
  struct Case {
    int32_t Lives;
    int32_t LivesAfter;
    WindowKinds Window;
  };
  for (const Case& c : {Case{2, 1, WindowKinds::kTimeOver}, Case{1, 0, WindowKinds::kGameOver}}) {
    SCOPED_TRACE(c.Lives);
    RaceGame g;
    g.StartRace();
    TMForm& form = g.Form();
    g.PassBanner();
    // The car stands at the start; two frames before the clock runs out.
    form.Lives = c.Lives;
    form.TimeLeftMs = 2 * form.FrameTimeMs;
    const double y = form.PlayerCar->Y;
    ASSERT_TRUE(g.RunUntil([&] { return form.WindowKind != WindowKinds::kNone; }, 10));
    EXPECT_EQ(form.WindowKind, c.Window);
    EXPECT_EQ(form.Lives, c.LivesAfter);
    EXPECT_EQ(form.PlayerCar->Y, y);
    if (c.Window == WindowKinds::kTimeOver) {
      EXPECT_EQ(g.Count("TimeOver"), 1);
      const int start = g.game.TicksSoFar();
      ASSERT_TRUE(g.RunUntil([&] { return form.WindowKind == WindowKinds::kLevelBanner; }, 1000));
      const int ms = (g.game.TicksSoFar() - start) * form.FrameTimeMs;
      EXPECT_GE(ms, 3000);
      EXPECT_LE(ms, 3000 + 3 * form.FrameTimeMs);
      EXPECT_EQ(form.Level, 1);
      EXPECT_EQ(form.TimeLeftMs, 60000);
    } else {
      EXPECT_EQ(g.Count("GameOver"), 1);
    }
  }
}

TEST(RaceGame, DestroyedWithTheLastLifeTheGameEndsAfterTwoExplosionCycles) {
  RaceGame g;
  g.StartRace();
  TMForm& form = g.Form();
  g.PassBanner();
  g.game.RunTicks(100);  // the timer's first measurement is in
  form.Lives = 1;
  form.Score = 0;  // stays out of the table
  form.PlayerCar->TakeDamage(500);
  ASSERT_EQ(form.PlayerCar->State, CarStates::kDestroyed);
  ASSERT_TRUE(form.ShakeActive);

  // Escape during the shake does not ask whether to end the race.
  g.Press(kEscape);
  EXPECT_EQ(form.WindowKind, WindowKinds::kNone);

  int wraps = 0;
  double last = form.BigExplosion->FramePos;
  const int start = g.game.TicksSoFar();
  ASSERT_TRUE(g.RunUntil(
      [&] {
        if (form.WindowKind == WindowKinds::kNone && form.BigExplosion->FramePos < last) ++wraps;
        last = form.BigExplosion->FramePos;
        return form.WindowKind != WindowKinds::kNone;
      },
      500));
  EXPECT_EQ(form.WindowKind, WindowKinds::kGameOver);
  EXPECT_EQ(wraps, 2);
  // Two cycles of 14 frames at 21.25 frames a second.
  const double seconds = (g.game.TicksSoFar() - start) * form.FrameTimeMs / 1000.0;
  EXPECT_NEAR(seconds, 2 * 14 / 21.25, 0.15);
  EXPECT_FALSE(form.ShakeActive);
  EXPECT_EQ(form.ShakeDX, 0);

  // Without a place in the table the game goes back to the rebuilt menu.
  ASSERT_TRUE(g.RunUntil([&] { return form.ScreenState != ScreenStates::kRace; }, 300));
  EXPECT_EQ(form.ScreenState, ScreenStates::kMainMenu);
  EXPECT_EQ(form.PlayerCar, nullptr);
  EXPECT_EQ(form.WindowKind, WindowKinds::kNone);
}

TEST(RaceGame, PauseFreezesTheRaceUntilPOrEscape) {
  RaceGame g;
  g.StartRace();
  TMForm& form = g.Form();
  g.game.Hold(kUp);
  g.PassBanner();
  g.game.RunTicks(200);
  for (const InputStateSet& resume : {kPause, kEscape}) {
    g.Press(kPause);
    ASSERT_EQ(form.WindowKind, WindowKinds::kPause);
    const int32_t clock = form.TimeLeftMs;
    const double distance = form.PlayerCar->Distance;
    const double road = form.Background->Y;
    const int used = UsedRoadObjectCount(form);
    g.game.Hold(kUp);
    g.game.RunTicks(100);
    g.game.ReleaseAll();
    g.game.RunTicks(1);
    EXPECT_EQ(form.WindowKind, WindowKinds::kPause);
    EXPECT_EQ(form.TimeLeftMs, clock);
    EXPECT_EQ(form.PlayerCar->Distance, distance);
    EXPECT_EQ(form.Background->Y, road);
    EXPECT_EQ(UsedRoadObjectCount(form), used);
    const int engine = g.Count("Engine");
    g.Press(resume);
    EXPECT_EQ(form.WindowKind, WindowKinds::kNone);
    EXPECT_EQ(g.Count("Engine"), engine + 1);
    g.game.Hold(kUp);
    g.game.RunTicks(5);
    EXPECT_LT(form.TimeLeftMs, clock);
  }
}

TEST(RaceGame, EndRaceQuestionNoGoesOnYesEndsTheGame) {
  RaceGame g;
  g.StartRace();
  TMForm& form = g.Form();
  g.PassBanner();
  g.Press(kEscape);
  ASSERT_EQ(form.WindowKind, WindowKinds::kFinishQuestion);
  EXPECT_EQ(form.SelectedWidget, 2);

  // With the pointer off Yes and No nothing is selected; a click closes the question.
  g.game.MoveMouse(10, 10);
  g.game.RunTicks(1);
  EXPECT_EQ(form.SelectedWidget, 0);
  g.game.Click(10, 10);
  g.game.RunTicks(1);
  EXPECT_EQ(form.WindowKind, WindowKinds::kNone);
  EXPECT_EQ(form.ScreenState, ScreenStates::kRace);

  g.Press(kEscape);
  ASSERT_EQ(form.WindowKind, WindowKinds::kFinishQuestion);
  g.Press(kNo);
  EXPECT_EQ(form.WindowKind, WindowKinds::kNone);
  EXPECT_EQ(form.ScreenState, ScreenStates::kRace);
  const int32_t clock = form.TimeLeftMs;
  g.game.RunTicks(3);
  EXPECT_LT(form.TimeLeftMs, clock);

  form.Score = 0;
  g.Press(kEscape);
  g.Press(kYes);
  EXPECT_EQ(form.ScreenState, ScreenStates::kMainMenu);
  EXPECT_EQ(form.PlayerCar, nullptr);
}

TEST(RaceGame, QualifyingScoreGoesThroughNameEntryToTheHighScoreScreen) {
  for (const bool send : {false, true}) {
    SCOPED_TRACE(send);
    RaceGame g;
    g.StartRace();
    TMForm& form = g.Form();
    g.PassBanner();
    form.Score = 987654;
    form.PlayerName.clear();
    g.Press(kEscape);
    g.Press(kYes);
    ASSERT_EQ(form.WindowKind, WindowKinds::kNameEntry);
    ASSERT_NE(form.TextCursor, nullptr);
    for (char c : std::string("Ace")) g.game.Type(static_cast<uint8_t>(c));
    g.game.RunTicks(1);
    EXPECT_EQ(form.PlayerName, "Ace");
    EXPECT_EQ(form.TextCursor->X, 399 + TextWidthFor(form, 12, "Ace") / 2.0);
    g.game.Type(kEnter);
    g.game.RunTicks(1);
    ASSERT_EQ(form.WindowKind, WindowKinds::kSendQuestion);
    EXPECT_EQ(form.HighScores[1].Name, "Ace");
    EXPECT_EQ(form.HighScores[1].Score, 987654);
    EXPECT_EQ(form.SelectedWidget, 1);

    // With the pointer off both buttons the click does nothing here.
    g.game.MoveMouse(10, 10);
    g.game.Click(10, 10);
    g.game.RunTicks(1);
    EXPECT_EQ(form.WindowKind, WindowKinds::kSendQuestion);

    const int presented = g.game.Presented();
    g.Press(send ? kYes : kNo);
    EXPECT_EQ(g.game.Platform().http->Requests().size(), send ? 1u : 0u);
    if (send) {
      EXPECT_GE(g.game.Presented(), presented + 1);
    }
    EXPECT_EQ(form.ScreenState, ScreenStates::kMainMenu);
    EXPECT_EQ(form.PlayerCar, nullptr);
    ASSERT_TRUE(g.RunUntil([&] { return form.ScreenState == ScreenStates::kHighScores; }, 3000));
    EXPECT_EQ(form.MenuIntroPhase, 0);
  }
}

TEST(RaceGame, SecondGameLeavesNoSpriteOfTheFirst) {
  RaceGame g;
  g.StartRace();
  TMForm& form = g.Form();
  g.PassBanner();
  g.game.Hold(kUp);
  g.game.RunTicks(300);
  const int inRace = RootChildren(form) - UsedRoadObjectCount(form);
  form.Score = 0;
  g.game.ReleaseAll();
  g.Press(kEscape);
  g.Press(kYes);
  ASSERT_EQ(form.ScreenState, ScreenStates::kMainMenu);
  const int inMenu = RootChildren(form);
  ASSERT_TRUE(g.RunUntil([&] { return form.MenuIntroPhase == 0; }, 3000));
  g.ClickSlot(1);
  g.ClickSlot(8);
  ASSERT_EQ(form.ScreenState, ScreenStates::kRace);
  EXPECT_EQ(form.PlayerCar->Model, 2);
  g.PassBanner();
  EXPECT_EQ(RootChildren(form) - UsedRoadObjectCount(form), inRace);
  g.Press(kEscape);
  g.Press(kYes);
  EXPECT_EQ(RootChildren(form), inMenu);
}

TEST(RaceGame, CloseBoxAsksToEndTheRaceOrDuringTheShakeToQuit) {
  RaceGame g;
  g.StartRace();
  TMForm& form = g.Form();
  g.PassBanner();
  FormCloseQuery(form);
  EXPECT_EQ(form.WindowKind, WindowKinds::kFinishQuestion);
  g.Press(kNo);
  ASSERT_EQ(form.WindowKind, WindowKinds::kNone);
  form.PlayerCar->TakeDamage(500);
  g.game.RunTicks(1);
  ASSERT_TRUE(form.ShakeActive);
  FormCloseQuery(form);
  EXPECT_EQ(form.WindowKind, WindowKinds::kQuitQuestion);
  g.Press(kNo);
  EXPECT_EQ(form.WindowKind, WindowKinds::kNone);
  EXPECT_EQ(form.ScreenState, ScreenStates::kRace);
  FormMinimize(form);
  EXPECT_EQ(form.WindowKind, WindowKinds::kPause);
}

}  // namespace vontra
