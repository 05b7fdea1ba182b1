// The browser build's checksums: the page hands the module CRC-32, MD5 and SHA-1 functions from
// well-kept npm packages (Module.digests), and these call them over the module's memory.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <vector>

#include "digest/digests.h"

// clang-format off
EM_JS(unsigned, pelmora_js_crc32, (const std::uint8_t* data, std::size_t size), {
  return Module.digests.crc32(HEAPU8.subarray(data, data + size)) >>> 0;
});
EM_JS(void, pelmora_js_md5, (const std::uint8_t* data, std::size_t size, std::uint8_t* out), {
  HEAPU8.set(Module.digests.md5(HEAPU8.subarray(data, data + size)).subarray(0, 16), out);
});
EM_JS(void, pelmora_js_sha1, (const std::uint8_t* data, std::size_t size, std::uint8_t* out), {
  HEAPU8.set(Module.digests.sha1(HEAPU8.subarray(data, data + size)).subarray(0, 20), out);
});
// clang-format on

namespace pelmora {
namespace {

// The page's functions take one array, so pieces are joined first.
std::vector<std::uint8_t> joined(BytePieces pieces) {
  std::vector<std::uint8_t> bytes;
  for (const auto piece : pieces) bytes.insert(bytes.end(), piece.begin(), piece.end());
  return bytes;
}

}  // namespace

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes) {
  return pelmora_js_crc32(bytes.data(), bytes.size());
}

Md5Digest md5Of(std::span<const std::uint8_t> bytes) {
  Md5Digest digest{};
  pelmora_js_md5(bytes.data(), bytes.size(), digest.data());
  return digest;
}

Sha1Digest sha1Of(std::span<const std::uint8_t> bytes) {
  Sha1Digest digest{};
  pelmora_js_sha1(bytes.data(), bytes.size(), digest.data());
  return digest;
}

std::uint32_t crc32Of(BytePieces pieces) { return crc32Of(joined(pieces)); }
Md5Digest md5Of(BytePieces pieces) { return md5Of(joined(pieces)); }
Sha1Digest sha1Of(BytePieces pieces) { return sha1Of(joined(pieces)); }

}  // namespace pelmora
