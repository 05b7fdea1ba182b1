#pragma once

#include <cstdint>
#include <vector>

#include "rom/codec_result.h"

namespace pelmora {

// Window-size codes of the banked pointer conversion.
constexpr std::int16_t kWindow8K = 2;   // mask 0x1FFF
constexpr std::int16_t kWindow16K = 1;  // mask 0x3FFF; any other code: 32 KiB, mask 0x7FFF

// Turns a CPU address inside a switchable PRG window into a body offset:
// (value AND (W - 1)) + W * bank. Only the low bits of the address count, so any CPU base of
// the window maps to the same offset.
std::int32_t bankedPointerToOffset(std::uint16_t value, std::int16_t window, std::int32_t bank);

// The 16-bit little-endian word at body `offset`, converted to a body offset when `convert`.
Expected<std::int32_t> readRomWord(const std::vector<std::uint8_t>& body, std::int64_t offset,
                                   bool convert, std::int16_t window, std::int32_t bank);

// As readRomWord, big-endian (the address of an update record).
Expected<std::int32_t> readRomWordBE(const std::vector<std::uint8_t>& body, std::int64_t offset,
                                     bool convert, std::int16_t window, std::int32_t bank);

}  // namespace pelmora
