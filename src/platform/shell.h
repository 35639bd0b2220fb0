#pragma once
#include <string>

namespace vontra {

// The desktop's "open" action for a file or a web address.
class IShell {
 public:
  virtual ~IShell() = default;
  virtual void Open(const std::string& target) = 0;
};

}  // namespace vontra
