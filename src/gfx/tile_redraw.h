#pragma once

#include <cstdint>

#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "state/editor_state.h"

namespace pelmora {

// After the pixels of tile `tile` changed, redraws only what shows it: its 16 x 16 cell of the
// tile sheet view, every cell of the two screen views that holds it (in that cell's palette),
// and the tile preview when `tile` is the selected tile. Surfaces that show nothing of it are
// neither drawn nor repainted. The result is the same as a full redraw of the views.
void redrawTile(ScreenViews& views, const EditorState& state, std::uint8_t tile,
                const ColourTables& colours);

}  // namespace pelmora
