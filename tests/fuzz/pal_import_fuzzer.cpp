// A .pal file of colour numbers imported into the opened demo, then the screen drawn in every
// view with each palette set. Promises: only 32 or 16 bytes are accepted, and a refusal says
// why; an accepted file replaces exactly the first 32 or 16 palette entries with its bytes as
// found, the views draw whatever numbers it holds, and the result saves and reopens.

#include <algorithm>

#include "formats/pal_file.h"
#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "palette/palette_edit.h"

namespace pelmora::fuzz {

int fuzzPalImport(const std::uint8_t* data, std::size_t size) {
  const Bytes file(data, data + size);
  const EditorState& state = demoDocument().state;
  const Expected<EditorState> imported = importPaletteFile(state, file);
  const bool sized = size == kPaletteEntries || size == kBackgroundSetEntries;
  require(static_cast<bool>(imported) == sized, "a palette file of 32 or 16 bytes is accepted");
  if (!imported) {
    require(!imported.error().what.empty(), "a refused palette file says why");
    return 0;
  }
  require(std::equal(file.begin(), file.end(), imported.value().romPalette.begin()) &&
              std::equal(imported.value().romPalette.begin() + static_cast<std::ptrdiff_t>(size),
                         imported.value().romPalette.end(), state.romPalette.begin() + static_cast<std::ptrdiff_t>(size)),
          "the file replaces exactly its own number of palette entries");

  static ScreenViews views;
  ColourTables colours;
  buildMasterPalette(imported.value().ppuRegisters, colours);
  EditorState shown = *imported;
  for (std::uint8_t set = 0; set < kPaletteSetCount; ++set) {
    applyPaletteSet(shown, set);
    redrawViews(views, shown, colours);
  }
  requireSavesAndReopens(*imported);
  return 0;
}

}  // namespace pelmora::fuzz
