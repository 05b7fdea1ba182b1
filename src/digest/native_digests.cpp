// The native build's checksums: CRC-32 from zlib, MD5 and SHA-1 from OpenSSL's libcrypto.
#include "digest/digests.h"

#include <openssl/evp.h>
#include <zlib.h>

#include <memory>

namespace pelmora {
namespace {

template <std::size_t N>
std::array<std::uint8_t, N> evpDigest(const EVP_MD* kind, std::span<const std::uint8_t> bytes) {
  std::array<std::uint8_t, N> digest{};
  unsigned int length = 0;
  // EVP_Digest only fails when the library cannot allocate its context; a zero digest is then
  // returned rather than stale memory.
  if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, kind, nullptr) != 1 ||
      length != N)
    digest.fill(0);
  return digest;
}

}  // namespace

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes) {
  return static_cast<std::uint32_t>(
      ::crc32_z(::crc32_z(0, nullptr, 0), bytes.data(), bytes.size()));
}

Md5Digest md5Of(std::span<const std::uint8_t> bytes) { return evpDigest<16>(EVP_md5(), bytes); }

Sha1Digest sha1Of(std::span<const std::uint8_t> bytes) { return evpDigest<20>(EVP_sha1(), bytes); }

}  // namespace pelmora
