#include "platform/sdl/sdl_display.h"

#include <gtest/gtest.h>

#include <string>

#include "sdl_test_support.h"

namespace vontra {
namespace {

TEST(SdlDisplay, ModeSwitchFinalisesAndInitialisesAgainAndReportsBoth) {
  auto session = MakeDummySession();
  SdlDisplay display(session);
  std::string log;
  display.OnInitialize = [&] { log += "init;"; };
  display.OnFinalize = [&] { log += "final;"; };
  EXPECT_FALSE(display.CanDraw());
  display.Initialize();
  EXPECT_TRUE(display.Initialized());
  EXPECT_TRUE(display.CanDraw());
  display.SetFullScreen(true);
  display.Initialize();
  EXPECT_TRUE(display.FullScreen());
  display.Finalize();
  EXPECT_FALSE(display.CanDraw());
  display.Finalize();  // once only
  EXPECT_EQ(log, "init;final;init;final;");
  EXPECT_EQ(display.DrawSurface().Width(), 800);
  EXPECT_EQ(display.DrawSurface().Height(), 600);
}

TEST(SdlDisplay, UnpacedPresentsSleepToTheRateInsteadOfSpinning) {
  auto session = MakeDummySession();
  SdlDisplay display(session);
  display.Initialize();
  ASSERT_TRUE(display.CanDraw());
  const int rate = display.RefreshRate() > 0 ? display.RefreshRate() : 60;
  constexpr int kFlips = 13;
  display.Flip();
  const Uint64 start = SDL_GetPerformanceCounter();
  for (int i = 1; i < kFlips; ++i) display.Flip();
  const double ms = static_cast<double>(SDL_GetPerformanceCounter() - start) * 1000.0 /
                    static_cast<double>(SDL_GetPerformanceFrequency());
  // Twelve periods, less a millisecond each for the sleep's granularity.
  EXPECT_GE(ms, (kFlips - 1) * (1000.0 / rate - 1.0));
  EXPECT_FALSE(display.PresentsPaced());
}

TEST(SdlDisplay, NothingIsPresentedBeforeInitialisation) {
  auto session = MakeDummySession();
  SdlDisplay display(session);
  const Uint64 start = SDL_GetTicks64();
  for (int i = 0; i < 5; ++i) display.Flip();
  EXPECT_LT(SDL_GetTicks64() - start, 40u);
  EXPECT_EQ(display.RendererName(), "");
}

}  // namespace
}  // namespace vontra
