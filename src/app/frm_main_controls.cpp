// Builds the main window's controls at their places and sizes in the client area and connects
// each control's events to the handler named after it.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "app/frm_main.h"
#include "app/picture_surface.h"
#include "app/window_fonts.h"
#include "palette/window/colour_square.h"

namespace pelmora::app {
namespace {

constexpr int kButtonSize = 25;
constexpr int kIconSize = 24;
constexpr int kSquareSize = 16;

QPushButton* pictureButton(QWidget* parent, int x, QStyle::StandardPixmap picture,
                           const QString& toolTip) {
  auto* button = new QPushButton(parent);
  button->setGeometry(x, 8, kButtonSize, kButtonSize);
  button->setIcon(parent->style()->standardIcon(picture));
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

void frmMain::buildControls() {
  setFixedSize(kClientWidth, kClientHeight);
  setFont(windowFont());
  buildFileButtons();
  buildViews();
  buildTileControls();
  buildAttributeControls();
  buildPaletteFrame();
  buildMarks();
}

void frmMain::buildFileButtons() {
  cmdOpenFile = pictureButton(this, 16, QStyle::SP_DialogOpenButton, QStringLiteral("Open File"));
  cmdSaveFile = pictureButton(this, 48, QStyle::SP_DialogSaveButton, QStringLiteral("Save File"));
  cmdSaveFile->setEnabled(false);
  cmdExitApp =
      pictureButton(this, 80, QStyle::SP_DialogCloseButton, QStringLiteral("Exit Program"));
  cmdChangePal = new QPushButton(QStringLiteral("P"), this);
  cmdChangePal->setGeometry(120, 8, kButtonSize, kButtonSize);
  cmdChangePal->setFont(controlFont());

  connect(cmdOpenFile, &QPushButton::clicked, this, [this] { cmdOpenFile_Click(); });
  connect(cmdSaveFile, &QPushButton::clicked, this, [this] { cmdSaveFile_Click(); });
  connect(cmdExitApp, &QPushButton::clicked, this, [this] { cmdExitApp_Click(); });
  connect(cmdChangePal, &QPushButton::clicked, this, [this] { cmdChangePal_Click(); });
}

void frmMain::buildViews() {
  const auto place = [this](Surface& surface, int x, int y) {
    auto* view = new PictureSurface(surface, this);
    view->move(x, y);
    view->setFont(controlFont());
    return view;
  };
  NAT0 = place(views_.NAT0, 16, 40);
  NAT1 = place(views_.NAT1, 16, 280);
  ATT0 = place(views_.ATT0, 280, 40);
  ATT1 = place(views_.ATT1, 280, 280);
  PAT0 = place(views_.PAT0, 560, 40);
  picSelTile = place(views_.picSelTile, 576, 300);

  using namespace std::placeholders;
  NAT0->setPressHandler(std::bind(&frmMain::NAT0_MouseDown, this, _1, _2, _3, _4));
  NAT1->setPressHandler(std::bind(&frmMain::NAT1_MouseDown, this, _1, _2, _3, _4));
  ATT0->setPressHandler(std::bind(&frmMain::ATT0_MouseDown, this, _1, _2, _3, _4));
  ATT1->setPressHandler(std::bind(&frmMain::ATT1_MouseDown, this, _1, _2, _3, _4));
  PAT0->setPressHandler(std::bind(&frmMain::PAT0_MouseDown, this, _1, _2, _3, _4));
}

void frmMain::buildTileControls() {
  lblTileID = new QLabel(QStringLiteral("00"), this);
  lblTileID->setGeometry(560, 304, 17, 17);
}

void frmMain::buildAttributeControls() {
  fraAttSel = captionlessFrame(this, QRect(624, 296, 193, 32));
  for (int i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(fraAttSel);
    option->setGeometry(24 + 40 * i, 11, 25, 17);
    option->setAutoFillBackground(true);
    connect(option, &QRadioButton::clicked, this, [this, i] { optAttSel_Click(i); });
    optAttSel[i] = option;
  }
  optAttSel[0]->setChecked(true);
}

void frmMain::buildPaletteFrame() {
  fraPalEdit = captionlessFrame(this, QRect(544, 336, 273, 209));
  const QFont captionFont = squareCaptionFont();
  for (int i = 0; i < static_cast<int>(lbl_bkgpal0.size()); ++i) {
    lbl_bkgpal0[i] = paletteSquare(fraPalEdit, 8 + 16 * (i % 16), 16 + 16 * (i / 16), captionFont);
    connect(lbl_bkgpal0[i], &ColourSquare::doubleClicked, this,
            [this, i] { lbl_bkgpal0_DblClick(i); });
  }
  Line2 = horizontalLine(fraPalEdit, 8, 264, 56);
  for (int i = 0; i < static_cast<int>(lbl_bkgpalAlt.size()); ++i) {
    lbl_bkgpalAlt[i] =
        paletteSquare(fraPalEdit, 8 + 16 * (i % 16), 64 + 24 * (i / 16), captionFont);
    connect(lbl_bkgpalAlt[i], &ColourSquare::doubleClicked, this,
            [this, i] { lbl_bkgpalAlt_DblClick(i); });
  }
  Label1 = new QLabel(QStringLiteral("coin:"), fraPalEdit);
  Label1->setGeometry(16, 186, 41, 17);
  chkEnableCoin = new QCheckBox(fraPalEdit);
  chkEnableCoin->setGeometry(72, 184, 17, 17);
  connect(chkEnableCoin, &QCheckBox::clicked, this, [this] { chkEnableCoin_Click(); });
  for (int i = 0; i < static_cast<int>(lbl_coinpal.size()); ++i) {
    lbl_coinpal[i] = paletteSquare(fraPalEdit, 104 + 24 * i, 184, captionFont);
    connect(lbl_coinpal[i], &ColourSquare::clicked, this, [this, i] { lbl_coinpal_Click(i); });
  }
}

// Ticks beside the screens: rows 0 and 192 of the first, rows 192 and 240 of the second.
void frmMain::buildMarks() {
  const std::array<int, 4> rows = {40, 232, 472, 520};
  for (std::size_t i = 0; i < rows.size(); ++i) Line1[i] = horizontalLine(this, 8, 16, rows[i]);
}

}  // namespace pelmora::app
