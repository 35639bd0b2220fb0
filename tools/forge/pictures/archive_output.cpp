#include "archive_output.h"

namespace vontra::forge {

void WriteArchive(const PictureSet& set, Archive archive, const std::string& path) {
  (void)set;
  (void)archive;
  (void)path;
}

}  // namespace vontra::forge
