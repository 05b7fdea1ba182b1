#include "formats/nam_file.h"

#include <string>

#include "state/saved_area.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

int nameTableNumber(std::uint16_t address) {
  return (address - ppu_address::kNameTable0) / ppu_address::kNameTableStride;
}

// Copies the tiles Save carries from `file` into `state`; counts the others that differ.
int importTiles(EditorState& state, std::uint16_t base, const std::vector<std::uint8_t>& file) {
  int dropped = 0;
  const int nameTable = nameTableNumber(base);
  for (int row = 0; row < kScreenRows; ++row) {
    for (int column = 0; column < kScreenColumns; ++column) {
      const std::size_t cell = static_cast<std::size_t>(row * kScreenColumns + column);
      std::uint8_t& shown = state.ppuImage[base + cell];
      if (savedTileOffset(nameTable, column, row)) {
        shown = file[cell];
      } else if (shown != file[cell]) {
        ++dropped;
      }
    }
  }
  return dropped;
}

int importAttributes(EditorState& state, std::uint16_t base, const std::vector<std::uint8_t>& file) {
  const std::size_t first = base + ppu_address::kAttributeOffset;
  const bool carried = isAttributeTableCarried(nameTableNumber(base));
  int dropped = 0;
  for (std::size_t i = 0; i < kNamFileSize - kNamTilesOnlySize; ++i) {
    std::uint8_t& shown = state.ppuImage[first + i];
    const std::uint8_t wanted = file[kNamTilesOnlySize + i];
    if (carried) {
      shown = wanted;
    } else if (shown != wanted) {
      ++dropped;
    }
  }
  return dropped;
}

}  // namespace

std::optional<std::uint16_t> screenNameTable(int screen) {
  if (screen == 0) return ppu_address::kNameTable0;
  if (screen == 1) return ppu_address::kNameTable2;
  return std::nullopt;
}

std::vector<std::uint8_t> exportNameTable(const EditorState& state, int screen) {
  const std::optional<std::uint16_t> base = screenNameTable(screen);
  if (!base) return {};
  const auto first = state.ppuImage.begin() + *base;
  return {first, first + static_cast<std::ptrdiff_t>(kNamFileSize)};
}

Expected<NameTableImport> importNameTable(const EditorState& state, int screen,
                                          const std::vector<std::uint8_t>& file) {
  const std::optional<std::uint16_t> base = screenNameTable(screen);
  if (!base) return CodecError{"There is no screen " + std::to_string(screen)};
  if (file.size() != kNamFileSize && file.size() != kNamTilesOnlySize) {
    return CodecError{"A name table file holds 1024 bytes (or 960, tiles only); this one holds " +
                      std::to_string(file.size())};
  }
  NameTableImport result{state, 0, 0};
  result.droppedCells = importTiles(result.state, *base, file);
  if (file.size() == kNamFileSize)
    result.droppedAttributeBytes = importAttributes(result.state, *base, file);
  return result;
}

}  // namespace pelmora
