#pragma once

#include <span>

#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "state/cell_position.h"
#include "state/editor_state.h"

namespace pelmora {

// Redraws of single cells, for edits that change a few cells of a screen: each redraw leaves the
// same pixels the full redraw of that view would, and repaints each view it touched once.

// Redraws the tiles at `cells` (32 x 30 grid) of name table `nameTable`'s screen view: NAT0 for
// name table 0, NAT1 for 2. Cells outside the screen are skipped.
void redrawScreenCells(ScreenViews& views, int nameTable, std::span<const CellPosition> cells,
                       const EditorState& state, const ColourTables& colours);

// Redraws attribute quadrants (16 x 15 grid) of name table `nameTable`: their squares on its
// attribute view (ATT0 or ATT1) and, since the palette of a quadrant colours its tiles, its four
// tiles on the screen view.
void redrawAttributeQuadrants(ScreenViews& views, int nameTable,
                              std::span<const CellPosition> quadrants, const EditorState& state,
                              const ColourTables& colours);

}  // namespace pelmora
