#include "app/program.h"

int main() { return vontra::RunProgram(); }
