#include "app/form_lifecycle.h"

#include <cstdio>

#include "app/archive_preload.h"
#include "app/display_mode.h"
#include "app/frame_timer.h"
#include "app/mform.h"
#include "app/race_frame.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"
#include "online/web_links.h"
#include "persistence/high_score_check.h"
#include "persistence/save_files.h"
#include "persistence/save_pair.h"
#include "road/scroll_background.h"

namespace vontra {

void FormCreate(TMForm& form) {
  FormCreate(form, LoadGameArchives(*form.platform.files));
}

void FormCreate(TMForm& form, GameArchives archives) {
  form.MDXImageList = std::move(archives.Menu);
  form.MDXImageList3 = std::move(archives.Race);
  form.MDXWaveList = std::move(archives.Sounds);
  // The pictures are prepared for the display when it is initialised below.
  form.MDXImageList->AttachDisplay(&form.MDXDraw);
  form.MDXImageList3->AttachDisplay(&form.MDXDraw);
  form.ScreenState = ScreenStates::kCreating;
  form.Random.Seed(form.platform.clock->RandomSeed());
  form.FrameTimeMs = 15;
  form.SpeedFactor = 1.0;
  LoadTableAndOptions(form);
  ApplyDisplayMode(form);
  form.PausePressed = form.PauseHeld = false;
  form.EscapePressed = form.EscapeHeld = false;
  // The one background sprite: it lives as long as the window; screens only re-image it.
  if (form.MDXImageList)
    form.Background = std::make_unique<TScrollBackground>(form, "MMBackground");
  if (form.Routines.OpenMainMenu) form.Routines.OpenMainMenu(form, true, 0);
}

void FormDestroy(TMForm& form) {
  ShutDown(form);
}

namespace {

// During a race the close box and minimising may only interrupt the driving itself (or the
// level banner): the end-of-game windows and the time-over window lead on to what follows them,
// and replacing one of them would skip that.
bool RaceMayBeInterrupted(const TMForm& form) {
  return form.WindowKind == WindowKinds::kNone || form.WindowKind == WindowKinds::kLevelBanner ||
         form.WindowKind == WindowKinds::kPause;
}

}  // namespace

void FormCloseQuery(TMForm& form) {
  ShellRoutines& r = form.Routines;
  if (!r.OpenMessageWindow) return;
  if (form.ScreenState != ScreenStates::kRace) {
    r.OpenMessageWindow(form, WindowKinds::kQuitQuestion);
  } else if (RaceMayBeInterrupted(form)) {
    r.OpenMessageWindow(
        form, form.ShakeActive ? WindowKinds::kQuitQuestion : WindowKinds::kFinishQuestion);
  }
}

void FormMinimize(TMForm& form) {
  PauseRaceFromOutside(form);
  form.platform.window->Minimize();
}

void ShutDown(TMForm& form) {
  SaveTableAndOptions(form);
  OpenPlayLink(form);
  form.Terminated = true;
}

bool DisplayLost(TMForm& form, const std::string& what) {
  // No play link: there is no desktop left to open it on.
  const bool saved = SaveTableAndOptions(form);
  std::fprintf(stderr, "Vontra: %s; %s\n", what.c_str(),
               saved ? "the table and the options are saved"
                     : "the table and the options could not be saved");
  return saved;
}

void StartLauncher(TMForm& form) {
  static const char* const kLauncher = "fscommand/qelvin.exe";
  if (form.platform.files->Exists(kLauncher)) form.platform.shell->Open(kLauncher);
}

}  // namespace vontra
