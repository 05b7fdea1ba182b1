#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "rom/codec_result.h"

namespace pelmora {

enum class PatchFormat { kIps, kBps };

// The format a file name asks for: ".ips" or ".bps", in any letter case; nothing otherwise.
std::optional<PatchFormat> patchFormatForPath(const std::filesystem::path& path);

// "ips" or "bps"; nothing otherwise.
std::optional<PatchFormat> patchFormatNamed(std::string_view name);

// A patch in `format` that turns `source` into `target`. A BPS patch of an iNES `source` notes
// its headerless SHA-1 and header in the metadata field (see bpsSourceMetadata).
Expected<std::vector<std::uint8_t>> createPatch(PatchFormat format,
                                                const std::vector<std::uint8_t>& source,
                                                const std::vector<std::uint8_t>& target);

// `source` with `patch` applied; IPS or BPS is told by the patch's first bytes.
Expected<std::vector<std::uint8_t>> applyPatch(const std::vector<std::uint8_t>& source,
                                               const std::vector<std::uint8_t>& patch);

}  // namespace pelmora
