#include "rom/game_check.h"

#include <algorithm>

#include "rom/title_layout.h"

namespace pelmora {
namespace {

bool holdsACoinCall(const RomImage& rom, std::int32_t site) {
  const auto start = static_cast<std::size_t>(site);
  if (rom.body.size() < start + title::kCoinCallOn.size()) return false;
  const auto bytes = rom.body.begin() + static_cast<std::ptrdiff_t>(start);
  return std::equal(title::kCoinCallOn.begin(), title::kCoinCallOn.end(), bytes) ||
         std::equal(title::kCoinCallOff.begin(), title::kCoinCallOff.end(), bytes);
}

}  // namespace

bool looksLikeTheGame(const RomImage& rom) {
  return holdsACoinCall(rom, title::kCoinCallFirst) && holdsACoinCall(rom, title::kCoinCallSecond);
}

}  // namespace pelmora
