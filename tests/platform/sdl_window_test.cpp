#include "platform/sdl/sdl_window.h"

#include <gtest/gtest.h>

#include "platform/sdl/sdl_display.h"
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

TEST(SdlWindow, CaptionIsWindows1251) {
  auto session = MakeDummySession();
  SdlWindow window(session);
  window.SetCaption("Vontra \xC8\xE3\xF0\xE0");  // "Игра"
  EXPECT_STREQ(SDL_GetWindowTitle(session->Window()), "Vontra Игра");
}

}  // namespace
}  // namespace vontra
