#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "rom/codec_result.h"

namespace pelmora {

// The largest file an IPS patch can describe: its record offsets have three bytes.
constexpr std::size_t kIpsMaximumSize = 1u << 24;

// An IPS patch that turns `source` into `target`: "PATCH", records of a 3-byte big-endian offset
// and a 2-byte size followed by the bytes (or size 0, a 2-byte count and one byte repeated, where
// that is shorter), then "EOF", and the 3-byte target size when the target is shorter. No record
// starts at offset 0x454F46, which would read as "EOF". Files over 16 MiB are refused.
Expected<std::vector<std::uint8_t>> createIpsPatch(std::span<const std::uint8_t> source,
                                                   std::span<const std::uint8_t> target);

// `source` with the IPS patch applied, or why the patch does not apply.
Expected<std::vector<std::uint8_t>> applyIpsPatch(const std::vector<std::uint8_t>& source,
                                                  const std::vector<std::uint8_t>& patch);

}  // namespace pelmora
