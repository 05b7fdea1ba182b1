#pragma once

#include "formats/rgb_image.h"
#include "gfx/master_palette.h"
#include "state/editor_state.h"

namespace pelmora {

// The title as a picture, laid out as a picture import reads one: rows 0-191 are name table 0,
// rows 192-239 name table 2, both drawn as the screen views draw them. `height` is 192 or 240
// (any other height is taken as 240). What the import preview shows beside the picture.
RgbImage renderTitlePicture(const EditorState& state, const ColourTables& colours, int height);

}  // namespace pelmora
