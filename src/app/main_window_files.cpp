// The file commands: Open (and the question asked before an image that does not look like the
// game's is opened or written), Save, Save As, patches made from and applied to the document,
// and the offer to save unsaved edits before they are set
// aside. The caption carries the file's name and the modified mark.
#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>

#include "app/editor_document.h"
#include "app/local_files.h"
#include "app/main_window.h"
#include "app/palette_editing.h"
#include "app/recent_files_menu.h"
#include "app/user_dialogs.h"
#include "app/program_files.h"
#include "app/window_title.h"
#include "edit/diff_command.h"
#include "edit/patched_document.h"
#include "patch/patch_file.h"
#include "rom/game_check.h"
#include "rom/load_failure.h"
#include "rom/rom_file.h"

namespace pelmora::app {
namespace {

constexpr const char* kApplyPatchCommand = "Apply Patch";

QString romFilter() { return MainWindow::tr("NES Rom (*.nes)"); }

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Why an Open failed, in the user's words.
QString openFailureReason(const OpenResult& result, const QString& path) {
  if (!result.reason.empty()) return QString::fromStdString(result.reason);
  return QString::fromStdString(loadFailureReason(localPath(path), result.loadCode));
}

}  // namespace

// A cancelled Open leaves the document, its file and the Save command as they were. Unsaved
// edits are offered for saving before the file dialog shows.
void MainWindow::openFile() {
  if (!mayDiscardDocument()) return;
  const std::optional<QString> chosen = dialogs_.chooseRomFile(this, openDialogFolder_, romFilter());
  if (!chosen || chosen->isEmpty()) {
    dialogs_.showMessage(this, app::windowTitle(), tr("No file loaded!"), {});
    return;
  }
  openChosenPath(*chosen);
}

void MainWindow::openDemoImage() {
  const QString path = demoImagePath();
  if (!path.isEmpty()) openPath(path);
}

void MainWindow::openPath(const QString& path) {
  if (mayDiscardDocument()) openChosenPath(path);
}

void MainWindow::openStartupArguments(const QStringList& arguments) {
  for (const QString& argument : arguments) {
    if (argument.startsWith(QLatin1Char('-'))) continue;
    openPath(argument);
    return;
  }
}

// A failed Open leaves the document, its file and the Save command as they were, and says why.
void MainWindow::openChosenPath(const QString& path) {
  const std::optional<OpenResult> opened = openConfirmedDocument(path);
  if (!opened) return;  // not an image of the game, and the user chose to keep the document
  if (opened->status != OpenStatus::kOpened) {
    dialogs_.showMessage(this, app::windowTitle(), tr("Error loading file!"),
                         openFailureReason(*opened, path));
    return;
  }
  showLoaded(path);
  dialogs_.showMessage(this, app::windowTitle(), tr("File loaded!"), {});
}

// An image that fails the game check is opened only when the user says so; otherwise the
// document is left exactly as it was and nothing is returned.
std::optional<OpenResult> MainWindow::openConfirmedDocument(const QString& path) {
  Document opened;
  opened.state = document_->state();  // the palette target and the registers carry over
  OpenResult result = openDocument(opened, localPath(path));
  if (result.status != OpenStatus::kOpened) return result;
  if (result.unexpectedGame &&
      dialogs_.ask(this, app::windowTitle(), fromView(kUnexpectedGameWarning),
                   QMessageBox::Open | QMessageBox::Cancel,
                   QMessageBox::Cancel) != QMessageBox::Open) {
    return std::nullopt;
  }
  unverifiedImage_ = result.unexpectedGame;
  document_->replace(std::move(opened));
  return result;
}

void MainWindow::showLoaded(const QString& path) {
  showCaption(path);
  recent_->remember(QFileInfo(path).absoluteFilePath());
}

// Always writes the shown image to the file it was loaded from; a failed export writes nothing.
void MainWindow::saveFile() {
  document_->finishPendingEdit();
  if (!confirmWriteIntoImage()) return;
  const SaveResult result = saveDocument(document_->core());
  document_->noteSaved();
  showSaveResult(result);
}

// The whole image goes to the new file; the file it was opened from is not touched. Once
// written, the new file is the document's: the caption and Save use it.
void MainWindow::saveFileAs() {
  if (!document_->loaded()) {
    showSaveResult({SaveStatus::kNoFile, {}});
    return;
  }
  if (!confirmWriteIntoImage()) return;
  const std::optional<QString> chosen = dialogs_.chooseSaveFile(
      this, tr("Save As"), displayPath(document_->core().path), romFilter());
  if (!chosen || chosen->isEmpty()) return;
  if (showSaveResult(saveDocumentAs(document_->core(), localPath(*chosen)))) {
    showCaption(*chosen);
    recent_->remember(QFileInfo(*chosen).absoluteFilePath());
  }
  document_->noteSaved();
}

// An image opened in spite of the game check is asked about again before every write into it.
bool MainWindow::confirmWriteIntoImage() {
  if (!unverifiedImage_ || !document_->loaded()) return true;
  const QString question = fromView(kUnexpectedGameStatement) + tr(" Save anyway?");
  return dialogs_.ask(this, app::windowTitle(), question, QMessageBox::Save | QMessageBox::Cancel,
                      QMessageBox::Cancel) == QMessageBox::Save;
}

bool MainWindow::showSaveResult(const SaveResult& result) {
  if (result.status == SaveStatus::kSaved) {
    dialogs_.showMessage(this, app::windowTitle(), tr("File saved!"), {});
  } else if (result.status == SaveStatus::kNoFile) {
    dialogs_.showMessage(this, app::windowTitle(), tr("No file loaded!"), {});
  } else {
    dialogs_.showMessage(this, app::windowTitle(), tr("Error saving file!"),
                         result.reason.empty() ? tr("The file could not be written.")
                                               : QString::fromStdString(result.reason));
  }
  return result.status == SaveStatus::kSaved;
}

void MainWindow::showFileError(const QString& text, const std::string& reason) {
  dialogs_.showMessage(this, app::windowTitle(), text, QString::fromStdString(reason));
}

// The patch turns the image as it was opened into the image Save would write now; its format
// is told by the extension of the file chosen.
void MainWindow::createPatchFile() {
  const Expected<RomImage> current = exportedImage(document_->core());
  if (!current) {
    showFileError(tr("Error saving file!"),
                  "The title screen cannot be written to this image: " + current.error().what);
    return;
  }
  const std::optional<QString> chosen = dialogs_.chooseSaveFile(
      this, tr("Create Patch"), besideRom(document_->core().path, QStringLiteral(".bps")),
      tr("BPS patch (*.bps);;IPS patch (*.ips)"));
  if (!chosen || chosen->isEmpty()) return;
  const std::optional<PatchFormat> format = patchFormatForPath(localPath(*chosen));
  if (!format) return showFileError(tr("Error saving file!"), "A patch file's name ends in .ips or .bps.");
  const Expected<std::vector<std::uint8_t>> patch = createPatch(
      *format, romFileBytes(document_->core().openedRom), romFileBytes(*current));
  if (!patch) return showFileError(tr("Error saving file!"), patch.error().what);
  const Status written = writeMadeFile(*chosen, *patch);
  if (!written) return showFileError(tr("Error saving file!"), written.error().what);
  showStatusMessage(tr("Patch written to %1 (%2 bytes).")
                        .arg(QFileInfo(*chosen).fileName())
                        .arg(patch.value().size()));
}

// The patch is applied to the image Save would write now and the result re-imported, as one
// step the user can undo. A patch that does not apply changes nothing and says why.
void MainWindow::applyPatchFile() {
  const std::optional<QString> chosen = dialogs_.chooseOpenFile(
      this, tr("Apply Patch"), folderOf(document_->core().path),
      tr("IPS or BPS patch (*.ips *.bps);;IPS patch (*.ips);;BPS patch (*.bps)"));
  if (!chosen || chosen->isEmpty()) return;
  const Expected<std::vector<std::uint8_t>> content = readFileContent(localPath(*chosen));
  if (!content) return showFileError(tr("Error loading file!"), content.error().what);
  const Expected<PatchedImage> patched = patchedDocument(document_->core(), *content);
  if (!patched) return showFileError(tr("The patch was not applied."), patched.error().what);
  document_->perform(diffCommand(kApplyPatchCommand, document_->core(), patched.value().state,
                                 patched.value().rom));
  showStatusMessage(tr("Patch %1 applied.").arg(QFileInfo(*chosen).fileName()));
}

// However the main window closes, an open selector closes first and hands its colour back
// while the main window is still there to store it; then unsaved edits are offered for saving,
// and a cancel keeps the window open.
void MainWindow::closeEvent(QCloseEvent* event) {
  palette_->closeSelector();
  if (mayDiscardDocument()) {
    event->accept();
  } else {
    event->ignore();
  }
}

// Unsaved edits are never lost without a word. Save that fails (its message says why) keeps the
// document and its edits: the caller does not go on.
bool MainWindow::mayDiscardDocument() {
  document_->finishPendingEdit();
  if (!document_->loaded() || !document_->core().isModified()) return true;
  const QString name =
      QFileInfo(QFile::decodeName(document_->core().path.string().c_str())).fileName();
  const QMessageBox::StandardButton answer = dialogs_.ask(
      this, app::windowTitle(), tr("Save changes to %1 before closing?").arg(name),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Discard) return true;
  if (answer != QMessageBox::Save) return false;
  saveFile();
  return !document_->core().isModified();
}

// "[*]" is where Qt shows the modified mark: an asterisk after the file's name. An image opened
// in spite of the game check says so after it.
void MainWindow::showCaption(const QString& path) {
  const QString unverified = unverifiedImage_ ? tr(" (unverified image)") : QString();
  setWindowTitle(app::windowTitle() + "[" + QFileInfo(path).fileName() + "][*]" + unverified);
}

}  // namespace pelmora::app
