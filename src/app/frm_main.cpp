#include "app/frm_main.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/picture_surface.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"
#include "edit/attribute_edit.h"
#include "edit/tile_placement.h"
#include "palette/palette_edit.h"
#include "palette/window/colour_square.h"
#include "palette/window/frm_pal_select.h"

namespace pelmora::app {
namespace {

const QString kRomFilter = QStringLiteral("NES Rom (*.nes)");
const QPoint kSelectorFirstPlace(138, 435);

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

// A fixed-size window: it can be minimised and closed, not maximised.
frmMain::frmMain(UserDialogs& dialogs)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      dialogs_(dialogs) {
  buildControls();
  Form_Load();
}

// The selector goes first, without a closing: the main window is no longer there to take its
// colour. The controls go next, while the surfaces they show are still there (QWidget would
// delete them only after this class's members).
frmMain::~frmMain() {
  palSelect_.reset();
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void frmMain::Form_Load() {
  setWindowTitle(app::windowTitle());
  openDialogFolder_ = QCoreApplication::applicationDirPath();
  buildMasterPalette(document_.state.ppuRegisters, colours_);
  initEditorState();
  redrawAll();
  setEditingEnabled(false);
}

void frmMain::initEditorState() {
  pelmora::initEditorState(document_.state);
  for (std::size_t i = 0; i < optAttSel.size(); ++i) {
    QPalette colours = optAttSel[i]->palette();
    colours.setColor(optAttSel[i]->backgroundRole(), toQColor(colours_.attributeColours[i]));
    optAttSel[i]->setPalette(colours);
  }
}

// A cancelled or failed Open leaves the document, its file and the Save command as they were.
void frmMain::cmdOpenFile_Click() {
  QString message = QStringLiteral("Error loading file!");
  const std::optional<QString> chosen = dialogs_.chooseRomFile(this, openDialogFolder_, kRomFilter);
  if (!chosen || chosen->isEmpty()) {
    message = QStringLiteral("No file loaded!");
  } else if (openDocument(document_, toPath(*chosen)).status == OpenStatus::kOpened) {
    setWindowTitle(app::windowTitle() + "[" + QFileInfo(*chosen).fileName() + "]");
    optAttSel[0]->setChecked(true);
    redrawAll();
    cmdSaveFile->setEnabled(true);
    setEditingEnabled(true);
    message = QStringLiteral("File loaded!");
  }
  dialogs_.showMessage(this, app::windowTitle(), message);
}

// Always writes the shown image to the file it was loaded from; a failed export writes nothing.
void frmMain::cmdSaveFile_Click() {
  QString message = QStringLiteral("Error saving file!");
  const SaveResult result = saveDocument(document_);
  if (result.status == SaveStatus::kSaved) message = QStringLiteral("File saved!");
  if (result.status == SaveStatus::kNoFile) message = QStringLiteral("No file loaded!");
  dialogs_.showMessage(this, app::windowTitle(), message);
}

void frmMain::cmdExitApp_Click() {
  close();
}

// However the main window closes, an open selector closes first and hands its colour back
// while the main window is still there to store it.
void frmMain::closeEvent(QCloseEvent* event) {
  closePaletteSelector();
  event->accept();
}

void frmMain::redrawAll() {
  redrawViews(views_, document_.state, colours_);
  const std::uint8_t tile = document_.state.selectedTile;
  PAT0_MouseDown(0, 0, static_cast<float>(tileSheetX(tile)), static_cast<float>(tileSheetY(tile)));
  refreshPaletteLabels();
}

void frmMain::setEditingEnabled(bool enabled) {
  const std::array<QWidget*, 8> controls = {cmdChangePal, NAT0, NAT1,      ATT0,
                                            ATT1,         PAT0, fraAttSel, fraPalEdit};
  for (QWidget* control : controls) {
    control->setEnabled(enabled);
  }
}

void frmMain::PAT0_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
  if (!chooseTile(document_.state, x, y)) return;
  lblTileID->setText(QString::fromStdString(tileIdCaption(document_.state.selectedTile)));
  copyTilePreview(views_.PAT0, document_.state.selectedTile, views_.picSelTile);
}

void frmMain::NAT0_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
  if (placeTile(document_.state, 0, x, y))
    redrawNameTableView(views_, 0, document_.state, colours_);
}

void frmMain::NAT1_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
  if (placeTile(document_.state, 2, x, y))
    redrawNameTableView(views_, 2, document_.state, colours_);
}

void frmMain::ATT0_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
  if (!setAttributeQuadrant(document_.state, x, y)) return;
  redrawNameTableView(views_, 0, document_.state, colours_);
  redrawAttributeView(views_, document_.state, colours_);
}

// The attribute table of name table 2 is shown but not edited.
void frmMain::ATT1_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}

void frmMain::optAttSel_Click(int index) {
  selectAttributePalette(document_.state, index);
}

void frmMain::cmdChangePal_Click() {
  cyclePaletteSet(document_.state);
  redrawAll();
}

void frmMain::lbl_bkgpal0_DblClick(int index) {
  openPaletteSelector(kTargetRomPalette, index);
}

void frmMain::lbl_bkgpalAlt_DblClick(int index) {
  openPaletteSelector(kTargetBackgroundSets, index);
}

void frmMain::lbl_coinpal_Click(int index) {
  openPaletteSelector(kTargetCoinPalette, index);
}

// The flag takes effect at the next save; nothing shows it but the box itself.
void frmMain::chkEnableCoin_Click() {
  document_.state.coinEnabled = chkEnableCoin->isChecked();
}

void frmMain::update_palSelectExit(std::uint8_t newVal) {
  storePaletteColour(document_.state, newVal);
  redrawAll();
  activateWindow();
}

void frmMain::refreshPaletteLabels() {
  const EditorState& state = document_.state;
  const auto show = [this](ColourSquare* square, std::uint8_t value) {
    square->showColour(QString::fromStdString(paletteCaption(value)),
                       toQColor(colours_.lookup(value)), lightCaption(value));
  };
  for (std::size_t i = 0; i < lbl_bkgpal0.size(); ++i) show(lbl_bkgpal0[i], state.romPalette[i]);
  for (std::size_t i = 0; i < lbl_bkgpalAlt.size(); ++i)
    show(lbl_bkgpalAlt[i], state.bkgPalettes[i]);
  for (std::size_t i = 0; i < lbl_coinpal.size(); ++i) show(lbl_coinpal[i], state.coinPalette[i]);
  chkEnableCoin->setChecked(state.coinEnabled);
}

void frmMain::openPaletteSelector(std::uint8_t target, int index) {
  const std::uint8_t value =
      openPaletteSquare(document_.state, target, static_cast<std::uint8_t>(index));
  if (!palSelect_) {
    palSelect_ = std::make_unique<frmPalSelect>(
        [this](std::uint8_t newVal) { update_palSelectExit(newVal); });
    // First shown in the lower middle of the main window, left of the palette rows, so the
    // squares, the tile sheet and the first screen stay in sight. Later it opens where it was
    // left.
    palSelect_->move(mapToGlobal(kSelectorFirstPlace));
  }
  palSelect_->initWindow(value);
}

void frmMain::closePaletteSelector() {
  if (palSelect_ && palSelect_->isLoaded()) palSelect_->close();
}

}  // namespace pelmora::app
