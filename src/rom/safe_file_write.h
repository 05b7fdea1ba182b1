#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "rom/codec_result.h"

namespace pelmora {

// What becomes of an existing file's bytes beyond the new content.
enum class ExistingTail { kKeep, kDrop };

// Whether the write waits until the content is on the disk before the file replaces the old one.
// ROM images always do; files made from them (pictures, name tables, patches) can be made again
// and skip the wait. On a quiet disk the wait is short (well under a millisecond for an image);
// while other programs write to the same disk it can take several milliseconds.
enum class FlushToDisk { kWait, kSkip };

// Writes `content` over the start of the file at `path` without ever leaving it half written:
// the new file is assembled in a temporary file in the same folder (with the old file's bytes
// beyond `content` appended when `tail` is kKeep, so a longer file keeps its tail), flushed,
// given the old file's permissions and renamed over the target. A symbolic link is followed and its target replaced.
// A file or folder without any write permission is refused even when the process could
// override it. An existing writable file in a folder that is not writable (where no temporary
// file can be made) is written in place instead, the one case that is not atomic.
// Afterwards the file is read back and compared with what was meant to be written.
// On failure the result names the reason in the user's words ("Permission denied", or that the
// file read back differs); except after a failed check, the target is unchanged and no
// temporary file remains.
Status writeFileSafely(const std::filesystem::path& path, const std::vector<std::uint8_t>& content,
                       ExistingTail tail, FlushToDisk flush = FlushToDisk::kWait);

// The same for content in two pieces written one after the other (an image's header and its
// body), so a caller need not join them in one buffer first.
Status writeFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> head,
                       std::span<const std::uint8_t> rest, ExistingTail tail,
                       FlushToDisk flush = FlushToDisk::kWait);

// The same, reduced to whether it worked.
bool replaceFileSafely(const std::filesystem::path& path, const std::vector<std::uint8_t>& content,
                       ExistingTail tail);

// Called with the written file's path after the write and before the read-back check, so tests
// can change the file behind the writer's back. Empty to remove.
void setBeforeWriteCheckHook(std::function<void(const std::filesystem::path&)> hook);

}  // namespace pelmora
