#include "app/program.h"

namespace vontra {

int RunProgram() { return 0; }

}  // namespace vontra
