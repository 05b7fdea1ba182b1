#pragma once

#include <optional>

#include "edit/stroke.h"
#include "edit/tile_block.h"
#include "state/cell_position.h"

namespace pelmora::app {

// What a press on a screen view does: paint the selected tile (the default) or drag out a
// rectangle of cells.
enum class EditTool { kPaint, kSelect };

// A rectangle of cells on the screen view of name table `nameTable` (0 or 2).
struct CellSelection {
  int nameTable = 0;
  CellRect rect;
};

// The tile cell under the pointer on a screen view.
struct PointerCell {
  int nameTable = 0;
  CellPosition cell;
};

// What the window keeps between the pointer events of the views: the tool, the stroke or
// rectangle being dragged, the selection, where the pointer is, and the block last copied.
struct EditSession {
  EditTool tool = EditTool::kPaint;
  std::optional<TileStroke> tileStroke;
  std::optional<AttributeStroke> attributeStroke;
  int strokeNameTable = 0;
  // The cell a rectangle drag started at, while the button is held.
  std::optional<CellPosition> selectionAnchor;
  std::optional<CellSelection> selection;
  std::optional<PointerCell> pointer;
  TileBlock copied;

  bool stroking() const { return tileStroke.has_value() || attributeStroke.has_value(); }
};

}  // namespace pelmora::app
