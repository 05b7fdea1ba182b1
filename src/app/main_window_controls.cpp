// Builds the control area's controls at their places and sizes at 1x and connects each
// control's events to the window's command for it.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/colour_square.h"
#include "app/control_area.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "app/window_fonts.h"

namespace pelmora::app {
namespace {

constexpr int kButtonSize = 25;
constexpr int kIconSize = 24;
constexpr int kSquareSize = 16;

template <class Widget>
Widget* named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

// Members of a control array are named "<array>_<index>".
QString memberName(const char* array, int index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
}

// The pictures are the project's own, compiled in: no icon theme is looked up.
QPushButton* pictureButton(QWidget* parent, int x, const QString& picture, const QString& toolTip) {
  auto* button = new QPushButton(parent);
  button->setGeometry(x, 8, kButtonSize, kButtonSize);
  button->setIcon(QIcon(picture));
  button->setIconSize(QSize(kIconSize, kIconSize));
  button->setToolTip(toolTip);
  button->setFont(controlFont());
  return button;
}

ColourSquare* paletteSquare(QWidget* frame, int x, int y, const QFont& font) {
  auto* square = new ColourSquare(frame);
  square->setGeometry(x, y, kSquareSize, kSquareSize);
  square->setFont(font);
  return square;
}

QFrame* horizontalLine(QWidget* parent, int x1, int x2, int y) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Plain);
  line->setLineWidth(1);
  line->setGeometry(x1, y, x2 - x1, 1);
  // A line is drawing, not a control: it looks the same inside a disabled frame.
  QPalette colours = line->palette();
  colours.setColor(QPalette::Disabled, QPalette::WindowText,
                   colours.color(QPalette::Active, QPalette::WindowText));
  line->setPalette(colours);
  return line;
}

QGroupBox* captionlessFrame(QWidget* parent, const QRect& geometry) {
  auto* frame = new QGroupBox(parent);
  frame->setGeometry(geometry);
  return frame;
}

}  // namespace

void MainWindow::buildControls() {
  controlArea_->setObjectName(QStringLiteral("controlArea"));
  controlArea_->setFont(windowFont());
  buildFileButtons();
  buildViews();
  buildTileControls();
  buildAttributeControls();
  buildPaletteFrame();
  buildMarks();
}

// The buttons run the menu's actions; they are connected where the actions are made.
void MainWindow::buildFileButtons() {
  QWidget* area = controlArea_;
  cmdOpenFile = named(
      pictureButton(area, 16, QStringLiteral(":/icons/open.png"), QStringLiteral("Open File")),
      QStringLiteral("cmdOpenFile"));
  cmdSaveFile = named(
      pictureButton(area, 48, QStringLiteral(":/icons/save.png"), QStringLiteral("Save File")),
      QStringLiteral("cmdSaveFile"));
  cmdExitApp = named(
      pictureButton(area, 80, QStringLiteral(":/icons/exit.png"), QStringLiteral("Exit Program")),
      QStringLiteral("cmdExitApp"));
  cmdChangePal = named(new QPushButton(QStringLiteral("P"), area), QStringLiteral("cmdChangePal"));
  cmdChangePal->setGeometry(120, 8, kButtonSize, kButtonSize);
  cmdChangePal->setFont(controlFont());
}

void MainWindow::buildViews() {
  const auto place = [this](Surface& surface, int x, int y, const char* name) {
    auto* view = new PictureSurface(surface, controlArea_);
    view->setObjectName(QLatin1String(name));
    view->move(x, y);
    view->setFont(controlFont());
    return view;
  };
  NAT0 = place(views_.NAT0, 16, 40, "NAT0");
  NAT1 = place(views_.NAT1, 16, 280, "NAT1");
  ATT0 = place(views_.ATT0, 280, 40, "ATT0");
  ATT1 = place(views_.ATT1, 280, 280, "ATT1");
  PAT0 = place(views_.PAT0, 560, 40, "PAT0");
  picSelTile = place(views_.picSelTile, 576, 300, "picSelTile");

  using namespace std::placeholders;
  NAT0->setPressHandler(std::bind(&MainWindow::pressNameTable0, this, _1, _2, _3, _4));
  NAT1->setPressHandler(std::bind(&MainWindow::pressNameTable2, this, _1, _2, _3, _4));
  ATT0->setPressHandler(std::bind(&MainWindow::pressAttributes0, this, _1, _2, _3, _4));
  ATT1->setPressHandler(std::bind(&MainWindow::pressAttributes2, this, _1, _2, _3, _4));
  PAT0->setPressHandler(std::bind(&MainWindow::pressTileSheet, this, _1, _2, _3, _4));
}

void MainWindow::buildTileControls() {
  lblTileID = named(new QLabel(QStringLiteral("00"), controlArea_), QStringLiteral("lblTileID"));
  lblTileID->setGeometry(560, 304, 17, 17);
}

void MainWindow::buildAttributeControls() {
  fraAttSel = named(captionlessFrame(controlArea_, QRect(624, 296, 193, 32)),
                    QStringLiteral("fraAttSel"));
  for (int i = 0; i < 4; ++i) {
    auto* option = named(new QRadioButton(fraAttSel), QStringLiteral("optAttSel%1").arg(i));
    option->setGeometry(24 + 40 * i, 11, 25, 17);
    option->setAutoFillBackground(true);
    connect(option, &QRadioButton::clicked, this, [this, i] { selectAttributePalette(i); });
    optAttSel[i] = option;
  }
  optAttSel[0]->setChecked(true);
}

void MainWindow::buildPaletteFrame() {
  fraPalEdit = named(captionlessFrame(controlArea_, QRect(544, 336, 273, 209)),
                     QStringLiteral("fraPalEdit"));
  const QFont captionFont = squareCaptionFont();
  for (int i = 0; i < static_cast<int>(lbl_bkgpal0.size()); ++i) {
    lbl_bkgpal0[i] =
        named(paletteSquare(fraPalEdit, 8 + 16 * (i % 16), 16 + 16 * (i / 16), captionFont),
              memberName("lbl_bkgpal0", i));
    connect(lbl_bkgpal0[i], &ColourSquare::doubleClicked, this,
            [this, i] { editRomPaletteColour(i); });
  }
  Line2 = named(horizontalLine(fraPalEdit, 8, 264, 56), QStringLiteral("Line2"));
  for (int i = 0; i < static_cast<int>(lbl_bkgpalAlt.size()); ++i) {
    lbl_bkgpalAlt[i] =
        named(paletteSquare(fraPalEdit, 8 + 16 * (i % 16), 64 + 24 * (i / 16), captionFont),
              memberName("lbl_bkgpalAlt", i));
    connect(lbl_bkgpalAlt[i], &ColourSquare::doubleClicked, this,
            [this, i] { editBackgroundSetColour(i); });
  }
  Label1 = named(new QLabel(QStringLiteral("coin:"), fraPalEdit), QStringLiteral("Label1"));
  Label1->setGeometry(16, 186, 41, 17);
  chkEnableCoin = named(new QCheckBox(fraPalEdit), QStringLiteral("chkEnableCoin"));
  chkEnableCoin->setGeometry(72, 184, 17, 17);
  connect(chkEnableCoin, &QCheckBox::clicked, this, [this] { toggleCoin(); });
  for (int i = 0; i < static_cast<int>(lbl_coinpal.size()); ++i) {
    lbl_coinpal[i] = named(paletteSquare(fraPalEdit, 104 + 24 * i, 184, captionFont),
                           memberName("lbl_coinpal", i));
    connect(lbl_coinpal[i], &ColourSquare::clicked, this, [this, i] { editCoinColour(i); });
  }
}

// Ticks beside the screens: rows 0 and 192 of the first, rows 192 and 240 of the second.
void MainWindow::buildMarks() {
  const std::array<int, 4> rows = {40, 232, 472, 520};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Line1[i] = named(horizontalLine(controlArea_, 8, 16, rows[i]),
                     memberName("Line1", static_cast<int>(i)));
  }
}

}  // namespace pelmora::app
