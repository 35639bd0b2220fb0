#include "frontend/frame_ops.h"

#include "app/mform.h"

namespace vontra {

void RenderScene(TMForm& form, int moveCount, bool moveFirst) {
  if (!form.MDXDraw.CanDraw()) return;
  form.MDXDraw.DrawSurface().Fill(0);
  // The sprite engine's passes go here: Move(moveCount) when moveFirst, then Draw.
  (void)moveCount;
  (void)moveFirst;
}

void PresentFrame(TMForm& form) {
  if (!form.MDXDraw.CanDraw()) return;
  form.MDXDraw.Flip();
  form.FramePresented = true;
}

}  // namespace vontra
