#include "rom/load_failure.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "rom/rom_file.h"

namespace pelmora {
namespace {

constexpr std::uint64_t kMaximumFileSize = 8u << 20;  // the largest file loadRomFile reads
constexpr std::uint64_t kShortestImage = 17;         // a header and at least one body byte

std::string osReason(int error) {
  std::string text = std::strerror(error);
  return "The file cannot be opened: " + text + ".";
}

std::string sizeReason(std::uint64_t size) {
  if (size > kMaximumFileSize) {
    return "The file is too large to be a ROM image (" + std::to_string(size) +
           " bytes; at most 8 MiB).";
  }
  if (size < kShortestImage) {
    return "The file is too short to be an iNES image (" + std::to_string(size) + " bytes).";
  }
  return {};
}

}  // namespace

std::string loadFailureReason(const std::filesystem::path& path, std::int16_t loadCode) {
  if (loadCode == kRomFileNotInes) return "The file is not an iNES image.";
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return osReason(errno);
  if (!S_ISREG(info.st_mode)) return "The file is not a regular file.";
  if (std::string reason = sizeReason(static_cast<std::uint64_t>(info.st_size)); !reason.empty())
    return reason;
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return osReason(errno);
  ::close(descriptor);
  return "The file could not be read to its end.";
}

}  // namespace pelmora
