#pragma once
#include "xm_writer.h"

namespace vontra::forge {

// The calm, moody tune of the menus (A minor, 84 beats a minute, about 91 s).
XmModule MenuTune();
// The driving tune of the race (E minor, 150 beats a minute, about 83 s).
XmModule RaceTune();

}  // namespace vontra::forge
