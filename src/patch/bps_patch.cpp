#include "patch/bps_patch.h"

#include "digest/digests.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace pelmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kMagic = "BPS1";
constexpr std::size_t kFooterSize = 12;  // three CRC32s
// An unchanged stretch shorter than this costs less copied into the patch than a new action.
constexpr std::size_t kMinimumSourceRead = 4;
// Far beyond any image; a larger target is a damaged or hostile patch, not one to allocate for.
constexpr std::uint64_t kMaximumTargetSize = std::uint64_t{1} << 24;

enum Action : std::uint64_t { kSourceRead = 0, kTargetRead = 1, kSourceCopy = 2, kTargetCopy = 3 };

void putNumber(Bytes& out, std::uint64_t value) {
  while (true) {
    const auto low = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
    if (value == 0) {
      out.push_back(0x80 | low);
      return;
    }
    out.push_back(low);
    --value;
  }
}

void putCrc(Bytes& out, std::uint32_t crc) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(crc >> shift));
}

void putAction(Bytes& out, Action action, std::size_t length) {
  putNumber(out, (static_cast<std::uint64_t>(length - 1) << 2) | action);
}

// How many bytes from `at` on are the same in source and target.
std::size_t sameLength(const Bytes& source, const Bytes& target, std::size_t at) {
  const std::size_t limit = std::min(source.size(), target.size());
  if (at >= limit) return 0;
  const auto first = source.begin() + static_cast<std::ptrdiff_t>(at);
  const auto stop = source.begin() + static_cast<std::ptrdiff_t>(limit);
  const auto differ = std::mismatch(first, stop, target.begin() + static_cast<std::ptrdiff_t>(at));
  return static_cast<std::size_t>(differ.first - first);
}

// Where the changed stretch from `at` ends: at the next unchanged stretch long enough to be
// read from the source, or at the end of the target.
std::size_t changedEnd(const Bytes& source, const Bytes& target, std::size_t at) {
  while (at < target.size()) {
    const std::size_t same = sameLength(source, target, at);
    if (same >= kMinimumSourceRead || (same > 0 && at + same == target.size())) return at;
    at += std::max<std::size_t>(same, 1);
  }
  return at;
}

class PatchReader {
 public:
  PatchReader(const Bytes& patch, std::size_t end) : patch_(patch), end_(end) {}
  bool atEnd() const { return at_ >= end_; }
  bool readNumber(std::uint64_t& value) {
    value = 0;
    std::uint64_t shift = 1;
    while (at_ < end_) {
      const std::uint8_t byte = patch_[at_++];
      value += (byte & 0x7Fu) * shift;
      if (byte & 0x80) return true;
      if (shift > (std::uint64_t{1} << 48)) return false;
      shift <<= 7;
      value += shift;
    }
    return false;
  }
  bool readBytes(std::uint8_t* to, std::size_t count) {
    if (end_ - at_ < count) return false;
    std::memcpy(to, patch_.data() + at_, count);
    at_ += count;
    return true;
  }
  void skip(std::size_t count) { at_ += count; }
  std::size_t position() const { return at_; }

 private:
  const Bytes& patch_;
  std::size_t end_;
  std::size_t at_ = 0;
};

std::uint32_t readCrc(const Bytes& patch, std::size_t at) {
  std::uint32_t crc = 0;
  for (int i = 3; i >= 0; --i) crc = crc << 8 | patch[at + static_cast<std::size_t>(i)];
  return crc;
}

CodecError malformed(const std::string& what) {
  return CodecError{"The BPS patch is malformed: " + what};
}

// A relative offset: bit 0 the sign, the rest the distance.
bool moveOffset(std::uint64_t encoded, std::size_t& offset) {
  const std::uint64_t distance = encoded >> 1;
  if (encoded & 1) {
    if (distance > offset) return false;
    offset -= static_cast<std::size_t>(distance);
  } else {
    offset += static_cast<std::size_t>(distance);
  }
  return true;
}

// Plays the actions between the header and the footer into `target`.
Status playActions(PatchReader& reader, const Bytes& source, Bytes& target) {
  std::size_t out = 0;
  std::size_t sourceOffset = 0;
  std::size_t targetOffset = 0;
  while (!reader.atEnd()) {
    std::uint64_t word = 0;
    if (!reader.readNumber(word)) return malformed("it ends inside an action");
    const std::uint64_t length = (word >> 2) + 1;
    if (length > target.size() - out) return malformed("an action writes past the target's end");
    const auto count = static_cast<std::size_t>(length);
    switch (static_cast<Action>(word & 3)) {
      case kSourceRead:
        if (out + count > source.size()) return malformed("an action reads past the source's end");
        std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(out), count,
                    target.begin() + static_cast<std::ptrdiff_t>(out));
        break;
      case kTargetRead:
        if (!reader.readBytes(target.data() + out, count)) return malformed("it ends inside an action");
        break;
      case kSourceCopy: {
        std::uint64_t encoded = 0;
        if (!reader.readNumber(encoded) || !moveOffset(encoded, sourceOffset) ||
            sourceOffset > source.size() || count > source.size() - sourceOffset)
          return malformed("a copy reads outside the source");
        std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(sourceOffset), count,
                    target.begin() + static_cast<std::ptrdiff_t>(out));
        sourceOffset += count;
        break;
      }
      case kTargetCopy: {
        std::uint64_t encoded = 0;
        if (!reader.readNumber(encoded) || !moveOffset(encoded, targetOffset) || targetOffset >= out)
          return malformed("a copy reads outside the target written so far");
        // Byte by byte: a copy may overlap what it writes (a repeated pattern).
        for (std::size_t i = 0; i < count; ++i) target[out + i] = target[targetOffset++];
        break;
      }
    }
    out += count;
  }
  if (out != target.size()) return malformed("its actions end before the target does");
  return success();
}

}  // namespace

Bytes createBpsPatch(const Bytes& source, const Bytes& target, std::string_view metadata) {
  Bytes patch(kMagic.begin(), kMagic.end());
  putNumber(patch, source.size());
  putNumber(patch, target.size());
  putNumber(patch, metadata.size());
  patch.insert(patch.end(), metadata.begin(), metadata.end());
  std::size_t at = 0;
  while (at < target.size()) {
    const std::size_t same = sameLength(source, target, at);
    if (same >= kMinimumSourceRead || (same > 0 && at + same == target.size())) {
      putAction(patch, kSourceRead, same);
      at += same;
      continue;
    }
    const std::size_t end = changedEnd(source, target, at);
    putAction(patch, kTargetRead, end - at);
    patch.insert(patch.end(), target.begin() + static_cast<std::ptrdiff_t>(at),
                 target.begin() + static_cast<std::ptrdiff_t>(end));
    at = end;
  }
  putCrc(patch, crc32Of(source));
  putCrc(patch, crc32Of(target));
  putCrc(patch, crc32Of(patch));
  return patch;
}

Expected<Bytes> applyBpsPatch(const Bytes& source, const Bytes& patch) {
  if (patch.size() < kMagic.size() + 3 + kFooterSize ||
      !std::equal(kMagic.begin(), kMagic.end(), patch.begin()))
    return malformed("it does not start with BPS1");
  const std::size_t footer = patch.size() - kFooterSize;
  if (crc32Of(std::span<const std::uint8_t>(patch.data(), patch.size() - 4)) != readCrc(patch, footer + 8))
    return malformed("its own checksum does not match (the file is damaged)");
  PatchReader reader(patch, footer);
  reader.skip(kMagic.size());
  std::uint64_t sourceSize = 0, targetSize = 0, metadataSize = 0;
  if (!reader.readNumber(sourceSize) || !reader.readNumber(targetSize) ||
      !reader.readNumber(metadataSize) || metadataSize > footer - reader.position())
    return malformed("its header is cut short");
  reader.skip(static_cast<std::size_t>(metadataSize));
  if (sourceSize != source.size() || crc32Of(source) != readCrc(patch, footer))
    return CodecError{"The BPS patch was made for another file (the source's size or CRC32 "
                      "does not match)"};
  if (targetSize > kMaximumTargetSize) return malformed("its target is larger than 16 MiB");
  Bytes target(static_cast<std::size_t>(targetSize));
  const Status played = playActions(reader, source, target);
  if (!played) return played.error();
  if (crc32Of(target) != readCrc(patch, footer + 4))
    return malformed("the result does not match the target's CRC32");
  return target;
}

}  // namespace pelmora
