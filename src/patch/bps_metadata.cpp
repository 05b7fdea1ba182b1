#include "patch/bps_metadata.h"

#include <algorithm>
#include <cctype>

#include "digest/digests.h"
#include "rom/image_identity.h"

namespace pelmora {
namespace {

constexpr std::string_view kMagic = "BPS1";
constexpr std::size_t kFooterSize = 12;  // source, target and patch CRC32s
constexpr std::string_view kProgramKey = "\"pelmora\"";
constexpr std::string_view kShaKey = "\"sourceHeaderlessSha1\"";
constexpr std::string_view kHeaderKey = "\"sourceHeader\"";
constexpr std::size_t kSha1HexDigits = 40;

// A BPS variable-length number at `at`, moving `at` past it; nothing when it runs past `end`
// or grows beyond 64 bits.
std::optional<std::uint64_t> readNumber(std::span<const std::uint8_t> patch, std::size_t& at,
                                        std::size_t end) {
  std::uint64_t value = 0;
  std::uint64_t shift = 1;
  while (at < end) {
    const std::uint8_t byte = patch[at++];
    value += (byte & 0x7Fu) * shift;
    if (byte & 0x80) return value;
    if (shift > (std::uint64_t{1} << 48)) return std::nullopt;
    shift <<= 7;
    value += shift;
  }
  return std::nullopt;
}

bool isHex(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c); });
}

// The string value after `key` in `text`: the key, optional spaces, a colon, optional spaces,
// then a quoted run without escapes.
std::optional<std::string_view> stringAfter(std::string_view text, std::string_view key) {
  std::size_t at = text.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  at += key.size();
  const auto skipSpaces = [&] {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  };
  skipSpaces();
  if (at >= text.size() || text[at] != ':') return std::nullopt;
  ++at;
  skipSpaces();
  if (at >= text.size() || text[at] != '"') return std::nullopt;
  const std::size_t end = text.find('"', ++at);
  if (end == std::string_view::npos) return std::nullopt;
  return text.substr(at, end - at);
}

std::uint8_t nibble(char digit) {
  const auto c = static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(digit)));
  return static_cast<std::uint8_t>(c <= '9' ? c - '0' : c - 'a' + 10);
}

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

}  // namespace

Expected<BpsPatchFacts> readBpsPatchFacts(std::span<const std::uint8_t> patch) {
  if (patch.size() < kMagic.size() + 3 + kFooterSize ||
      !std::equal(kMagic.begin(), kMagic.end(), patch.begin()))
    return CodecError{"The BPS patch is malformed: it does not start with BPS1"};
  const std::size_t footer = patch.size() - kFooterSize;
  std::size_t at = kMagic.size();
  const auto sourceSize = readNumber(patch, at, footer);
  const auto targetSize = sourceSize ? readNumber(patch, at, footer) : std::nullopt;
  const auto metadataSize = targetSize ? readNumber(patch, at, footer) : std::nullopt;
  if (!metadataSize || *metadataSize > footer - at)
    return CodecError{"The BPS patch is malformed: its header is cut short"};
  BpsPatchFacts facts;
  facts.sourceSize = *sourceSize;
  for (int i = 3; i >= 0; --i)
    facts.sourceCrc32 = facts.sourceCrc32 << 8 | patch[footer + static_cast<std::size_t>(i)];
  const auto metadata = patch.subspan(at, static_cast<std::size_t>(*metadataSize));
  facts.metadata.assign(metadata.begin(), metadata.end());
  return facts;
}

std::string bpsSourceMetadata(std::span<const std::uint8_t> source) {
  if (source.size() < kRomHeaderSize || !std::equal(source.begin(), source.begin() + 3, "NES"))
    return {};
  const Sha1Digest sha1 = sha1Of(headerlessBytes(source));
  return "{\"pelmora\":{\"sourceHeaderlessSha1\":\"" + lowerHex(sha1) + "\",\"sourceHeader\":\"" +
         lowerHex(source.first(kRomHeaderSize)) + "\"}}";
}

std::optional<BpsSourceNote> readBpsSourceNote(std::string_view metadata) {
  const std::size_t program = metadata.find(kProgramKey);
  if (program == std::string_view::npos) return std::nullopt;
  const std::string_view ours = metadata.substr(program + kProgramKey.size());
  const auto sha1 = stringAfter(ours, kShaKey);
  const auto header = stringAfter(ours, kHeaderKey);
  if (!sha1 || !header || sha1->size() != kSha1HexDigits || !isHex(*sha1) ||
      header->size() != 2 * kRomHeaderSize || !isHex(*header))
    return std::nullopt;
  BpsSourceNote note;
  note.headerlessSha1 = lowerCase(*sha1);
  for (std::size_t i = 0; i < kRomHeaderSize; ++i)
    note.header[i] =
        static_cast<std::uint8_t>(nibble((*header)[2 * i]) << 4 | nibble((*header)[2 * i + 1]));
  return note;
}

}  // namespace pelmora
