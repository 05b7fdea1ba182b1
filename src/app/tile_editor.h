#pragma once

#include <QColor>
#include <QDockWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "edit/tile_edit.h"

class QAction;
class QHBoxLayout;
class QLabel;
class QToolButton;

namespace pelmora::app {

class EditorDocument;
class TilePixelCanvas;

// The Tile Editor dock: the selected tile, large, in the palette the tile sheet is shown in.
// The left button paints the chosen colour value, the right button picks the value under the
// pointer; four swatches (keys 1-4) choose the value; buttons flip, rotate, clear, copy and
// paste the tile. Every change is one "Edit Tile" command of the window's history (a whole
// painting drag is one), and while a drag goes on the views redraw only what shows the tile.
class TileEditor : public QDockWidget {
  Q_OBJECT

 public:
  TileEditor(EditorDocument& document, QWidget* parent);

  // Shows the document's selected tile and palette as they are now; while the dock is hidden
  // nothing is drawn until it shows (a start-up with the dock closed styles no swatch).
  void refresh();

  // The colour value (0-3) the left button paints.
  int currentValue() const { return currentValue_; }
  void chooseValue(int value);

  TilePixelCanvas* canvas() const { return canvas_; }
  QToolButton* swatch(int value) const { return swatches_[static_cast<std::size_t>(value)]; }

  // The tile operations, each one step of the history.
  void flipHorizontally();
  void flipVertically();
  void rotate();
  void clear();
  void copyTile();
  void pasteTile();

 signals:
  // A change of the tile's pixels went into the history.
  void tileEdited();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QHBoxLayout* buildSwatches(QWidget* area);
  QWidget* buildOperations();
  void pressPixel(Qt::MouseButton button, QPoint pixel);
  void dragTo(QPoint pixel);
  void paintLineTo(QPoint pixel);
  void finishStroke();
  void replaceTile(const TilePixels& pixels);
  std::uint8_t tile() const;
  TilePixels documentPixels() const;

  // A painting drag under way: which tile, its pixels before, and the last pixel painted.
  struct Stroke {
    std::uint8_t tile = 0;
    TilePixels before{};
    QPoint last;
  };

  EditorDocument& document_;
  QLabel* tileCaption_ = nullptr;  // which tile is shown
  TilePixelCanvas* canvas_ = nullptr;
  std::array<QToolButton*, 4> swatches_{};
  std::array<QColor, 4> colours_{};  // of the palette shown, as the swatches show them
  QToolButton* pasteButton_ = nullptr;
  int currentValue_ = 1;
  std::optional<Stroke> stroke_;
  std::optional<TilePixels> copied_;
};

}  // namespace pelmora::app
