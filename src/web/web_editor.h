#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <emscripten/val.h>

#include "edit/document.h"
#include "edit/stroke.h"
#include "edit/tile_block.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "picture/title_picture_import.h"

namespace pelmora::web {

// The page's view numbers, in the order the page lists its canvases.
enum WebView : int { kPAT0 = 0, kNAT0, kATT0, kNAT1, kATT1, kPicSelTile, kWebViewCount };

// An outcome the page shows: what happened in the desktop's words, and why when it failed.
struct Outcome {
  bool ok = false;
  std::string message;
  std::string reason;
};

inline Outcome failed(const char* message, std::string reason) {
  return {false, message, std::move(reason)};
}

// The editor behind the page: one document, its views and the stroke under way. Every page event
// becomes one call here; each call leaves the pixels of the views it changed in RGBA mirrors the
// page copies onto its canvases (dirtyViews and dirtyRect say which and where).
class WebEditor {
 public:
  WebEditor();

  // Bytes the page hands over (a patch, a .nam or .pal, a picture's RGBA pixels) are written
  // into this buffer first; the call that reads them follows.
  std::vector<std::uint8_t>& input() { return input_; }
  // Bytes a call made for the page to download.
  const std::vector<std::uint8_t>& output() const { return output_; }

  // Open: `content` (a Uint8Array) as the file `name`. A file that fails the game check is kept aside until
  // the user answers (confirmOpen or cancelOpen); otherwise it replaces the document at once.
  struct OpenOutcome {
    Outcome outcome;
    bool askFirst = false;  // the question is kUnexpectedGameWarning
  };
  OpenOutcome open(const std::string& name, const emscripten::val& content);
  // Open Demo Image: the project's synthetic image, built here, as the file "demo.nes".
  OpenOutcome openDemo();
  void confirmOpen();
  void cancelOpen() { pending_.reset(); }
  bool loaded() const { return document_.loaded; }
  std::string fileName() const;
  // Whether Save must first ask, because the image failed the game check when it was opened.
  bool unverified() const { return unverified_ && document_.loaded; }

  // Save: writes the image Save writes to the output and counts the document as saved.
  Outcome save();

  // The views.
  const std::vector<std::uint8_t>& pixels(int view) const { return rgba_[clampView(view)]; }
  int viewWidth(int view) const;
  int viewHeight(int view) const;
  // The views changed since the last call, one bit each (1 << view), and for each the rectangle
  // that changed (x, y, width, height); the marks are cleared.
  int takeDirtyViews();
  std::array<int, 4> dirtyRect(int view) const { return rects_[clampView(view)]; }

  // Presses, drags and releases on the views, in view pixels. A move returns why it skipped a
  // cell Save does not carry ("" when it did not).
  bool pressTileSheet(double x, double y);
  std::string pressScreen(int nameTable, double x, double y);
  std::string moveOnScreen(int nameTable, double x, double y);
  std::string pressAttributes(int nameTable, double x, double y);
  std::string moveOnAttributes(int nameTable, double x, double y);
  void release();
  bool pickTile(int nameTable, double x, double y);
  std::uint8_t selectedTile() const { return document_.state.selectedTile; }
  void selectAttributePalette(int index);
  int attributePalette() const { return document_.state.attrPaletteSel; }

  // The select tool's rectangle on a screen, in cells, and the Edit commands on it.
  Outcome editRect(const std::string& command, int nameTable, int column, int row, int width,
                   int height);
  std::string copyRect(int nameTable, int column, int row, int width, int height);
  Outcome pasteText(const std::string& text, int nameTable, int column, int row);
  bool rowCarried(int nameTable, int row) const;
  bool attributesCarried(int nameTable) const;

  // The selected tile's pixels (64 colour values, row by row) and their edits: a drag paints
  // `value` along the pointer's line and ends as one command; the buttons' edits are one each
  // ("flipH", "flipV", "rotate", "clear", "copy", "paste").
  std::vector<std::uint8_t> selectedTilePixels() const;
  void pressTilePixel(int x, int y, int value);
  void moveTilePixel(int x, int y);
  bool transformTile(const std::string& kind);
  void exportTiles();
  Outcome importTiles();

  // Palettes.
  void nextPaletteSet();
  std::string paletteSetText() const;
  std::vector<std::uint8_t> squares(int target) const;
  int openSquare(int target, int index);
  bool storeColour(int colour);
  bool coinEnabled() const { return document_.state.coinEnabled; }
  void switchCoin(bool enabled);
  int colourValue(int colour) const;
  int attributeColour(int index) const;

  // History.
  void undo();
  void redo();
  std::string undoName() const { return document_.history.undoName(); }
  std::string redoName() const { return document_.history.redoName(); }
  bool modified() const { return document_.loaded && document_.isModified(); }

  // The status readout under the pointer.
  std::string screenReadout(int nameTable, double x, double y) const;
  std::string attributeReadout(int nameTable, double x, double y) const;
  std::string tileSheetReadout(double x, double y) const;
  std::string squareReadout(int target, int index) const;

  // Patches: made from the image as opened to the image Save would write now; applied as one
  // step the user can undo.
  Outcome createPatch(const std::string& format);
  Outcome applyPatch();

  // Files exchanged with the page: name tables and the palette out (to the output) and in (from
  // the input), and a picture (the input as RGBA pixels) as the title.
  void exportNameTable(int screen);
  Outcome importNameTable(int screen);
  void exportPalette();
  Outcome importPalette();
  struct PicturePreview {
    Outcome outcome;
    bool fits = false;
    PictureImportReport report;
  };
  PicturePreview previewPicture(int width, int height, bool fit, bool reduce);
  bool applyPicture();

 private:
  static int clampView(int view) { return view < 0 || view >= kWebViewCount ? 0 : view; }
  void finishStroke();
  void redrawAll();
  void showPreview();
  void markView(int view, int x, int y, int width, int height);
  void markCells(int view, const std::vector<CellPosition>& cells, int cellSize);
  bool performEdit(EditCommand command);

  Document document_;
  std::optional<Document> pending_;
  bool pendingUnverified_ = false;
  bool unverified_ = false;
  ColourTables colours_;
  ScreenViews views_;
  std::array<std::vector<std::uint8_t>, kWebViewCount> rgba_;
  std::array<std::array<int, 4>, kWebViewCount> rects_{};
  int dirty_ = 0;
  std::optional<TileStroke> tileStroke_;
  std::optional<AttributeStroke> attributeStroke_;
  std::optional<PictureImport> picture_;
  struct TilePixelStroke {
    std::uint8_t tile;
    std::array<std::uint8_t, kTilePixels> before;
    int lastX;
    int lastY;
    int value;
  };
  std::optional<TilePixelStroke> tilePixelStroke_;
  std::optional<std::array<std::uint8_t, kTilePixels>> copiedTile_;
  void paintTileLine(int x, int y);
  void markAllViews();
  std::vector<std::uint8_t> input_;
  std::vector<std::uint8_t> output_;
};

}  // namespace pelmora::web
