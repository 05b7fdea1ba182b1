// A .bps file applied to the opened demo: refused with a reason, or an image that opens and
// saves again. The same patch is also applied with its own and its source's checksums made
// right, so inputs get past the checks into the actions; whatever it gives then must be a
// result the project's BPS writer describes.

#include <algorithm>

#include "digest/digests.h"
#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "patch/bps_patch.h"

namespace pelmora::fuzz {
namespace {

constexpr std::size_t kFooterSize = 12;  // source, target and patch CRC32, low byte first

void putCrc(Bytes& patch, std::size_t at, std::uint32_t crc) {
  for (int i = 0; i < 4; ++i) patch[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(crc >> (8 * i));
}

// `patch` with the source CRC32 of `source` and its own CRC32 written into its footer.
Bytes withChecksumsFor(Bytes patch, const Bytes& source) {
  if (patch.size() < 4 + kFooterSize) return patch;
  const std::size_t footer = patch.size() - kFooterSize;
  putCrc(patch, footer, crc32Of(source));
  putCrc(patch, footer + 8, crc32Of(std::span<const std::uint8_t>(patch.data(), patch.size() - 4)));
  return patch;
}

}  // namespace

int fuzzBpsApply(const std::uint8_t* data, std::size_t size) {
  const Bytes patch(data, data + size);
  requirePatchOnDemoKeepsPromises(patch);

  const Bytes& source = savedDemoBytes();
  const Bytes repaired = withChecksumsFor(patch, source);
  const Expected<Bytes> result = applyBpsPatch(source, repaired);
  if (!result) {
    require(!result.error().what.empty(), "a refused patch says why");
    return 0;
  }
  const Bytes remade = createBpsPatch(source, *result);
  const Expected<Bytes> again = applyBpsPatch(source, remade);
  require(again && *again == *result, "a BPS patch made for any result gives that result");
  if (repaired != patch) requirePatchOnDemoKeepsPromises(repaired);
  return 0;
}

}  // namespace pelmora::fuzz
