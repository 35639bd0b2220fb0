#pragma once
// Replaces every routine the shell calls out to with one that only notes its call, so a test
// sees exactly what the handlers dispatched, in order.
#include <string>
#include <vector>

#include "app/mform.h"

namespace vontra {

class RoutineRecorder {
 public:
  // Installs itself into the form's routines; the form must outlive the recorder's use.
  explicit RoutineRecorder(TMForm& form);

  std::vector<std::string> Calls;
  // Every recorded call with `prefix` at its start.
  std::vector<std::string> Matching(const std::string& prefix) const;
  void Clear() { Calls.clear(); }
};

}  // namespace vontra
