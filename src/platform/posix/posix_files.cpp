#include "platform/posix/posix_files.h"

#include "platform/posix/mapped_file_bytes.h"

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

void SyncFolderOf(const std::filesystem::path& file) {
  const std::filesystem::path folder =
      file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  fsync(dir);
  close(dir);
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
  // Read straight into a buffer of the file's size: archives are megabytes, and growing a
  // buffer piece by piece would copy them several times and hold two copies at once.
  struct stat st {};
  std::vector<uint8_t> data;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) data.resize(static_cast<size_t>(st.st_size));
  size_t size = 0;
  bool failed = false;
  const auto readSome = [&](uint8_t* into, size_t room) -> size_t {
    for (;;) {
      const ssize_t n = read(fd, into, room);
      if (n >= 0) return static_cast<size_t>(n);
      if (errno != EINTR) {
        failed = true;
        return 0;
      }
    }
  };
  while (size < data.size()) {
    const size_t n = readSome(data.data() + size, data.size() - size);
    if (n == 0) break;
    size += n;
  }
  data.resize(size);
  // A file that grew since it was measured is still read whole.
  uint8_t more[65536];
  while (!failed) {
    const size_t n = readSome(more, sizeof more);
    if (n == 0) break;
    data.insert(data.end(), more, more + n);
  }
  close(fd);
  if (failed) return std::nullopt;
  return data;
}

std::unique_ptr<FileBytes> PosixFiles::OpenForReading(const std::string& path) {
  return MappedFileBytes::Open(NativePath(path));
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

  // Appended piece by piece: GCC 12 at -O3 misreads "." + name as an overlapping copy.
  std::string hidden = ".";
  hidden += target.filename().string();
  hidden += ".XXXXXX";
  std::string temp = (folder / hidden).string();
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

bool PosixFiles::Write(const std::string& path, const std::vector<uint8_t>& data) {
  const std::filesystem::path target = NativePath(path);
  std::error_code error;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
  if (error) return false;
  const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool ok = WriteFully(fd, data.data(), data.size());
  return close(fd) == 0 && ok;
}

bool PosixFiles::Sync(const std::string& path) {
  const std::filesystem::path target = NativePath(path);
  const int fd = open(target.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = fsync(fd) == 0;
  close(fd);
  SyncFolderOf(target);
  return ok;
}

bool PosixFiles::Rename(const std::string& from, const std::string& to) {
  const std::filesystem::path target = NativePath(to);
  if (rename(NativePath(from).c_str(), target.c_str()) != 0) return false;
  SyncFolderOf(target);
  return true;
}

bool PosixFiles::Remove(const std::string& path) {
  const std::filesystem::path target = NativePath(path);
  if (unlink(target.c_str()) != 0) return errno == ENOENT;
  SyncFolderOf(target);
  return true;
}

}  // namespace vontra
