#pragma once
// Checksums of byte ranges: the CRC-32 that BPS patches carry, and the CRC-32, MD5 and SHA-1 that
// ROM sets and patch pages list to identify an image. Each comes from a well-kept library: zlib and
// Nettle in the native build, small JavaScript imports in the browser build.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace pelmora {

using Md5Digest = std::array<std::uint8_t, 16>;
using Sha1Digest = std::array<std::uint8_t, 20>;

// Consecutive pieces of one byte sequence (a file's header and body, say), hashed as if they were
// joined, without a joined copy.
using BytePieces = std::span<const std::span<const std::uint8_t>>;

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes);
Md5Digest md5Of(std::span<const std::uint8_t> bytes);
Sha1Digest sha1Of(std::span<const std::uint8_t> bytes);
std::uint32_t crc32Of(BytePieces pieces);
Md5Digest md5Of(BytePieces pieces);
Sha1Digest sha1Of(BytePieces pieces);

// Lower-case hex, two digits a byte, as checksum listings write them.
std::string lowerHex(std::span<const std::uint8_t> bytes);
std::string lowerHex(std::uint32_t crc);

}  // namespace pelmora
