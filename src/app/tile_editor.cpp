#include "app/tile_editor.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "app/editor_document.h"
#include "app/tile_pixel_canvas.h"
#include "edit/tile_edit_command.h"
#include "edit/tile_placement.h"
#include "picture/tile_sheet_picture.h"

namespace pelmora::app {
namespace {

constexpr int kSwatchSize = 32;

QColor colourOf(std::uint32_t rgb) {
  return QColor(static_cast<int>(rgb & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
                static_cast<int>((rgb >> 16) & 0xFFu));
}

QToolButton* operationButton(const QString& text, const QString& name, const QString& toolTip) {
  auto* button = new QToolButton;
  button->setText(text);
  button->setObjectName(name);
  button->setToolTip(toolTip);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return button;
}

}  // namespace

TileEditor::TileEditor(EditorDocument& document, QWidget* parent)
    : QDockWidget(tr("Tile Editor"), parent), document_(document) {
  setObjectName(QStringLiteral("tileEditor"));
  auto* area = new QWidget(this);
  auto* layout = new QVBoxLayout(area);
  tileCaption_ = new QLabel(area);
  tileCaption_->setObjectName(QStringLiteral("lblEditedTile"));
  layout->addWidget(tileCaption_, 0, Qt::AlignHCenter);
  canvas_ = new TilePixelCanvas(area);
  canvas_->setObjectName(QStringLiteral("tilePixelCanvas"));
  layout->addWidget(canvas_, 0, Qt::AlignHCenter);
  layout->addLayout(buildSwatches(area));
  layout->addWidget(buildOperations());
  layout->addStretch(1);
  setWidget(area);
  connect(canvas_, &TilePixelCanvas::pressed, this, &TileEditor::pressPixel);
  connect(canvas_, &TilePixelCanvas::dragged, this, &TileEditor::dragTo);
  connect(canvas_, &TilePixelCanvas::released, this, &TileEditor::finishStroke);
  chooseValue(currentValue_);
  connect(&document, &EditorDocument::selectedTileChanged, this, &TileEditor::refresh);
  connect(&document, &EditorDocument::historyChanged, this, &TileEditor::refresh);
  connect(&document, &EditorDocument::changed, this, &TileEditor::refresh);
}

// The swatches show the four colours of the palette shown; keys 1-4 choose them wherever the
// window has the focus while the dock is shown.
QHBoxLayout* TileEditor::buildSwatches(QWidget* area) {
  auto* row = new QHBoxLayout;
  for (int value = 0; value < 4; ++value) {
    auto* swatch = new QToolButton(area);
    swatch->setObjectName(QStringLiteral("tileSwatch%1").arg(value + 1));
    swatch->setCheckable(true);
    swatch->setAutoExclusive(true);
    swatch->setFixedSize(kSwatchSize, kSwatchSize);
    swatch->setToolTip(tr("Colour value %1 (key %2)").arg(value).arg(value + 1));
    connect(swatch, &QToolButton::clicked, this, [this, value] { chooseValue(value); });
    swatches_[static_cast<std::size_t>(value)] = swatch;
    row->addWidget(swatch);

    auto* key = new QAction(tr("Tile Colour Value %1").arg(value), this);
    key->setObjectName(QStringLiteral("actionTileValue%1").arg(value + 1));
    key->setShortcut(QKeySequence(Qt::Key_1 + value));
    key->setShortcutContext(Qt::WindowShortcut);
    connect(key, &QAction::triggered, this, [this, value] { chooseValue(value); });
    addAction(key);
  }
  return row;
}

QWidget* TileEditor::buildOperations() {
  auto* operations = new QWidget;
  auto* grid = new QGridLayout(operations);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto add = [&](const QString& text, const QString& name, const QString& tip, int cell,
                       void (TileEditor::*slot)()) {
    QToolButton* button = operationButton(text, name, tip);
    connect(button, &QToolButton::clicked, this, slot);
    grid->addWidget(button, cell / 2, cell % 2);
    return button;
  };
  add(tr("Flip ↔"), QStringLiteral("cmdFlipTileH"),
      tr("Flip the tile horizontally"), 0, &TileEditor::flipHorizontally);
  add(tr("Flip ↕"), QStringLiteral("cmdFlipTileV"),
      tr("Flip the tile vertically"), 1, &TileEditor::flipVertically);
  add(tr("Rotate ↻"), QStringLiteral("cmdRotateTile"),
      tr("Rotate the tile a quarter turn to the right"), 2, &TileEditor::rotate);
  add(tr("Clear"), QStringLiteral("cmdClearTile"),
      tr("Set every pixel of the tile to colour value 0"), 3, &TileEditor::clear);
  add(tr("Copy Tile"), QStringLiteral("cmdCopyTile"),
      tr("Remember the tile's pixels"), 4, &TileEditor::copyTile);
  pasteButton_ = add(tr("Paste Tile"), QStringLiteral("cmdPasteTile"),
                     tr("Put the pixels last copied into the selected tile"), 5,
                     &TileEditor::pasteTile);
  pasteButton_->setEnabled(false);
  return operations;
}

std::uint8_t TileEditor::tile() const {
  return document_.state().selectedTile;
}

TilePixels TileEditor::documentPixels() const {
  return tilePixels(document_.state().tileSheet, tile());
}

void TileEditor::showEvent(QShowEvent* event) {
  QDockWidget::showEvent(event);
  refresh();
}

void TileEditor::refresh() {
  if (!isVisible()) return;
  const EditorState& state = document_.state();
  const std::array<std::uint32_t, 4> rgb = shownPaletteColours(state, document_.colours());
  for (std::size_t i = 0; i < colours_.size(); ++i) {
    const QColor colour = colourOf(rgb[i]);
    if (colour == colours_[i] && !swatches_[i]->styleSheet().isEmpty()) continue;
    colours_[i] = colour;
    swatches_[i]->setStyleSheet(
        QStringLiteral("QToolButton { background: %1; border: 1px solid gray; }"
                       "QToolButton:checked { border: 3px solid palette(highlight); }")
            .arg(colour.name()));
  }
  canvas_->showPixels(documentPixels(), colours_);
  tileCaption_->setText(
      tr("Tile $%1").arg(QString::fromStdString(tileIdCaption(state.selectedTile))));
  widget()->setEnabled(document_.loaded());
}

void TileEditor::chooseValue(int value) {
  currentValue_ = std::clamp(value, 0, 3);
  swatches_[static_cast<std::size_t>(currentValue_)]->setChecked(true);
}

void TileEditor::pressPixel(Qt::MouseButton button, QPoint pixel) {
  if (!document_.loaded()) return;
  if (button == Qt::RightButton) {
    chooseValue(pixelAt(documentPixels(), pixel.x(), pixel.y()));
    return;
  }
  if (button != Qt::LeftButton) return;
  stroke_ = Stroke{tile(), documentPixels(), pixel};
  // Undo and redo wait for the drag: the history must not change under a stroke it has not
  // been given yet.
  document_.setEditUnderWay(true);
  paintLineTo(pixel);
}

void TileEditor::dragTo(QPoint pixel) {
  if (stroke_ && pixel != stroke_->last) paintLineTo(pixel);
}

// Paints every tile pixel on the line from the last pixel painted to `pixel` straight into the
// document, so the views follow the pointer; the history gets the drag when it ends.
void TileEditor::paintLineTo(QPoint pixel) {
  const QPoint from = stroke_->last;
  const int steps = std::max(std::abs(pixel.x() - from.x()), std::abs(pixel.y() - from.y()));
  TilePixels pixels = documentPixels();
  for (int i = 0; i <= steps; ++i) {
    const int x = steps == 0 ? pixel.x() : from.x() + (pixel.x() - from.x()) * i / steps;
    const int y = steps == 0 ? pixel.y() : from.y() + (pixel.y() - from.y()) * i / steps;
    pixels = withPixel(pixels, x, y, static_cast<std::uint8_t>(currentValue_));
  }
  stroke_->last = pixel;
  if (!setTilePixels(document_.state().tileSheet, stroke_->tile, pixels)) return;
  document_.announceTile(stroke_->tile);
  canvas_->showPixels(pixels, colours_);
}

void TileEditor::finishStroke() {
  if (!stroke_) return;
  const Stroke stroke = *stroke_;
  stroke_.reset();
  EditCommand command = tileEditCommand(
      stroke.tile, stroke.before, tilePixels(document_.state().tileSheet, stroke.tile));
  document_.setEditUnderWay(false);
  if (command.empty()) return;
  document_.recordPerformed(std::move(command));
  emit tileEdited();
}

// One step of the history from the tile as it is to `pixels`.
void TileEditor::replaceTile(const TilePixels& pixels) {
  if (!document_.loaded()) return;
  EditCommand command = tileEditCommand(tile(), documentPixels(), pixels);
  if (command.empty()) return;
  document_.perform(std::move(command));
  emit tileEdited();
  refresh();
}

void TileEditor::flipHorizontally() {
  replaceTile(flippedHorizontally(documentPixels()));
}

void TileEditor::flipVertically() {
  replaceTile(flippedVertically(documentPixels()));
}

void TileEditor::rotate() {
  replaceTile(rotatedClockwise(documentPixels()));
}

void TileEditor::clear() {
  replaceTile(clearedTile());
}

void TileEditor::copyTile() {
  copied_ = documentPixels();
  pasteButton_->setEnabled(true);
}

void TileEditor::pasteTile() {
  if (copied_) replaceTile(*copied_);
}

}  // namespace pelmora::app
