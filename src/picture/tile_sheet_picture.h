#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "formats/rgb_image.h"
#include "gfx/master_palette.h"
#include "rom/codec_result.h"
#include "state/editor_state.h"

namespace pelmora {

// The tile sheet as a 128 x 128 picture: tile t at (8 * (t mod 16), 8 * (t div 16)).
constexpr int kTileSheetPictureSize = 128;

// The four colours of the palette the tile sheet is shown in: palette `paletteSet` of
// viewPalette.
std::array<std::uint32_t, 4> shownPaletteColours(const EditorState& state,
                                                 const ColourTables& colours);

// The four colours of palette `palette` (0-7) of viewPalette.
std::array<std::uint32_t, 4> paletteColours(const EditorState& state, const ColourTables& colours,
                                            int palette);

// The sheet's pixel values (0-3), 128 per row: the pixels of an indexed picture whose four
// colours are shownPaletteColours.
std::vector<std::uint8_t> tileSheetIndices(const TileSheet& sheet);

// The reverse: a 128 x 128 picture as a tile sheet, each pixel the value of the nearest of the
// four colours (the lowest of equals). A picture of another size is a failure.
Expected<TileSheet> tileSheetFromPicture(const RgbImage& picture,
                                         const std::array<std::uint32_t, 4>& colours);

}  // namespace pelmora
