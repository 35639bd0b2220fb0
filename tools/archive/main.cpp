// vontra-archive: a modder's tool for the game's image (.dxg) and sound (.dxw) archives.
#include <iostream>
#include <string>

#include "commands.h"

namespace {

int Usage() {
  std::cerr << "usage: vontra-archive list FILE\n"
               "       vontra-archive extract FILE DIR\n"
               "       vontra-archive pack MANIFEST OUT\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vontra::archive_tool;
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "list" && argc == 3) return ListCommand(argv[2], std::cout, std::cerr);
  if (command == "extract" && argc == 4) return ExtractCommand(argv[2], argv[3], std::cerr);
  if (command == "pack" && argc == 4) return PackCommand(argv[2], argv[3], std::cerr);
  return Usage();
}
