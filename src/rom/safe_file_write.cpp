#include "rom/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;
constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask
// The read-back check compares the file in stretches of this size, so checking a save costs no
// second buffer as large as the file.
constexpr std::size_t kCheckStretch = 16384;

using Piece = std::span<const std::uint8_t>;

// What a file is meant to hold: the content's pieces one after another, then the kept tail.
struct Pieces {
  std::array<Piece, 3> parts;

  std::size_t size() const {
    std::size_t total = 0;
    for (const Piece& part : parts) total += part.size();
    return total;
  }
};

std::function<void(const fs::path&)>& beforeWriteCheckHook() {
  static std::function<void(const fs::path&)> hook;
  return hook;
}

CodecError systemError(int code) { return CodecError{std::strerror(code)}; }
CodecError lastSystemError() { return systemError(errno == 0 ? EIO : errno); }

// The file a save really replaces: `path` itself, or the end of its chain of symbolic links.
Expected<fs::path> resolveLinks(fs::path path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path target = fs::read_symlink(path, error);
    if (error) return CodecError{error.message()};
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return systemError(ELOOP);
}

// Whether the process may write here. Write-protected files and folders are honoured even for
// a process that could override the protection, so a save never replaces a file the user has
// made read-only.
bool writable(const fs::path& path, const struct stat& info) {
  return (info.st_mode & kAnyWriteBit) != 0 && ::access(path.c_str(), W_OK) == 0;
}

bool readAt(int descriptor, std::size_t from, std::uint8_t* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got =
        ::pread(descriptor, data + done, size - done, static_cast<off_t>(from + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<std::size_t>(got);
  }
  return true;
}

bool readTail(int descriptor, std::size_t from, std::vector<std::uint8_t>& tail) {
  struct stat info {};
  if (::fstat(descriptor, &info) != 0) return false;
  const auto length = static_cast<std::size_t>(info.st_size);
  if (length <= from) return true;
  tail.resize(length - from);
  return readAt(descriptor, from, tail.data(), tail.size());
}

bool writeAll(int descriptor, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = ENOSPC;
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

Expected<ExistingFile> inspectTarget(const fs::path& target, std::size_t contentSize,
                                     ExistingTail tail) {
  ExistingFile existing;
  if (::lstat(target.c_str(), &existing.info) != 0) {
    if (errno == ENOENT) return existing;
    return lastSystemError();
  }
  existing.exists = true;
  if (S_ISDIR(existing.info.st_mode)) return systemError(EISDIR);
  if (!S_ISREG(existing.info.st_mode)) return CodecError{"Not a regular file"};
  if (!writable(target, existing.info)) return systemError(EACCES);
  if (tail == ExistingTail::kDrop) return existing;
  const int descriptor = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return lastSystemError();
  const bool read = readTail(descriptor, contentSize, existing.tail);
  const int readError = errno;
  ::close(descriptor);
  if (!read) return systemError(readError);
  return existing;
}

// Whether a temporary file can be made in `folder`: success, or why not.
Status checkFolder(const fs::path& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) return lastSystemError();
  if (!S_ISDIR(info.st_mode)) return systemError(ENOTDIR);
  if (!writable(folder, info)) return systemError(EACCES);
  return success();
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return kNewFileMode & ~mask;
}

bool writePieces(int descriptor, const Pieces& pieces) {
  for (const Piece& part : pieces.parts) {
    if (!writeAll(descriptor, part.data(), part.size())) return false;
  }
  return true;
}

// The content and then the tail the file keeps.
Pieces withTail(const Pieces& content, const ExistingFile& existing) {
  return {{content.parts[0], content.parts[1], existing.tail}};
}

bool fillTemporary(int descriptor, const Pieces& content, const ExistingFile& existing,
                   FlushToDisk flush) {
  if (!writePieces(descriptor, withTail(content, existing))) return false;
  const mode_t mode = existing.exists ? (existing.info.st_mode & 07777) : newFileMode();
  if (::fchmod(descriptor, mode) != 0) return false;
  if (existing.exists) {
    // Keep the owner where the process may; a failure here is not a failed save.
    [[maybe_unused]] const int ignored =
        ::fchown(descriptor, existing.info.st_uid, existing.info.st_gid);
  }
  return flush == FlushToDisk::kSkip || ::fsync(descriptor) == 0;
}

// The atomic way: a temporary file beside the target, renamed over it.
Status replaceThroughTemporary(const fs::path& target, const fs::path& folder,
                               const Pieces& content, const ExistingFile& existing,
                               FlushToDisk flush) {
  std::string temporary = (folder / ("." + target.filename().string() + ".save-XXXXXX")).string();
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) return lastSystemError();
  const bool filled = fillTemporary(descriptor, content, existing, flush);
  int error = filled ? 0 : errno;
  if (::close(descriptor) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return systemError(error);
  }
  return success();
}

// The fallback for a writable file in a folder that takes no new files: the content is written
// over the start of the file itself (a dropped tail is cut off afterwards).
Status writeInPlace(const fs::path& target, const Pieces& content, ExistingTail tail,
                    FlushToDisk flush) {
  const int descriptor = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (descriptor < 0) return lastSystemError();
  bool written = writePieces(descriptor, content);
  if (written && tail == ExistingTail::kDrop)
    written = ::ftruncate(descriptor, static_cast<off_t>(content.size())) == 0;
  if (written && flush == FlushToDisk::kWait) written = ::fsync(descriptor) == 0;
  int error = written ? 0 : errno;
  if (::close(descriptor) != 0 && error == 0) error = errno;
  return error == 0 ? success() : systemError(error);
}

// Whether the file holds exactly `expected`, read back stretch by stretch from its start.
bool holdsExactly(int descriptor, const Pieces& expected) {
  std::array<std::uint8_t, kCheckStretch> stretch;
  std::size_t offset = 0;
  for (const Piece& part : expected.parts) {
    for (std::size_t done = 0; done < part.size();) {
      const std::size_t count = std::min(stretch.size(), part.size() - done);
      if (!readAt(descriptor, offset, stretch.data(), count) ||
          std::memcmp(stretch.data(), part.data() + done, count) != 0)
        return false;
      done += count;
      offset += count;
    }
  }
  return true;
}

// Reads the file back and compares it with the content and the tail meant to follow it.
Status verifyWritten(const fs::path& target, const Pieces& content, const ExistingFile& existing) {
  if (beforeWriteCheckHook()) beforeWriteCheckHook()(target);
  const int descriptor = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return lastSystemError();
  struct stat info {};
  const Pieces expected = withTail(content, existing);
  const bool same = ::fstat(descriptor, &info) == 0 &&
                    static_cast<std::size_t>(info.st_size) == expected.size() &&
                    holdsExactly(descriptor, expected);
  ::close(descriptor);
  if (!same) return CodecError{"The file read back after writing differs from what was written"};
  return success();
}

Status writePiecesSafely(const fs::path& path, const Pieces& content, ExistingTail tail,
                         FlushToDisk flush) {
  if (path.empty()) return systemError(ENOENT);
  const Expected<fs::path> target = resolveLinks(path);
  if (!target) return target.error();
  const Expected<ExistingFile> existing = inspectTarget(*target, content.size(), tail);
  if (!existing) return existing.error();

  fs::path folder = target.value().parent_path();
  if (folder.empty()) folder = ".";
  const Status folderUsable = checkFolder(folder);
  Status written = success();
  if (folderUsable) {
    written = replaceThroughTemporary(*target, folder, content, *existing, flush);
  } else if (existing.value().exists && std::filesystem::is_directory(folder)) {
    written = writeInPlace(*target, content, tail, flush);
  } else {
    return folderUsable;
  }
  if (!written) return written;
  return verifyWritten(*target, content, *existing);
}

}  // namespace

Status writeFileSafely(const fs::path& path, const std::vector<std::uint8_t>& content,
                       ExistingTail tail, FlushToDisk flush) {
  return writePiecesSafely(path, {{content, {}, {}}}, tail, flush);
}

Status writeFileSafely(const fs::path& path, std::span<const std::uint8_t> head,
                       std::span<const std::uint8_t> rest, ExistingTail tail, FlushToDisk flush) {
  return writePiecesSafely(path, {{head, rest, {}}}, tail, flush);
}

bool replaceFileSafely(const fs::path& path, const std::vector<std::uint8_t>& content,
                       ExistingTail tail) {
  return writeFileSafely(path, content, tail).hasValue();
}

void setBeforeWriteCheckHook(std::function<void(const fs::path&)> hook) {
  beforeWriteCheckHook() = std::move(hook);
}

}  // namespace pelmora
