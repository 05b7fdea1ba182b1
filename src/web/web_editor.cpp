#include "web/web_editor.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "demo/demo_image.h"
#include "edit/attribute_edit.h"
#include "edit/clipboard_text.h"
#include "edit/pointer_readout.h"
#include "state/saved_area.h"
#include "edit/screen_cells.h"
#include "edit/single_edits.h"
#include "edit/tile_edit.h"
#include "edit/tile_edit_command.h"
#include "edit/tile_placement.h"
#include "state/tile_usage.h"
#include "gfx/cell_redraw.h"
#include "palette/palette_edit.h"
#include "rom/game_check.h"
#include "rom/load_failure.h"
#include "rom/rom_file.h"
#include "rom/title_layout.h"

namespace pelmora::web {
namespace {

// The page's files live in the module's memory file system, in one folder, under the name the
// user's file had: Open reads and Save writes there exactly as the desktop does on disk.
const std::filesystem::path kFolder = "/files";
constexpr std::int32_t kChrBankSize = 4096;

// A browser file name as a single file name in the folder: never a path, never empty.
std::string safeFileName(const std::string& name) {
  std::string safe;
  for (const char c : name) safe += (c == '/' || c == '\0') ? '_' : c;
  if (safe.empty() || safe == "." || safe == "..") safe = "image.nes";
  return safe;
}

Surface& surfaceOf(ScreenViews& views, int view) {
  switch (view) {
    case kNAT0: return views.NAT0;
    case kATT0: return views.ATT0;
    case kNAT1: return views.NAT1;
    case kATT1: return views.ATT1;
    case kPicSelTile: return views.picSelTile;
    default: return views.PAT0;
  }
}

int screenViewOf(int nameTable) { return nameTable == 0 ? kNAT0 : kNAT1; }
int attributeViewOf(int nameTable) { return nameTable == 0 ? kATT0 : kATT1; }

// The page's bytes become the file in the memory file system straight from JavaScript, which
// keeps them rather than a copy: copying them through the module's memory first costs more than
// the whole Open. As signed bytes, the module's reads are plain copies.
bool writeInputFile(const std::filesystem::path& path, const emscripten::val& content) {
  const emscripten::val bytes = emscripten::val::global("Int8Array").new_(
      content["buffer"], content["byteOffset"], content["length"]);
  emscripten::val options = emscripten::val::object();
  options.set("canOwn", true);
  emscripten::val::module_property("FS").call<void>("writeFile", path.string(), bytes, options);
  std::error_code error;
  return std::filesystem::file_size(path, error) == content["length"].as<std::size_t>() && !error;
}

}  // namespace

WebEditor::WebEditor() {
  buildMasterPalette(PpuRegisters{}, colours_);
  initEditorState(document_.state);
  std::error_code ignored;
  std::filesystem::create_directories(kFolder, ignored);
  for (int view = 0; view < kWebViewCount; ++view) {
    const Surface& surface = surfaceOf(views_, view);
    rgba_[view].assign(static_cast<std::size_t>(surface.width()) * surface.height() * 4, 0);
    markView(view, 0, 0, surface.width(), surface.height());
  }
}

int WebEditor::viewWidth(int view) const {
  return surfaceOf(const_cast<ScreenViews&>(views_), clampView(view)).width();
}

int WebEditor::viewHeight(int view) const {
  return surfaceOf(const_cast<ScreenViews&>(views_), clampView(view)).height();
}

std::string WebEditor::fileName() const { return document_.path.filename().string(); }

// The surface's pixels are 0x00BBGGRR, stored R, G, B, 0: the mirror takes them as they are and
// makes each opaque.
void WebEditor::markView(int view, int x, int y, int width, int height) {
  const Surface& surface = surfaceOf(views_, view);
  const int x0 = std::clamp(x, 0, surface.width());
  const int y0 = std::clamp(y, 0, surface.height());
  const int x1 = std::clamp(x + width, 0, surface.width());
  const int y1 = std::clamp(y + height, 0, surface.height());
  if (x0 >= x1 || y0 >= y1) return;
  std::uint8_t* mirror = rgba_[view].data();
  for (int row = y0; row < y1; ++row) {
    const std::uint32_t* source = surface.pixels() + static_cast<std::size_t>(row) * surface.width();
    std::uint8_t* target = mirror + (static_cast<std::size_t>(row) * surface.width() + x0) * 4;
    std::memcpy(target, source + x0, static_cast<std::size_t>(x1 - x0) * 4);
    for (int column = x0; column < x1; ++column, target += 4) target[3] = 0xFF;
  }
  std::array<int, 4>& rect = rects_[view];
  if (dirty_ & (1 << view)) {
    const int left = std::min(rect[0], x0);
    const int top = std::min(rect[1], y0);
    const int right = std::max(rect[0] + rect[2], x1);
    const int bottom = std::max(rect[1] + rect[3], y1);
    rect = {left, top, right - left, bottom - top};
  } else {
    rect = {x0, y0, x1 - x0, y1 - y0};
  }
  dirty_ |= 1 << view;
}

void WebEditor::markCells(int view, const std::vector<CellPosition>& cells, int cellSize) {
  for (const CellPosition& cell : cells)
    markView(view, cell.column * cellSize, cell.row * cellSize, cellSize, cellSize);
}

int WebEditor::takeDirtyViews() {
  const int dirty = dirty_;
  dirty_ = 0;
  return dirty;
}

void WebEditor::redrawAll() {
  redrawViews(views_, document_.state, colours_);
  for (int view = kPAT0; view <= kATT1; ++view) {
    const Surface& surface = surfaceOf(views_, view);
    markView(view, 0, 0, surface.width(), surface.height());
  }
  showPreview();
}

void WebEditor::showPreview() {
  copyTilePreview(views_.PAT0, document_.state.selectedTile, views_.picSelTile);
  markView(kPicSelTile, 0, 0, views_.picSelTile.width(), views_.picSelTile.height());
}

WebEditor::OpenOutcome WebEditor::open(const std::string& name, const emscripten::val& content) {
  finishStroke();
  const std::filesystem::path path = kFolder / safeFileName(name);
  OpenOutcome result;
  if (!writeInputFile(path, content)) {
    result.outcome = failed("Error loading file!", "The file could not be read to its end.");
    return result;
  }
  Document opened;
  opened.state = document_.state;  // the palette target and the registers carry over
  const OpenResult status = openDocument(opened, path);
  if (status.status != OpenStatus::kOpened) {
    std::string reason =
        status.reason.empty() ? loadFailureReason(path, status.loadCode) : status.reason;
    std::error_code ignored;
    if (path != document_.path) std::filesystem::remove(path, ignored);
    result.outcome = failed("Error loading file!", std::move(reason));
    return result;
  }
  pending_ = std::move(opened);
  pendingUnverified_ = status.unexpectedGame;
  result.askFirst = status.unexpectedGame;
  result.outcome = {true, "File loaded!", {}};
  if (!result.askFirst) confirmOpen();
  return result;
}

WebEditor::OpenOutcome WebEditor::openDemo() {
  const std::vector<std::uint8_t> bytes = romFileBytes(buildDemoImage());
  const emscripten::val view(emscripten::typed_memory_view(bytes.size(), bytes.data()));
  return open("demo.nes", emscripten::val::global("Uint8Array").new_(view));  // a copy of its own
}

void WebEditor::confirmOpen() {
  if (!pending_) return;
  std::error_code ignored;
  if (document_.loaded && document_.path != pending_->path)
    std::filesystem::remove(document_.path, ignored);
  document_ = std::move(*pending_);
  pending_.reset();
  unverified_ = pendingUnverified_;
  picture_.reset();
  redrawAll();
}

Outcome WebEditor::save() {
  finishStroke();
  if (!document_.loaded) return {false, "No file loaded!", {}};
  const SaveResult saved = saveDocument(document_);
  if (saved.status != SaveStatus::kSaved) {
    return failed("Error saving file!",
                  saved.reason.empty() ? "The file could not be written." : saved.reason);
  }
  Expected<std::vector<std::uint8_t>> written = readFileContent(document_.path);
  if (!written) return failed("Error saving file!", written.error().what);
  output_ = std::move(written.value());
  return {true, "File saved!", {}};
}

void WebEditor::finishStroke() {
  if (tilePixelStroke_) {
    const TilePixelStroke stroke = *tilePixelStroke_;
    tilePixelStroke_.reset();
    recordPerformed(document_, tileEditCommand(stroke.tile, stroke.before,
                                               tilePixels(document_.state.tileSheet, stroke.tile)));
  }
  if (tileStroke_) {
    recordPerformed(document_, tileStroke_->finish());
    tileStroke_.reset();
  }
  if (attributeStroke_) {
    recordPerformed(document_, attributeStroke_->finish());
    attributeStroke_.reset();
  }
}

bool WebEditor::performEdit(EditCommand command) {
  finishStroke();
  if (command.empty()) return false;
  perform(document_, std::move(command));
  redrawAll();
  return true;
}

bool WebEditor::pressTileSheet(double x, double y) {
  if (!document_.loaded || !chooseTile(document_.state, x, y)) return false;
  showPreview();
  return true;
}

std::string WebEditor::pressScreen(int nameTable, double x, double y) {
  finishStroke();
  if (!document_.loaded || !tileCellAt(x, y)) return {};
  tileStroke_.emplace(nameTable == 0 ? 0 : 2, document_.state.selectedTile);
  return moveOnScreen(nameTable, x, y);
}

// Every cell on the line from the last position to this one takes the tile; only the cells whose
// tile changed are drawn again.
std::string WebEditor::moveOnScreen(int nameTable, double x, double y) {
  const int table = nameTable == 0 ? 0 : 2;
  const std::optional<CellPosition> cell = tileCellUnder(x, y);
  if (!cell || !tileStroke_) return {};
  const std::vector<CellPosition>& changed = tileStroke_->moveTo(document_.state, *cell);
  if (!changed.empty()) {
    redrawScreenCells(views_, table, changed, document_.state, colours_);
    markCells(screenViewOf(table), changed, 8);
  }
  return tileStroke_->refusal();
}

std::string WebEditor::pressAttributes(int nameTable, double x, double y) {
  finishStroke();
  if (!document_.loaded || !quadrantAt(x, y)) return {};
  attributeStroke_.emplace(nameTable == 0 ? 0 : 2, document_.state.attrPaletteSel);
  return moveOnAttributes(nameTable, x, y);
}

std::string WebEditor::moveOnAttributes(int nameTable, double x, double y) {
  const int table = nameTable == 0 ? 0 : 2;
  const std::optional<CellPosition> quadrant = quadrantUnder(x, y);
  if (!quadrant || !attributeStroke_) return {};
  const std::vector<CellPosition>& changed = attributeStroke_->moveTo(document_.state, *quadrant);
  if (!changed.empty()) {
    redrawAttributeQuadrants(views_, table, changed, document_.state, colours_);
    // A quadrant's palette shows on the attribute view and on its 2 x 2 tiles of the screen.
    for (const int view : {attributeViewOf(table), screenViewOf(table)})
      markView(view, 0, 0, viewWidth(view), viewHeight(view));
  }
  return attributeStroke_->refusal();
}

void WebEditor::release() { finishStroke(); }

bool WebEditor::pickTile(int nameTable, double x, double y) {
  const std::optional<CellPosition> cell = tileCellAt(x, y);
  if (!document_.loaded || !cell) return false;
  if (!pelmora::pickTile(document_.state, nameTable == 0 ? 0 : 2, *cell)) return false;
  showPreview();
  return true;
}

void WebEditor::selectAttributePalette(int index) {
  pelmora::selectAttributePalette(document_.state, index);
}

Outcome WebEditor::editRect(const std::string& command, int nameTable, int column, int row,
                            int width, int height) {
  if (!document_.loaded) return {false, "No file loaded!", {}};
  const int table = nameTable == 0 ? 0 : 2;
  const CellRect rect{column, row, width, height};
  Expected<EditCommand> edit =
      command == "Cut"      ? cutCommand(document_.state, table, rect)
      : command == "Delete" ? deleteCommand(document_.state, table, rect)
                            : fillCommand(document_.state, table, rect);
  if (!edit) return failed("", edit.error().what);
  performEdit(std::move(edit.value()));
  return {true, {}, {}};
}

std::string WebEditor::copyRect(int nameTable, int column, int row, int width, int height) {
  if (!document_.loaded) return {};
  return blockText(copyBlock(document_.state, nameTable == 0 ? 0 : 2,
                             CellRect{column, row, width, height}));
}

Outcome WebEditor::pasteText(const std::string& text, int nameTable, int column, int row) {
  if (!document_.loaded) return {false, "No file loaded!", {}};
  const Expected<TileBlock> block = parseBlockText(text);
  if (!block) return failed("", block.error().what);
  Expected<EditCommand> edit =
      pasteCommand(document_.state, nameTable == 0 ? 0 : 2, CellPosition{column, row}, *block);
  if (!edit) return failed("", edit.error().what);
  performEdit(std::move(edit.value()));
  return {true, {}, {}};
}

void WebEditor::markAllViews() {
  for (int view = 0; view < kWebViewCount; ++view) markView(view, 0, 0, viewWidth(view), viewHeight(view));
}

bool WebEditor::rowCarried(int nameTable, int row) const {
  return isTileRowCarried(nameTable == 0 ? 0 : 2, row);
}

bool WebEditor::attributesCarried(int nameTable) const {
  return isAttributeTableCarried(nameTable == 0 ? 0 : 2);
}

void WebEditor::nextPaletteSet() {
  if (!document_.loaded) return;
  finishStroke();
  cyclePaletteSet(document_.state);
  redrawAll();
}

std::string WebEditor::paletteSetText() const {
  return paletteSetReadout(document_.state.paletteSet);
}

std::vector<std::uint8_t> WebEditor::squares(int target) const {
  const std::span<const std::uint8_t> row =
      paletteSquares(document_.state, static_cast<std::uint8_t>(target));
  return {row.begin(), row.end()};
}

int WebEditor::openSquare(int target, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= squares(target).size()) return -1;
  return openPaletteSquare(document_.state, static_cast<std::uint8_t>(target),
                           static_cast<std::uint8_t>(index));
}

bool WebEditor::storeColour(int colour) {
  if (!document_.loaded || colour < 0 || colour > 63) return false;
  return performEdit(storeColourCommand(document_.state, static_cast<std::uint8_t>(colour)));
}

void WebEditor::switchCoin(bool enabled) {
  if (document_.loaded) performEdit(switchCoinCommand(document_.state, enabled));
}

int WebEditor::colourValue(int colour) const {
  return colours_.lookup(static_cast<std::uint8_t>(std::clamp(colour, 0, 255)));
}

int WebEditor::attributeColour(int index) const { return colours_.attributeColours[index & 3]; }

void WebEditor::undo() {
  finishStroke();
  if (!pelmora::undo(document_).empty()) redrawAll();
}

void WebEditor::redo() {
  finishStroke();
  if (!pelmora::redo(document_).empty()) redrawAll();
}

std::string WebEditor::screenReadout(int nameTable, double x, double y) const {
  return pelmora::screenReadout(document_.state, nameTable == 0 ? 0 : 2, x, y);
}

std::string WebEditor::attributeReadout(int nameTable, double x, double y) const {
  return pelmora::attributeReadout(document_.state, nameTable == 0 ? 0 : 2, x, y);
}

// The tile under the pointer and how many carried cells show it.
std::string WebEditor::tileSheetReadout(double x, double y) const {
  std::optional<std::int32_t> bank;
  if (document_.loaded)
    bank = static_cast<std::int32_t>(document_.rom.chrOffset()) + title::kTitleChrBank * kChrBankSize;
  std::string text = pelmora::tileSheetReadout(bank, x, y);
  const double px = std::nearbyint(x);
  const double py = std::nearbyint(y);
  if (text.empty() || !document_.loaded || px < 0 || py < 0 || px > 255 || py > 255) return text;
  const auto tile = static_cast<std::uint8_t>((static_cast<int>(py) / 16) * 16 +
                                              static_cast<int>(px) / 16);
  const std::size_t users = carriedCellsUsing(document_.state.ppuImage, tile).size();
  if (users != 0)
    return text + " \xC2\xB7 used by " + std::to_string(users) + (users == 1 ? " cell" : " cells");
  return text + (freeTiles(countCarriedTileUses(document_.state.ppuImage))[tile]
                     ? " \xC2\xB7 free"
                     : " \xC2\xB7 used by no cell, kept for blanking the screens");
}

std::string WebEditor::squareReadout(int target, int index) const {
  return paletteSquareReadout(document_.state, static_cast<std::uint8_t>(target), index);
}

}  // namespace pelmora::web
