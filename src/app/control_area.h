#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/editor_document.h"
#include "edit/byte_change.h"
#include "gfx/screen_views.h"
#include "state/tile_usage.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pelmora::app {

class ActionRegistry;
class ChangeMarks;
class ColourSquare;
class EditorDocument;
class PictureSurface;
class Tool;
class ToolManager;

// The main window's client area, 823 x 554 at 1x: the buttons, the five views, the selected
// tile, the attribute options and the palette squares, each named as on the form. It draws
// from the document's signals and turns each control's event into one core call, one command
// or one action. All controls are scaled together at 2x and 3x (places, sizes and fonts).
class ControlArea : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 823;
  static constexpr int kHeight = 554;

  ControlArea(EditorDocument& document, ActionRegistry& actions, ToolManager& tools,
              QWidget* parent);
  ~ControlArea() override;

  // Scales every control to `zoom` times its size at 1x.
  void setZoom(int zoom);
  int zoom() const { return zoom_; }
  // A position in the area at 1x, in the area's current pixels.
  QPoint scaled(QPoint base) const { return base * zoom_; }

  const ScreenViews& views() const { return views_; }
  PictureSurface* screenView(int nameTable) const;

  // Marks over the views, as the View menu chooses them.
  void setGridShown(bool shown);
  void setShadingShown(bool shown);
  void setFreeTilesShown(bool shown);
  // The tile sheet in the palette the Tile Editor draws in, instead of the palette set's.
  void setSheetInCellPalette(bool shown);
  bool gridShown() const { return gridShown_; }
  bool shadingShown() const { return shadingShown_; }

  // Draws every view, square and control from the document again.
  void redrawAll();

  // Paints the marks of View > Show Changes from `marks` (which must outlive the area) over
  // the views and the palette squares.
  void showChangeMarks(const ChangeMarks& marks);

 signals:
  // What lies under the pointer, for the status bar (empty when it left).
  void readoutChanged(const QString& text);
  // A palette square was opened (double-clicked; coin squares clicked): which list, which entry.
  void colourSquareOpened(std::uint8_t target, int index);

 private:
  // control_area_controls.cpp
  void buildControls(ActionRegistry& actions);
  void buildFileButtons(ActionRegistry& actions);
  void buildViews();
  void buildAttributeControls();
  void buildPaletteFrame();
  void buildMarks();
  // control_area_marks.cpp
  void installMarks();
  QString openingHint() const;
  void installReadouts(ToolManager& tools);
  std::string followTileUsage(double x, double y);
  // control_area_changes.cpp
  void markChangedSquares();
  // `describe` says what lies under the pointer; it is asked again after every change.
  void followPointer(std::function<std::string()> describe);
  void refreshReadout();
  // control_area.cpp
  void connectDocument();
  void showChange(PartSet parts);
  void showState(const EditorState& state);
  void showSelectedTile();
  void showFile();
  void showSelection();
  void showSheetPalette();
  void showToolMarks(Tool* tool);
  void rememberBase(QWidget* widget);
  void scaleWidget(QWidget* widget) const;

  EditorDocument& document_;
  ActionRegistry& actions_;
  ScreenViews views_;
  int zoom_ = 1;
  bool gridShown_ = false;
  bool shadingShown_ = false;
  bool freeTilesShown_ = false;
  bool sheetInCellPalette_ = false;
  bool attributeGridShown_ = false;  // while the attribute tool works on the screens
  std::optional<CellPosition> sheetDragStart_;  // the sheet cell a drag on the tile sheet began at
  std::optional<CellSelection> shownSelection_;
  std::vector<TileCell> tileUsers_;  // carried cells showing the tile under the pointer
  const ChangeMarks* changeMarks_ = nullptr;
  std::function<std::string()> pointerReadout_;  // what lies under the pointer, or nothing

  QPushButton* cmdSaveFile_ = nullptr;
  QPushButton* cmdChangePal_ = nullptr;
  std::array<PictureSurface*, 2> screens_{};     // NAT0, NAT1
  std::array<PictureSurface*, 2> attributes_{};  // ATT0, ATT1
  PictureSurface* tileSheet_ = nullptr;          // PAT0
  PictureSurface* selectedTile_ = nullptr;       // picSelTile
  QLabel* tileId_ = nullptr;
  QWidget* attributeFrame_ = nullptr;
  std::array<QRadioButton*, 4> attributeOptions_{};
  QWidget* paletteFrame_ = nullptr;
  std::vector<ColourSquare*> romSquares_;
  std::vector<ColourSquare*> setSquares_;
  std::vector<ColourSquare*> coinSquares_;
  QCheckBox* coinBox_ = nullptr;
};

}  // namespace pelmora::app
