#include <gtest/gtest.h>

#include <filesystem>

#include "app/display_mode.h"
#include "app/form_lifecycle.h"
#include "app/frame_timer.h"
#include "app/input_dispatch.h"
#include "app/program.h"
#include "persistence/save_files.h"
#include "persistence/save_pair.h"
#include "support/headless_game.h"
#include "support/routine_recorder.h"

namespace vontra {
namespace {

// How the routine recorder writes the opening of a message window.
std::string Opened(WindowKinds kind) {
  return "OpenMessageWindow(" + std::to_string(ToInt(kind)) + ")";
}

using Calls = std::vector<std::string>;

TEST(FormCreate, PreparesStateDisplayAndOpensTheMenu) {
  HeadlessGame::Options options;
  options.Platform.Seed = 4242;
  HeadlessGame game(options);
  TMForm& form = game.Form();
  RoutineRecorder rec(form);
  form.FrameTimeMs = 3;
  form.SpeedFactor = 7;
  form.PausePressed = form.PauseHeld = form.EscapePressed = form.EscapeHeld = true;
  ScreenStates screenWhenMenuOpens = ScreenStates::kMainMenu;
  form.Routines.OpenMainMenu = [&](TMForm& f, bool rebuild, int arg) {
    screenWhenMenuOpens = f.ScreenState;
    rec.Calls.push_back("OpenMainMenu(" + std::to_string(rebuild) + "," + std::to_string(arg) +
                        ")");
  };
  game.Create();
  EXPECT_EQ(rec.Calls, (Calls{"OpenMainMenu(1,0)"}));
  EXPECT_EQ(screenWhenMenuOpens, ScreenStates::kCreating);
  EXPECT_EQ(form.FrameTimeMs, 15);
  EXPECT_DOUBLE_EQ(form.SpeedFactor, 1.0);
  EXPECT_FALSE(form.PausePressed || form.PauseHeld || form.EscapePressed || form.EscapeHeld);
  GameRandom expected;
  expected.Seed(4242);
  EXPECT_EQ(form.Random.State(), expected.State());
  EXPECT_TRUE(game.Platform().display->Initialized());
  EXPECT_FALSE(game.Platform().display->FullScreen());
  EXPECT_TRUE(form.MDXTimer->Enabled());
}

TEST(FormCreate, OptionsChooseTheDisplayAndShutDownSavesThemBack) {
  HeadlessGame game;
  TGameOptions saved;
  saved.FullScreen = 1;
  saved.MusicOn = false;
  ASSERT_TRUE(game.Platform().files->WriteAtomic(kOptionsPath, EncodeOptions(saved)));
  game.Create();
  EXPECT_TRUE(game.Platform().display->FullScreen());
  EXPECT_FALSE(game.Form().MusicOn);
  // Alt+Enter back to a window, then quit: the file now says windowed.
  FormKeyDown(game.Form(), 13, true);
  ShutDown(game.Form());
  auto bytes = game.Platform().files->ReadAll(kOptionsPath);
  ASSERT_TRUE(bytes.has_value());
  auto options = DecodeOptions(*bytes);
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->FullScreen, 0);
  EXPECT_FALSE(options->MusicOn);
  EXPECT_TRUE(game.Platform().files->Exists(kHighScoresPath));
}

TEST(CloseQuery, AsksTheQuitQuestionOrEndsTheRaceUnlessTheCarIsExploding) {
  struct Case {
    ScreenStates screen;
    bool shaking;
    WindowKinds window;
    Calls expected;
  };
  // At the end of a game (time over, game over, name entry, sending) the close box waits: the
  // question would replace the window that leads on to the next step.
  for (const Case& c :
       {Case{ScreenStates::kMainMenu,
             false,
             WindowKinds::kNone,
             {Opened(WindowKinds::kQuitQuestion)}},
        Case{ScreenStates::kHighScores,
             false,
             WindowKinds::kNone,
             {Opened(WindowKinds::kQuitQuestion)}},
        Case{
            ScreenStates::kRace, false, WindowKinds::kNone, {Opened(WindowKinds::kFinishQuestion)}},
        Case{ScreenStates::kRace, true, WindowKinds::kNone, {Opened(WindowKinds::kQuitQuestion)}},
        Case{ScreenStates::kRace,
             false,
             WindowKinds::kPause,
             {Opened(WindowKinds::kFinishQuestion)}},
        Case{ScreenStates::kRace, false, WindowKinds::kTimeOver, {}},
        Case{ScreenStates::kRace, false, WindowKinds::kNameEntry, {}},
        Case{ScreenStates::kRace, true, WindowKinds::kGameOver, {}}}) {
    SCOPED_TRACE(testing::Message() << ToInt(c.screen) << " " << int{ToInt(c.window)});
    HeadlessGame game;
    RoutineRecorder rec(game.Form());
    game.Form().ScreenState = c.screen;
    game.Form().ShakeActive = c.shaking;
    game.Form().WindowKind = c.window;
    game.Events().Simple(PlatformEvent::Kind::CloseRequest);
    game.Pump(1);
    EXPECT_EQ(rec.Matching("Open"), c.expected);
    EXPECT_FALSE(game.Form().Terminated);  // the window never closes this way
  }
}

TEST(Minimize, PausesARaceBeforeTheWindowGoes) {
  for (ScreenStates screen : {ScreenStates::kMainMenu, ScreenStates::kRace, ScreenStates::kHelp}) {
    SCOPED_TRACE(ToInt(screen));
    HeadlessGame game;
    RoutineRecorder rec(game.Form());
    int minimizedWhenPaused = -1;
    game.Form().Routines.OpenMessageWindow = [&](TMForm&, WindowKinds kind) {
      rec.Calls.push_back(Opened(kind));
      minimizedWhenPaused = game.Platform().window->MinimizeCount();
    };
    game.Form().ScreenState = screen;
    game.Events().Simple(PlatformEvent::Kind::Minimize);
    game.Pump(1);
    EXPECT_EQ(game.Platform().window->MinimizeCount(), 1);
    if (screen == ScreenStates::kRace) {
      EXPECT_EQ(rec.Matching("Open"), (Calls{Opened(WindowKinds::kPause)}));
      EXPECT_EQ(minimizedWhenPaused, 0);
    } else {
      EXPECT_TRUE(rec.Matching("Open").empty());
    }
  }
}

TEST(DisplayMode, FullScreenAndBackRestoresTheWindowOnce) {
  HeadlessGame game;
  game.Create();
  TMForm& form = game.Form();
  HeadlessWindow& window = *game.Platform().window;
  const WindowPlacement start = window.GetPlacement();
  const WindowPlacement moved{100, 80, 800, 601, false};
  window.SetPlacement(moved);

  form.FullScreen = 1;
  ApplyDisplayMode(form);
  EXPECT_TRUE(game.Platform().display->FullScreen());
  EXPECT_TRUE(form.MDXTimer->Enabled());
  window.SetPlacement({0, 0, 1920, 1080, false});  // what full screen does to the window
  // Asking for full screen again keeps the recorded placement.
  ApplyDisplayMode(form);

  form.FullScreen = 0;
  ApplyDisplayMode(form);
  EXPECT_FALSE(game.Platform().display->FullScreen());
  EXPECT_EQ(window.GetPlacement().X, moved.X);
  EXPECT_EQ(window.GetPlacement().Y, moved.Y);
  EXPECT_TRUE(form.MDXTimer->Enabled());

  // Restored once: another windowed switch leaves the window where the player put it.
  window.SetPlacement(start);
  ApplyDisplayMode(form);
  EXPECT_EQ(window.GetPlacement().X, start.X);
  EXPECT_EQ(game.Platform().display->InitializedModes(),
            (std::vector<bool>{false, true, true, false, false}));
}

TEST(DisplayMode, StartingInWindowedModeKeepsTheCentredPlacement) {
  HeadlessGame game;
  const WindowPlacement centred = game.Platform().window->GetPlacement();
  game.Create();
  EXPECT_EQ(game.Platform().window->GetPlacement().X, centred.X);
  EXPECT_EQ(game.Platform().window->GetPlacement().Y, centred.Y);
}

TEST(MouseCursor, CounterLoopsForceVisibilityWhateverCameBefore) {
  HeadlessGame game;
  TMForm& form = game.Form();
  HeadlessPointer& pointer = *game.Platform().pointer;
  HideMouseCursor(form);
  HideMouseCursor(form);
  EXPECT_FALSE(pointer.Visible());
  ShowMouseCursor(form);
  EXPECT_TRUE(pointer.Visible());
  // Hidden from far up, shown from far down.
  for (int i = 0; i < 5; ++i) pointer.ShowCursor(true);
  HideMouseCursor(form);
  EXPECT_FALSE(pointer.Visible());
  for (int i = 0; i < 5; ++i) pointer.ShowCursor(false);
  ShowMouseCursor(form);
  EXPECT_TRUE(pointer.Visible());
}

// "play.url" is opened as the address it holds.
const std::string kPlayAddress = "http://example.test/play";
const std::string kPlayLinkText = "[InternetShortcut]\r\nURL=" + kPlayAddress + "\r\n";
const std::vector<uint8_t> kPlayLink(kPlayLinkText.begin(), kPlayLinkText.end());

TEST(ShutDown, OpensPlayLinkOnlyWhenPresentAndEndsTheLoop) {
  for (bool present : {false, true}) {
    HeadlessGame game;
    if (present) {
      ASSERT_TRUE(game.Platform().files->WriteAtomic("play.url", kPlayLink));
    }
    ShutDown(game.Form());
    EXPECT_TRUE(game.Form().Terminated);
    EXPECT_EQ(game.Platform().shell->Opened(),
              present ? std::vector<std::string>{kPlayAddress} : std::vector<std::string>{});
  }
}

TEST(DisplayLost, SavesThePairLikeShutDownButOpensNothing) {
  HeadlessGame game;
  ASSERT_TRUE(game.Platform().files->WriteAtomic("play.url", kPlayLink));
  game.Create();
  game.Form().MusicOn = false;
  game.Form().HighScores[1].Name = "Lost";
  EXPECT_TRUE(DisplayLost(game.Form(), "the window was destroyed"));
  EXPECT_TRUE(game.Platform().shell->Opened().empty());
  FrontEndState read;
  uint8_t fullScreen = 0;
  LoadTableAndOptions(read, fullScreen, *game.Platform().files);
  EXPECT_FALSE(read.MusicOn);
  EXPECT_EQ(read.HighScores[1].Name, "Lost");  // the check matched, or it would be the default
}

// The start-up reads the built archives, as the game finds them beside its executable.
void LinkGameArchives(HeadlessPlatform& hp) {
  namespace fs = std::filesystem;
  const fs::path work = fs::path(hp.files->Root()) / "Data";
  fs::create_directories(work);
  fs::create_directory_symlink(fs::path(VONTRA_TEST_DATA_DIR) / "Res", work / "Res");
}

TEST(RunGame, LoopEndsOnQuitThenLauncherThenShutDown) {
  auto hp = MakeHeadlessPlatform();
  LinkGameArchives(hp);
  ASSERT_TRUE(hp.files->WriteAtomic("fscommand\\qelvin.exe", {'M', 'Z'}));
  ASSERT_TRUE(hp.files->WriteAtomic("play.url", kPlayLink));
  hp.events->Simple(PlatformEvent::Kind::Quit);
  EXPECT_EQ(RunGame(hp.platform), 0);
  EXPECT_EQ(hp.window->Caption(), "Vontra");
  EXPECT_EQ(hp.shell->Opened(), (std::vector<std::string>{"fscommand/qelvin.exe", kPlayAddress}));
  // The handler saved through the form, which is gone now.
  EXPECT_FALSE(hp.window->HasDisplayLostHandler());
}

TEST(RunGame, NoLauncherNoLinkWhenAbsent) {
  auto hp = MakeHeadlessPlatform();
  LinkGameArchives(hp);
  hp.events->Simple(PlatformEvent::Kind::Quit);
  EXPECT_EQ(RunGame(hp.platform), 0);
  EXPECT_TRUE(hp.shell->Opened().empty());
}

}  // namespace
}  // namespace vontra
