// Two images from one input, a patch made from the first to the second in each format, and
// that patch applied to the first: it must give the second byte for byte. A BPS patch must
// refuse any other source. Bytes 0-1 of the input say where the rest splits into the two.
// (Changes at the offset an IPS file reads as "EOF", 4.5 MB in, are left to the patch tests:
// images that large cost the fuzzer a hundred times more per input.)

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "patch/patch_file.h"

namespace pelmora::fuzz {

int fuzzPatchRoundTrip(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t rest = size - 2;
  const std::size_t split = (std::size_t{data[0]} << 8 | data[1]) % (rest + 1);
  const Bytes source(data + 2, data + 2 + split);
  const Bytes target(data + 2 + split, data + size);
  for (const PatchFormat format : {PatchFormat::kIps, PatchFormat::kBps}) {
    const Expected<Bytes> patch = createPatch(format, source, target);
    require(static_cast<bool>(patch), "a patch can be made between images of up to 16 MiB");
    const Expected<Bytes> applied = applyPatch(source, *patch);
    require(applied && *applied == target, "a patch made from A to B applied to A gives B");
  }
  Bytes other = source;
  if (other.empty()) {
    other.push_back(0);
  } else {
    other[other.size() / 2] ^= 0x01;
  }
  require(!applyPatch(other, *createPatch(PatchFormat::kBps, source, target)),
          "a BPS patch refuses a source it was not made for");
  return 0;
}

}  // namespace pelmora::fuzz
