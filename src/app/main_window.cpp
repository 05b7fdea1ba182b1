#include "app/main_window.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "app/action_table.h"
#include "app/app_resources.h"
#include "app/control_area.h"
#include "app/editor_document.h"
#include "app/exchange_commands.h"
#include "app/help_texts.h"
#include "app/image_view_commands.h"
#include "app/picture_import_command.h"
#include "app/palette_editing.h"
#include "app/program_files.h"
#include "app/readout_label.h"
#include "app/recent_files_menu.h"
#include "app/rom_file_drops.h"
#include "app/selection_commands.h"
#include "app/tile_editor.h"
#include "app/tile_editor_dock.h"
#include "app/tool_manager.h"
#include "app/user_dialogs.h"
#include "app/view_picture_commands.h"
#include "app/wheel_zoom.h"
#include "app/window_geometry.h"
#include "app/window_title.h"
#include "edit/pointer_readout.h"
#include "palette/palette_edit.h"

namespace pelmora::app {
namespace {

constexpr int kNoticeMs = 10000;

// What the window shows around its control area. Before the window is first shown its widgets
// have not been laid out (the scroll area's viewport still has Qt's default size), so the
// frame is then taken from the menu bar and the status bar the window will have.
QSize frameAroundControls(const QMainWindow& window, const QScrollArea& area) {
  if (window.isVisible()) return window.size() - area.viewport()->size();
  return {0, window.menuBar()->sizeHint().height() + window.statusBar()->sizeHint().height()};
}

}  // namespace

MainWindow::MainWindow(UserDialogs& dialogs) : dialogs_(dialogs) {
  registerResources();
  acceptRomFileDrops(*this, [this](const QString& path) { openPath(path); });
  setWindowTitle(app::windowTitle());
  openDialogFolder_ = openDialogStartFolder();
  document_ = new EditorDocument(this);
  buildActions();
  scrollArea_ = new QScrollArea(this);
  scrollArea_->setObjectName(QStringLiteral("controlScrollArea"));
  scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scrollArea_->setFrameShape(QFrame::NoFrame);
  area_ = new ControlArea(*document_, *actions_, *tools_, scrollArea_);
  scrollArea_->setWidget(area_);
  setCentralWidget(scrollArea_);
  zoomOnControlWheel(*scrollArea_->viewport(), [this](int steps) { setZoom(zoom_ + steps); });
  auto* pictures = new ViewPictureCommands(*document_, dialogs_, *actions_, *area_, *this);
  connect(pictures, &ViewPictureCommands::message, this, &MainWindow::showStatusMessage);
  tileEditorDock_ = new TileEditorDock(*document_, *actions_, *this);
  connect(tileEditorDock_, &TileEditorDock::tileEdited, this, &MainWindow::noteTileEdit);
  connect(tileEditorDock_, &TileEditorDock::shownDocked, this, [this] {
    QTimer::singleShot(0, this, [this] {  // the docked editor takes room from the controls
      const int missing = area_->width() - centralWidget()->width();
      if (missing > 0) resizeWithinScreen(*this, {width() + missing, height()});
    });
  });
  actions_->buildMenus(mainWindowActions());
  connectActions();
  buildStatusBar();
  connectDocument();
  imageView_ = new ImageViewCommands(*document_, dialogs_, *actions_, *area_, settings_, *this);
  connect(imageView_, &ImageViewCommands::message, this,
          [this](const QString& text) { showStatusMessage(text); });
  setGridShown(settings_.gridShown());
  setZoom(settings_.zoom());
}

// The selector goes first, without a closing: the main window is no longer there to take its
// colour. The controls go next, while the document they show is still there.
MainWindow::~MainWindow() {
  delete palette_;
  delete tileEditorDock_->built();
  delete scrollArea_;
}

// The actions of the table, the tools' and the file exchanges'; the menus are built from them
// once every list has added its own.
void MainWindow::buildActions() {
  actions_ = new ActionRegistry(*this);
  actions_->createActions(mainWindowActions());
  tools_ = new ToolManager(*document_, *actions_,
                           [this](const QString& text) { showRefusal(text); }, this);
  registerTools(*tools_);
  auto* exchanges = new ExchangeCommands(*document_, dialogs_, *actions_, *this);
  connect(exchanges, &ExchangeCommands::message, this, &MainWindow::showStatusMessage);
  selection_ = new SelectionCommands(*document_, *actions_, *tools_, this);
  connect(selection_, &SelectionCommands::message, this,
          [this](const QString& text) { showStatusMessage(text); });
  pictureImport_ = new PictureImportCommand(*document_, dialogs_, *this);
  connect(pictureImport_, &PictureImportCommand::message, this, &MainWindow::showStatusMessage);
}

void MainWindow::connectActions() {
  using Handler = void (MainWindow::*)();
  const std::pair<const char*, Handler> triggers[] = {
      {"actionOpen", &MainWindow::openFile},
      {"actionOpenDemo", &MainWindow::openDemoImage},
      {"actionSave", &MainWindow::saveFile},
      {"actionSaveAs", &MainWindow::saveFileAs},
      {"actionCreatePatch", &MainWindow::createPatchFile},
      {"actionApplyPatch", &MainWindow::applyPatchFile},
      {"actionUndo", &MainWindow::undoLastEdit},
      {"actionNextPaletteSet", &MainWindow::nextPaletteSet},
  };
  for (const auto& [id, handler] : triggers)
    connect(actions_->find(QLatin1String(id)), &QAction::triggered, this, handler);
  const auto action = [this](const char* id) { return actions_->find(QLatin1String(id)); };
  connect(action("actionRedo"), &QAction::triggered, document_, &EditorDocument::redo);
  connect(action("actionExit"), &QAction::triggered, this, &QWidget::close);
  connect(action("actionImportPicture"), &QAction::triggered, this,
          [this] { pictureImport_->run(zoom_); });
  connect(action("actionZoomIn"), &QAction::triggered, this, [this] { setZoom(zoom_ + 1); });
  connect(action("actionZoomOut"), &QAction::triggered, this, [this] { setZoom(zoom_ - 1); });
  connect(action("actionActualSize"), &QAction::triggered, this, [this] { setZoom(1); });
  connect(action("actionGrid"), &QAction::toggled, this, &MainWindow::setGridShown);
  connect(action("actionShading"), &QAction::toggled, this, &MainWindow::setShadingShown);
  connect(action("actionShowFreeTiles"), &QAction::toggled, this, &MainWindow::setFreeTilesShown);
  connect(action("actionTileSheetInCellPalette"), &QAction::toggled, area_,
          &ControlArea::setSheetInCellPalette);
  connect(action("actionShortcuts"), &QAction::triggered, this, [this] {
    dialogs_.showInformation(this, tr("Keyboard Shortcuts"), shortcutsText(*this));
  });
  connect(action("actionAbout"), &QAction::triggered, this,
          [this] { dialogs_.showInformation(this, tr("About Pelmora"), aboutText()); });
  action("actionRedo")->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                      QKeySequence(Qt::CTRL | Qt::Key_Y)});
  action("actionOpenDemo")->setVisible(!demoImagePath().isEmpty());
  action("actionExportAtZoomShown")->setChecked(true);
  action("actionShading")->setChecked(settings_.shadingShown());
  setShadingShown(settings_.shadingShown());
  action("actionShowFreeTiles")->setChecked(settings_.freeTilesShown());
  setFreeTilesShown(settings_.freeTilesShown());
  palette_ = new PaletteEditing(*document_, settings_, *area_, *this);
  recent_ = new RecentFilesMenu(*actions_->menu(QStringLiteral("recentMenu")), settings_,
                                [this](const QString& path) { openPath(path); });
}

// The Tile Editor dock, hidden until View > Tile Editor shows it. Shown docked, the window
// grows by what the dock takes from the views, once the dock has been laid out, rather than
// squeezing the views into scrolling.
// The readout of what lies under the pointer on the left, transient messages, and the current
// palette set on the right.
void MainWindow::buildStatusBar() {
  readout_ = new ReadoutLabel(this);
  readout_->setObjectName(QStringLiteral("readout"));
  statusBar()->addWidget(readout_, 1);
  paletteSetLabel_ = new QLabel(this);
  paletteSetLabel_->setObjectName(QStringLiteral("paletteSetLabel"));
  statusBar()->addPermanentWidget(paletteSetLabel_);
  refreshPaletteSetLabel();
  connect(area_, &ControlArea::readoutChanged, this, &MainWindow::showReadout);
}

void MainWindow::connectDocument() {
  connect(document_, &EditorDocument::historyChanged, this, &MainWindow::refreshHistoryActions);
  connect(document_, &EditorDocument::changed, this, &MainWindow::refreshPaletteSetLabel);
  connect(document_, &EditorDocument::fileChanged, this,
          [this] { actions_->setDocumentOpen(document_->loaded()); });
  actions_->setDocumentOpen(false);
  refreshHistoryActions();
}

// Undo and Redo name the step they take back or do again; the caption marks unsaved edits.
void MainWindow::refreshHistoryActions() {
  const EditHistory& history = document_->core().history;
  QAction* undo = actions_->find(QStringLiteral("actionUndo"));
  QAction* redo = actions_->find(QStringLiteral("actionRedo"));
  undo->setEnabled(document_->canUndo());
  redo->setEnabled(document_->canRedo());
  undo->setText(history.canUndo() ? tr("&Undo %1").arg(QLatin1String(history.undoName()))
                                  : tr("&Undo"));
  redo->setText(history.canRedo() ? tr("&Redo %1").arg(QLatin1String(history.redoName()))
                                  : tr("&Redo"));
  setWindowModified(document_->loaded() && document_->core().isModified());
}

void MainWindow::nextPaletteSet() {
  if (!document_->loaded()) return;
  cyclePaletteSet(document_->state());
  document_->announce({});
}

void MainWindow::refreshPaletteSetLabel() {
  paletteSetLabel_->setText(
      QString::fromStdString(paletteSetReadout(document_->state().paletteSet)));
}

const Document& MainWindow::document() const { return document_->core(); }

Document& MainWindow::document() { return document_->core(); }

void MainWindow::performCommand(EditCommand command) { document_->perform(std::move(command)); }

void MainWindow::undoLastEdit() { document_->undo(); }

void MainWindow::redrawAll() { area_->redrawAll(); }

const ScreenViews& MainWindow::views() const { return area_->views(); }

const ColourTables& MainWindow::colourTables() const { return document_->colours(); }

void MainWindow::openPictureImport(const QString& path) { pictureImport_->openPreview(path, zoom_); }

PictureImportDialog* MainWindow::pictureImportDialog() const { return pictureImport_->dialog(); }

PaletteSelector* MainWindow::paletteSelector() const { return palette_->selector(); }

bool MainWindow::gridShown() const { return area_->gridShown(); }

// A view mark's action, remembered setting and control area follow one another.
void MainWindow::showMark(const char* id, bool shown, void (AppSettings::*remember)(bool),
                          void (ControlArea::*apply)(bool)) {
  QAction* action = actions_->find(QLatin1String(id));
  if (action->isChecked() != shown) action->setChecked(shown);  // toggles back here
  (settings_.*remember)(shown);
  (area_->*apply)(shown);
}

void MainWindow::setGridShown(bool shown) {
  showMark("actionGrid", shown, &AppSettings::setGridShown, &ControlArea::setGridShown);
}

void MainWindow::setShadingShown(bool shown) {
  showMark("actionShading", shown, &AppSettings::setShadingShown, &ControlArea::setShadingShown);
}

void MainWindow::setFreeTilesShown(bool shown) {
  showMark("actionShowFreeTiles", shown, &AppSettings::setFreeTilesShown,
           &ControlArea::setFreeTilesShown);
}

void MainWindow::setZoom(int zoom) {
  zoom_ = std::clamp(zoom, 1, kMaximumZoom);
  settings_.setZoom(zoom_);
  applyZoom();
}

void MainWindow::applyZoom() {
  area_->setZoom(zoom_);
  actions_->find(QStringLiteral("actionZoomIn"))->setEnabled(zoom_ < kMaximumZoom);
  actions_->find(QStringLiteral("actionZoomOut"))->setEnabled(zoom_ > 1);
  // The window grows to show the whole area where the screen has room; it may be made
  // smaller again, and the area then scrolls.
  const QSize wanted = area_->size() + frameAroundControls(*this, *scrollArea_);
  resizeWithinScreen(*this, isVisible() ? size().expandedTo(wanted) : wanted);
}

void MainWindow::showReadout(const QString& text) { readout_->setFullText(text); }

QString MainWindow::readoutText() const { return readout_->fullText(); }

QString MainWindow::paletteSetText() const { return paletteSetLabel_->text(); }

void MainWindow::showStatusMessage(const QString& text, int timeoutMs) {
  statusBar()->showMessage(text, timeoutMs);
}

// A refusal repeated while a drag goes on does not restart its message.
void MainWindow::showRefusal(const QString& text) {
  if (statusBar()->currentMessage() != text) showStatusMessage(text);
}

// The first tile edit of a session says that other screens may use the same tiles.
void MainWindow::noteTileEdit() {
  if (tileEditNoted_) return;
  tileEditNoted_ = true;
  showStatusMessage(tr("Tiles are shared: other screens of the game may use the same tiles and "
                       "change with them."),
                    kNoticeMs);
}

QString MainWindow::changesText() const { return imageView_->changesText(); }

TileEditor* MainWindow::tileEditor() { return tileEditorDock_->editor(); }

}  // namespace pelmora::app
