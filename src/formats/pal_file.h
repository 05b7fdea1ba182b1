#pragma once

#include <cstdint>
#include <vector>

#include "rom/codec_result.h"
#include "state/editor_state.h"

namespace pelmora {

// The 32 bytes of the palette as shown (viewPalette), in $3F00 order.
std::vector<std::uint8_t> exportPaletteFile(const EditorState& state);

// A state whose romPalette takes the file's 16 bytes (the background palettes) or 32 bytes
// (all eight), with viewPalette rebuilt for the current palette set. Any other size is refused
// with the reason. `state` is not changed.
Expected<EditorState> importPaletteFile(const EditorState& state,
                                        const std::vector<std::uint8_t>& file);

}  // namespace pelmora
