#include "edit/document.h"

#include "rom/game_check.h"
#include "rom/rom_file.h"
#include "rom/title_export.h"
#include "rom/title_import.h"

namespace pelmora {

OpenResult openDocument(Document& document, const std::filesystem::path& path,
                        OpenedCopy openedCopy) {
  OpenResult result;
  Document opened;
  result.loadCode = loadRomFile(opened.rom, path, result.reason);
  if (result.loadCode != kRomFileOk) {
    result.status = OpenStatus::kLoadFailed;
    return result;
  }
  // The palette target names the square last opened; an Open does not reset it.
  opened.state.palTarget = document.state.palTarget;
  opened.state.palTargetIndex = document.state.palTargetIndex;
  opened.state.ppuRegisters = document.state.ppuRegisters;
  const Status imported = importTitleScreen(opened.rom, opened.state);
  if (!imported) {
    result.status = OpenStatus::kImportFailed;
    result.reason = imported.error().what;
    return result;
  }
  opened.path = path;
  opened.loaded = true;
  if (openedCopy == OpenedCopy::kKeep) opened.openedRom = opened.rom;
  result.unexpectedGame = !looksLikeTheGame(opened.rom);
  document = std::move(opened);
  result.status = OpenStatus::kOpened;
  return result;
}

SaveResult saveDocumentAs(Document& document, const std::filesystem::path& path) {
  if (!document.loaded || path.empty()) return {SaveStatus::kNoFile, {}};
  const Status exported = exportTitleScreen(document.state, document.rom);
  if (!exported) return {SaveStatus::kExportFailed, exported.error().what};
  const Status written = saveRomFileChecked(document.rom, path);
  if (!written) return {SaveStatus::kWriteFailed, written.error().what};
  document.path = path;
  document.markSaved();
  return {SaveStatus::kSaved, {}};
}

Expected<RomImage> exportedImage(const Document& document) {
  RomImage image = document.rom;
  EditorState state = document.state;  // the export also touches the state
  const Status exported = exportTitleScreen(state, image);
  if (!exported) return exported.error();
  return image;
}

SaveResult saveDocumentCopy(const Document& document, const std::filesystem::path& path) {
  if (!document.loaded || path.empty()) return {SaveStatus::kNoFile, {}};
  const Expected<RomImage> image = exportedImage(document);
  if (!image) return {SaveStatus::kExportFailed, image.error().what};
  const Status written = saveRomFileChecked(*image, path);
  if (!written) return {SaveStatus::kWriteFailed, written.error().what};
  return {SaveStatus::kSaved, {}};
}

SaveResult saveDocument(Document& document) { return saveDocumentAs(document, document.path); }

}  // namespace pelmora
