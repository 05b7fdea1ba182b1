#include "edit/tile_edit_command.h"

#include <vector>

namespace pelmora {

EditCommand tileEditCommand(std::uint8_t tile, const TilePixels& before, const TilePixels& after) {
  std::vector<ByteChange> changes;
  const auto base = static_cast<std::uint32_t>(std::size_t{tile} * kTilePixels);
  for (std::size_t i = 0; i < kTilePixels; ++i) {
    const auto old = static_cast<std::uint8_t>(before[i] & 3u);
    const auto now = static_cast<std::uint8_t>(after[i] & 3u);
    if (old != now)
      changes.push_back({base + static_cast<std::uint32_t>(i), StatePart::kTileSheet, old, now});
  }
  return EditCommand(command_name::kEditTile, std::move(changes));
}

}  // namespace pelmora
