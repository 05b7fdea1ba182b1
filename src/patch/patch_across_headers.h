#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "rom/codec_result.h"

namespace pelmora {

// What the user is told when a patch was applied behind the header it was made for.
inline constexpr std::string_view kHeaderKeptMessage =
    "This patch was made for the same image with a different header; your header was kept.";

struct AppliedPatch {
  std::vector<std::uint8_t> bytes;
  bool headerKept = false;  // applied across another header (say kHeaderKeptMessage)
};

// `source` with `patch` applied, as applyPatch does. A BPS patch whose source size or CRC32
// does not match, but whose metadata notes the same headerless SHA-1 as `source`, is applied to
// `source`'s bytes behind the header it was made for, and the result gets `source`'s own header
// back. Any other mismatch is refused with the sizes and CRC32s, and a hint when the sizes
// differ by exactly 16 bytes (one file has an iNES header and the other does not).
Expected<AppliedPatch> applyPatchAcrossHeaders(const std::vector<std::uint8_t>& source,
                                               const std::vector<std::uint8_t>& patch);

}  // namespace pelmora
