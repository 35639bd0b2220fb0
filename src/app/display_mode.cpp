#include "app/display_mode.h"

#include "app/frame_timer.h"
#include "app/mform.h"
#include "assets/picture_collection.h"

namespace vontra {

void ApplyDisplayMode(TMForm& form) {
  if (form.FullScreen == 1) {
    EnterFullScreenMode(form);
  } else {
    EnterWindowedMode(form);
  }
}

void EnterWindowedMode(TMForm& form) {
  form.MDXDraw.Finalize();
  form.MDXDraw.SetFullScreen(false);
  form.MDXDraw.Initialize();
  // Put back where it was before full screen, once the window has its border again.
  if (form.SavedPlacementValid) {
    form.platform.window->SetPlacement(form.SavedPlacement);
    form.SavedPlacementValid = false;
  }
}

void EnterFullScreenMode(TMForm& form) {
  const bool wasFullScreen = form.MDXDraw.FullScreen() && form.MDXDraw.Initialized();
  form.MDXDraw.Finalize();
  // Going full screen twice in a row must not overwrite the window's real placement.
  if (!wasFullScreen) {
    form.SavedPlacement = form.platform.window->GetPlacement();
    form.SavedPlacementValid = true;
  }
  form.MDXDraw.SetFullScreen(true);
  form.MDXDraw.Initialize();
}

void MDXDrawInitialize(TMForm& form) {
  if (form.MDXImageList) form.MDXImageList->Prepare();
  if (form.MDXImageList3) form.MDXImageList3->Prepare();
  form.MDXTimer->SetEnabled(true);
}

void MDXDrawFinalize(TMForm& form) {
  form.MDXTimer->SetEnabled(false);
}

void ShowMouseCursor(TMForm& form) {
  while (form.platform.pointer->ShowCursor(true) < 1) {
  }
}

void HideMouseCursor(TMForm& form) {
  while (form.platform.pointer->ShowCursor(false) >= 0) {
  }
}

}  // namespace vontra
