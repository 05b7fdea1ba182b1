// The File commands that write the document somewhere else or bring another image into it:
// Save As, patches made from and applied to the document, and the question asked before an
// image that does not look like the game's is opened or written.
#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "app/local_files.h"
#include "app/main_window.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"
#include "edit/diff_command.h"
#include "edit/patched_document.h"
#include "patch/patch_file.h"
#include "rom/game_check.h"
#include "rom/rom_file.h"

namespace pelmora::app {
namespace {

const QString kRomFilter = QStringLiteral("NES Rom (*.nes)");
const QString kPatchSaveFilters = QStringLiteral("IPS patch (*.ips);;BPS patch (*.bps)");
const QString kPatchOpenFilters =
    QStringLiteral("IPS or BPS patch (*.ips *.bps);;IPS patch (*.ips);;BPS patch (*.bps)");
constexpr const char* kApplyPatchCommand = "Apply Patch";

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString saveFailureReason(const SaveResult& result) {
  if (!result.reason.empty()) return QString::fromStdString(result.reason);
  return QStringLiteral("The file could not be written.");
}

// The action that follows `anchor` in `menu`, or null when `anchor` is the last one.
QAction* actionAfter(QMenu* menu, QAction* anchor) {
  const QList<QAction*> actions = menu->actions();
  const qsizetype at = actions.indexOf(anchor);
  return at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
}

QAction* insertNamedAction(QMenu* menu, QAction* before, const QString& text, const QString& name,
                           const QKeySequence& shortcut = {}) {
  auto* action = new QAction(text, menu);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  menu->insertAction(before, action);
  return action;
}

}  // namespace

void MainWindow::buildFileCommands() {
  QAction* before = actionAfter(fileMenu, actionSave);
  // Ctrl+Shift+S everywhere: the platform's standard Save As keys are empty on some desktops.
  actionSaveAs = insertNamedAction(fileMenu, before, QStringLiteral("Save &As…"),
                                   QStringLiteral("actionSaveAs"),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  connect(actionSaveAs, &QAction::triggered, this, &MainWindow::saveFileAs);
  fileMenu->insertSeparator(before);
  actionCreatePatch = insertNamedAction(fileMenu, before, QStringLiteral("&Create Patch…"),
                                        QStringLiteral("actionCreatePatch"));
  connect(actionCreatePatch, &QAction::triggered, this, &MainWindow::createPatchFile);
  actionApplyPatch = insertNamedAction(fileMenu, before, QStringLiteral("A&pply Patch…"),
                                       QStringLiteral("actionApplyPatch"));
  connect(actionApplyPatch, &QAction::triggered, this, &MainWindow::applyPatchFile);
  documentFileActions_ = {actionSaveAs, actionCreatePatch, actionApplyPatch};
  buildExchangeCommands();
  // Every one of these needs an open document, as Save does.
  connect(actionSave, &QAction::changed, this, [this] {
    for (QAction* action : documentFileActions_) action->setEnabled(actionSave->isEnabled());
  });
}

// An image that fails the game check is opened only when the user says so; otherwise the
// document is left exactly as it was and nothing is returned.
std::optional<OpenResult> MainWindow::openConfirmedDocument(const QString& path) {
  Document opened;
  opened.state = document_.state;  // the palette target and the registers carry over
  OpenResult result = openDocument(opened, localPath(path));
  if (result.status != OpenStatus::kOpened) return result;
  if (result.unexpectedGame &&
      dialogs_.ask(this, app::windowTitle(), fromView(kUnexpectedGameWarning),
                   QMessageBox::Open | QMessageBox::Cancel,
                   QMessageBox::Cancel) != QMessageBox::Open) {
    return std::nullopt;
  }
  document_ = std::move(opened);
  unverifiedImage_ = result.unexpectedGame;
  return result;
}

// An image opened in spite of the game check is asked about again before every write into it.
bool MainWindow::confirmWriteIntoImage() {
  if (!unverifiedImage_ || !document_.loaded) return true;
  const QString question = fromView(kUnexpectedGameStatement) + QStringLiteral(" Save anyway?");
  return dialogs_.ask(this, app::windowTitle(), question, QMessageBox::Save | QMessageBox::Cancel,
                      QMessageBox::Cancel) == QMessageBox::Save;
}

bool MainWindow::showSaveResult(const SaveResult& result) {
  if (result.status == SaveStatus::kSaved) {
    dialogs_.showMessage(this, app::windowTitle(), QStringLiteral("File saved!"), {});
  } else if (result.status == SaveStatus::kNoFile) {
    dialogs_.showMessage(this, app::windowTitle(), QStringLiteral("No file loaded!"), {});
  } else {
    dialogs_.showMessage(this, app::windowTitle(), QStringLiteral("Error saving file!"),
                         saveFailureReason(result));
  }
  return result.status == SaveStatus::kSaved;
}

// The whole image goes to the new file; the file it was opened from is not touched. Once
// written, the new file is the document's: the caption and Save use it.
void MainWindow::saveFileAs() {
  if (!document_.loaded) {
    showSaveResult({SaveStatus::kNoFile, {}});
    return;
  }
  if (!confirmWriteIntoImage()) return;
  const std::optional<QString> chosen = dialogs_.chooseSaveFile(
      this, QStringLiteral("Save As"), displayPath(document_.path), kRomFilter);
  if (!chosen || chosen->isEmpty()) return;
  if (showSaveResult(saveDocumentAs(document_, localPath(*chosen)))) {
    showCaption(*chosen);
    rememberRecent(QFileInfo(*chosen).absoluteFilePath());
  }
  refreshHistoryState();
}

void MainWindow::showFileError(const QString& text, const std::string& reason) {
  dialogs_.showMessage(this, app::windowTitle(), text, QString::fromStdString(reason));
}

// The patch turns the image as it was opened into the image Save would write now; its format
// is told by the extension of the file chosen.
void MainWindow::createPatchFile() {
  const Expected<RomImage> current = exportedImage(document_);
  if (!current) {
    showFileError(QStringLiteral("Error saving file!"),
                  "The title screen cannot be written to this image: " + current.error().what);
    return;
  }
  const std::optional<QString> chosen = dialogs_.chooseSaveFile(
      this, QStringLiteral("Create Patch"), besideRom(document_.path, QStringLiteral(".ips")),
      kPatchSaveFilters);
  if (!chosen || chosen->isEmpty()) return;
  const std::optional<PatchFormat> format = patchFormatForPath(localPath(*chosen));
  if (!format) {
    showFileError(QStringLiteral("Error saving file!"),
                  "A patch file's name ends in .ips or .bps.");
    return;
  }
  const Expected<std::vector<std::uint8_t>> patch =
      createPatch(*format, romFileBytes(document_.openedRom), romFileBytes(*current));
  if (!patch) return showFileError(QStringLiteral("Error saving file!"), patch.error().what);
  const Status written = writeMadeFile(*chosen, *patch);
  if (!written) return showFileError(QStringLiteral("Error saving file!"), written.error().what);
  showStatusMessage(QStringLiteral("Patch written to %1 (%2 bytes).")
                        .arg(QFileInfo(*chosen).fileName())
                        .arg(patch.value().size()));
}

// The patch is applied to the image Save would write now and the result re-imported, as one
// step the user can undo. A patch that does not apply changes nothing and says why.
void MainWindow::applyPatchFile() {
  const std::optional<QString> chosen = dialogs_.chooseOpenFile(
      this, QStringLiteral("Apply Patch"), folderOf(document_.path), kPatchOpenFilters);
  if (!chosen || chosen->isEmpty()) return;
  const Expected<std::vector<std::uint8_t>> content = readFileContent(localPath(*chosen));
  if (!content) return showFileError(QStringLiteral("Error loading file!"), content.error().what);
  const Expected<PatchedImage> patched = patchedDocument(document_, *content);
  if (!patched) {
    return showFileError(QStringLiteral("The patch was not applied."), patched.error().what);
  }
  performCommand(diffCommand(kApplyPatchCommand, document_, patched.value().state,
                             patched.value().rom));
  showStatusMessage(QStringLiteral("Patch %1 applied.").arg(QFileInfo(*chosen).fileName()));
}

}  // namespace pelmora::app
