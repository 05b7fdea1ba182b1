#include "patch/patch_across_headers.h"

#include <algorithm>
#include <string>

#include "digest/digests.h"
#include "patch/bps_metadata.h"
#include "patch/bps_patch.h"
#include "patch/patch_file.h"
#include "rom/image_identity.h"

namespace pelmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kTrainerBit = 0x04;  // header byte 6 bit 2

bool isBps(const Bytes& patch) {
  constexpr std::string_view kMagic = "BPS1";
  return patch.size() >= kMagic.size() && std::equal(kMagic.begin(), kMagic.end(), patch.begin());
}

// 40976 as "40,976".
std::string grouped(std::uint64_t number) {
  std::string digits = std::to_string(number);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

// `source`'s bytes as the patch's source had them: the noted header, the trainer that header
// announces (which only `source` itself can supply), then `source`'s headerless bytes.
std::optional<Bytes> behindNotedHeader(const Bytes& source, const BpsSourceNote& note) {
  Bytes rebuilt(note.header.begin(), note.header.end());
  if (note.header[6] & kTrainerBit) {
    if (source.size() < kRomHeaderSize + kTrainerSize || !(source[6] & kTrainerBit))
      return std::nullopt;
    rebuilt.insert(rebuilt.end(), source.begin() + kRomHeaderSize,
                   source.begin() + kRomHeaderSize + kTrainerSize);
  }
  const auto body = headerlessBytes(source);
  rebuilt.insert(rebuilt.end(), body.begin(), body.end());
  return rebuilt;
}

// `result`'s headerless bytes behind `source`'s own header (and trainer).
Bytes withHeaderOf(const Bytes& source, const Bytes& result) {
  const std::size_t prefix = source.size() - headerlessBytes(source).size();
  Bytes out(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(prefix));
  const auto body = headerlessBytes(result);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

bool sameHeaderlessImage(const Bytes& source, const BpsSourceNote& note) {
  return source.size() >= kRomHeaderSize &&
         lowerHex(sha1Of(headerlessBytes(source))) == note.headerlessSha1;
}

CodecError refusal(const Bytes& source, const BpsPatchFacts& facts,
                   const std::optional<BpsSourceNote>& note) {
  std::string reason = "The BPS patch was made for another file: it expects " +
                       grouped(facts.sourceSize) + " bytes with CRC32 " +
                       lowerHex(facts.sourceCrc32) + ", this image has " + grouped(source.size()) +
                       " bytes with CRC32 " + lowerHex(crc32Of(source)) + ".";
  if (note) {
    reason += " Without its header, the file it was made for has SHA-1 " + note->headerlessSha1 +
              ", this one " + lowerHex(sha1Of(headerlessBytes(source))) + ".";
  }
  const std::uint64_t size = source.size();
  if (std::max(size, facts.sourceSize) - std::min(size, facts.sourceSize) == kRomHeaderSize) {
    reason +=
        " The sizes differ by exactly 16 bytes: one file has an iNES header and the other "
        "does not.";
  }
  return CodecError{reason};
}

}  // namespace

Expected<AppliedPatch> applyPatchAcrossHeaders(const Bytes& source, const Bytes& patch) {
  const auto plain = [&]() -> Expected<AppliedPatch> {
    Expected<Bytes> applied = applyPatch(source, patch);
    if (!applied) return applied.error();
    return AppliedPatch{std::move(applied.value()), false};
  };
  if (!isBps(patch)) return plain();
  const Expected<BpsPatchFacts> facts = readBpsPatchFacts(patch);
  if (!facts) return facts.error();
  if (facts.value().sourceSize == source.size() && facts.value().sourceCrc32 == crc32Of(source))
    return plain();

  const std::optional<BpsSourceNote> note = readBpsSourceNote(facts.value().metadata);
  if (!note || !sameHeaderlessImage(source, *note)) return refusal(source, facts.value(), note);
  const std::optional<Bytes> rebuilt = behindNotedHeader(source, *note);
  if (!rebuilt) {
    return CodecError{
        "The BPS patch was made for this image with a trainer, which this file "
        "does not have"};
  }
  const Expected<Bytes> applied = applyBpsPatch(*rebuilt, patch);
  if (!applied) return applied.error();
  return AppliedPatch{withHeaderOf(source, *applied), true};
}

}  // namespace pelmora
