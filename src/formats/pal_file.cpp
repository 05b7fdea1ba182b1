#include "formats/pal_file.h"

#include <algorithm>
#include <string>

#include "palette/palette_edit.h"

namespace pelmora {

std::vector<std::uint8_t> exportPaletteFile(const EditorState& state) {
  return {state.viewPalette.begin(), state.viewPalette.end()};
}

Expected<EditorState> importPaletteFile(const EditorState& state,
                                        const std::vector<std::uint8_t>& file) {
  if (file.size() != kPaletteEntries && file.size() != kBackgroundSetEntries) {
    return CodecError{"A palette file holds 32 bytes (or 16, the background palettes); this one "
                      "holds " + std::to_string(file.size())};
  }
  EditorState imported = state;
  std::copy(file.begin(), file.end(), imported.romPalette.begin());
  applyPaletteSet(imported, imported.paletteSet);
  return imported;
}

}  // namespace pelmora
