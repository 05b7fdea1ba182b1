#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace pelmora {

// Why loadRomFile refused `path`, in the user's words ("The file is not an iNES image.", the
// operating system's reason when it cannot be opened, ...). `loadCode` is what loadRomFile
// returned. The file is looked at again, so call this right after the failed load.
std::string loadFailureReason(const std::filesystem::path& path, std::int16_t loadCode);

}  // namespace pelmora
