#include "platform/posix/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace vontra {
namespace {

bool WriteFully(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::string PosixFiles::NativePath(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  if (root_.empty() || (!native.empty() && native.front() == '/')) return native;
  return root_ + "/" + native;
}

bool PosixFiles::Exists(const std::string& path) {
  struct stat st {};
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<std::vector<uint8_t>> PosixFiles::ReadAll(const std::string& path) {
  const int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::vector<uint8_t> data;
  uint8_t buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    data.insert(data.end(), buffer, buffer + n);
  }
  close(fd);
  return data;
}

// The new contents reach the disk under a temporary name first, so a crash or a full disk
// leaves either the old file or the new one, never half of one.
bool PosixFiles::WriteAtomic(const std::string& path, const std::vector<uint8_t>& data) {
  const std::filesystem::path target = NativePath(path);
  std::error_code error;
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::filesystem::create_directories(folder, error);
  if (error) return false;

  // Appended rather than "." + name: GCC 12 at -O3 warns falsely (-Wrestrict) on that form.
  std::string name = ".";
  name += target.filename().string();
  name += ".XXXXXX";
  std::string temp = (folder / name).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  struct stat old {};
  const mode_t mode = stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool ok = fchmod(fd, mode) == 0 && WriteFully(fd, data.data(), data.size()) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}

}  // namespace vontra
