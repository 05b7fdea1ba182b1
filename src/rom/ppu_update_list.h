#pragma once

#include <cstdint>
#include <vector>

#include "rom/codec_result.h"
#include "state/editor_state.h"

namespace pelmora {

// Control byte of a PPU update record.
constexpr std::uint8_t kRecordStep32 = 0x80;  // bit 7: +32 after each byte, else +1
constexpr std::uint8_t kRecordRepeat = 0x40;  // bit 6: one data byte written count times
constexpr std::uint8_t kRecordCount = 0x3F;   // bits 0-5: count, 0 meaning 256
constexpr std::uint8_t kListEnd = 0x00;       // in the address-high position: end of list
constexpr std::uint16_t kPpuAddressMask = 0x3FFF;

// Plays every record of the update list that starts at body `offset` into `ppu`. On success
// `offset` holds the body offset of the list's end byte. A record or end byte beyond the body
// is a range failure; the bytes written before it stay written and `offset` is unchanged.
Status playUpdateList(const std::vector<std::uint8_t>& body, std::int64_t& offset, PpuImage& ppu);

// Walks the list as playUpdateList does without writing anything: success means playing it
// cannot fail.
Status checkUpdateList(const std::vector<std::uint8_t>& body, std::int64_t& offset);

}  // namespace pelmora
