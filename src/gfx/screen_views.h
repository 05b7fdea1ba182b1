#pragma once

#include "gfx/master_palette.h"
#include "gfx/surface.h"
#include "state/editor_state.h"

namespace pelmora {

// The five picture surfaces of the main window and the tile preview, with the sizes they have
// there. The editor connects their hooks to its widgets; the command line renders them as they
// are, so both show the same pixels.
struct ScreenViews {
  Surface PAT0{256, 256};      // tile sheet, scale 2
  Surface NAT0{256, 240};      // name table 0
  Surface ATT0{256, 240};      // attribute table of name table 0, scale 8
  Surface NAT1{256, 240};      // name table 2
  Surface ATT1{256, 240};      // attribute table of name table 2, scale 8
  Surface picSelTile{32, 32};  // the selected tile, four times its size
};

constexpr double kTileSheetScale = 2;
constexpr double kNameTableScale = 1;
constexpr double kAttributeScale = 8;

// The view part of the full redraw, in order: tile sheet (palette number paletteSet), name
// table 0, its attributes, name table 2, its attributes.
void redrawViews(ScreenViews& views, const EditorState& state, const ColourTables& colours);

// Redraws one screen view: name table 0 on NAT0, name table 2 on NAT1; any other number
// redraws nothing.
void redrawNameTableView(ScreenViews& views, int nameTable, const EditorState& state,
                         const ColourTables& colours);

// Redraws the attribute view of name table 0 (ATT0).
void redrawAttributeView(ScreenViews& views, const EditorState& state, const ColourTables& colours);

}  // namespace pelmora
