#include "gfx/cell_redraw.h"

#include <gtest/gtest.h>

#include <random>

#include "demo/demo_image.h"
#include "rom/title_import.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

bool samePixels(const Surface& a, const Surface& b) {
  return std::equal(a.pixels(), a.pixels() + a.width() * a.height(), b.pixels());
}

// Changing a few tiles and attributes and redrawing only their cells leaves exactly the pixels
// of a full redraw, on both screens.
TEST(CellRedraw, MatchesTheFullRedrawOfTheChangedCells) {
  EditorState state;
  initEditorState(state);
  ASSERT_TRUE(importTitleScreen(buildDemoImage(), state));
  state.paletteSet = 2;
  ColourTables colours;
  buildMasterPalette(state.ppuRegisters, colours);
  ScreenViews partial;
  redrawViews(partial, state, colours);

  std::mt19937 random(11);
  for (int round = 0; round < 30; ++round) {
    const int nameTable = static_cast<int>(random() % 2) * 2;
    const std::uint16_t base = static_cast<std::uint16_t>(0x2000 + nameTable * 0x400);
    const CellPosition cell{static_cast<int>(random() % 32), static_cast<int>(random() % 30)};
    state.ppuImage[base + cell.row * 32 + cell.column] = static_cast<std::uint8_t>(random());
    redrawScreenCells(partial, nameTable, std::span(&cell, 1), state, colours);
    const CellPosition quadrant{static_cast<int>(random() % 16), static_cast<int>(random() % 15)};
    state.ppuImage[base + 0x3C0 + quadrant.row / 2 * 8 + quadrant.column / 2] =
        static_cast<std::uint8_t>(random());
    // Every quadrant of the byte may have changed.
    const int left = quadrant.column & ~1;
    const int top = quadrant.row & ~1;
    const std::vector<CellPosition> byteQuadrants = {
        {left, top}, {left + 1, top}, {left, top + 1}, {left + 1, top + 1}};
    redrawAttributeQuadrants(partial, nameTable, byteQuadrants, state, colours);

    ScreenViews full;
    redrawViews(full, state, colours);
    ASSERT_TRUE(samePixels(partial.NAT0, full.NAT0)) << "round " << round;
    ASSERT_TRUE(samePixels(partial.NAT1, full.NAT1)) << "round " << round;
    ASSERT_TRUE(samePixels(partial.ATT0, full.ATT0)) << "round " << round;
    ASSERT_TRUE(samePixels(partial.ATT1, full.ATT1)) << "round " << round;
  }
}

}  // namespace
}  // namespace pelmora
