#include "palette/window/frm_pal_select.h"

#include <QCloseEvent>
#include <QLabel>

#include "app/window_fonts.h"
#include "app/window_title.h"
#include "gfx/master_palette.h"
#include "palette/palette_edit.h"
#include "palette/window/colour_square.h"

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
frmPalSelect::frmPalSelect(ExitHandler exitHandler)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      exitHandler_(std::move(exitHandler)) {
  setFixedSize(kClientWidth, kClientHeight);
  setFont(windowFont());

  // The grey mark lies beneath the squares and shows as a frame around the chosen one.
  lblSelector = new QLabel(this);
  lblSelector->setAutoFillBackground(true);
  QPalette grey = lblSelector->palette();
  grey.setColor(QPalette::Window, QColor(128, 128, 128));
  lblSelector->setPalette(grey);
  lblSelector->setGeometry(8, 8, kSelectorSize, kSelectorSize);

  const QFont captionFont = squareCaptionFont();
  for (int i = 0; i < kColourCount; ++i) {
    auto* square = new ColourSquare(this);
    square->setFont(captionFont);
    square->setGeometry(QRect(squarePosition(i), QSize(kSquareSize, kSquareSize)));
    connect(square, &ColourSquare::clicked, this, [this, i] { lblnespal_Click(i); });
    lblnespal[i] = square;
  }
}

void frmPalSelect::initWindow(std::uint8_t palID) {
  if (!loaded_) Form_Load();
  selectedColor_ = palID & 0x3F;  // bytes from 64 up fold into 0-63
  paintColorGrid();
  selectColor(selectedColor_);
  show();
  raise();
  activateWindow();
}

void frmPalSelect::lblnespal_Click(int index) {
  selectColor(index);
}

void frmPalSelect::Form_Load() {
  setWindowTitle(app::windowTitle());
  loaded_ = true;
}

void frmPalSelect::Form_Unload() {
  if (!loaded_) return;
  loaded_ = false;
  if (exitHandler_) exitHandler_(selectedColor_);
}

void frmPalSelect::paintColorGrid() {
  for (int i = 0; i < kColourCount; ++i) {
    const auto colour = static_cast<std::uint8_t>(i);
    lblnespal[i]->showColour(QString::fromStdString(selectorCaption(colour)),
                             toQColor(nesColourToRgb(colour, false, 0)), darkColorSet(colour));
  }
}

void frmPalSelect::selectColor(int index) {
  if (index < 0 || index >= kColourCount) return;
  selectedColor_ = static_cast<std::uint8_t>(index);
  const QPoint square = lblnespal[index]->pos();
  lblSelector->setGeometry(square.x() - kSelectorBorder, square.y() - kSelectorBorder,
                           kSelectorSize, kSelectorSize);
}

// Every closing of a loaded window, by its close button or by the main window on its way out,
// hands the marked colour back exactly once.
void frmPalSelect::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

}  // namespace pelmora::app
