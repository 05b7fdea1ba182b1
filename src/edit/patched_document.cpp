#include "edit/patched_document.h"

#include "palette/palette_edit.h"
#include "patch/patch_across_headers.h"
#include "rom/rom_file.h"
#include "rom/title_import.h"

namespace pelmora {
namespace {

// The choices of the user that an import would otherwise reset.
void keepChoices(const EditorState& from, EditorState& to) {
  to.selectedTile = from.selectedTile;
  to.attrPaletteSel = from.attrPaletteSel;
  to.palTarget = from.palTarget;
  to.palTargetIndex = from.palTargetIndex;
  to.ppuRegisters = from.ppuRegisters;
  applyPaletteSet(to, from.paletteSet);
  to.paletteSet = from.paletteSet;
}

// Whether Save would write the image as opened unchanged by the document's edits: the export of
// the document equals the export of a fresh import of the opened image.
bool onlyUneditedSinceOpen(const Document& document, const RomImage& current) {
  Document fresh;
  fresh.rom = document.openedRom;
  fresh.loaded = true;
  if (!importTitleScreen(fresh.rom, fresh.state)) return false;
  const Expected<RomImage> exported = exportedImage(fresh);
  return exported && *exported == current;
}

// The patch applied to the image Save would write now. A patch that checks its source (BPS) and
// was made for the file as it was opened is applied to that file instead, as long as the
// document holds no edit Save would write: a patch for a clean image then applies right after
// Open, although the export rewrites the title screen's lists in its own layout. Either way a
// BPS patch made for the same image behind another header applies with the user's header kept.
Expected<AppliedPatch> patchedBytes(const Document& document, const RomImage& current,
                                    const std::vector<std::uint8_t>& patch) {
  Expected<AppliedPatch> patched = applyPatchAcrossHeaders(romFileBytes(current), patch);
  if (patched || document.openedRom == current || !onlyUneditedSinceOpen(document, current))
    return patched;
  // Unedited, the file as opened is what the user knows (and can check with its checksums), so
  // a refusal names its size and CRC32 rather than those of the export.
  return applyPatchAcrossHeaders(romFileBytes(document.openedRom), patch);
}

}  // namespace

Expected<PatchedImage> patchedDocument(const Document& document,
                                       const std::vector<std::uint8_t>& patch) {
  const Expected<RomImage> current = exportedImage(document);
  if (!current) return current.error();
  const Expected<AppliedPatch> applied = patchedBytes(document, *current, patch);
  if (!applied) return applied.error();
  const std::vector<std::uint8_t>& patched = applied.value().bytes;
  if (patched.size() > kMaximumFileSize)
    return CodecError{"The patched image is larger than any ROM image this editor opens"};

  PatchedImage result;
  result.headerKept = applied.value().headerKept;
  if (loadRomBytes(result.rom, patched.data(), patched.size()) != kRomFileOk)
    return CodecError{"The patched file is not an iNES image"};
  const Status imported = importTitleScreen(result.rom, result.state);
  if (!imported) return CodecError{"The title screen of the patched image cannot be read: " +
                                   imported.error().what};
  keepChoices(document.state, result.state);
  return result;
}

}  // namespace pelmora
