#include "app/palette_selector.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

#include "app/colour_square.h"
#include "app/window_fonts.h"
#include "app/window_title.h"
#include "gfx/master_palette.h"
#include "palette/palette_edit.h"

namespace pelmora::app {
namespace {

constexpr int kClientWidth = 398;
constexpr int kClientHeight = 111;
constexpr int kSquareSize = 17;
constexpr int kSquarePitch = 24;  // 7 pixels between squares
constexpr int kGridOrigin = 10;
constexpr int kSelectorSize = 23;  // 3 pixels beyond the square on every side
constexpr int kSelectorBorder = 3;

QPoint squarePosition(int index) {
  return {kGridOrigin + kSquarePitch * (index % 16), kGridOrigin + kSquarePitch * (index / 16)};
}

}  // namespace

// A small fixed window of its own with only a close button: closing it is the confirmation.
PaletteSelector::PaletteSelector(ColourHandler exitHandler, ColourHandler previewHandler,
                                 std::function<void()> cancelHandler)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      exitHandler_(std::move(exitHandler)),
      previewHandler_(std::move(previewHandler)),
      cancelHandler_(std::move(cancelHandler)) {
  setObjectName(QStringLiteral("frmPalSelect"));
  setFixedSize(kClientWidth, kClientHeight);
  buildMasterPalette(PpuRegisters{}, colours_);
  setFont(windowFont());

  // The grey mark lies beneath the squares and shows as a frame around the chosen one.
  lblSelector = new QLabel(this);
  lblSelector->setObjectName(QStringLiteral("lblSelector"));
  lblSelector->setAutoFillBackground(true);
  QPalette grey = lblSelector->palette();
  grey.setColor(QPalette::Window, QColor(128, 128, 128));
  lblSelector->setPalette(grey);
  lblSelector->setGeometry(8, 8, kSelectorSize, kSelectorSize);

  const QFont captionFont = squareCaptionFont();
  for (int i = 0; i < kColourCount; ++i) {
    auto* square = new ColourSquare(this);
    square->setObjectName(QStringLiteral("lblnespal_%1").arg(i));
    square->setFont(captionFont);
    square->setRole(tr("Master palette colour %1").arg(i));
    square->setGeometry(QRect(squarePosition(i), QSize(kSquareSize, kSquareSize)));
    connect(square, &ColourSquare::clicked, this, [this, i] { chooseColour(i); });
    connect(square, &ColourSquare::doubleClicked, this, [this, i] {
      chooseColour(i);
      close();
    });
    lblnespal[i] = square;
  }
}

void PaletteSelector::setColours(const ColourTables& colours) {
  colours_ = colours;
  paintColourGrid();
}

void PaletteSelector::openWithColour(std::uint8_t colour) {
  if (!loaded_) {
    setWindowTitle(app::windowTitle());
    loaded_ = true;
  }
  selectedColor_ = colour & 0x3F;  // bytes from 64 up fold into 0-63
  openingColor_ = selectedColor_;
  paintColourGrid();
  markColour(selectedColor_);
  show();
  raise();
  activateWindow();
}

void PaletteSelector::chooseColour(int index) {
  if (index < 0 || index >= kColourCount) return;
  markColour(index);
  if (previewHandler_ && loaded_) previewHandler_(selectedColor_);
}

void PaletteSelector::cancel() {
  if (loaded_) {
    loaded_ = false;
    markColour(openingColor_);
    if (cancelHandler_) cancelHandler_();
  }
  close();
}

void PaletteSelector::handBackColour() {
  if (!loaded_) return;
  loaded_ = false;
  if (exitHandler_) exitHandler_(selectedColor_);
}

void PaletteSelector::paintColourGrid() {
  for (int i = 0; i < kColourCount; ++i) {
    const auto colour = static_cast<std::uint8_t>(i);
    lblnespal[i]->showColour(QString::fromStdString(selectorCaption(colour)),
                             toQColor(colours_.lookup(colour)), darkColorSet(colour));
  }
}

void PaletteSelector::markColour(int index) {
  selectedColor_ = static_cast<std::uint8_t>(index);
  const QPoint square = lblnespal[index]->pos();
  lblSelector->setGeometry(square.x() - kSelectorBorder, square.y() - kSelectorBorder,
                           kSelectorSize, kSelectorSize);
}

// Every closing of a loaded window, by its close button, a key, a double click or by the main
// window on its way out, hands the marked colour back exactly once.
void PaletteSelector::closeEvent(QCloseEvent* event) {
  handBackColour();
  event->accept();
}

// Enter closes the window, and closing hands the marked colour back; Escape cancels.
void PaletteSelector::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      close();
      return;
    case Qt::Key_Escape:
      cancel();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace pelmora::app
