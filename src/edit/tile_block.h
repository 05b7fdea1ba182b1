#pragma once

#include <cstdint>
#include <vector>

#include "edit/edit_command.h"
#include "rom/codec_result.h"
#include "state/cell_position.h"
#include "state/editor_state.h"

namespace pelmora {

constexpr std::uint8_t kBlankTile = 0xFC;

// A rectangle of tile cells: top-left cell and size in cells.
struct CellRect {
  int column = 0;
  int row = 0;
  int width = 0;
  int height = 0;

  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const CellRect&) const = default;
};

// The rectangle with corners `a` and `b`, both included, in either order (a drag).
CellRect rectBetween(CellPosition a, CellPosition b);

// The part of `rect` on the screen (32 x 30 cells); empty when none is.
CellRect clippedToScreen(CellRect rect);

// Tile numbers copied from a rectangle, row by row.
struct TileBlock {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> tiles;  // width * height, row by row

  std::uint8_t at(int column, int row) const {
    return tiles[static_cast<std::size_t>(row * width + column)];
  }
  // Whether it holds no tile, or fewer or more tile numbers than its size says.
  bool empty() const {
    return width <= 0 || height <= 0 || tiles.size() != static_cast<std::size_t>(width * height);
  }
  bool operator==(const TileBlock&) const = default;
};

// The tiles of a rectangle of the tile sheet, whose 16 x 16 cells hold tile 16 r + c at column c,
// row r (a block brush dragged on the sheet); the rectangle is clipped to the sheet.
TileBlock sheetBlock(CellRect rect);

// The tiles of `rect` (clipped to the screen) of name table `nameTable`, whether Save carries them
// or not.
TileBlock copyBlock(const EditorState& state, int nameTable, CellRect rect);

// Writes `tile` into every cell of `rect` that Save carries, as one command named `name`
// ("Cut", "Delete", "Fill"). Refused, with the reason, when the rectangle holds no such cell.
Expected<EditCommand> fillRectCommand(const char* name, const EditorState& state, int nameTable,
                                      CellRect rect, std::uint8_t tile);

// Cut's edit (the copy comes from copyBlock): blank tile $FC in every carried cell of `rect`.
Expected<EditCommand> cutCommand(const EditorState& state, int nameTable, CellRect rect);
// Delete: the same, as "Delete".
Expected<EditCommand> deleteCommand(const EditorState& state, int nameTable, CellRect rect);
// Fill: the selected tile in every carried cell of `rect`.
Expected<EditCommand> fillCommand(const EditorState& state, int nameTable, CellRect rect);

// Writes `block` with its top-left at `topLeft`, clipped to the screen and to the cells Save
// carries ("Paste"). Refused, with the reason, when no cell of the block lands on such a cell.
Expected<EditCommand> pasteCommand(const EditorState& state, int nameTable, CellPosition topLeft,
                                   const TileBlock& block);

}  // namespace pelmora
