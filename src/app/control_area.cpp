#include "app/control_area.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVariant>
#include <string_view>

#include "app/colour_square.h"
#include "app/editor_document.h"
#include "app/keyboard_cursor.h"
#include "app/picture_surface.h"
#include "app/tool_manager.h"
#include "app/window_fonts.h"
#include "edit/tile_placement.h"
#include "gfx/cell_redraw.h"
#include "gfx/tile_redraw.h"
#include "gfx/views.h"
#include "palette/palette_edit.h"

namespace pelmora::app {
namespace {

const char* const kBaseGeometry = "pelmoraBaseGeometry";
const char* const kBaseFontSize = "pelmoraBaseFontSize";

QRect scaledRect(const QRect& rect, int zoom) {
  return {rect.topLeft() * zoom, rect.size() * zoom};
}

}  // namespace

ControlArea::ControlArea(EditorDocument& document, ActionRegistry& actions, ToolManager& tools,
                         QWidget* parent)
    : QWidget(parent), document_(document), actions_(actions) {
  setObjectName(QStringLiteral("controlArea"));
  setFixedSize(kWidth, kHeight);
  setFont(windowFont());
  buildControls(actions);
  for (const int nameTable : {0, 2}) {
    tools.attachScreen(screenView(nameTable), nameTable);
    tools.attachAttributes(attributes_[nameTable / 2], nameTable);
  }
  installMarks();
  installReadouts(tools);
  auto* cursor = new KeyboardCursor(document, tools, this);
  cursor->attach(screens_[0], attributes_[0], screens_[1], attributes_[1]);
  connectDocument();
  connect(&tools, &ToolManager::toolChosen, this, &ControlArea::showToolMarks);
  redrawAll();
  showFile();
}

// The controls go while the surfaces they show are still there (QWidget would delete them only
// after this class's members).
ControlArea::~ControlArea() {
  const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  qDeleteAll(controls);
}

PictureSurface* ControlArea::screenView(int nameTable) const {
  return screens_[nameTable == 0 ? 0 : 1];
}

void ControlArea::connectDocument() {
  connect(&document_, &EditorDocument::changed, this, &ControlArea::showChange);
  connect(&document_, &EditorDocument::cellsChanged, this,
          [this](int nameTable, const std::vector<CellPosition>& cells) {
            redrawScreenCells(views_, nameTable, cells, document_.state(), document_.colours());
          });
  connect(&document_, &EditorDocument::quadrantsChanged, this,
          [this](int nameTable, const std::vector<CellPosition>& quadrants) {
            redrawAttributeQuadrants(views_, nameTable, quadrants, document_.state(),
                                     document_.colours());
          });
  connect(&document_, &EditorDocument::tileChanged, this, [this](std::uint8_t tile) {
    redrawTile(views_, document_.state(), tile, document_.colours());
    if (sheetInCellPalette_) showSheetPalette();
  });
  connect(&document_, &EditorDocument::drawingPaletteChanged, this, [this] {
    if (sheetInCellPalette_) showSheetPalette();
  });
  connect(&document_, &EditorDocument::quadrantsChanged, this, [this] {
    if (sheetInCellPalette_) showSheetPalette();
  });
  connect(&document_, &EditorDocument::previewed, this, &ControlArea::showState);
  connect(&document_, &EditorDocument::selectedTileChanged, this, &ControlArea::showSelectedTile);
  connect(&document_, &EditorDocument::selectionChanged, this, &ControlArea::showSelection);
  connect(&document_, &EditorDocument::fileChanged, this, &ControlArea::showFile);
}

// Name table bytes show only on the screen and attribute views; everything the colours or the
// tiles come from shows everywhere, and a changed image means a re-imported screen.
void ControlArea::showChange(PartSet parts) {
  const bool everything = parts.empty() || parts.touchesViewPalette() ||
                          parts.contains(StatePart::kTileSheet) ||
                          parts.contains(StatePart::kCoinPalette) ||
                          parts.contains(StatePart::kRomBody) ||
                          parts.contains(StatePart::kRomHeader);
  if (everything) {
    redrawAll();
    return;
  }
  const EditorState& state = document_.state();
  if (parts.contains(StatePart::kPpuImage)) {
    redrawNameTableView(views_, 0, state, document_.colours());
    redrawAttributeView(views_, state, document_.colours());
    redrawNameTableView(views_, 2, state, document_.colours());
    if (sheetInCellPalette_) showSheetPalette();  // the followed cell's palette may differ
  }
  if (parts.contains(StatePart::kCoinEnabled)) coinBox_->setChecked(state.coinEnabled);
}

void ControlArea::redrawAll() {
  showState(document_.state());
  coinBox_->setChecked(document_.state().coinEnabled);
  showSelectedTile();
}

// The views and squares as `state` would show them: the document's, or a colour being tried.
void ControlArea::showState(const EditorState& state) {
  const ColourTables& colours = document_.colours();
  redrawViews(views_, state, colours);
  if (sheetInCellPalette_) {
    drawTileSheet(views_.PAT0, state.tileSheet, state.viewPalette,
                  static_cast<std::uint8_t>(document_.drawingPalette().palette), kTileSheetScale,
                  colours);
  }
  copyTilePreview(views_.PAT0, state.selectedTile, views_.picSelTile);
  const auto show = [&colours](const std::vector<ColourSquare*>& squares, const auto& values) {
    for (std::size_t i = 0; i < squares.size(); ++i) {
      squares[i]->showColour(QString::fromStdString(paletteCaption(values[i])),
                             toQColor(colours.lookup(values[i])), lightCaption(values[i]));
    }
  };
  show(romSquares_, state.romPalette);
  show(setSquares_, state.bkgPalettes);
  show(coinSquares_, state.coinPalette);
}

void ControlArea::showSelectedTile() {
  const std::uint8_t tile = document_.state().selectedTile;
  tileId_->setText(QString::fromStdString(tileIdCaption(tile)));
  copyTilePreview(views_.PAT0, tile, views_.picSelTile);
  tileSheet_->update();  // the frame around the selected tile or block moves
}

// Open: the controls work once a document is open, and the first attribute option is chosen.
void ControlArea::showFile() {
  const bool loaded = document_.loaded();
  for (QWidget* control : {static_cast<QWidget*>(cmdChangePal_), attributeFrame_, paletteFrame_})
    control->setEnabled(loaded);
  for (PictureSurface* view : {screens_[0], screens_[1], attributes_[0], attributes_[1], tileSheet_})
    view->setEnabled(loaded);
  cmdSaveFile_->setEnabled(loaded);
  if (loaded) attributeOptions_[0]->setChecked(true);
}

void ControlArea::setSheetInCellPalette(bool shown) {
  sheetInCellPalette_ = shown;
  redrawAll();
}

// The tile sheet drawn again in the palette the Tile Editor draws in.
void ControlArea::showSheetPalette() {
  const EditorState& state = document_.state();
  drawTileSheet(views_.PAT0, state.tileSheet, state.viewPalette,
                static_cast<std::uint8_t>(document_.drawingPalette().palette), kTileSheetScale,
                document_.colours());
  copyTilePreview(views_.PAT0, state.selectedTile, views_.picSelTile);
}

// The attribute grid shows on the screens while the attribute tool works there.
void ControlArea::showToolMarks(Tool* tool) {
  const bool shown = tool && std::string_view(tool->action().id) == "actionAttributeTool";
  if (shown == attributeGridShown_) return;
  attributeGridShown_ = shown;
  for (PictureSurface* view : screens_) view->refreshFixedOverlays();
}

void ControlArea::showSelection() {
  const std::optional<CellSelection>& selection = document_.selection();
  if (shownSelection_) screenView(shownSelection_->nameTable)->update();
  shownSelection_ = selection;
  if (selection) screenView(selection->nameTable)->update();
}

// Nothing changes at the zoom already shown (start-up at 1x touches no control).
void ControlArea::setZoom(int zoom) {
  if (zoom == zoom_) return;
  rememberBase(this);
  const QList<QWidget*> children = findChildren<QWidget*>();
  for (QWidget* child : children) rememberBase(child);
  zoom_ = zoom;
  setFixedSize(QSize(kWidth, kHeight) * zoom);
  scaleWidget(this);
  for (QWidget* child : children) scaleWidget(child);
}

// The first time a widget is scaled, its place, size and font at 1x are kept with it.
void ControlArea::rememberBase(QWidget* widget) {
  if (widget->property(kBaseGeometry).isValid()) return;
  widget->setProperty(kBaseGeometry, widget->geometry());
  if (widget == this || widget->testAttribute(Qt::WA_SetFont))
    widget->setProperty(kBaseFontSize, widget->font().pointSizeF());
}

void ControlArea::scaleWidget(QWidget* widget) const {
  const QVariant fontSize = widget->property(kBaseFontSize);
  if (fontSize.isValid() && fontSize.toDouble() > 0) {
    QFont font = widget->font();
    font.setPointSizeF(fontSize.toDouble() * zoom_);
    widget->setFont(font);
  }
  if (widget == this) return;
  const QRect base = widget->property(kBaseGeometry).toRect();
  if (auto* view = qobject_cast<PictureSurface*>(widget)) {
    view->setZoom(zoom_);
    view->move(base.topLeft() * zoom_);
    return;
  }
  widget->setGeometry(scaledRect(base, zoom_));
}

}  // namespace pelmora::app
