// Builds the control area's controls at their places and sizes at 1x and connects each
// control's events to one core call, one command or one action.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/action_registry.h"
#include "app/colour_square.h"
#include "app/control_area.h"
#include "app/picture_surface.h"
#include "app/window_fonts.h"
#include "edit/attribute_edit.h"
#include "edit/single_edits.h"
#include "edit/tile_placement.h"
#include "palette/palette_edit.h"

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
  button->setAccessibleName(toolTip);
  button->setFont(controlFont());
  return button;
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

void ControlArea::buildControls(ActionRegistry& actions) {
  buildFileButtons(actions);
  buildViews();
  tileId_ = named(new QLabel(QStringLiteral("00"), this), QStringLiteral("lblTileID"));
  tileId_->setGeometry(560, 304, 17, 17);
  buildAttributeControls();
  buildPaletteFrame();
  buildMarks();
}

// The buttons run the menu's actions.
void ControlArea::buildFileButtons(ActionRegistry& actions) {
  const auto button = [&](int x, const char* icon, const QString& tip, const char* name,
                          const char* action) {
    QPushButton* made =
        named(pictureButton(this, x, QLatin1String(icon), tip), QLatin1String(name));
    connect(made, &QPushButton::clicked, actions.find(QLatin1String(action)), &QAction::trigger);
    return made;
  };
  button(16, ":/icons/open.png", tr("Open File"), "cmdOpenFile", "actionOpen");
  cmdSaveFile_ = button(48, ":/icons/save.png", tr("Save File"), "cmdSaveFile", "actionSave");
  button(80, ":/icons/exit.png", tr("Exit Program"), "cmdExitApp", "actionExit");
  cmdChangePal_ = named(new QPushButton(QStringLiteral("P"), this), QStringLiteral("cmdChangePal"));
  cmdChangePal_->setGeometry(120, 8, kButtonSize, kButtonSize);
  cmdChangePal_->setFont(controlFont());
  cmdChangePal_->setAccessibleName(tr("Next palette set"));
  connect(cmdChangePal_, &QPushButton::clicked, actions.find(QStringLiteral("actionNextPaletteSet")),
          &QAction::trigger);
}

void ControlArea::buildViews() {
  const auto place = [this](Surface& surface, int x, int y, const char* name) {
    auto* view = new PictureSurface(surface, this);
    view->setObjectName(QLatin1String(name));
    view->move(x, y);
    view->setFont(controlFont());
    return view;
  };
  screens_[0] = place(views_.NAT0, 16, 40, "NAT0");
  screens_[1] = place(views_.NAT1, 16, 280, "NAT1");
  attributes_[0] = place(views_.ATT0, 280, 40, "ATT0");
  attributes_[1] = place(views_.ATT1, 280, 280, "ATT1");
  tileSheet_ = place(views_.PAT0, 560, 40, "PAT0");
  selectedTile_ = place(views_.picSelTile, 576, 300, "picSelTile");
  const std::pair<PictureSurface*, QString> names[] = {
      {tileSheet_, tr("Tile sheet")}, {selectedTile_, tr("Selected tile")}};
  for (const auto& [view, name] : names) view->setAccessibleName(name);
  tileSheet_->setAccessibleDescription(tr("Press a tile to choose the tile to place."));
  tileSheet_->setPressHandler([this](int, int, float x, float y) {
    if (chooseTile(document_.state(), x, y)) document_.selectTile(document_.state().selectedTile);
  });
}

void ControlArea::buildAttributeControls() {
  attributeFrame_ = named(captionlessFrame(this, QRect(624, 296, 193, 32)),
                          QStringLiteral("fraAttSel"));
  for (int i = 0; i < 4; ++i) {
    auto* option =
        named(new QRadioButton(attributeFrame_), QStringLiteral("optAttSel%1").arg(i));
    option->setGeometry(24 + 40 * i, 11, 25, 17);
    option->setAutoFillBackground(true);
    option->setAccessibleName(tr("Attribute palette %1").arg(i));
    connect(option, &QRadioButton::clicked, this,
            [this, i] { selectAttributePalette(document_.state(), i); });
    attributeOptions_[static_cast<std::size_t>(i)] = option;
  }
  attributeOptions_[0]->setChecked(true);
  const ColourTables& colours = document_.colours();
  for (std::size_t i = 0; i < attributeOptions_.size(); ++i) {
    QPalette shown = attributeOptions_[i]->palette();
    shown.setColor(attributeOptions_[i]->backgroundRole(), toQColor(colours.attributeColours[i]));
    attributeOptions_[i]->setPalette(shown);
  }
}

void ControlArea::buildPaletteFrame() {
  paletteFrame_ = named(captionlessFrame(this, QRect(544, 336, 273, 209)),
                        QStringLiteral("fraPalEdit"));
  const QFont captionFont = squareCaptionFont();
  const auto square = [&](const char* array, int index, int x, int y, std::uint8_t target,
                          bool singleClick, std::vector<ColourSquare*>& row) {
    auto* made = named(new ColourSquare(paletteFrame_), memberName(array, index));
    made->setRole(target == kTargetRomPalette ? tr("ROM palette entry %1").arg(index)
                  : target == kTargetCoinPalette
                      ? tr("Coin palette entry %1").arg(index)
                      : tr("Background set %1, entry %2")
                            .arg(index / static_cast<int>(kBackgroundSetEntries))
                            .arg(index % static_cast<int>(kBackgroundSetEntries)));
    made->setGeometry(x, y, kSquareSize, kSquareSize);
    made->setFont(captionFont);
    connect(made, singleClick ? &ColourSquare::clicked : &ColourSquare::doubleClicked, this,
            [this, target, index] { emit colourSquareOpened(target, index); });
    row.push_back(made);
  };
  for (int i = 0; i < static_cast<int>(kPaletteEntries); ++i)
    square("lbl_bkgpal0", i, 8 + 16 * (i % 16), 16 + 16 * (i / 16), kTargetRomPalette, false,
           romSquares_);
  named(horizontalLine(paletteFrame_, 8, 264, 56), QStringLiteral("Line2"));
  for (int i = 0; i < static_cast<int>(kBackgroundSets * kBackgroundSetEntries); ++i)
    square("lbl_bkgpalAlt", i, 8 + 16 * (i % 16), 64 + 24 * (i / 16), kTargetBackgroundSets,
           false, setSquares_);
  auto* coinLabel = named(new QLabel(tr("coin:"), paletteFrame_), QStringLiteral("Label1"));
  coinLabel->setGeometry(16, 186, 41, 17);
  coinBox_ = named(new QCheckBox(paletteFrame_), QStringLiteral("chkEnableCoin"));
  coinBox_->setGeometry(72, 184, 17, 17);
  coinBox_->setAccessibleName(tr("Coin enabled"));
  // The flag takes effect at the next save; nothing shows it but the box itself.
  connect(coinBox_, &QCheckBox::clicked, this, [this] {
    document_.perform(switchCoinCommand(document_.state(), coinBox_->isChecked()));
  });
  for (int i = 0; i < static_cast<int>(kCoinEntries); ++i)
    square("lbl_coinpal", i, 104 + 24 * i, 184, kTargetCoinPalette, true, coinSquares_);
}

// Ticks beside the screens: rows 0 and 192 of the first, rows 192 and 240 of the second.
void ControlArea::buildMarks() {
  const std::array<int, 4> rows = {40, 232, 472, 520};
  for (std::size_t i = 0; i < rows.size(); ++i)
    named(horizontalLine(this, 8, 16, rows[i]), memberName("Line1", static_cast<int>(i)));
}

}  // namespace pelmora::app
