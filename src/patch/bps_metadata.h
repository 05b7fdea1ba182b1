#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rom/codec_result.h"
#include "rom/rom_image.h"

namespace pelmora {

// What a BPS patch's header and footer say about the file it was made for.
struct BpsPatchFacts {
  std::uint64_t sourceSize = 0;
  std::uint32_t sourceCrc32 = 0;
  std::string metadata;  // the metadata field, as stored (often empty)
};

// The facts of a BPS patch, or why its header cannot be read. Reads only the header ("BPS1",
// sizes and metadata) and the footer's source CRC32; the actions are not checked here.
Expected<BpsPatchFacts> readBpsPatchFacts(std::span<const std::uint8_t> patch);

// What this program notes about a patch's source in the metadata field, so the patch can still
// be applied to the same image behind another header.
struct BpsSourceNote {
  std::string headerlessSha1;  // 40 lower-case hex digits
  std::array<std::uint8_t, kRomHeaderSize> header{};
};

// The metadata text for a patch made from `source`:
// {"pelmora":{"sourceHeaderlessSha1":"...","sourceHeader":"4e45531a..."}}; empty when `source`
// is not an iNES file (shorter than its header, or without "NES" at the start).
std::string bpsSourceMetadata(std::span<const std::uint8_t> source);

// The note in a metadata text, or nothing when the text does not carry one. Other programs'
// metadata (XML, other JSON) is simply not a note.
std::optional<BpsSourceNote> readBpsSourceNote(std::string_view metadata);

}  // namespace pelmora
