#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pelmora {

// Writes `content` over the start of the file at `path` without ever leaving it half written:
// the new file is assembled in a temporary file in the same folder (with the old file's bytes
// beyond `content` appended, so a longer file keeps its tail), flushed, given the old file's
// permissions and renamed over the target. A symbolic link is followed and its target replaced.
// A file or folder without any write permission is refused even when the process could
// override it. On failure the target is unchanged, no temporary file remains, and the result
// is false.
bool replaceFileKeepingTail(const std::filesystem::path& path,
                            const std::vector<std::uint8_t>& content);

}  // namespace pelmora
