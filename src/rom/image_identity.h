#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "digest/digests.h"
#include "rom/rom_image.h"

namespace pelmora {

// How the 16 header bytes are to be read: byte 7 bits 2-3 tell the versions apart.
enum class HeaderKind {
  kInes,         // bits 2-3 are 0 and bytes 12-15 are zero
  kNes20,        // bits 2-3 are 2
  kArchaicInes,  // anything else: bytes 7-15 may hold a ripper's text, so only byte 6 is read
};

// "iNES", "NES 2.0" or "archaic iNES".
std::string_view headerKindName(HeaderKind kind);

// The checksums ROM sets and patch pages list, as lower-case hex.
struct Checksums {
  std::string crc32;
  std::string md5;
  std::string sha1;
};

Checksums checksumsOf(BytePieces pieces);

// Which dump an image is: what its header says and the checksums of the whole file and of the
// bytes after the header and any trainer.
struct ImageIdentity {
  HeaderKind header = HeaderKind::kInes;
  int mapper = 0;
  std::uint64_t prgBytes = 0;
  std::uint64_t chrBytes = 0;
  bool trainer = false;
  Checksums file;
  Checksums headerless;
  bool gameCheck = false;  // whether looksLikeTheGame passes
};

constexpr std::size_t kTrainerSize = 512;  // present when header byte 6 bit 2 is set

HeaderKind headerKindOf(const std::array<std::uint8_t, kRomHeaderSize>& header);

// The bytes of a file after its 16-byte header and the trainer the header announces: what
// checksum listings call the headerless image. Empty for a file too short to have any.
std::span<const std::uint8_t> headerlessBytes(std::span<const std::uint8_t> file);

ImageIdentity identifyImage(const RomImage& rom);

}  // namespace pelmora
