#include "platform/sdl/sdl_pointer.h"

#include <gtest/gtest.h>

#include "sdl_test_support.h"

namespace vontra {
namespace {

TEST(SdlPointer, NestingCounterDecidesVisibility) {
  auto session = MakeDummySession();
  SdlPointer pointer(session);
  struct Step {
    bool show;
    int counter;
    bool visible;
  };
  // Hidden twice and shown once stays hidden; shown again it is back.
  const Step steps[] = {
      {false, -1, false}, {false, -2, false}, {true, -1, false},  {true, 0, true},
      {true, 1, true},    {false, 0, true},   {false, -1, false},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(pointer.ShowCursor(s.show), s.counter);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE, s.visible) << "counter " << s.counter;
  }
}

}  // namespace
}  // namespace vontra
