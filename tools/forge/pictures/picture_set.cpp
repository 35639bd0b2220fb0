#include "picture_set.h"

#include <stdexcept>
#include <string>

namespace vontra::forge {

Picture& PictureSet::Make(std::string_view name, Archive archive) {
  const PictureSpec* spec = FindPictureSpec(name, archive);
  if (!spec) throw std::runtime_error("picture not in the catalogue: " + std::string(name));
  if (Find(name, archive)) throw std::runtime_error("picture drawn twice: " + std::string(name));
  pictures_.push_back(std::make_unique<Picture>(*spec));
  return *pictures_.back();
}

const Picture* PictureSet::Find(std::string_view name, Archive archive) const {
  for (const auto& p : pictures_) {
    if (p->spec().name == name && p->spec().archive == archive) return p.get();
  }
  return nullptr;
}

std::vector<std::string_view> PictureSet::Missing() const {
  std::vector<std::string_view> missing;
  for (const PictureSpec& s : kPictures) {
    if (!Find(s.name, s.archive)) missing.push_back(s.name);
  }
  return missing;
}

}  // namespace vontra::forge
