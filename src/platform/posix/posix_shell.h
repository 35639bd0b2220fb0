#pragma once
#include <string>

#include "platform/shell.h"

namespace vontra {

// Hands a file or web address to the desktop through xdg-open, started directly (no shell
// parses the address) and reaped in the background so no zombie is left behind.
class PosixShell : public IShell {
 public:
  explicit PosixShell(std::string program = "xdg-open") : program_(std::move(program)) {}
  void Open(const std::string& target) override;

 private:
  std::string program_;
};

}  // namespace vontra
