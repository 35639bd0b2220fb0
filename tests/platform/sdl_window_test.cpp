#include "platform/sdl/sdl_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/headless_files.h"
#include "platform/sdl/sdl_display.h"
#include "platform/window_memory.h"
#include "sdl_test_support.h"

namespace vontra {
namespace {

std::string Where(const WindowPlacement& p) {
  return std::to_string(p.X) + "," + std::to_string(p.Y) + " " + std::to_string(p.Width) + "x" +
         std::to_string(p.Height);
}

TEST(SdlWindow, PlacementRestoredWhileFullScreenTakesEffectBackInAWindow) {
  auto session = MakeDummySession();
  SdlDisplay display(session);
  SdlWindow window(session);
  display.Initialize();
  EXPECT_EQ(window.GetPlacement().Width, 800);
  EXPECT_EQ(window.GetPlacement().Height, 601);
  window.SetPlacement({100, 50, 800, 601, false});
  EXPECT_EQ(Where(window.GetPlacement()), "100,50 800x601");

  // The game's order: finalise, record, switch to full screen, initialise.
  display.Finalize();
  const WindowPlacement saved = window.GetPlacement();
  display.SetFullScreen(true);
  display.Initialize();
  ASSERT_NE(SDL_GetWindowFlags(session->Window()) & SDL_WINDOW_FULLSCREEN, 0u);

  // Back: finalise, restore the record, switch to a window, initialise.
  display.Finalize();
  window.SetPlacement({saved.X + 7, saved.Y + 9, saved.Width, saved.Height, false});
  display.SetFullScreen(false);
  display.Initialize();
  EXPECT_EQ(SDL_GetWindowFlags(session->Window()) & SDL_WINDOW_FULLSCREEN, 0u);
  EXPECT_EQ(Where(window.GetPlacement()), "107,59 800x601");
}

std::vector<uint8_t> Bytes(const std::string& s) {
  return std::vector<uint8_t>(s.begin(), s.end());
}

TEST(SdlWindow, OpensWhereItWasLeftAndRemembersItsPlaceBesideTheSaves) {
  auto files = std::make_shared<HeadlessFiles>();
  ASSERT_TRUE(files->WriteAtomic(kWindowMemoryPath, Bytes("120\r\n90\r\n900\r\n700\r\n0\r\n")));
  {
    auto session = MakeDummySession();
    SdlDisplay display(session);
    SdlWindow window(session, files);
    display.Initialize();
    EXPECT_EQ(Where(window.GetPlacement()), "120,90 900x700");
    window.SetPlacement({200, 100, 1000, 750, false});
  }
  EXPECT_EQ(*files->ReadAll(kWindowMemoryPath), Bytes("200\r\n100\r\n1000\r\n750\r\n0\r\n"));

  // A place on no desktop (a screen unplugged since) is not taken: the window opens centred.
  ASSERT_TRUE(files->WriteAtomic(kWindowMemoryPath, Bytes("5000\r\n5000\r\n800\r\n601\r\n0\r\n")));
  {
    auto session = MakeDummySession();
    SdlDisplay display(session);
    SdlWindow window(session, files);
    display.Initialize();
    SDL_Rect desktop;
    ASSERT_EQ(SDL_GetDisplayBounds(0, &desktop), 0);
    const WindowPlacement p = window.GetPlacement();
    EXPECT_EQ(p.X, desktop.x + (desktop.w - p.Width) / 2);
    EXPECT_EQ(p.Y, desktop.y + (desktop.h - p.Height) / 2);
  }
}

TEST(SdlWindow, LeavesNoFileWhereTheGameHasNoSaveFolder) {
  auto files = std::make_shared<HeadlessFiles>();
  {
    auto session = MakeDummySession();
    SdlDisplay display(session);
    SdlWindow window(session, files);
    display.Initialize();
  }
  EXPECT_FALSE(files->Exists(kWindowMemoryPath));
  EXPECT_FALSE(std::filesystem::exists(files->NativePath("Data\\Save")));
}

TEST(SdlWindow, CaptionIsWindows1251) {
  auto session = MakeDummySession();
  SdlWindow window(session);
  window.SetCaption("Vontra \xC8\xE3\xF0\xE0");  // "Игра"
  EXPECT_STREQ(SDL_GetWindowTitle(session->Window()), "Vontra Игра");
}

}  // namespace
}  // namespace vontra
