#pragma once
// The commands of vontra-archive. Each returns the exit status; failures print one line
// "FILE: message" to err.
#include <ostream>
#include <string>

namespace vontra::archive_tool {

int ListCommand(const std::string& file, std::ostream& out, std::ostream& err);
int ExtractCommand(const std::string& file, const std::string& dir, std::ostream& err);
int PackCommand(const std::string& manifest, const std::string& outFile, std::ostream& err);

}  // namespace vontra::archive_tool
