#pragma once

#include <cstdint>
#include <string_view>

#include "demo/demo_tiles.h"
#include "state/editor_state.h"

namespace pelmora::demo {

// Where the demo screen's parts stand, in tiles of name table 0 (rows 0-23 carry the frame,
// the logo and the text; row 23 closes the frame) and of name table 2 (rows 24-27 hold the
// "PRESS START" box).
namespace layout {
constexpr int kFrameLeft = 1;
constexpr int kFrameRight = 30;
constexpr int kFrameTop = 1;
constexpr int kFrameBottom = 23;
constexpr int kSparkleRow = 3;
constexpr int kLogoRow = 4;
constexpr int kLogoColumn = 5;
constexpr int kBarRow = 9;
constexpr int kBarLeft = 4;
constexpr int kBarWidth = 24;
constexpr int kDecorTop = 11;  // shaded columns beside the text
constexpr int kDecorHeight = 9;
constexpr int kDecorLeft = 3;
constexpr int kDecorRight = 28;
constexpr int kRampRow = 20;
constexpr int kBoxTop = 24;  // rows of name table 2
constexpr int kBoxLeft = 8;
constexpr int kBoxRight = 22;
constexpr int kPressStartRow = 25;
constexpr int kPressStartColumn = 10;
constexpr std::string_view kPressStart = "PRESS START";
}  // namespace layout

// The demo title screen as the PPU holds it, in two stages.
struct DemoScreen {
  // After every list has played: what an import of the demo yields.
  PpuImage final{};
  // What list 35 writes (it plays first): row 23 open at the bottom instead of the frame's
  // lower edge, and the "PRESS START" box without its text, which a later list adds.
  PpuImage firstList{};
};

// Lays out the title screen with the tiles `tiles` drew, in the way the import starts: zeros,
// the blank tile in every name table's tile area.
DemoScreen composeDemoScreen(const DemoTiles& tiles);

// PPU address of the tile at `column`, `row` of name table `nameTable` (0-3).
constexpr std::uint16_t nameTableAddress(int nameTable, int column, int row) {
  return static_cast<std::uint16_t>(0x2000 + 0x400 * nameTable + 32 * row + column);
}

}  // namespace pelmora::demo
