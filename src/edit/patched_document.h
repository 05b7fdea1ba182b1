#pragma once

#include <cstdint>
#include <vector>

#include "edit/document.h"
#include "rom/codec_result.h"

namespace pelmora {

// What a document becomes when a patch is applied to it.
struct PatchedImage {
  RomImage rom;
  EditorState state;
  bool headerKept = false;  // made for another header; the user's was kept (kHeaderKeptMessage)
};

// Applies an IPS or BPS patch to the image Save would write now (see applyPatchAcrossHeaders)
// and imports the result, keeping the palette target, the palette set and the selection. The
// document is not changed; the result fails with the reason when the image cannot be exported, the
// patch does not apply, or the patched image is not one whose title screen can be read.
Expected<PatchedImage> patchedDocument(const Document& document,
                                       const std::vector<std::uint8_t>& patch);

}  // namespace pelmora
