// What the window tells about the image itself: which dump it is (File > Image Properties…), in
// which colours it is drawn (View > Master Palette) and what changed since it was opened or
// saved (View > Show Changes, and the backquote key held down for the image as opened).
#include <QAction>
#include <QFileInfo>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "app/action_registry.h"
#include "app/app_settings.h"
#include "app/change_marks.h"
#include "app/control_area.h"
#include "app/editor_document.h"
#include "app/local_files.h"
#include "app/image_view_commands.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"
#include "gfx/master_palette_file.h"
#include "rom/image_identity.h"
#include "rom/rom_file.h"

namespace pelmora::app {

ImageViewCommands::ImageViewCommands(EditorDocument& document, UserDialogs& dialogs,
                                     ActionRegistry& actions, ControlArea& area,
                                     AppSettings& settings, QMainWindow& window)
    : QObject(&window),
      document_(document),
      dialogs_(dialogs),
      actions_(actions),
      settings_(settings),
      window_(window) {
  changes_ = new ChangeMarks(document_, this);
  area.showChangeMarks(*changes_);
  changesLabel_ = new QLabel(&window_);
  changesLabel_->setObjectName(QStringLiteral("changesCount"));
  window_.statusBar()->addPermanentWidget(changesLabel_);
  changesLabel_->hide();
  window_.installEventFilter(this);
  connect(changes_, &ChangeMarks::recounted, this, &ImageViewCommands::refreshChangesLabel);

  const auto action = [this](const char* id) { return actions_.find(QLatin1String(id)); };
  connect(action("actionImageProperties"), &QAction::triggered, this,
          &ImageViewCommands::showImageProperties);
  connect(action("actionShowChanges"), &QAction::toggled, changes_, &ChangeMarks::setShown);
  connect(action("actionChangesSinceSave"), &QAction::toggled, this, [this](bool sinceSave) {
    changes_->setSince(sinceSave ? ChangesSince::kLastSave : ChangesSince::kOpened);
  });
  connect(action("actionBuiltInMasterPalette"), &QAction::triggered, this,
          [this] { useMasterPaletteFile(QString()); });
  connect(action("actionMasterPaletteFile"), &QAction::triggered, this,
          &ImageViewCommands::chooseMasterPaletteFile);
  // A remembered file that has gone or changed leaves the built-in colours.
  const QString remembered = settings_.masterPaletteFile();
  if (!remembered.isEmpty()) {
    const Expected<std::vector<std::uint8_t>> content = readFileContent(localPath(remembered));
    const Expected<UserMasterPalette> palette =
        content ? readMasterPaletteFile(*content) : Expected<UserMasterPalette>(content.error());
    if (palette) document_.setMasterPalette(&palette.value());
  }
  checkMasterPaletteAction();
}

void ImageViewCommands::showImageProperties() {
  if (!document_.loaded()) return;
  dialogs_.showImageProperties(&window_, identifyImage(document_.core().rom),
                               QString::fromStdString(document_.core().path.filename().string()));
}

bool ImageViewCommands::useMasterPaletteFile(const QString& path) {
  if (path.isEmpty()) {
    document_.setMasterPalette(nullptr);
    settings_.setMasterPaletteFile(QString());
    checkMasterPaletteAction();
    return true;
  }
  const Expected<std::vector<std::uint8_t>> content = readFileContent(localPath(path));
  const Expected<UserMasterPalette> palette =
      content ? readMasterPaletteFile(*content) : Expected<UserMasterPalette>(content.error());
  if (!palette) {
    dialogs_.showMessage(&window_, windowTitle(), tr("Error loading file!"),
                         QString::fromStdString(palette.error().what));
    checkMasterPaletteAction();
    return false;
  }
  document_.setMasterPalette(&palette.value());
  settings_.setMasterPaletteFile(path);
  checkMasterPaletteAction();
  emit message(tr("Colours from %1.").arg(QFileInfo(path).fileName()));
  return true;
}

void ImageViewCommands::chooseMasterPaletteFile() {
  const std::optional<QString> chosen = dialogs_.chooseOpenFile(
      &window_, tr("Master Palette"), folderOf(localPath(settings_.masterPaletteFile())),
      tr("Master palette (*.pal);;All files (*)"));
  if (!chosen || chosen->isEmpty()) return checkMasterPaletteAction();
  useMasterPaletteFile(*chosen);
}

// The menu shows which colours are in use, also after a cancelled or refused choice.
void ImageViewCommands::checkMasterPaletteAction() {
  const bool fromFile = !settings_.masterPaletteFile().isEmpty();
  actions_.find(QStringLiteral("actionMasterPaletteFile"))->setChecked(fromFile);
  actions_.find(QStringLiteral("actionBuiltInMasterPalette"))->setChecked(!fromFile);
}

QString ImageViewCommands::changesText() const {
  return changes_->summary();
}

void ImageViewCommands::refreshChangesLabel() {
  changesLabel_->setText(changes_->summary());
  changesLabel_->setVisible(changes_->shown());
}

bool ImageViewCommands::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::KeyPress;
  if (!press && event->type() != QEvent::KeyRelease) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_QuoteLeft || (press && !document_.loaded()))
    return QObject::eventFilter(watched, event);
  if (!key->isAutoRepeat() && showingOpened_ != press) {
    showingOpened_ = press;
    if (press) {
      document_.preview(changes_->opened());
    } else {
      document_.announce({});
    }
  }
  return true;
}

}  // namespace pelmora::app
