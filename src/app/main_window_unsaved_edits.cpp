// Unsaved edits are never lost without a word: Open, Exit and closing the window offer to save
// them first. The caption carries the modified mark.
#include <QFile>
#include <QFileInfo>

#include "app/main_window.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"

namespace pelmora::app {

// Save that fails (its message says why) keeps the document and its edits: the caller does not
// go on.
bool MainWindow::mayDiscardDocument() {
  finishStroke();
  if (!document_.loaded || !document_.isModified()) return true;
  const QString name = QFileInfo(QFile::decodeName(document_.path.string().c_str())).fileName();
  const QMessageBox::StandardButton answer = dialogs_.ask(
      this, app::windowTitle(), QStringLiteral("Save changes to %1 before closing?").arg(name),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Discard) return true;
  if (answer != QMessageBox::Save) return false;
  saveFile();
  return !document_.isModified();
}

// "[*]" is where Qt shows the modified mark: an asterisk after the file's name. An image opened
// in spite of the game check says so after it.
void MainWindow::showCaption(const QString& path) {
  const QString unverified = unverifiedImage_ ? QStringLiteral(" (unverified image)") : QString();
  setWindowTitle(app::windowTitle() + "[" + QFileInfo(path).fileName() + "][*]" + unverified);
}

}  // namespace pelmora::app
