#include "app/race_events.h"

#include "app/mform.h"

namespace vontra {

void StartShake(TMForm& form) {
  form.ShakeActive = true;
  form.ShakeCount = 11;
  form.ShakeTimer = 0;
  form.ShakeDX = 5;
  form.ShakeDY = 5;
}

void GameOver(TMForm& form) {
  form.Lives = 0;
  if (form.Routines.OpenMessageWindow) form.Routines.OpenMessageWindow(form, 8);
}

}  // namespace vontra
