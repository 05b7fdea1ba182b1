#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pelmora {

// What becomes of an existing file's bytes beyond the new content.
enum class ExistingTail { kKeep, kDrop };

// Writes `content` over the start of the file at `path` without ever leaving it half written:
// the new file is assembled in a temporary file in the same folder (with the old file's bytes
// beyond `content` appended when `tail` is kKeep, so a longer file keeps its tail), flushed,
// given the old file's permissions and renamed over the target. A symbolic link is followed and its target replaced.
// A file or folder without any write permission is refused even when the process could
// override it. On failure the target is unchanged, no temporary file remains, and the result
// is false.
bool replaceFileSafely(const std::filesystem::path& path, const std::vector<std::uint8_t>& content,
                       ExistingTail tail);

}  // namespace pelmora
