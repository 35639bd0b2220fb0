// The front end driven as a player drives it: from FormCreate, with keys and the mouse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/form_lifecycle.h"
#include "app/mform.h"
#include "frontend/front_end.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_button.h"
#include "online/web_links.h"
#include "persistence/high_score_check.h"
#include "persistence/save_files.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

namespace fs = std::filesystem;

constexpr uint8_t kEnter = 13;
constexpr uint8_t kEscape = 27;
constexpr uint8_t kBackspace = 8;

// Runs frames until the menu's opening animation has ended; returns the frames it took.
int FinishIntro(HeadlessGame& game) {
  int frames = 0;
  while (game.Form().MenuIntroPhase != 0 && frames < 3000) frames += game.RunTicks(1);
  return frames;
}

void StartAtMenu(HeadlessGame& game) {
  game.Create();
  FinishIntro(game);
}

// Moves the mouse onto a button and clicks it, then lets one frame run.
void ClickSlot(HeadlessGame& game, int slot) {
  ASSERT_TRUE(game.ClickSlot(slot)) << "slot " << slot;
}

void PressY(HeadlessGame& game) {
  InputStateSet yes;
  yes.Yes = true;
  game.Hold(yes);
  game.RunTicks(1);
  game.ReleaseAll();
  game.RunTicks(1);
}

const std::vector<std::string>& Opened(HeadlessGame& game) {
  return game.Platform().shell->Opened();
}

TEST(FrontEndScenario, IntroIgnoresClicksThenTheMenuReacts) {
  HeadlessGame game;
  game.Create();
  TMForm& form = game.Form();
  EXPECT_EQ(form.ScreenState, ScreenStates::kMainMenu);
  EXPECT_EQ(form.SelectedWidget, 1);
  ASSERT_NE(form.MenuIntroPhase, 0);

  // A click where the options button will stand, and Enter, both during the slide.
  game.RunTicks(5);
  game.Click(600, 200);
  game.Type(kEnter);
  game.RunTicks(1);
  EXPECT_EQ(form.ScreenState, ScreenStates::kMainMenu);
  EXPECT_EQ(form.WindowKind, WindowKinds::kNone);

  const int frames = FinishIntro(game);
  EXPECT_GT(frames, 64);
  for (int slot = 1; slot <= 6; ++slot) EXPECT_EQ(form.WidgetSlots[slot]->X, 544) << slot;
  EXPECT_GE(form.UpPanel->Y, 0);
  EXPECT_LE(form.DownPanel->Y, 600 - form.DownPanel->Height);

  // The pointer has rested there since the slide: a click now opens the button under it.
  game.Click(600, 200);
  game.RunTicks(1);
  EXPECT_EQ(form.ScreenState, ScreenStates::kOptions);
}

TEST(FrontEndScenario, MenuButtonsAndSubScreenSwitches) {
  struct Case {
    const char* what;
    std::vector<int> clicks;  // main-menu or sub-screen slots, in order
    ScreenStates screen;
    WindowKinds window;
    std::string opened;  // what the desktop was asked to open, if anything
  };
  const Case cases[] = {
      {"start opens the car choice", {1}, ScreenStates::kCarChoice, WindowKinds::kNone, ""},
      {"options", {2}, ScreenStates::kOptions, WindowKinds::kNone, ""},
      {"high scores", {3}, ScreenStates::kHighScores, WindowKinds::kNone, ""},
      {"help", {4}, ScreenStates::kHelp, WindowKinds::kNone, ""},
      {"more games from the menu",
       {5},
       ScreenStates::kMainMenu,
       WindowKinds::kNone,
       "http://more.test/games"},
      {"exit asks", {6}, ScreenStates::kMainMenu, WindowKinds::kQuitQuestion, ""},
      {"own button leaves car choice", {1, 1}, ScreenStates::kMainMenu, WindowKinds::kNone, ""},
      {"own button leaves options", {2, 2}, ScreenStates::kMainMenu, WindowKinds::kNone, ""},
      {"own button leaves high scores", {3, 3}, ScreenStates::kMainMenu, WindowKinds::kNone, ""},
      {"own button leaves help", {4, 4}, ScreenStates::kMainMenu, WindowKinds::kNone, ""},
      {"high scores from options", {2, 3}, ScreenStates::kHighScores, WindowKinds::kNone, ""},
      {"options from help", {4, 2}, ScreenStates::kOptions, WindowKinds::kNone, ""},
      {"car choice from high scores", {3, 1}, ScreenStates::kCarChoice, WindowKinds::kNone, ""},
      {"help from car choice", {1, 4}, ScreenStates::kHelp, WindowKinds::kNone, ""},
      {"web home page from a sub-screen",
       {2, 5},
       ScreenStates::kMainMenu,
       WindowKinds::kNone,
       WebHomePage()},
      {"exit from a sub-screen asks",
       {4, 6},
       ScreenStates::kMainMenu,
       WindowKinds::kQuitQuestion,
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HeadlessGame game;
    const std::string link = "[InternetShortcut]\r\nURL=http://more.test/games\r\n";
    ASSERT_TRUE(game.Platform().files->WriteAtomic("moregames.url", {link.begin(), link.end()}));
    StartAtMenu(game);
    for (int slot : c.clicks) ClickSlot(game, slot);
    TMForm& form = game.Form();
    EXPECT_EQ(form.ScreenState, c.screen);
    EXPECT_EQ(form.WindowKind, c.window);
    if (c.opened.empty()) {
      EXPECT_TRUE(Opened(game).empty());
    } else {
      EXPECT_EQ(Opened(game), std::vector<std::string>{c.opened});
    }
    if (c.screen == ScreenStates::kMainMenu) {
      // Back on the menu: the sub-screen's buttons are gone, the six stay.
      for (int slot = 7; slot <= 10; ++slot) EXPECT_EQ(form.WidgetSlots[slot], nullptr);
      for (int slot = 1; slot <= 6; ++slot) EXPECT_NE(form.WidgetSlots[slot], nullptr);
      EXPECT_EQ(form.SubScreenBackground, nullptr);
    }
  }
}

TEST(FrontEndScenario, EscapeEnterAndBackspace) {
  struct Case {
    const char* what;
    int openSlot;  // 0: stay on the menu
    uint8_t key;
    ScreenStates screen;
  };
  const Case cases[] = {
      {"Escape on the menu does nothing", 0, kEscape, ScreenStates::kMainMenu},
      {"Backspace on the menu clicks the selection", 0, kBackspace, ScreenStates::kCarChoice},
      {"Enter on the menu clicks the selection", 0, kEnter, ScreenStates::kCarChoice},
      {"Escape leaves help", 4, kEscape, ScreenStates::kMainMenu},
      {"Escape leaves high scores", 3, kEscape, ScreenStates::kMainMenu},
      {"Escape leaves car choice without a race", 1, kEscape, ScreenStates::kMainMenu},
      {"Escape leaves options", 2, kEscape, ScreenStates::kMainMenu},
      {"Backspace on options does nothing", 2, kBackspace, ScreenStates::kOptions},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HeadlessGame game;
    StartAtMenu(game);
    if (c.openSlot) ClickSlot(game, c.openSlot);
    game.Type(c.key);
    game.RunTicks(1);
    EXPECT_EQ(game.Form().ScreenState, c.screen);
    EXPECT_EQ(game.Form().CarChoice, 0);
  }
}

TEST(FrontEndScenario, QuitQuestionDefaultsToNoAndYesEndsTheProgram) {
  HeadlessGame game;
  StartAtMenu(game);
  TMForm& form = game.Form();
  ClickSlot(game, 6);
  ASSERT_EQ(form.WindowKind, WindowKinds::kQuitQuestion);
  EXPECT_EQ(form.SelectedWidget, 12);
  EXPECT_NE(form.WidgetSlots[11], nullptr);

  game.Type(kEnter);  // answers with the highlighted No
  game.RunTicks(1);
  EXPECT_EQ(form.WindowKind, WindowKinds::kNone);
  EXPECT_FALSE(form.Terminated);
  EXPECT_EQ(form.SelectedWidget, 6);  // the menu as it was
  EXPECT_EQ(form.ButtonCount, 6);
  EXPECT_EQ(form.WidgetSlots[11], nullptr);
  EXPECT_EQ(form.WidgetSlots[12], nullptr);

  ClickSlot(game, 6);
  ASSERT_EQ(form.WindowKind, WindowKinds::kQuitQuestion);
  PressY(game);
  EXPECT_TRUE(form.Terminated);
  EXPECT_TRUE(game.Platform().files->Exists(kOptionsPath));
}

TEST(FrontEndScenario, CloseBoxOnTheMenuAsksAndKeepsTheWindow) {
  HeadlessGame game;
  StartAtMenu(game);
  game.Events().Simple(PlatformEvent::Kind::CloseRequest);
  game.RunTicks(2);
  EXPECT_EQ(game.Form().WindowKind, WindowKinds::kQuitQuestion);
  EXPECT_FALSE(game.Form().Terminated);
}

TEST(FrontEndScenario, YesClearsTheTableAndTheScreenKeepsItsButtons) {
  HeadlessGame game;
  StartAtMenu(game);
  TMForm& form = game.Form();
  InsertResult(form, "Ann", 9999);
  ClickSlot(game, 3);
  ClickSlot(game, 7);
  ASSERT_EQ(form.WindowKind, WindowKinds::kClearQuestion);
  EXPECT_EQ(form.SelectedWidget, 12);

  PressY(game);
  EXPECT_EQ(form.WindowKind, WindowKinds::kNone);
  EXPECT_EQ(form.HighScores[1].Score, 5000);
  EXPECT_EQ(form.HighScores[1].Name, "\xCF\xF3\xF4\xE0");
  EXPECT_EQ(form.ScreenState, ScreenStates::kHighScores);
  EXPECT_EQ(form.SelectedWidget, 7);
  EXPECT_EQ(form.ButtonCount, 8);
  EXPECT_NE(form.WidgetSlots[7], nullptr);
  EXPECT_NE(form.WidgetSlots[8], nullptr);

  // N keeps the table.
  InsertResult(form, "Bob", 7777);
  ClickSlot(game, 7);
  InputStateSet no;
  no.No = true;
  game.Hold(no);
  game.RunTicks(1);
  EXPECT_EQ(form.WindowKind, WindowKinds::kNone);
  EXPECT_EQ(form.HighScores[1].Name, "Bob");
}

TEST(FrontEndScenario, HighScoreScreenOpensTheWorldTable) {
  HeadlessGame game;
  StartAtMenu(game);
  ClickSlot(game, 3);
  EXPECT_EQ(game.Form().SelectedWidget, 8);
  game.Type(kEnter);
  game.RunTicks(1);
  EXPECT_EQ(Opened(game), std::vector<std::string>{WorldTablePage()});
  EXPECT_EQ(game.Form().ScreenState, ScreenStates::kHighScores);
}

TEST(FrontEndScenario, HelpPagesWrapAndArrowsTurnThem) {
  HeadlessGame game;
  StartAtMenu(game);
  TMForm& form = game.Form();
  ClickSlot(game, 4);
  ASSERT_EQ(form.HelpPage, 1);
  EXPECT_EQ(form.SelectedWidget, 8);

  ClickSlot(game, 7);  // Previous on page 1
  EXPECT_EQ(form.HelpPage, 5);
  EXPECT_TRUE(form.CreditsPicture->Visible);
  ClickSlot(game, 8);  // Next on page 5
  EXPECT_EQ(form.HelpPage, 1);
  ClickSlot(game, 8);
  EXPECT_EQ(form.HelpPage, 2);
  for (const auto& icon : form.HelpIcons) EXPECT_TRUE(icon->Visible);
  EXPECT_FALSE(form.CreditsPicture->Visible);

  auto tap = [&](bool right) {
    InputStateSet s;
    (right ? s.Right : s.Left) = true;
    game.Hold(s);
    game.RunTicks(1);
    game.ReleaseAll();
    game.RunTicks(1);
  };
  tap(true);  // Right on the selected Next turns the page
  EXPECT_EQ(form.HelpPage, 3);
  for (const auto& icon : form.HelpIcons) EXPECT_FALSE(icon->Visible);
  tap(false);  // Left moves to Previous first
  EXPECT_EQ(form.SelectedWidget, 7);
  EXPECT_EQ(form.HelpPage, 3);
  tap(false);
  EXPECT_EQ(form.HelpPage, 2);
}

TEST(FrontEndScenario, CarChoiceWrapsAndStartsARaceWithTheCar) {
  HeadlessGame game;
  StartAtMenu(game);
  TMForm& form = game.Form();
  ClickSlot(game, 1);
  EXPECT_EQ(form.SelectedWidget, 7);
  InputStateSet left;
  left.Left = true;
  game.Hold(left);
  game.RunTicks(1);
  game.ReleaseAll();
  EXPECT_EQ(form.SelectedWidget, 10);

  ClickSlot(game, 8);
  EXPECT_EQ(form.CarChoice, 2);
  for (int slot = 1; slot <= 10; ++slot) EXPECT_EQ(form.WidgetSlots[slot], nullptr) << slot;
  EXPECT_EQ(form.ScreenCaption, nullptr);
  EXPECT_EQ(form.UpPanel, nullptr);
  EXPECT_EQ(form.DownPanel, nullptr);
}

TEST(FrontEndScenario, OptionsToggleAtOnceAndTheTextFieldEdits) {
  HeadlessGame game;
  StartAtMenu(game);
  TMForm& form = game.Form();
  ClickSlot(game, 2);
  ASSERT_EQ(form.ExtraText, "_______");

  ClickSlot(game, 7);
  EXPECT_EQ(form.FullScreen, 1);
  EXPECT_TRUE(game.Platform().display->FullScreen());
  ClickSlot(game, 8);
  EXPECT_FALSE(form.MusicOn);
  ClickSlot(game, 9);
  EXPECT_FALSE(form.SoundOn);

  ClickSlot(game, 10);
  ASSERT_TRUE(form.EditingExtraText);
  for (int i = 0; i < 7; ++i) game.Type(kBackspace);
  for (uint8_t c : std::vector<uint8_t>{'Q', '1', ' ', 0xDF}) game.Type(c);
  game.Type(kEnter);  // Enter clicks the row: editing stops
  game.RunTicks(1);
  EXPECT_EQ(form.ExtraText, "Q \xDF");
  EXPECT_FALSE(form.EditingExtraText);

  ClickSlot(game, 10);
  game.RunTicks(60);  // the cursor shows after half a second
  EXPECT_TRUE(form.TextCursor->Visible);
  InputStateSet up;
  up.Up = true;
  game.Hold(up);  // moving the selection away ends editing
  game.RunTicks(1);
  game.ReleaseAll();
  game.RunTicks(1);
  EXPECT_EQ(form.SelectedWidget, 9);
  EXPECT_FALSE(form.EditingExtraText);
  EXPECT_FALSE(form.TextCursor->Visible);
}

// Two runs of the program in one working directory.
class RestartScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vontra-frontend-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::unique_ptr<HeadlessGame> NewRun() {
    HeadlessGame::Options options;
    options.Platform.WorkDir = dir_.string();
    return std::make_unique<HeadlessGame>(options);
  }
  fs::path SaveFile(const char* name) const { return dir_ / "Data" / "Save" / name; }
  std::string ReadSave(const char* name) const {
    std::ifstream in(SaveFile(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteSave(const char* name, const std::string& text) const {
    std::ofstream(SaveFile(name), std::ios::binary) << text;
  }

  fs::path dir_;
};

TEST_F(RestartScenario, OptionsAndTableSurviveARestart) {
  {
    auto run = NewRun();
    StartAtMenu(*run);
    TMForm& form = run->Form();
    ASSERT_FALSE(fs::exists(dir_ / "Data" / "Save"));  // the first run has no save folder
    InsertResult(form, "\xC0\xED\xFF", 4200);
    ClickSlot(*run, 2);
    ClickSlot(*run, 8);
    ClickSlot(*run, 10);
    run->Type(kBackspace);
    run->Type('x');
    ClickSlot(*run, 6);
    PressY(*run);
    ASSERT_TRUE(form.Terminated);
    FormDestroy(form);
  }
  EXPECT_EQ(ReadSave("options").substr(0, 6), "0\r\n0\r\n");
  {
    auto run = NewRun();
    run->Create();
    TMForm& form = run->Form();
    EXPECT_EQ(form.FullScreen, 0);
    EXPECT_FALSE(form.MusicOn);
    EXPECT_TRUE(form.SoundOn);
    EXPECT_EQ(form.ExtraText, "______x");
    EXPECT_EQ(form.HighScores[3].Name, "\xC0\xED\xFF");
    EXPECT_EQ(form.HighScores[3].Score, 4200);
  }
}

TEST_F(RestartScenario, HandEditedTableIsReplacedByTheDefaults) {
  {
    auto run = NewRun();
    run->Create();
    InsertResult(run->Form(), "Ann", 4200);
    FormDestroy(run->Form());
  }
  std::string table = ReadSave("hs");
  ASSERT_NE(table.find("4200"), std::string::npos);
  table.replace(table.find("4200"), 4, "9200");
  WriteSave("hs", table);

  auto run = NewRun();
  run->Create();
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(run->Form().HighScores[row].Score, 5500 - 500 * row) << row;
  }
}

TEST_F(RestartScenario, CheckTextOfNamesAbKeepsThatTable) {
  fs::create_directories(SaveFile("hs").parent_path());
  std::string table;
  for (int row = 0; row < 10; ++row) table += "AB\r\n0\r\n0\r\n0\r\n";
  WriteSave("hs", table);
  WriteSave("options", "0\r\n1\r\n1\r\n_______\r\n\xEA\x74\r\n");  // bytes 234 and 116

  auto run = NewRun();
  run->Create();
  EXPECT_EQ(run->Form().HighScores[1].Name, "AB");
  EXPECT_EQ(run->Form().HighScores[10].Score, 0);
}

}  // namespace
}  // namespace vontra
