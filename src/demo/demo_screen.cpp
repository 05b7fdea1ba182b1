#include "demo/demo_screen.h"

#include <algorithm>
#include <array>

#include "demo/demo_colours.h"
#include "state/ppu_map.h"

namespace pelmora::demo {
namespace {

constexpr int kColumns = 32;
constexpr int kNameTableTiles = ppu_address::kNameTableTiles;
using ppu_address::kAttributeTable0;
using ppu_address::kBackgroundPalette;

struct TextLine {
  int row;
  std::string_view text;
};

constexpr std::array<TextLine, 4> kTextLines = {{
    {12, "TITLE SCREEN DEMO"},
    {14, "PICK A TILE"},
    {16, "PAINT THE SCREEN"},
    {18, "SAVE AND ENJOY!"},
}};

constexpr std::array<int, 4> kSparkleColumns = {4, 9, 22, 27};

// A rectangle of 16 x 16-pixel areas (2 x 2 tiles) that share one palette.
struct PaletteArea {
  int left, top, right, bottom;  // in areas, inclusive
  std::uint8_t palette;
};

constexpr std::array<PaletteArea, 5> kPaletteAreas = {{
    {1, 1, 14, 1, kTextPalette},   // sparkles
    {1, 2, 14, 3, kLogoPalette},   // logo
    {1, 4, 14, 4, kBarPalette},    // bar under the logo
    {1, 5, 14, 9, kTextPalette},   // text and its shaded columns
    {1, 10, 14, 10, kBarPalette},  // ramp under the text
}};

void startLikeImport(PpuImage& ppu) {
  ppu.fill(0);
  for (int table = 0; table < 4; ++table) {
    for (int i = 0; i < kNameTableTiles; ++i)
      ppu[static_cast<std::size_t>(0x2000 + 0x400 * table + i)] = tile::kBlank;
  }
}

void put(PpuImage& ppu, int nameTable, int column, int row, std::uint8_t tile) {
  ppu[nameTableAddress(nameTable, column, row)] = tile;
}

void putText(PpuImage& ppu, int nameTable, int column, int row, std::string_view text) {
  for (char character : text) put(ppu, nameTable, column++, row, fontTile(character));
}

void putHorizontalEdge(PpuImage& ppu, int nameTable, int left, int right, int row, bool top) {
  put(ppu, nameTable, left, row, top ? tile::kFrameTopLeft : tile::kFrameBottomLeft);
  for (int column = left + 1; column < right; ++column) {
    put(ppu, nameTable, column, row, top ? tile::kFrameTop : tile::kFrameBottom);
  }
  put(ppu, nameTable, right, row, top ? tile::kFrameTopRight : tile::kFrameBottomRight);
}

void putSides(PpuImage& ppu, int nameTable, int left, int right, int row) {
  put(ppu, nameTable, left, row, tile::kFrameLeft);
  put(ppu, nameTable, right, row, tile::kFrameRight);
}

void drawFrame(PpuImage& ppu) {
  using namespace layout;
  putHorizontalEdge(ppu, 0, kFrameLeft, kFrameRight, kFrameTop, true);
  for (int row = kFrameTop + 1; row < kFrameBottom; ++row)
    putSides(ppu, 0, kFrameLeft, kFrameRight, row);
  putHorizontalEdge(ppu, 0, kFrameLeft, kFrameRight, kFrameBottom, false);
}

void drawLogo(PpuImage& ppu, const DemoTiles& tiles) {
  for (int row = 0; row < kLogoRows; ++row) {
    for (int column = 0; column < kLogoColumns; ++column) {
      put(ppu, 0, layout::kLogoColumn + column, layout::kLogoRow + row,
          tiles.logo[static_cast<std::size_t>(row * kLogoColumns + column)]);
    }
  }
}

void drawDecoration(PpuImage& ppu) {
  using namespace layout;
  for (int column : kSparkleColumns) put(ppu, 0, column, kSparkleRow, tile::kSparkle);
  for (int i = 0; i < kBarWidth; ++i) put(ppu, 0, kBarLeft + i, kBarRow, tile::kBlockBevel);
  // Columns that darken towards the middle of the text block and light up at its ends.
  constexpr std::array<std::uint8_t, kDecorHeight> kColumnShades = {
      tile::kBlockLight,     tile::kBlockCheckLight, tile::kBlockMid,
      tile::kBlockCheckDark, tile::kBlockDark,       tile::kBlockCheckDark,
      tile::kBlockMid,       tile::kBlockCheckLight, tile::kBlockLight};
  for (int i = 0; i < kDecorHeight; ++i) {
    put(ppu, 0, kDecorLeft, kDecorTop + i, kColumnShades[static_cast<std::size_t>(i)]);
    put(ppu, 0, kDecorRight, kDecorTop + i, kColumnShades[static_cast<std::size_t>(i)]);
  }
  // A ramp from the edges to the middle: stripes, then dark, mid and light blocks.
  constexpr std::array<std::uint8_t, 6> kRamp = {tile::kBlockRamp, tile::kBlockStripes,
                                                 tile::kBlockDark, tile::kBlockCheckDark,
                                                 tile::kBlockMid,  tile::kBlockCheckLight};
  for (int i = 0; i < kBarWidth; ++i) {
    const int fromEdge = std::min(i, kBarWidth - 1 - i);
    const std::uint8_t shade = fromEdge < static_cast<int>(kRamp.size())
                                   ? kRamp[static_cast<std::size_t>(fromEdge)]
                                   : tile::kBlockLight;
    put(ppu, 0, kBarLeft + i, kRampRow, shade);
  }
}

void drawText(PpuImage& ppu) {
  for (const TextLine& line : kTextLines) {
    putText(ppu, 0, (kColumns - static_cast<int>(line.text.size())) / 2, line.row, line.text);
  }
}

// The palette number of each 16 x 16-pixel area of name table 0, packed four to an attribute
// byte: top-left area in bits 0-1, top-right 2-3, bottom-left 4-5, bottom-right 6-7.
void drawAttributes(PpuImage& ppu) {
  for (const PaletteArea& area : kPaletteAreas) {
    for (int y = area.top; y <= area.bottom; ++y) {
      for (int x = area.left; x <= area.right; ++x) {
        const std::size_t address =
            kAttributeTable0 + static_cast<std::size_t>((y / 2) * 8 + x / 2);
        const int shift = ((y & 1) * 2 + (x & 1)) * 2;
        ppu[address] =
            static_cast<std::uint8_t>((ppu[address] & ~(3 << shift)) | (area.palette << shift));
      }
    }
  }
}

void drawBackgroundPalette(PpuImage& ppu) {
  for (std::size_t i = 0; i < kListBackground.size(); ++i)
    ppu[kBackgroundPalette + i] = kListBackground[i];
}

// The box of name table 2 rows 24-26 and a few sparkles on row 27.
void drawPressStartBox(PpuImage& ppu, bool withText) {
  using namespace layout;
  putHorizontalEdge(ppu, 2, kBoxLeft, kBoxRight, kBoxTop, true);
  putSides(ppu, 2, kBoxLeft, kBoxRight, kBoxTop + 1);
  putHorizontalEdge(ppu, 2, kBoxLeft, kBoxRight, kBoxTop + 2, false);
  put(ppu, 2, kBoxLeft - 3, kBoxTop + 1, tile::kSparkle);
  put(ppu, 2, kBoxRight + 3, kBoxTop + 1, tile::kSparkle);
  put(ppu, 2, kBoxLeft + 2, kBoxTop + 3, tile::kSparkle);
  put(ppu, 2, kBoxRight - 2, kBoxTop + 3, tile::kSparkle);
  if (withText) putText(ppu, 2, kPressStartColumn, kPressStartRow, kPressStart);
}

}  // namespace

DemoScreen composeDemoScreen(const DemoTiles& tiles) {
  DemoScreen screen;
  PpuImage& ppu = screen.final;
  startLikeImport(ppu);
  drawFrame(ppu);
  drawLogo(ppu, tiles);
  drawDecoration(ppu);
  drawText(ppu);
  drawAttributes(ppu);
  drawBackgroundPalette(ppu);
  drawPressStartBox(ppu, true);

  // List 35 leaves row 23 open (the frame's sides only) and the box without its text.
  PpuImage& first = screen.firstList;
  startLikeImport(first);
  putSides(first, 0, layout::kFrameLeft, layout::kFrameRight, layout::kFrameBottom);
  drawPressStartBox(first, false);
  return screen;
}

}  // namespace pelmora::demo
