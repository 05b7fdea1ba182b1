// A .bps file whose metadata may note the image it was made for, applied to the demo behind
// another header, as Apply Patch does for a user whose image has a different header. Promises:
// the header facts are read without reaching past the file; a note read from the metadata
// names a SHA-1 of 40 hex digits; a patch applied across headers keeps the user's header, and
// one applied at all gives an image that opens and saves again.

#include <algorithm>
#include <cctype>

#include "digest/digests.h"
#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "patch/bps_metadata.h"
#include "patch/patch_across_headers.h"
#include "rom/rom_image.h"

namespace pelmora::fuzz {
namespace {

constexpr std::size_t kFooterSize = 12;

// The saved demo behind a header that differs in a byte the loader ignores.
const Bytes& demoBehindOtherHeader() {
  static const Bytes bytes = [] {
    Bytes other = savedDemoBytes();
    other[kRomHeaderSize - 1] ^= 0x5A;
    return other;
  }();
  return bytes;
}

// The patch with its own CRC32 made right (its source's is left as it was made).
Bytes withOwnChecksum(Bytes patch) {
  if (patch.size() < 4 + kFooterSize) return patch;
  const std::uint32_t crc = crc32Of(std::span<const std::uint8_t>(patch.data(), patch.size() - 4));
  for (int i = 0; i < 4; ++i)
    patch[patch.size() - 4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(crc >> (8 * i));
  return patch;
}

}  // namespace

int fuzzBpsMetadata(const std::uint8_t* data, std::size_t size) {
  const Bytes patch = withOwnChecksum(Bytes(data, data + size));
  const Expected<BpsPatchFacts> facts = readBpsPatchFacts(patch);
  if (facts) {
    require(facts.value().metadata.size() <= size, "the metadata lies inside the patch");
    const std::optional<BpsSourceNote> note = readBpsSourceNote(facts.value().metadata);
    require(!note || (note->headerlessSha1.size() == 40 &&
                      std::all_of(note->headerlessSha1.begin(), note->headerlessSha1.end(),
                                  [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) && !std::isupper(static_cast<unsigned char>(c)); })),
            "a note names a SHA-1 of 40 lower-case hex digits");
  }

  const Bytes& source = demoBehindOtherHeader();
  const Expected<AppliedPatch> applied = applyPatchAcrossHeaders(source, patch);
  if (applied && applied.value().headerKept) {
    const Bytes& bytes = applied.value().bytes;
    require(bytes.size() >= kRomHeaderSize && std::equal(source.begin(), source.begin() + kRomHeaderSize, bytes.begin()),
            "a patch applied across headers keeps the user's header");
  }
  requirePatchOnDemoKeepsPromises(patch);
  return 0;
}

}  // namespace pelmora::fuzz
