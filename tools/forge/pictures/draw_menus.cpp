#include "picture_set.h"

namespace vontra::forge {

void DrawMenus(PictureSet& set) { (void)set; }

}  // namespace vontra::forge
