#pragma once

namespace vontra {

class TMForm;

// Starts a frame: black, then the sprite tree's move pass (when moveFirst) and draw pass.
void RenderScene(TMForm& form, int moveCount, bool moveFirst);
// Shows the finished frame.
void PresentFrame(TMForm& form);

}  // namespace vontra
