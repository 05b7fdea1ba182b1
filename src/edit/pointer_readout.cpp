#include "edit/pointer_readout.h"

#include <cstdio>

#include "edit/pointer_position.h"
#include "state/saved_area.h"
#include "rom/title_layout.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

constexpr int kScreenLastX = 255;
constexpr int kScreenLastY = 239;
constexpr int kSheetLast = 255;
constexpr int kSheetCell = 16;  // a tile is 16 x 16 view pixels on the sheet
constexpr int kTileBytes = 16;
constexpr int kFileHeader = 16;
constexpr std::int32_t kRomPaletteSaved = 0x335C7;
constexpr std::int32_t kSetZeroSaved = 0x335B0 + 3;
const char* const kSeparator = " \xC2\xB7 ";  // a middle dot between the parts
const char* const kQuadrantNames[4] = {"top left", "top right", "bottom left", "bottom right"};

std::string format(const char* pattern, auto... values) {
  char text[160];
  std::snprintf(text, sizeof text, pattern, values...);
  return text;
}

std::string hexByte(std::uint8_t value) { return format("$%02X", unsigned{value}); }

std::string savedAt(std::optional<std::int32_t> body) {
  if (!body) return "not saved to the ROM";
  return format("body 0x%X, file 0x%X", unsigned(*body), unsigned(*body + kFileHeader));
}

struct Cell {
  int column = 0;
  int row = 0;
  int x = 0;
  int y = 0;
};

std::optional<Cell> screenCell(double x, double y) {
  const auto px = viewCoordinate(x, kScreenLastX);
  const auto py = viewCoordinate(y, kScreenLastY);
  if (!px || !py) return {};
  return Cell{*px / 8, *py / 8, *px, *py};
}

std::uint16_t nameTableBase(int nameTable) {
  return nameTable == 2 ? ppu_address::kNameTable2 : ppu_address::kNameTable0;
}

// The attribute byte covering a cell (32 x 32 view pixels) and the quadrant (16 x 16) in it.
struct AttributeSpot {
  int index = 0;
  int quadrant = 0;  // 0 top left, 1 top right, 2 bottom left, 3 bottom right
  std::uint16_t address = 0;
};

AttributeSpot attributeSpot(int nameTable, const Cell& cell) {
  AttributeSpot spot;
  spot.index = ((cell.y / 32) * 8 + cell.x / 32) & 63;
  spot.quadrant = ((cell.x % 32) >= 16 ? 1 : 0) + ((cell.y % 32) >= 16 ? 2 : 0);
  spot.address = static_cast<std::uint16_t>(nameTableBase(nameTable) +
                                            ppu_address::kAttributeOffset + spot.index);
  return spot;
}

int paletteNumber(std::uint8_t attribute, int quadrant) { return (attribute >> (2 * quadrant)) & 3; }

const char* paletteArrayName(std::uint8_t target) {
  if (target == kTargetCoinPalette) return "Coin palette";
  return "ROM palette";
}

std::uint8_t paletteValue(const EditorState& state, std::uint8_t target, int index) {
  if (target == kTargetBackgroundSets) return state.bkgPalettes.at(index);
  if (target == kTargetCoinPalette) return state.coinPalette.at(index);
  return state.romPalette.at(index);
}

}  // namespace

std::string screenReadout(const EditorState& state, int nameTable, double x, double y) {
  const std::optional<Cell> cell = screenCell(x, y);
  if (!cell) return {};
  const auto address = static_cast<std::uint16_t>(nameTableBase(nameTable) + cell->row * 32 +
                                                  cell->column);
  const AttributeSpot spot = attributeSpot(nameTable, *cell);
  const std::uint8_t attribute = state.ppuImage[spot.address];
  return format("Name table %d, col %d, row %d: tile %s at PPU $%04X", nameTable, cell->column,
                cell->row, hexByte(state.ppuImage[address]).c_str(), unsigned{address}) +
         kSeparator +
         format("attribute $%04X %s, palette %d", unsigned{spot.address},
                kQuadrantNames[spot.quadrant], paletteNumber(attribute, spot.quadrant)) +
         kSeparator + savedAt(savedTileOffset(nameTable, cell->column, cell->row));
}

std::string attributeReadout(const EditorState& state, int nameTable, double x, double y) {
  const std::optional<Cell> cell = screenCell(x, y);
  if (!cell) return {};
  const AttributeSpot spot = attributeSpot(nameTable, *cell);
  const std::uint8_t attribute = state.ppuImage[spot.address];
  return format("Attribute $%04X = %s, %s quadrant: palette %d", unsigned{spot.address},
                hexByte(attribute).c_str(), kQuadrantNames[spot.quadrant],
                paletteNumber(attribute, spot.quadrant)) +
         kSeparator + savedAt(savedAttributeOffset(nameTable, spot.index));
}

std::string tileSheetReadout(std::optional<std::int32_t> chrBankBodyOffset, double x, double y) {
  const auto px = viewCoordinate(x, kSheetLast);
  const auto py = viewCoordinate(y, kSheetLast);
  if (!px || !py) return {};
  const int tile = (*py / kSheetCell) * 16 + *px / kSheetCell;
  std::string text = format("Tile $%02X", unsigned(tile));
  if (!chrBankBodyOffset) return text;
  const std::int32_t body = *chrBankBodyOffset + tile * kTileBytes;
  return text + kSeparator + format("CHR at file 0x%X", unsigned(body + kFileHeader));
}

std::string paletteSquareReadout(const EditorState& state, std::uint8_t target, int index) {
  std::string where = paletteArrayName(target);
  if (target == kTargetRomPalette) {
    where += format(", palette %d colour %d", index / 4, index % 4);
  } else if (target == kTargetBackgroundSets) {
    const int set = index / static_cast<int>(kBackgroundSetEntries);
    const int entry = index % static_cast<int>(kBackgroundSetEntries);
    // Background set s is what palette set s + 1 shows.
    where = format("Palette set %d, palette %d colour %d", set + 1, entry / 4, entry % 4);
  } else {
    where += format(", colour %d", index);
  }
  const std::int32_t body = savedPaletteOffset(target, index);
  return where + ": " + hexByte(paletteValue(state, target, index)) + kSeparator + savedAt(body);
}

std::string paletteSetReadout(std::uint8_t paletteSet) {
  if (paletteSet == 0) return "ROM palette";
  return format("palette set %d of %d", int{paletteSet}, int(kBackgroundSets));
}

std::int32_t savedPaletteOffset(std::uint8_t target, int index) {
  if (target == kTargetCoinPalette) return title::kCoinPalette + index;
  if (target == kTargetRomPalette) return kRomPaletteSaved + index;
  const int set = index / static_cast<int>(kBackgroundSetEntries);
  const int entry = index % static_cast<int>(kBackgroundSetEntries);
  if (set == 0) return kSetZeroSaved + entry;
  return title::kAlternativeSets.at(set - 1) + entry;
}

}  // namespace pelmora
