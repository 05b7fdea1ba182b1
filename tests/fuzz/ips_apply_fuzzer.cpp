// An .ips file applied to the opened demo: refused with a reason, or an image that opens and
// saves again. Whatever result the patch gives, the project's own IPS writer must describe it:
// a patch made from the source to that result gives the result back.

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "patch/ips_patch.h"

namespace pelmora::fuzz {

int fuzzIpsApply(const std::uint8_t* data, std::size_t size) {
  const Bytes patch(data, data + size);
  requirePatchOnDemoKeepsPromises(patch);

  const Bytes& source = savedDemoBytes();
  const Expected<Bytes> result = applyIpsPatch(source, patch);
  if (!result) return 0;
  // Three offset bytes and a two-byte size: no record reaches further.
  require(result.value().size() <= std::max(source.size(), kIpsMaximumSize + 0xFFFF),
          "an IPS result is no larger than its records reach");
  if (result.value().size() > kIpsMaximumSize) return 0;
  const Expected<Bytes> remade = createIpsPatch(source, *result);
  require(remade && applyIpsPatch(source, *remade) && *applyIpsPatch(source, *remade) == *result,
          "an IPS patch made for any result gives that result");
  return 0;
}

}  // namespace pelmora::fuzz
