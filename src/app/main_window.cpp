#include "app/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

#include "app/app_resources.h"
#include "app/colour_square.h"
#include "app/control_area.h"
#include "app/palette_selector.h"
#include "app/picture_surface.h"
#include "app/program_files.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"
#include "edit/attribute_edit.h"
#include "edit/single_edits.h"
#include "edit/tile_placement.h"
#include "palette/palette_edit.h"
#include "rom/load_failure.h"

namespace pelmora::app {
namespace {

const QString kRomFilter = QStringLiteral("NES Rom (*.nes)");
const QPoint kSelectorFirstPlace(138, 435);

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Why an Open failed, in the user's words.
QString openFailureReason(const OpenResult& result, const QString& path) {
  if (!result.reason.empty()) return QString::fromStdString(result.reason);
  return QString::fromStdString(loadFailureReason(toPath(path), result.loadCode));
}

}  // namespace

MainWindow::MainWindow(UserDialogs& dialogs) : dialogs_(dialogs) {
  registerResources();
  setAcceptDrops(true);
  controlArea_ = new ControlArea(QSize(kClientWidth, kClientHeight), this);
  scrollArea_ = new QScrollArea(this);
  scrollArea_->setObjectName(QStringLiteral("controlScrollArea"));
  scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scrollArea_->setFrameShape(QFrame::NoFrame);
  scrollArea_->setWidget(controlArea_);
  setCentralWidget(scrollArea_);
  buildControls();
  buildMenus();
  buildStatusBar();
  installOverlays();
  installEditing();
  connectReadouts();
  buildTileEditing();
  loadStartUpState();
}

// The selector goes first, without a closing: the main window is no longer there to take its
// colour. The controls go next, while the surfaces they show are still there (QWidget would
// delete them only after this class's members).
MainWindow::~MainWindow() {
  paletteSelector_.reset();
  delete scrollArea_;
}

void MainWindow::loadStartUpState() {
  setWindowTitle(app::windowTitle());
  openDialogFolder_ = openDialogStartFolder();
  buildMasterPalette(document_.state.ppuRegisters, colours_);
  pelmora::initEditorState(document_.state);
  resetColourOptions();
  redrawAll();
  setEditingEnabled(false);
  cmdSaveFile->setEnabled(false);
  actionSave->setEnabled(false);
  setGridShown(settings_.gridShown());
  setZoom(settings_.zoom());
}

void MainWindow::resetColourOptions() {
  for (std::size_t i = 0; i < optAttSel.size(); ++i) {
    QPalette colours = optAttSel[i]->palette();
    colours.setColor(optAttSel[i]->backgroundRole(), toQColor(colours_.attributeColours[i]));
    optAttSel[i]->setPalette(colours);
  }
}

// A cancelled Open leaves the document, its file and the Save command as they were. Unsaved
// edits are offered for saving before the file dialog shows.
void MainWindow::openFile() {
  if (!mayDiscardDocument()) return;
  const std::optional<QString> chosen = dialogs_.chooseRomFile(this, openDialogFolder_, kRomFilter);
  if (!chosen || chosen->isEmpty()) {
    dialogs_.showMessage(this, app::windowTitle(), QStringLiteral("No file loaded!"), {});
    return;
  }
  openChosenPath(*chosen);
}

void MainWindow::openPath(const QString& path) {
  if (mayDiscardDocument()) openChosenPath(path);
}

// A failed Open leaves the document, its file and the Save command as they were, and says why.
void MainWindow::openChosenPath(const QString& path) {
  const std::optional<OpenResult> opened = openConfirmedDocument(path);
  if (!opened) return;  // not an image of the game, and the user chose to keep the document
  const OpenResult& result = *opened;
  if (result.status != OpenStatus::kOpened) {
    dialogs_.showMessage(this, app::windowTitle(), QStringLiteral("Error loading file!"),
                         openFailureReason(result, path));
    return;
  }
  showLoaded(path);
  dialogs_.showMessage(this, app::windowTitle(), QStringLiteral("File loaded!"), {});
}

void MainWindow::showLoaded(const QString& path) {
  showCaption(path);
  editing_.selectionAnchor.reset();
  editing_.selection.reset();
  refreshHistoryState();
  optAttSel[0]->setChecked(true);
  redrawAll();
  cmdSaveFile->setEnabled(true);
  actionSave->setEnabled(true);
  setEditingEnabled(true);
  rememberRecent(QFileInfo(path).absoluteFilePath());
}

void MainWindow::openStartupArguments(const QStringList& arguments) {
  for (const QString& argument : arguments) {
    if (argument.startsWith(QLatin1Char('-'))) continue;
    openPath(argument);
    return;
  }
}

// Always writes the shown image to the file it was loaded from; a failed export writes nothing.
void MainWindow::saveFile() {
  finishStroke();
  if (!confirmWriteIntoImage()) return;
  const SaveResult result = saveDocument(document_);
  refreshHistoryState();
  showSaveResult(result);
}

void MainWindow::exitProgram() {
  close();
}

// However the main window closes, an open selector closes first and hands its colour back
// while the main window is still there to store it; then unsaved edits are offered for saving,
// and a cancel keeps the window open.
void MainWindow::closeEvent(QCloseEvent* event) {
  closePaletteSelector();
  if (mayDiscardDocument()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::redrawAll() {
  redrawViews(views_, document_.state, colours_);
  const std::uint8_t tile = document_.state.selectedTile;
  pressTileSheet(0, 0, static_cast<float>(tileSheetX(tile)), static_cast<float>(tileSheetY(tile)));
  refreshPaletteLabels();
}

void MainWindow::setEditingEnabled(bool enabled) {
  const std::array<QWidget*, 8> controls = {cmdChangePal, NAT0, NAT1,      ATT0,
                                            ATT1,         PAT0, fraAttSel, fraPalEdit};
  for (QWidget* control : controls) control->setEnabled(enabled);
  actionNextPaletteSet->setEnabled(enabled);
  refreshEditActions();
}

void MainWindow::pressTileSheet(int /*button*/, int /*shift*/, float x, float y) {
  if (!chooseTile(document_.state, x, y)) return;
  lblTileID->setText(QString::fromStdString(tileIdCaption(document_.state.selectedTile)));
  copyTilePreview(views_.PAT0, document_.state.selectedTile, views_.picSelTile);
  if (gridShown()) PAT0->update();  // the frame around the selected tile moves
  emit selectedTileShown();
}

// Any button places (or, with the select tool, starts a rectangle); the press starts a stroke
// that the moves with the button held carry on.
void MainWindow::pressNameTable0(int /*button*/, int /*shift*/, float x, float y) {
  pressScreen(0, x, y);
}

void MainWindow::pressNameTable2(int /*button*/, int /*shift*/, float x, float y) {
  pressScreen(2, x, y);
}

void MainWindow::pressAttributes0(int /*button*/, int /*shift*/, float x, float y) {
  pressAttributes(0, x, y);
}

// The attribute table of name table 2 is shown but not stored: a press there says so.
void MainWindow::pressAttributes2(int /*button*/, int /*shift*/, float x, float y) {
  pressAttributes(2, x, y);
}

void MainWindow::selectAttributePalette(int index) {
  pelmora::selectAttributePalette(document_.state, index);
}

void MainWindow::nextPaletteSet() {
  if (!document_.loaded) return;
  cyclePaletteSet(document_.state);
  redrawAll();
  refreshPaletteSetLabel();
}

void MainWindow::editRomPaletteColour(int index) {
  openPaletteSelector(kTargetRomPalette, index);
}

void MainWindow::editBackgroundSetColour(int index) {
  openPaletteSelector(kTargetBackgroundSets, index);
}

void MainWindow::editCoinColour(int index) {
  openPaletteSelector(kTargetCoinPalette, index);
}

// The flag takes effect at the next save; nothing shows it but the box itself.
void MainWindow::toggleCoin() {
  performCommand(switchCoinCommand(document_.state, chkEnableCoin->isChecked()));
}

// The colour goes in as one command, with every square the colour-0 rule stores with it.
void MainWindow::storeSelectedColour(std::uint8_t colour) {
  if (paletteSelector_) settings_.setSelectorPosition(paletteSelector_->pos());
  EditCommand command = storeColourCommand(document_.state, colour);
  if (command.empty()) {
    redrawAll();  // takes back what the previews showed
  } else {
    performCommand(std::move(command));
  }
  activateWindow();
}

// The document is left as it is: the colour is stored in a copy that only the views and the
// squares show, until the selector closes and hands its colour to storeSelectedColour.
void MainWindow::previewColour(std::uint8_t colour) {
  EditorState preview = document_.state;
  storePaletteColour(preview, colour);
  showViewsOf(preview);
}

void MainWindow::showViewsOf(const EditorState& state) {
  redrawViews(views_, state, colours_);
  copyTilePreview(views_.PAT0, state.selectedTile, views_.picSelTile);
  const auto show = [this](ColourSquare* square, std::uint8_t value) {
    square->showColour(QString::fromStdString(paletteCaption(value)),
                       toQColor(colours_.lookup(value)), lightCaption(value));
  };
  for (std::size_t i = 0; i < lbl_bkgpal0.size(); ++i) show(lbl_bkgpal0[i], state.romPalette[i]);
  for (std::size_t i = 0; i < lbl_bkgpalAlt.size(); ++i)
    show(lbl_bkgpalAlt[i], state.bkgPalettes[i]);
  for (std::size_t i = 0; i < lbl_coinpal.size(); ++i) show(lbl_coinpal[i], state.coinPalette[i]);
}

void MainWindow::refreshPaletteLabels() {
  showViewsOf(document_.state);
  chkEnableCoin->setChecked(document_.state.coinEnabled);
  if (paletteSetLabel_) refreshPaletteSetLabel();
}

void MainWindow::openPaletteSelector(std::uint8_t target, int index) {
  const std::uint8_t value =
      openPaletteSquare(document_.state, target, static_cast<std::uint8_t>(index));
  if (!paletteSelector_) {
    paletteSelector_ = std::make_unique<PaletteSelector>(
        [this](std::uint8_t colour) { storeSelectedColour(colour); },
        [this](std::uint8_t colour) { previewColour(colour); });
    // First shown in the lower middle of the main window, left of the palette rows, so the
    // squares, the tile sheet and the first screen stay in sight. Later it opens where it was
    // last left, in this run or an earlier one.
    const std::optional<QPoint> remembered = settings_.selectorPosition();
    paletteSelector_->move(remembered ? *remembered
                                      : controlArea_->mapToGlobal(
                                            controlArea_->scaled(kSelectorFirstPlace)));
  }
  paletteSelector_->openWithColour(value);
}

void MainWindow::closePaletteSelector() {
  if (paletteSelector_ && paletteSelector_->isLoaded()) paletteSelector_->close();
}

}  // namespace pelmora::app
