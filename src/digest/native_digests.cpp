// The native build's checksums: CRC-32 from zlib, MD5 and SHA-1 from Nettle. Nettle rather than a
// full TLS library: every run of the command line loads the library, and Nettle costs a few pages
// to load where OpenSSL's libcrypto costs over a hundred, a third of a short command's start-up.
#include "digest/digests.h"

#include <nettle/md5.h>
#include <nettle/sha1.h>
#include <zlib.h>

namespace pelmora {

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes) {
  return static_cast<std::uint32_t>(
      ::crc32_z(::crc32_z(0, nullptr, 0), bytes.data(), bytes.size()));
}

Md5Digest md5Of(std::span<const std::uint8_t> bytes) {
  md5_ctx context;
  md5_init(&context);
  md5_update(&context, bytes.size(), bytes.data());
  Md5Digest digest{};
  md5_digest(&context, digest.size(), digest.data());
  return digest;
}

Sha1Digest sha1Of(std::span<const std::uint8_t> bytes) {
  sha1_ctx context;
  sha1_init(&context);
  sha1_update(&context, bytes.size(), bytes.data());
  Sha1Digest digest{};
  sha1_digest(&context, digest.size(), digest.data());
  return digest;
}

}  // namespace pelmora
