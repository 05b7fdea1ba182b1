#include "picture/title_render.h"

#include <algorithm>

#include "gfx/views.h"

namespace pelmora {
namespace {

constexpr int kWidth = 256;
constexpr int kScreenHeight = 240;
constexpr int kFirstScreenRows = 192;  // name table 0 rows 0-23

void copyRows(const Surface& screen, int from, int to, RgbImage& picture) {
  for (int y = from; y < to; ++y) {
    const std::uint32_t* row = screen.pixels() + static_cast<std::size_t>(y) * kWidth;
    std::copy(row, row + kWidth, picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * kWidth);
  }
}

}  // namespace

RgbImage renderTitlePicture(const EditorState& state, const ColourTables& colours, int height) {
  const int rows = height == kFirstScreenRows ? kFirstScreenRows : kScreenHeight;
  Surface first(kWidth, kScreenHeight);
  drawNameTable(first, state.ppuImage, 0, state.tileSheet, state.viewPalette, 1, colours);
  RgbImage picture(kWidth, rows);
  copyRows(first, 0, kFirstScreenRows, picture);
  if (rows > kFirstScreenRows) {
    Surface second(kWidth, kScreenHeight);
    drawNameTable(second, state.ppuImage, 2, state.tileSheet, state.viewPalette, 1, colours);
    copyRows(second, kFirstScreenRows, rows, picture);
  }
  return picture;
}

}  // namespace pelmora
