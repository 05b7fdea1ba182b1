#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pelmora {

constexpr std::size_t kRomHeaderSize = 16;  // the iNES header before PRG ROM
constexpr std::size_t kPrgBankSize = 16384;  // unit of header byte 4

// The loaded ROM: the iNES header exactly as read, and every byte after it.
// Body offset N is file offset N + 16; every ROM position of the title-screen codec is a body offset.
struct RomImage {
  std::array<std::uint8_t, kRomHeaderSize> header{};
  std::vector<std::uint8_t> body;

  // Header byte 4: the number of 16 KiB PRG ROM banks, which places CHR ROM in the body.
  std::uint8_t prgBanks() const { return header[4]; }
  std::size_t chrOffset() const { return std::size_t{prgBanks()} * kPrgBankSize; }

  bool operator==(const RomImage&) const = default;
};

}  // namespace pelmora
