#pragma once
#include <iostream>
#include <string>

#include "platform/shell.h"

namespace vontra {

// Hands a file or web address to the desktop through xdg-open, started directly (no shell
// parses the address) and reaped in the background so no zombie is left behind. When the
// opener cannot be started, one line on `errors` says so and names the package that brings
// it; the game goes on.
class PosixShell : public IShell {
 public:
  explicit PosixShell(std::string program = "xdg-open", std::ostream& errors = std::cerr)
      : program_(std::move(program)), errors_(errors) {}
  void Open(const std::string& target) override;

 private:
  std::string program_;
  std::ostream& errors_;
};

}  // namespace vontra
