#include "rom/image_identity.h"

#include <algorithm>
#include <limits>

#include "digest/digests.h"
#include "rom/game_check.h"
#include "rom/rom_file.h"

namespace pelmora {
namespace {

constexpr std::uint8_t kTrainerBit = 0x04;   // byte 6 bit 2
constexpr std::uint8_t kVersionBits = 0x0C;  // byte 7 bits 2-3
constexpr std::uint8_t kNes20Version = 0x08;
constexpr std::uint64_t kChrUnit = 8192;  // unit of header byte 5

bool trainerFlag(const std::array<std::uint8_t, kRomHeaderSize>& header) {
  return (header[6] & kTrainerBit) != 0;
}

// NES 2.0 sizes: the low byte from byte 4 or 5 and a high nibble from byte 9; a high nibble of
// $F turns the low byte into 2^E x (2M + 1), E its upper six bits and M its lower two.
std::uint64_t nes20Size(std::uint8_t low, std::uint8_t high, std::uint64_t unit) {
  if (high != 0x0F) return ((std::uint64_t{high} << 8) | low) * unit;
  const int exponent = low >> 2;
  const std::uint64_t multiplier = std::uint64_t{(low & 3u) * 2u + 1u};
  if (exponent >= 61) return std::numeric_limits<std::uint64_t>::max();  // no real ROM
  return (std::uint64_t{1} << exponent) * multiplier;
}

int mapperNumber(const std::array<std::uint8_t, kRomHeaderSize>& header, HeaderKind kind) {
  const int low = header[6] >> 4;
  if (kind == HeaderKind::kArchaicInes) return low;
  const int middle = header[7] & 0xF0;
  if (kind == HeaderKind::kInes) return middle | low;
  return ((header[8] & 0x0F) << 8) | middle | low;
}

}  // namespace

std::string_view headerKindName(HeaderKind kind) {
  switch (kind) {
    case HeaderKind::kInes:
      return "iNES";
    case HeaderKind::kNes20:
      return "NES 2.0";
    case HeaderKind::kArchaicInes:
      break;
  }
  return "archaic iNES";
}

Checksums checksumsOf(BytePieces pieces) {
  const Md5Digest md5 = md5Of(pieces);
  const Sha1Digest sha1 = sha1Of(pieces);
  return {lowerHex(crc32Of(pieces)), lowerHex(md5), lowerHex(sha1)};
}

HeaderKind headerKindOf(const std::array<std::uint8_t, kRomHeaderSize>& header) {
  const std::uint8_t version = header[7] & kVersionBits;
  if (version == kNes20Version) return HeaderKind::kNes20;
  const bool tailClear =
      std::all_of(header.begin() + 12, header.end(), [](auto b) { return b == 0; });
  if (version == 0 && tailClear) return HeaderKind::kInes;
  return HeaderKind::kArchaicInes;
}

std::span<const std::uint8_t> headerlessBytes(std::span<const std::uint8_t> file) {
  if (file.size() < kRomHeaderSize) return {};
  const std::size_t skipped = kRomHeaderSize + ((file[6] & kTrainerBit) != 0 ? kTrainerSize : 0);
  return file.subspan(std::min(skipped, file.size()));
}

ImageIdentity identifyImage(const RomImage& rom) {
  ImageIdentity identity;
  identity.header = headerKindOf(rom.header);
  identity.mapper = mapperNumber(rom.header, identity.header);
  identity.trainer = trainerFlag(rom.header);
  if (identity.header == HeaderKind::kNes20) {
    identity.prgBytes = nes20Size(rom.header[4], rom.header[9] & 0x0F, kPrgBankSize);
    identity.chrBytes = nes20Size(rom.header[5], rom.header[9] >> 4, kChrUnit);
  } else {
    identity.prgBytes = rom.header[4] * std::uint64_t{kPrgBankSize};
    identity.chrBytes = rom.header[5] * kChrUnit;
  }
  // The file is the header followed by the body; the headerless bytes are the body after any
  // trainer. Both are hashed where they lie, without joining them into a copy of the file.
  const std::span<const std::uint8_t> body = rom.body;
  const std::span<const std::uint8_t> file[] = {rom.header, body};
  identity.file = checksumsOf(file);
  const std::span<const std::uint8_t> headerless[] = {
      body.subspan(std::min(identity.trainer ? kTrainerSize : 0, body.size()))};
  identity.headerless = checksumsOf(headerless);
  identity.gameCheck = looksLikeTheGame(rom);
  return identity;
}

}  // namespace pelmora
