// What the window tells about the image itself: which dump it is (File > Image Properties…), in
// which colours it is drawn (View > Master Palette) and what changed since it was opened or
// saved (View > Show Changes, and the backquote key held down for the image as opened).
#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include "app/action_registry.h"
#include "app/app_settings.h"
#include "app/change_marks.h"
#include "app/control_area.h"
#include "app/editor_document.h"
#include "app/local_files.h"
#include "app/main_window.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"
#include "gfx/master_palette_file.h"
#include "rom/image_identity.h"
#include "rom/rom_file.h"

namespace pelmora::app {

void MainWindow::buildImageView() {
  changes_ = new ChangeMarks(*document_, this);
  area_->showChangeMarks(*changes_);
  changesLabel_ = new QLabel(this);
  changesLabel_->setObjectName(QStringLiteral("changesCount"));
  statusBar()->addPermanentWidget(changesLabel_);
  changesLabel_->hide();
  connect(changes_, &ChangeMarks::recounted, this, &MainWindow::refreshChangesLabel);

  const auto action = [this](const char* id) { return actions_->find(QLatin1String(id)); };
  connect(action("actionImageProperties"), &QAction::triggered, this,
          &MainWindow::showImageProperties);
  connect(action("actionShowChanges"), &QAction::toggled, changes_, &ChangeMarks::setShown);
  connect(action("actionChangesSinceSave"), &QAction::toggled, this, [this](bool sinceSave) {
    changes_->setSince(sinceSave ? ChangesSince::kLastSave : ChangesSince::kOpened);
  });
  connect(action("actionBuiltInMasterPalette"), &QAction::triggered, this,
          [this] { useMasterPaletteFile(QString()); });
  connect(action("actionMasterPaletteFile"), &QAction::triggered, this,
          &MainWindow::chooseMasterPaletteFile);
  // A remembered file that has gone or changed leaves the built-in colours.
  const QString remembered = settings_.masterPaletteFile();
  if (!remembered.isEmpty()) {
    const Expected<std::vector<std::uint8_t>> content = readFileContent(localPath(remembered));
    const Expected<UserMasterPalette> palette =
        content ? readMasterPaletteFile(*content) : Expected<UserMasterPalette>(content.error());
    if (palette) document_->setMasterPalette(&palette.value());
  }
  checkMasterPaletteAction();
}

void MainWindow::showImageProperties() {
  if (!document_->loaded()) return;
  dialogs_.showImageProperties(this, identifyImage(document_->core().rom),
                               QString::fromStdString(document_->core().path.filename().string()));
}

bool MainWindow::useMasterPaletteFile(const QString& path) {
  if (path.isEmpty()) {
    document_->setMasterPalette(nullptr);
    settings_.setMasterPaletteFile(QString());
    checkMasterPaletteAction();
    return true;
  }
  const Expected<std::vector<std::uint8_t>> content = readFileContent(localPath(path));
  const Expected<UserMasterPalette> palette =
      content ? readMasterPaletteFile(*content) : Expected<UserMasterPalette>(content.error());
  if (!palette) {
    showFileError(tr("Error loading file!"), palette.error().what);
    checkMasterPaletteAction();
    return false;
  }
  document_->setMasterPalette(&palette.value());
  settings_.setMasterPaletteFile(path);
  checkMasterPaletteAction();
  showStatusMessage(tr("Colours from %1.").arg(QFileInfo(path).fileName()));
  return true;
}

void MainWindow::chooseMasterPaletteFile() {
  const std::optional<QString> chosen = dialogs_.chooseOpenFile(
      this, tr("Master Palette"), folderOf(localPath(settings_.masterPaletteFile())),
      tr("Master palette (*.pal);;All files (*)"));
  if (!chosen || chosen->isEmpty()) return checkMasterPaletteAction();
  useMasterPaletteFile(*chosen);
}

// The menu shows which colours are in use, also after a cancelled or refused choice.
void MainWindow::checkMasterPaletteAction() {
  const bool fromFile = !settings_.masterPaletteFile().isEmpty();
  actions_->find(QStringLiteral("actionMasterPaletteFile"))->setChecked(fromFile);
  actions_->find(QStringLiteral("actionBuiltInMasterPalette"))->setChecked(!fromFile);
}

QString MainWindow::changesText() const {
  return changes_->summary();
}

void MainWindow::refreshChangesLabel() {
  changesLabel_->setText(changes_->summary());
  changesLabel_->setVisible(changes_->shown());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_QuoteLeft && document_->loaded()) {
    if (!event->isAutoRepeat() && !showingOpened_) {
      showingOpened_ = true;
      document_->preview(changes_->opened());
    }
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_QuoteLeft) {
    if (!event->isAutoRepeat() && showingOpened_) {
      showingOpened_ = false;
      document_->announce({});
    }
    return;
  }
  QMainWindow::keyReleaseEvent(event);
}

}  // namespace pelmora::app
