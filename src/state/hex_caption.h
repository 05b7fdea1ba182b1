#pragma once

#include <cstdint>
#include <string>

namespace pelmora {

// A byte as exactly two upper-case hexadecimal digits: 00, 0A, FF.
inline std::string twoDigitHex(std::uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[value >> 4], kDigits[value & 15]};
}

}  // namespace pelmora
