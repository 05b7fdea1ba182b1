#include "rom/rom_word.h"

#include "state/hex_caption.h"

#include <string>

#include <cstdio>

namespace pelmora {
namespace {

std::int32_t windowSize(std::int16_t window) {
  switch (window) {
    case kWindow8K: return 0x2000;
    case kWindow16K: return 0x4000;
    default: return 0x8000;
  }
}

Expected<std::int32_t> readWord(const std::vector<std::uint8_t>& body, std::int64_t offset,
                                bool convert, std::int16_t window, std::int32_t bank,
                                bool bigEndian) {
  if (offset < 0 || offset + 1 >= static_cast<std::int64_t>(body.size())) {
    return outOfRange("lies outside the image (at body offset " + hexOffset(offset) +
                      ", the image ends at " + hexOffset(static_cast<std::int64_t>(body.size())) +
                      ")");
  }
  const std::uint8_t first = body[static_cast<std::size_t>(offset)];
  const std::uint8_t second = body[static_cast<std::size_t>(offset + 1)];
  const auto value = static_cast<std::uint16_t>(bigEndian ? first * 256 + second
                                                          : second * 256 + first);
  return convert ? bankedPointerToOffset(value, window, bank) : std::int32_t{value};
}

}  // namespace

std::int32_t bankedPointerToOffset(std::uint16_t value, std::int16_t window, std::int32_t bank) {
  const std::int32_t size = windowSize(window);
  return (value & (size - 1)) + size * bank;
}

Expected<std::int32_t> readRomWord(const std::vector<std::uint8_t>& body, std::int64_t offset,
                                   bool convert, std::int16_t window, std::int32_t bank) {
  return readWord(body, offset, convert, window, bank, false);
}

Expected<std::int32_t> readRomWordBE(const std::vector<std::uint8_t>& body, std::int64_t offset,
                                     bool convert, std::int16_t window, std::int32_t bank) {
  return readWord(body, offset, convert, window, bank, true);
}

}  // namespace pelmora
