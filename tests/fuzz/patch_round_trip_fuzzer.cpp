// Two images from one input, a patch made from the first to the second in each format, and
// that patch applied to the first: it must give the second byte for byte. A BPS patch must
// refuse any other source. The input's first byte chooses the images: the rest split in two
// (bytes 1-2 the split), or two large zero-filled images written at chosen offsets, which
// reach the sizes and offsets an IPS file treats specially (the offset spelling "EOF").

#include <algorithm>

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "patch/ips_patch.h"
#include "patch/patch_file.h"

namespace pelmora::fuzz {
namespace {

constexpr std::size_t kLargeImageLimit = 0x460000;  // past offset 0x454F46

std::size_t number(const std::uint8_t* data, std::size_t bytes) {
  std::size_t value = 0;
  for (std::size_t i = 0; i < bytes; ++i) value = value << 8 | data[i];
  return value;
}

// Bytes 1-2 say where the rest splits into the source and the target.
void splitImages(const std::uint8_t* data, std::size_t size, Bytes& source, Bytes& target) {
  if (size < 3) return;
  const std::size_t rest = size - 3;
  const std::size_t split = rest == 0 ? 0 : number(data + 1, 2) % (rest + 1);
  source.assign(data + 3, data + 3 + split);
  target.assign(data + 3 + split, data + size);
}

// Bytes 1-6 give the two sizes; then pieces of a 3-byte offset, a length byte whose top bit
// picks the image, and the bytes to write there.
void largeImages(const std::uint8_t* data, std::size_t size, Bytes& source, Bytes& target) {
  if (size < 7) return;
  source.assign(number(data + 1, 3) % kLargeImageLimit, 0);
  target.assign(number(data + 4, 3) % kLargeImageLimit, 0);
  std::size_t at = 7;
  while (at + 4 <= size) {
    const std::size_t offset = number(data + at, 3);
    const std::size_t length = std::min<std::size_t>(data[at + 3] & 0x7F, size - at - 4);
    Bytes& image = (data[at + 3] & 0x80) ? target : source;
    at += 4;
    for (std::size_t i = 0; i < length && offset + i < image.size(); ++i) image[offset + i] = data[at + i];
    at += length;
  }
}

}  // namespace

int fuzzPatchRoundTrip(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  Bytes source;
  Bytes target;
  if (data[0] & 1) {
    largeImages(data, size, source, target);
  } else {
    splitImages(data, size, source, target);
  }
  for (const PatchFormat format : {PatchFormat::kIps, PatchFormat::kBps}) {
    const Expected<Bytes> patch = createPatch(format, source, target);
    require(static_cast<bool>(patch), "a patch can be made between images of up to 16 MiB");
    const Expected<Bytes> applied = applyPatch(source, *patch);
    require(applied && *applied == target, "a patch made from A to B applied to A gives B");
    if (format == PatchFormat::kBps) {
      Bytes other = source;
      if (other.empty()) {
        other.push_back(0);
      } else {
        other[other.size() / 2] ^= 0x01;
      }
      require(!applyPatch(other, *patch), "a BPS patch refuses a source it was not made for");
    }
  }
  return 0;
}

}  // namespace pelmora::fuzz
