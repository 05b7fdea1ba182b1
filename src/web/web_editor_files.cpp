// Files the page exchanges with the editor: patches, name tables, the palette, the tiles and a
// picture as the title. Files made go to the output; files read come from the input.
#include "edit/diff_command.h"
#include "edit/patched_document.h"
#include "formats/chr_file.h"
#include "formats/nam_file.h"
#include "formats/pal_file.h"
#include "patch/patch_file.h"
#include "rom/rom_file.h"
#include "web/web_editor.h"

namespace pelmora::web {
namespace {

constexpr const char* kApplyPatchCommand = "Apply Patch";
constexpr const char* kImportNameTableCommand = "Import Name Table";
constexpr const char* kImportPaletteCommand = "Import Palette";

}  // namespace

void WebEditor::exportTiles() {
  Expected<std::vector<std::uint8_t>> file = encodeChrFile(document_.state.tileSheet);
  output_ = file ? std::move(file.value()) : std::vector<std::uint8_t>{};
}

Outcome WebEditor::importTiles() {
  if (!document_.loaded) return {false, "No file loaded!", {}};
  const Expected<TileSheet> sheet = decodeChrFile(input_);
  if (!sheet) return failed("Error loading file!", sheet.error().what);
  EditorState imported = document_.state;
  imported.tileSheet = sheet.value();
  performEdit(diffCommand(command_name::kImportTiles, document_, imported));
  return {true, {}, {}};
}

Outcome WebEditor::createPatch(const std::string& format) {
  finishStroke();
  if (!document_.loaded) return {false, "No file loaded!", {}};
  const Expected<RomImage> current = exportedImage(document_);
  if (!current) {
    return failed("Error saving file!",
                  "The title screen cannot be written to this image: " + current.error().what);
  }
  const std::optional<PatchFormat> kind = patchFormatNamed(format);
  if (!kind) return failed("Error saving file!", "A patch file's name ends in .ips or .bps.");
  Expected<std::vector<std::uint8_t>> patch =
      pelmora::createPatch(*kind, romFileBytes(document_.openedRom), romFileBytes(*current));
  if (!patch) return failed("Error saving file!", patch.error().what);
  output_ = std::move(patch.value());
  return {true, {}, {}};
}

Outcome WebEditor::applyPatch() {
  finishStroke();
  if (!document_.loaded) return {false, "No file loaded!", {}};
  const Expected<PatchedImage> patched = patchedDocument(document_, input_);
  if (!patched) return failed("The patch was not applied.", patched.error().what);
  performEdit(diffCommand(kApplyPatchCommand, document_, patched.value().state,
                          patched.value().rom));
  return {true, {}, {}};
}

void WebEditor::exportNameTable(int screen) {
  output_ = pelmora::exportNameTable(document_.state, screen == 0 ? 0 : 1);
}

Outcome WebEditor::importNameTable(int screen) {
  if (!document_.loaded) return {false, "No file loaded!", {}};
  const Expected<NameTableImport> imported =
      pelmora::importNameTable(document_.state, screen == 0 ? 0 : 1, input_);
  if (!imported) return failed("Error loading file!", imported.error().what);
  performEdit(diffCommand(kImportNameTableCommand, document_, imported.value().state));
  std::string dropped;
  if (imported.value().droppedCells != 0 || imported.value().droppedAttributeBytes != 0) {
    dropped = " " + std::to_string(imported.value().droppedCells) +
              " cells Save does not carry were dropped";
    if (imported.value().droppedAttributeBytes != 0)
      dropped += ", and " + std::to_string(imported.value().droppedAttributeBytes) +
                 " attribute bytes";
    dropped += ".";
  }
  return {true, dropped, {}};
}

void WebEditor::exportPalette() { output_ = exportPaletteFile(document_.state); }

Outcome WebEditor::importPalette() {
  if (!document_.loaded) return {false, "No file loaded!", {}};
  const Expected<EditorState> imported = importPaletteFile(document_.state, input_);
  if (!imported) return failed("Error loading file!", imported.error().what);
  performEdit(diffCommand(kImportPaletteCommand, document_, imported.value()));
  return {true, {}, {}};
}

// The input holds width x height RGBA pixels as the browser decoded the picture; alpha is dropped
// as the desktop's PNG reader drops it.
WebEditor::PicturePreview WebEditor::previewPicture(int width, int height, bool fit, bool reduce) {
  PicturePreview preview;
  picture_.reset();
  if (!document_.loaded) {
    preview.outcome = {false, "No file loaded!", {}};
    return preview;
  }
  const std::size_t count = static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0);
  if (width <= 0 || height <= 0 || input_.size() != count * 4) {
    preview.outcome = failed("Error loading file!", "The picture could not be read.");
    return preview;
  }
  RgbImage picture(width, height);
  for (std::size_t i = 0; i < count; ++i) {
    picture.pixels[i] = static_cast<std::uint32_t>(input_[i * 4]) |
                        static_cast<std::uint32_t>(input_[i * 4 + 1]) << 8 |
                        static_cast<std::uint32_t>(input_[i * 4 + 2]) << 16;
  }
  PictureImportOptions options;
  options.palettes = fit ? PicturePalettes::kFit : PicturePalettes::kKeep;
  options.reduce = reduce;
  Expected<PictureImport> tried = importTitlePicture(document_.state, picture, options);
  if (!tried) {
    preview.outcome = failed("The picture cannot be the title.", tried.error().what);
    return preview;
  }
  preview.fits = tried.value().fits;
  preview.report = tried.value().report;
  preview.outcome = {tried.value().fits, tried.value().message, {}};
  if (preview.fits) picture_ = std::move(tried.value());
  return preview;
}

bool WebEditor::applyPicture() {
  if (!picture_ || !picture_->fits) return false;
  const PictureImport imported = std::move(*picture_);
  picture_.reset();
  return performEdit(diffCommand(command_name::kImportPicture, document_, imported.state));
}

}  // namespace pelmora::web
