#include "frontend/front_end.h"

#include "app/mform.h"
#include "sprites/sprite_engine.h"

namespace vontra {

void RenderScene(TMForm& form, int moveCount, bool moveFirst) {
  if (!form.MDXDraw.CanDraw()) return;
  form.MDXDraw.DrawSurface().Fill(0);
  if (moveFirst) form.MDXSpriteEngine->Move(moveCount);
  form.MDXSpriteEngine->Draw();
}

void PresentFrame(TMForm& form) {
  if (!form.MDXDraw.CanDraw()) return;
  form.MDXDraw.Flip();
  form.FramePresented = true;
}

}  // namespace vontra
