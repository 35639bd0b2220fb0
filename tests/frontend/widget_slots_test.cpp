#include "frontend/widget_slots.h"

#include <gtest/gtest.h>

#include <memory>

#include "assets/wave_collection.h"
#include "frontend/front_end.h"
#include "frontend/menu_button.h"
#include "sprites/form_fixture.h"

namespace vontra {
namespace {

using testing_pictures::AddFrames;
using testing_pictures::Frame565;

class Widgets : public FormFixture {
 protected:
  Widgets() {
    AddFrames(*form.MDXImageList, "Off", 100, 30, 3);
    AddFrames(*form.MDXImageList, "On", 110, 34, 4);
    // "B_Act" is a rising ramp, so the first sample heard tells whether it has just started.
    form.MDXWaveList = std::make_unique<TWaveCollection>();
    TWaveCollectionItem& click = form.MDXWaveList->Add();
    click.SetName("B_Act");
    click.Wave.Format = {1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0, 2, 0, 16, 0};
    for (int i = 0; i < 20000; ++i) {
      const int v = 100 + i;
      click.Wave.Data.push_back(static_cast<uint8_t>(v & 0xFF));
      click.Wave.Data.push_back(static_cast<uint8_t>(v >> 8));
    }
  }
  // Whether "B_Act" started since the last call: listens to the next 64 frames of output.
  bool ClickStarted() {
    const std::vector<int16_t> heard = soundCard->Pull(64);
    return heard[0] >= 50 && heard[0] <= 150;
  }
  TMenuButton* Button(int slot, int x, int y) {
    form.WidgetSlots[slot] = std::make_unique<TMenuButton>(form, "On", "Off", 3, 1, x, y);
    return form.WidgetSlots[slot].get();
  }
};

TEST_F(Widgets, ButtonStartsInactiveAndSwitchesLooksWithoutTouchingIsActive) {
  TMenuButton* b = Button(1, 50, 60);
  EXPECT_EQ(b->Image, &form.MDXImageList->Find("Off"));
  EXPECT_EQ(b->Width, 100);
  EXPECT_EQ(b->Height, 30);
  EXPECT_EQ(b->FrameCount, 3);
  EXPECT_TRUE(b->LoopFrames);
  EXPECT_EQ(b->FramePos, 1);
  EXPECT_EQ(b->Z(), 4);
  EXPECT_FALSE(b->IsActive);

  b->Activate();
  EXPECT_EQ(b->Image, &form.MDXImageList->Find("On"));
  EXPECT_EQ(b->Width, 110);
  EXPECT_EQ(b->FramePos, 3);
  EXPECT_FALSE(b->IsActive);
  form.MDXSpriteEngine->Draw();
  EXPECT_EQ(Frame().At(50, 60), Frame565(3));

  b->Deactivate();
  EXPECT_EQ(b->Width, 100);
  EXPECT_EQ(b->FramePos, 1);
}

TEST_F(Widgets, CaptionTakesRacePicturesOnTheRaceScreenOrWhenAsked) {
  AddFrames(*form.MDXImageList, "Panel", 200, 51, 2);
  AddFrames(*form.MDXImageList3, "Panel", 60, 20, 5);
  struct Case {
    ScreenStates screenState;
    bool fromRace;
    bool wantRace;
  };
  for (const Case c :
       {Case{ScreenStates::kMainMenu, false, false}, Case{ScreenStates::kCreating, false, false},
        Case{ScreenStates::kRace, false, true}, Case{ScreenStates::kMainMenu, true, true},
        Case{ScreenStates::kCarChoice, true, true}}) {
    form.ScreenState = c.screenState;
    TCaptionSprite caption(form, "Panel", c.fromRace);
    const TPictureCollection& want = c.wantRace ? *form.MDXImageList3 : *form.MDXImageList;
    EXPECT_EQ(caption.Image, &want.Find("Panel")) << ToInt(c.screenState) << " " << c.fromRace;
    EXPECT_EQ(caption.FrameCount, c.wantRace ? 5 : 2);
    EXPECT_FALSE(caption.UseRaceImages);  // the creation flag is not remembered
  }
  form.ScreenState = ScreenStates::kMainMenu;
  TCaptionSprite caption(form, "Panel");
  // Centred on the 800 x 601 control, as real numbers.
  EXPECT_DOUBLE_EQ(caption.X, 300);
  EXPECT_DOUBLE_EQ(caption.Y, 275);
  EXPECT_EQ(caption.Z(), 3);
  EXPECT_FALSE(caption.LoopFrames);
  caption.UseRaceImages = true;
  caption.SetImageByName("Panel");
  EXPECT_EQ(caption.Image, &form.MDXImageList3->Find("Panel"));
  EXPECT_EQ(caption.Width, 60);
  EXPECT_THROW(caption.SetImageByName("Missing"), std::exception);
}

TEST_F(Widgets, HoverCountsEdgesAsInsideAndKeepsOrClearsTheSelectionOffTheButtons) {
  Button(1, 100, 100);  // 100 x 30: x 100..200, y 100..130 inclusive
  Button(2, 100, 130);  // shares the edge y = 130 with slot 1: the first slot wins
  form.ButtonCount = 2;
  form.FirstSelectable = 1;
  form.LastSelectable = 2;
  struct Case {
    int x, y;
    int wantScreen;  // from a selection of 0
    int wantWindow;
  };
  const Case cases[] = {
      {100, 100, 1, 1}, {200, 130, 1, 1}, {150, 131, 2, 2}, {200, 160, 2, 2},
      {201, 110, 0, 0}, {99, 110, 0, 0},  {150, 161, 0, 0}, {150, 99, 0, 0},
  };
  for (const Case& c : cases) {
    form.MouseX = c.x;
    form.MouseY = c.y;
    form.SelectedWidget = 0;
    HoverScreen(form);
    EXPECT_EQ(form.SelectedWidget, c.wantScreen) << c.x << "," << c.y;
    form.SelectedWidget = 0;
    HoverWindow(form);
    EXPECT_EQ(form.SelectedWidget, c.wantWindow) << c.x << "," << c.y;
  }
  // Off the buttons: the screen keeps its last selection, a window loses it.
  form.MouseX = 500;
  form.SelectedWidget = 2;
  HoverScreen(form);
  EXPECT_EQ(form.SelectedWidget, 2);
  HoverWindow(form);
  EXPECT_EQ(form.SelectedWidget, 0);
}

TEST_F(Widgets, HoverSkipsEmptySlotsAndSlotsOutsideItsRange) {
  Button(3, 0, 0);
  Button(8, 0, 0);
  form.ButtonCount = 6;  // slot 8 takes no part in screen hover
  form.FirstSelectable = 7;
  form.LastSelectable = 10;
  form.MouseX = 10;
  form.MouseY = 10;
  HoverScreen(form);
  EXPECT_EQ(form.SelectedWidget, 3);
  HoverWindow(form);
  EXPECT_EQ(form.SelectedWidget, 8);
}

struct StepCase {
  int first, last, selected;
  bool next, wrap;
  int want;
  bool hitEnd;
};

class SelectionSteps : public Widgets, public ::testing::WithParamInterface<StepCase> {};

TEST_P(SelectionSteps, MoveWrapOrStopAtTheEnds) {
  const StepCase& c = GetParam();
  form.FirstSelectable = c.first;
  form.LastSelectable = c.last;
  form.SelectedWidget = c.selected;
  form.NavLatch = true;
  form.NavHitEnd = !c.hitEnd;  // each step sets or clears it
  if (c.next) {
    SelectNext(form, c.wrap);
  } else {
    SelectPrevious(form, c.wrap);
  }
  EXPECT_EQ(form.SelectedWidget, c.want);
  EXPECT_EQ(form.NavHitEnd, c.hitEnd);
  EXPECT_FALSE(form.NavLatch);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectionSteps,
    ::testing::Values(StepCase{7, 10, 10, true, true, 7, false},  // Down from 10 wraps to 7
                      StepCase{7, 10, 0, true, true, 8, false},   // none selected: lands on 8
                      StepCase{7, 10, 3, true, true, 8, false},   // out of range likewise
                      StepCase{7, 10, 8, true, true, 9, false},
                      StepCase{7, 10, 10, true, false, 10, true},  // no wrap: refused at the end
                      StepCase{7, 10, 9, true, false, 10, false},
                      StepCase{7, 10, 7, false, true, 10, false},  // Up from 7 wraps to 10
                      StepCase{7, 10, 0, false, true, 10, false},  // none: from 7, wraps
                      StepCase{7, 10, 9, false, true, 8, false},
                      StepCase{7, 10, 7, false, false, 7, true},
                      StepCase{7, 10, 12, false, false, 7, true},
                      StepCase{1, 6, 4, false, false, 3, false}));

TEST_F(Widgets, HeldArrowMovesOneStepPerPress) {
  form.FirstSelectable = 1;
  form.LastSelectable = 6;
  form.SelectedWidget = 1;
  form.NavLatch = false;
  InputStateSet& keys = form.InputStates;
  const auto frame = [&](bool up, bool down) {
    keys = {};
    keys.Up = up;
    keys.Down = down;
    NavigateVertical(form, true);
    return form.SelectedWidget;
  };
  EXPECT_EQ(frame(false, true), 1);  // no release seen yet
  EXPECT_EQ(frame(false, false), 1);
  EXPECT_EQ(frame(false, true), 2);
  EXPECT_EQ(frame(false, true), 2);
  EXPECT_EQ(frame(false, true), 2);
  EXPECT_EQ(frame(false, false), 2);
  EXPECT_EQ(frame(false, true), 3);
  EXPECT_EQ(frame(false, false), 3);
  EXPECT_EQ(frame(true, false), 2);
  EXPECT_EQ(frame(false, false), 2);
  EXPECT_EQ(frame(true, true), 1);  // both at once: one step up, then the latch is gone
  EXPECT_EQ(frame(true, true), 1);
  // Left and Right do nothing to a vertical menu, and Up and Down nothing to a horizontal one.
  EXPECT_EQ(frame(false, false), 1);
  keys = {};
  keys.Right = true;
  NavigateVertical(form, true);
  EXPECT_EQ(form.SelectedWidget, 1);
  NavigateHorizontal(form, true);
  EXPECT_EQ(form.SelectedWidget, 2);
  NavigateHorizontal(form, true);
  EXPECT_EQ(form.SelectedWidget, 2);
  keys = {};
  keys.Down = true;
  NavigateHorizontal(form, true);  // sees no horizontal key held: re-latches
  EXPECT_EQ(form.SelectedWidget, 2);
  keys = {};
  keys.Left = true;
  NavigateHorizontal(form, false);
  EXPECT_EQ(form.SelectedWidget, 1);
}

TEST_F(Widgets, HighlightLightsTheSelectionAndClicksOncePerChange) {
  ASSERT_FALSE(ClickStarted());
  for (int slot = 1; slot <= 3; ++slot) Button(slot, 0, 40 * slot);
  form.ButtonCount = 3;
  const auto lit = [&] {
    int which = 0;
    for (int slot = 1; slot <= 3; ++slot) {
      const TMenuButton* b = form.WidgetSlots[slot].get();
      const bool on = b->Image == &form.MDXImageList->Find("On");
      EXPECT_EQ(on, b->IsActive) << slot;
      if (on) which = which == 0 ? slot : -1;
    }
    return which;
  };
  struct Step {
    int selected;
    bool silentFlag;
    int wantLit;
    bool wantClick;
  };
  const Step steps[] = {
      {0, false, 0, false}, {2, false, 2, true},  {2, false, 2, false}, {2, false, 2, false},
      {3, false, 3, true},  {0, false, 0, false}, {3, false, 3, true},  {1, true, 1, false},
      {1, false, 1, false}, {2, false, 2, true},
  };
  for (const Step& s : steps) {
    form.SelectedWidget = s.selected;
    if (s.silentFlag) form.SilentFirstHighlight = true;
    HighlightButtons(form);
    EXPECT_EQ(lit(), s.wantLit) << s.selected;
    EXPECT_EQ(ClickStarted(), s.wantClick) << s.selected;
    EXPECT_FALSE(form.SilentFirstHighlight);
  }
  // Effects switched off: the selection still lights, silently.
  form.SoundOn = false;
  form.SelectedWidget = 3;
  HighlightButtons(form);
  EXPECT_EQ(lit(), 3);
  EXPECT_FALSE(ClickStarted());
}

TEST_F(Widgets, WindowHighlightIgnoresTheSilentFlagAndLooksOnlyAtItsRange) {
  Button(1, 0, 0)->Activate();  // a screen button lit under the window stays as it is
  form.WidgetSlots[1]->IsActive = true;
  Button(11, 0, 0);
  Button(12, 0, 0);
  form.FirstSelectable = 11;
  form.LastSelectable = 12;
  form.SilentFirstHighlight = true;
  form.SelectedWidget = 12;
  HighlightWindowButtons(form);
  EXPECT_TRUE(ClickStarted());
  EXPECT_TRUE(form.SilentFirstHighlight);
  EXPECT_TRUE(form.WidgetSlots[12]->IsActive);
  EXPECT_FALSE(form.WidgetSlots[11]->IsActive);
  EXPECT_TRUE(form.WidgetSlots[1]->IsActive);
  HighlightWindowButtons(form);
  EXPECT_FALSE(ClickStarted());
  form.SelectedWidget = 11;
  HighlightWindowButtons(form);
  EXPECT_TRUE(ClickStarted());
  EXPECT_FALSE(form.WidgetSlots[12]->IsActive);
  // Slots the range names but that hold no button are skipped.
  form.LastSelectable = 13;
  form.WidgetSlots[12].reset();
  form.SelectedWidget = 12;
  HighlightWindowButtons(form);
  EXPECT_FALSE(ClickStarted());
}

TEST_F(Widgets, FreeingEmptiesTheSlotsAndTheTree) {
  const int before = Root().SpriteCount;
  for (int slot = 1; slot <= 12; ++slot) Button(slot, 0, 0);
  form.ButtonCount = 6;
  form.FirstSelectable = 11;
  form.LastSelectable = 12;
  FreeWindowButtons(form);
  EXPECT_EQ(form.WidgetSlots[11], nullptr);
  EXPECT_EQ(form.WidgetSlots[12], nullptr);
  EXPECT_EQ(form.ButtonCount, 0);
  EXPECT_EQ(Root().SpriteCount, before + 10);
  form.ButtonCount = 6;
  FreeButtons(form);
  for (int slot = 1; slot <= 6; ++slot) EXPECT_EQ(form.WidgetSlots[slot], nullptr);
  EXPECT_NE(form.WidgetSlots[7], nullptr);
  EXPECT_EQ(form.ButtonCount, 0);
  EXPECT_EQ(Root().SpriteCount, before + 4);
}

}  // namespace
}  // namespace vontra
