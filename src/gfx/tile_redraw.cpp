#include "gfx/tile_redraw.h"

#include "gfx/tile_rasteriser.h"
#include "gfx/views.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

constexpr int kTileSize = 8;
constexpr int kSheetColumns = 16;
constexpr int kSheetCell = 16;  // a tile on the tile sheet view, at scale 2
constexpr int kPreviewSize = 32;
constexpr int kScreenColumns = 32;
constexpr int kScreenRows = 30;

// The tile drawn straight onto its sheet cell at the sheet's scale, as the full view draws it.
void redrawSheetCell(Surface& sheetView, const EditorState& state, std::uint8_t tile,
                     const ColourTables& colours) {
  drawTileScaled(state.tileSheet, tile, sheetView, (tile % kSheetColumns) * kSheetCell,
                 (tile / kSheetColumns) * kSheetCell, kSheetCell / kTileSize, state.viewPalette,
                 state.paletteSet, colours);
  sheetView.repaint();
}

// Every cell of name table `nameTable` that holds `tile`; repaints only when one did.
void redrawScreenCells(Surface& screen, std::uint8_t nameTable, const EditorState& state,
                       std::uint8_t tile, const ColourTables& colours) {
  const std::size_t base =
      ppu_address::kNameTable0 + std::size_t{nameTable} * ppu_address::kNameTableStride;
  bool drawn = false;
  for (int r = 0; r < kScreenRows; ++r) {
    for (int c = 0; c < kScreenColumns; ++c) {
      if (state.ppuImage[base + static_cast<std::size_t>(r * kScreenColumns + c)] != tile) continue;
      const std::uint8_t attribute = state.ppuImage[base + ppu_address::kAttributeOffset +
                                                    static_cast<std::size_t>(8 * (r / 4) + c / 4)];
      const std::uint8_t palette =
          quadrantPalette(static_cast<std::int16_t>(c), static_cast<std::int16_t>(r), attribute);
      drawTile(state.tileSheet, tile, screen, kTileSize * c, kTileSize * r, state.viewPalette,
               palette, colours);
      drawn = true;
    }
  }
  if (drawn) screen.repaint();
}

}  // namespace

void redrawTile(ScreenViews& views, const EditorState& state, std::uint8_t tile,
                const ColourTables& colours) {
  redrawSheetCell(views.PAT0, state, tile, colours);
  redrawScreenCells(views.NAT0, 0, state, tile, colours);
  redrawScreenCells(views.NAT1, 2, state, tile, colours);
  if (tile == state.selectedTile) {
    views.picSelTile.stretchCopyFrom(views.PAT0, (tile % kSheetColumns) * kSheetCell,
                                     (tile / kSheetColumns) * kSheetCell, kSheetCell, kSheetCell, 0,
                                     0, kPreviewSize, kPreviewSize);
    views.picSelTile.repaint();
  }
}

}  // namespace pelmora
