#pragma once

#include "edit/edit_command.h"
#include "rom/rom_image.h"
#include "state/editor_state.h"

namespace pelmora {

struct Document;

// The command that turns `before` into the given state and image, keeping only the bytes that
// differ: an import, a patch or a picture becomes one undoable step. View choices (selection
// bytes, palette set, palette target, PPU registers) are not part of it. When the image body
// changes size, both bodies are kept whole.
EditCommand diffCommand(const char* name, const Document& before, const EditorState& afterState,
                        const RomImage& afterRom);

// The same for an edit that leaves the image alone.
EditCommand diffCommand(const char* name, const Document& before, const EditorState& afterState);

}  // namespace pelmora
