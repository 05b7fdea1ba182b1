// The page's view of the editor: plain values, texts and byte arrays over the module's memory.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "palette/palette_edit.h"
#include "rom/game_check.h"
#include "edit/tile_placement.h"
#include "web/web_editor.h"

namespace pelmora::web {
namespace {

using emscripten::val;

val outcomeValue(const Outcome& outcome) {
  val result = val::object();
  result.set("ok", outcome.ok);
  result.set("message", outcome.message);
  result.set("reason", outcome.reason);
  return result;
}

// A view over the module's memory: valid until the next call into the module, so the page
// copies it at once.
val memoryView(const std::vector<std::uint8_t>& bytes) {
  return val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

val inputBuffer(WebEditor& editor, int size) {
  editor.input().assign(static_cast<std::size_t>(std::max(size, 0)), 0);
  return val(emscripten::typed_memory_view(editor.input().size(), editor.input().data()));
}

val output(const WebEditor& editor) { return memoryView(editor.output()); }
val pixels(const WebEditor& editor, int view) { return memoryView(editor.pixels(view)); }

val openedValue(const WebEditor::OpenOutcome& opened) {
  val result = outcomeValue(opened.outcome);
  result.set("askFirst", opened.askFirst);
  return result;
}

val dirtyRect(const WebEditor& editor, int view) {
  const std::array<int, 4> rect = editor.dirtyRect(view);
  val result = val::array();
  for (const int value : rect) result.call<void>("push", value);
  return result;
}

val squares(const WebEditor& editor, int target) {
  val result = val::array();
  for (const std::uint8_t colour : editor.squares(target)) result.call<void>("push", colour);
  return result;
}

val previewPicture(WebEditor& editor, int width, int height, bool fit, bool reduce) {
  const WebEditor::PicturePreview preview = editor.previewPicture(width, height, fit, reduce);
  val result = outcomeValue(preview.outcome);
  result.set("fits", preview.fits);
  result.set("tilesUsed", preview.report.tilesUsed);
  result.set("tilesNew", preview.report.tilesNew);
  result.set("tilesReused", preview.report.tilesReused);
  result.set("tilesMerged", preview.report.tilesMerged);
  result.set("pixelsChanged", preview.report.pixelsChanged);
  result.set("tilesMissing", preview.report.tilesMissing);
  return result;
}

std::string unexpectedGameWarning() { return std::string(kUnexpectedGameWarning); }
std::string unexpectedGameStatement() { return std::string(kUnexpectedGameStatement); }
std::string paletteCaptionOf(int colour) { return paletteCaption(static_cast<std::uint8_t>(colour)); }
std::string selectorCaptionOf(int colour) { return selectorCaption(static_cast<std::uint8_t>(colour)); }
bool lightCaptionOf(int colour) { return lightCaption(static_cast<std::uint8_t>(colour)); }
std::string tileCaption(int tile) { return tileIdCaption(static_cast<std::uint8_t>(tile)); }

}  // namespace

EMSCRIPTEN_BINDINGS(pelmora) {
  using namespace emscripten;
  function("unexpectedGameWarning", &unexpectedGameWarning);
  function("unexpectedGameStatement", &unexpectedGameStatement);
  function("paletteCaption", &paletteCaptionOf);
  function("selectorCaption", &selectorCaptionOf);
  function("lightCaption", &lightCaptionOf);
  function("tileCaption", &tileCaption);
  class_<WebEditor>("Editor")
      .constructor<>()
      .function("inputBuffer", &inputBuffer)
      .function("output", &output)
      .function("open", +[](WebEditor& editor, const std::string& name, const val& content) {
        return openedValue(editor.open(name, content));
      })
      .function("openDemo", +[](WebEditor& editor) { return openedValue(editor.openDemo()); })
      .function("confirmOpen", &WebEditor::confirmOpen)
      .function("cancelOpen", &WebEditor::cancelOpen)
      .function("loaded", &WebEditor::loaded)
      .function("fileName", &WebEditor::fileName)
      .function("unverified", &WebEditor::unverified)
      .function("save", +[](WebEditor& editor) { return outcomeValue(editor.save()); })
      .function("pixels", &pixels)
      .function("viewWidth", &WebEditor::viewWidth)
      .function("viewHeight", &WebEditor::viewHeight)
      .function("takeDirtyViews", &WebEditor::takeDirtyViews)
      .function("dirtyRect", &dirtyRect)
      .function("pressTileSheet", &WebEditor::pressTileSheet)
      .function("pressScreen", &WebEditor::pressScreen)
      .function("moveOnScreen", &WebEditor::moveOnScreen)
      .function("pressAttributes", &WebEditor::pressAttributes)
      .function("moveOnAttributes", &WebEditor::moveOnAttributes)
      .function("release", &WebEditor::release)
      .function("pickTile", &WebEditor::pickTile)
      .function("selectedTile", &WebEditor::selectedTile)
      .function("selectAttributePalette", &WebEditor::selectAttributePalette)
      .function("attributePalette", &WebEditor::attributePalette)
      .function("editRect",
                +[](WebEditor& editor, const std::string& command, int nameTable, int column,
                    int row, int width, int height) {
                  return outcomeValue(editor.editRect(command, nameTable, column, row, width, height));
                })
      .function("copyRect", &WebEditor::copyRect)
      .function("pasteText",
                +[](WebEditor& editor, const std::string& text, int nameTable, int column,
                    int row) { return outcomeValue(editor.pasteText(text, nameTable, column, row)); })
      .function("rowCarried", &WebEditor::rowCarried)
      .function("attributesCarried", &WebEditor::attributesCarried)
      .function("selectedTilePixels", +[](const WebEditor& editor) {
        val result = val::array();
        for (const std::uint8_t value : editor.selectedTilePixels()) result.call<void>("push", value);
        return result;
      })
      .function("pressTilePixel", &WebEditor::pressTilePixel)
      .function("moveTilePixel", &WebEditor::moveTilePixel)
      .function("transformTile", &WebEditor::transformTile)
      .function("exportTiles", &WebEditor::exportTiles)
      .function("importTiles", +[](WebEditor& editor) { return outcomeValue(editor.importTiles()); })
      .function("nextPaletteSet", &WebEditor::nextPaletteSet)
      .function("paletteSetText", &WebEditor::paletteSetText)
      .function("squares", &squares)
      .function("openSquare", &WebEditor::openSquare)
      .function("storeColour", &WebEditor::storeColour)
      .function("coinEnabled", &WebEditor::coinEnabled)
      .function("switchCoin", &WebEditor::switchCoin)
      .function("colourValue", &WebEditor::colourValue)
      .function("attributeColour", &WebEditor::attributeColour)
      .function("undo", &WebEditor::undo)
      .function("redo", &WebEditor::redo)
      .function("undoName", &WebEditor::undoName)
      .function("redoName", &WebEditor::redoName)
      .function("modified", &WebEditor::modified)
      .function("screenReadout", &WebEditor::screenReadout)
      .function("attributeReadout", &WebEditor::attributeReadout)
      .function("tileSheetReadout", &WebEditor::tileSheetReadout)
      .function("squareReadout", &WebEditor::squareReadout)
      .function("createPatch",
                +[](WebEditor& editor, const std::string& format) {
                  return outcomeValue(editor.createPatch(format));
                })
      .function("applyPatch", +[](WebEditor& editor) { return outcomeValue(editor.applyPatch()); })
      .function("exportNameTable", &WebEditor::exportNameTable)
      .function("importNameTable",
                +[](WebEditor& editor, int screen) {
                  return outcomeValue(editor.importNameTable(screen));
                })
      .function("exportPalette", &WebEditor::exportPalette)
      .function("importPalette",
                +[](WebEditor& editor) { return outcomeValue(editor.importPalette()); })
      .function("previewPicture", &previewPicture)
      .function("applyPicture", &WebEditor::applyPicture);
}

}  // namespace pelmora::web
