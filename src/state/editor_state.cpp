#include "state/editor_state.h"

namespace pelmora {

void initEditorState(EditorState& state) {
  state.selectedTile = 0;
  state.attrPaletteSel = 0;
  state.paletteSet = 0;
  state.viewPalette.fill(0);
  state.romPalette.fill(0);
  state.tileSheet.assign(kSheetTiles * kTilePixels, 0);
}

}  // namespace pelmora
