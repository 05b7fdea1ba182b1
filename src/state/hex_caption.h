#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace pelmora {

// A byte as exactly two upper-case hexadecimal digits: 00, 0A, FF.
inline std::string twoDigitHex(std::uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[value >> 4], kDigits[value & 15]};
}

// A position in a file or an image as every message writes it: 0x5E000.
inline std::string hexOffset(std::int64_t offset) {
  char text[24];
  std::snprintf(text, sizeof text, offset < 0 ? "-0x%llX" : "0x%llX",
                static_cast<unsigned long long>(offset < 0 ? -offset : offset));
  return text;
}

}  // namespace pelmora
