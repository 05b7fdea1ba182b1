// The native build's checksums: CRC-32 from zlib, MD5 and SHA-1 from Nettle. Nettle rather than a
// full TLS library: every run of the command line loads the library, and Nettle costs a few pages
// to load where OpenSSL's libcrypto costs over a hundred, a third of a short command's start-up.
#include <nettle/md5.h>
#include <nettle/sha1.h>
#include <zlib.h>

#include "digest/digests.h"

namespace pelmora {

std::uint32_t crc32Of(BytePieces pieces) {
  uLong crc = ::crc32_z(0, nullptr, 0);
  for (const auto piece : pieces) {
    // zlib reads a null pointer as "start again", which an empty piece may carry.
    if (!piece.empty()) crc = ::crc32_z(crc, piece.data(), piece.size());
  }
  return static_cast<std::uint32_t>(crc);
}

Md5Digest md5Of(BytePieces pieces) {
  md5_ctx context;
  md5_init(&context);
  for (const auto piece : pieces) md5_update(&context, piece.size(), piece.data());
  Md5Digest digest{};
  md5_digest(&context, digest.size(), digest.data());
  return digest;
}

Sha1Digest sha1Of(BytePieces pieces) {
  sha1_ctx context;
  sha1_init(&context);
  for (const auto piece : pieces) sha1_update(&context, piece.size(), piece.data());
  Sha1Digest digest{};
  sha1_digest(&context, digest.size(), digest.data());
  return digest;
}

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes) { return crc32Of(BytePieces(&bytes, 1)); }
Md5Digest md5Of(std::span<const std::uint8_t> bytes) { return md5Of(BytePieces(&bytes, 1)); }
Sha1Digest sha1Of(std::span<const std::uint8_t> bytes) { return sha1Of(BytePieces(&bytes, 1)); }

}  // namespace pelmora
