#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "edit/edit_command.h"
#include "state/cell_position.h"
#include "state/editor_state.h"

namespace pelmora {

// The bytes one stroke has changed: for each, its value before the stroke and its latest value.
class StrokeLog {
 public:
  // Writes `value` at PPU `address` of `ppu`, noting the old value the first time. Returns
  // whether the byte changed.
  bool write(PpuImage& ppu, std::uint16_t address, std::uint8_t value);
  // The command of every byte that now differs from before the stroke; the log is emptied.
  EditCommand take(const char* name);

 private:
  std::vector<ByteChange> changes_;
  std::vector<std::int32_t> entryOf_;  // by address within its name table, -1 when untouched
};

// What both kinds of stroke keep between moves: the previous pointer cell, the cells changed by
// the latest move, why the latest move skipped a cell, and every byte changed so far.
class StrokePath {
 public:
  // Why the last cell skipped by the latest move could not be edited; empty when none was.
  const std::string& refusal() const { return refusal_; }

 protected:
  // Runs `edit` on every cell of the line from the previous position (for the press: only
  // `to`) to `to`. `edit` returns the refusal for cells it must skip, or whether it changed the
  // cell; the cells it changed are returned.
  template <class Edit>
  const std::vector<CellPosition>& moveAlong(CellPosition to, Edit edit);
  // The whole stroke as one command: `single` when it changed one cell, else `many`.
  EditCommand finishAs(const char* single, const char* many);

  StrokeLog log_;

 private:
  std::optional<CellPosition> last_;
  std::vector<CellPosition> line_;
  std::vector<CellPosition> changed_;
  std::string refusal_;
  int changedCells_ = 0;
};

// A drag on a screen view that places one tile in every cell the pointer passes. Each move is
// applied to the state at once; the stroke ends as one command for the history.
class TileStroke : public StrokePath {
 public:
  TileStroke(int nameTable, std::uint8_t tile) : nameTable_(nameTable), tile_(tile) {}

  // Places the tile in every cell on the line from the previous position (the press: only
  // `cell`) to `cell`, skipping cells Save does not carry (their reason goes to refusal()) and
  // cells outside the screen. Returns the cells whose tile changed, for redrawing only them;
  // valid until the next move.
  const std::vector<CellPosition>& moveTo(EditorState& state, CellPosition cell);

  // The whole stroke as one command ("Place Tile" for a single cell, else "Paint Tiles"), whose
  // changes the state already shows: hand it to recordPerformed().
  EditCommand finish();

 private:
  int nameTable_;
  std::uint8_t tile_;
};

// A drag on an attribute view that stores one palette number in every quadrant the pointer
// passes; only name table 0's attribute table takes it.
class AttributeStroke : public StrokePath {
 public:
  AttributeStroke(int nameTable, std::uint8_t palette) : nameTable_(nameTable), palette_(palette) {}

  // As TileStroke::moveTo, over attribute quadrants. Returns the quadrants whose palette changed.
  const std::vector<CellPosition>& moveTo(EditorState& state, CellPosition quadrant);
  // "Set Attribute" for a single quadrant, else "Paint Attributes".
  EditCommand finish();

 private:
  int nameTable_;
  std::uint8_t palette_;
};

}  // namespace pelmora
