#include "platform/headless/headless_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace vontra {

namespace fs = std::filesystem;

HeadlessFiles::HeadlessFiles(const std::string& root) : root_(root) {
  if (root_.empty()) {
    std::string pattern = (fs::temp_directory_path() / "vontra-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
    root_ = pattern;
    owned_ = true;
  } else {
    fs::create_directories(root_);
  }
}

HeadlessFiles::~HeadlessFiles() {
  if (!owned_) return;
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::string HeadlessFiles::NativePath(const std::string& path) {
  std::string mapped = path;
  for (char& c : mapped) {
    if (c == '\\') c = '/';
  }
  return root_ + "/" + mapped;
}

bool HeadlessFiles::Exists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(NativePath(path), ec);
}

std::optional<std::vector<uint8_t>> HeadlessFiles::ReadAll(const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return data;
}

bool HeadlessFiles::WriteAtomic(const std::string& path, const std::vector<uint8_t>& data) {
  const fs::path target = NativePath(path);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  if (ec) return false;
  const fs::path temp = target.string() + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool HeadlessFiles::Write(const std::string& path, const std::vector<uint8_t>& data) {
  const fs::path target = NativePath(path);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  if (ec) return false;
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  out.flush();
  return static_cast<bool>(out);
}

// Nothing to make durable: the headless files exist for the length of a test.
bool HeadlessFiles::Sync(const std::string& path) {
  return Exists(path);
}

bool HeadlessFiles::Rename(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(NativePath(from), NativePath(to), ec);
  return !ec;
}

bool HeadlessFiles::Remove(const std::string& path) {
  std::error_code ec;
  fs::remove(NativePath(path), ec);
  return !ec;
}

}  // namespace vontra
