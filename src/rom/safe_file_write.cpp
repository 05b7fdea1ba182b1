#include "rom/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;
constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask

// The file a save really replaces: `path` itself, or the end of its chain of symbolic links.
std::optional<fs::path> resolveLinks(fs::path path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path target = fs::read_symlink(path, error);
    if (error) return std::nullopt;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return std::nullopt;
}

// Whether the process may write here. Write-protected files and folders are honoured even for
// a process that could override the protection, so a save never replaces a file the user has
// made read-only.
bool writable(const fs::path& path, const struct stat& info) {
  return (info.st_mode & kAnyWriteBit) != 0 && ::access(path.c_str(), W_OK) == 0;
}

bool readTail(int descriptor, std::size_t from, std::vector<std::uint8_t>& tail) {
  struct stat info {};
  if (::fstat(descriptor, &info) != 0) return false;
  const auto length = static_cast<std::size_t>(info.st_size);
  if (length <= from) return true;
  tail.resize(length - from);
  std::size_t done = 0;
  while (done < tail.size()) {
    const ssize_t got = ::pread(descriptor, tail.data() + done, tail.size() - done,
                                static_cast<off_t>(from + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<std::size_t>(got);
  }
  return true;
}

bool writeAll(int descriptor, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// The old file's permissions and tail, or a new file's defaults.
struct ExistingFile {
  bool exists = false;
  struct stat info {};
  std::vector<std::uint8_t> tail;
};

std::optional<ExistingFile> inspectTarget(const fs::path& target, std::size_t contentSize,
                                          ExistingTail tail) {
  ExistingFile existing;
  if (::lstat(target.c_str(), &existing.info) != 0) {
    if (errno == ENOENT) return existing;
    return std::nullopt;
  }
  existing.exists = true;
  if (!S_ISREG(existing.info.st_mode) || !writable(target, existing.info)) return std::nullopt;
  if (tail == ExistingTail::kDrop) return existing;
  const int descriptor = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  const bool read = readTail(descriptor, contentSize, existing.tail);
  ::close(descriptor);
  if (!read) return std::nullopt;
  return existing;
}

bool folderWritable(const fs::path& folder) {
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && writable(folder, info);
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return kNewFileMode & ~mask;
}

bool fillTemporary(int descriptor, const std::vector<std::uint8_t>& content,
                   const ExistingFile& existing) {
  if (!writeAll(descriptor, content.data(), content.size())) return false;
  if (!writeAll(descriptor, existing.tail.data(), existing.tail.size())) return false;
  const mode_t mode = existing.exists ? (existing.info.st_mode & 07777) : newFileMode();
  if (::fchmod(descriptor, mode) != 0) return false;
  if (existing.exists) {
    // Keep the owner where the process may; a failure here is not a failed save.
    [[maybe_unused]] const int ignored =
        ::fchown(descriptor, existing.info.st_uid, existing.info.st_gid);
  }
  return ::fsync(descriptor) == 0;
}

}  // namespace

bool replaceFileSafely(const fs::path& path, const std::vector<std::uint8_t>& content,
                       ExistingTail tail) {
  if (path.empty()) return false;
  const std::optional<fs::path> target = resolveLinks(path);
  if (!target) return false;
  const std::optional<ExistingFile> existing = inspectTarget(*target, content.size(), tail);
  if (!existing) return false;

  fs::path folder = target->parent_path();
  if (folder.empty()) folder = ".";
  if (!folderWritable(folder)) return false;

  std::string temporary = (folder / ("." + target->filename().string() + ".save-XXXXXX")).string();
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) return false;
  const bool filled = fillTemporary(descriptor, content, *existing);
  const bool closed = ::close(descriptor) == 0;
  if (!filled || !closed || ::rename(temporary.c_str(), target->c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace pelmora
