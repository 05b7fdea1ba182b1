#include "gfx/cell_redraw.h"

#include <algorithm>

#include "gfx/tile_rasteriser.h"
#include "gfx/views.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

constexpr int kTilePixels = 8;
constexpr int kColumns = 32;
constexpr int kRows = 30;
constexpr int kAttributeColumns = 8;
constexpr int kQuadrantPixels = 16;  // a quadrant's 2 x 2 pixels at the attribute view's scale 8

Surface* screenSurface(ScreenViews& views, int nameTable) {
  if (nameTable == 0) return &views.NAT0;
  if (nameTable == 2) return &views.NAT1;
  return nullptr;
}

Surface* attributeSurface(ScreenViews& views, int nameTable) {
  if (nameTable == 0) return &views.ATT0;
  if (nameTable == 2) return &views.ATT1;
  return nullptr;
}

std::size_t nameTableBase(int nameTable) {
  return ppu_address::kNameTable0 +
         static_cast<std::size_t>(nameTable & 3) * ppu_address::kNameTableStride;
}

// The attribute byte over `row`, `column` of the tile grid (4 x 4 tiles per byte).
std::uint8_t attributeOver(const EditorState& state, std::size_t base, int column, int row) {
  return state.ppuImage[base + ppu_address::kAttributeOffset +
                        static_cast<std::size_t>(kAttributeColumns * (row / 4) + column / 4)];
}

void drawScreenCell(Surface& surface, int nameTable, CellPosition cell, const EditorState& state,
                    const ColourTables& colours) {
  const std::size_t base = nameTableBase(nameTable);
  const std::uint8_t tile = state.ppuImage[base + static_cast<std::size_t>(kColumns * cell.row + cell.column)];
  const std::uint8_t palette =
      quadrantPalette(static_cast<std::int16_t>(cell.column), static_cast<std::int16_t>(cell.row),
                      attributeOver(state, base, cell.column, cell.row));
  drawTile(state.tileSheet, tile, surface, kTilePixels * cell.column, kTilePixels * cell.row,
           state.viewPalette, palette, colours);
}

bool onScreen(CellPosition cell) {
  return cell.column >= 0 && cell.column < kColumns && cell.row >= 0 && cell.row < kRows;
}

void fillQuadrant(Surface& surface, CellPosition quadrant, ColourValue colour) {
  const int left = quadrant.column * kQuadrantPixels;
  const int top = quadrant.row * kQuadrantPixels;
  const int right = std::min(left + kQuadrantPixels, surface.width());
  const int bottom = std::min(top + kQuadrantPixels, surface.height());
  for (int y = std::max(top, 0); y < bottom; ++y) {
    std::uint32_t* line = surface.row(y);
    std::fill(line + std::max(left, 0), line + std::max(right, 0), static_cast<std::uint32_t>(colour));
  }
}

std::uint8_t quadrantValue(const EditorState& state, int nameTable, CellPosition quadrant) {
  // Two tiles per quadrant: its top-left tile is column * 2, row * 2 of the tile grid.
  const int column = quadrant.column * 2;
  const int row = quadrant.row * 2;
  return quadrantPalette(static_cast<std::int16_t>(column), static_cast<std::int16_t>(row),
                         attributeOver(state, nameTableBase(nameTable), column, row));
}

}  // namespace

void redrawScreenCells(ScreenViews& views, int nameTable, std::span<const CellPosition> cells,
                       const EditorState& state, const ColourTables& colours) {
  Surface* surface = screenSurface(views, nameTable);
  if (!surface || cells.empty()) return;
  for (const CellPosition& cell : cells) {
    if (onScreen(cell)) drawScreenCell(*surface, nameTable, cell, state, colours);
  }
  surface->repaint();
}

void redrawAttributeQuadrants(ScreenViews& views, int nameTable,
                              std::span<const CellPosition> quadrants, const EditorState& state,
                              const ColourTables& colours) {
  Surface* screen = screenSurface(views, nameTable);
  Surface* attributes = attributeSurface(views, nameTable);
  if (!screen || !attributes || quadrants.empty()) return;
  for (const CellPosition& quadrant : quadrants) {
    const CellPosition topLeft{quadrant.column * 2, quadrant.row * 2};
    if (!onScreen(topLeft)) continue;
    fillQuadrant(*attributes, quadrant,
                 colours.attributeColours[quadrantValue(state, nameTable, quadrant)]);
    for (const CellPosition tile : {topLeft, CellPosition{topLeft.column + 1, topLeft.row},
                                    CellPosition{topLeft.column, topLeft.row + 1},
                                    CellPosition{topLeft.column + 1, topLeft.row + 1}}) {
      if (onScreen(tile)) drawScreenCell(*screen, nameTable, tile, state, colours);
    }
  }
  attributes->repaint();
  screen->repaint();
}

}  // namespace pelmora
