// File > Import > Picture as Title: a PNG drawn in any image editor becomes the title screen,
// after a preview that shows whether and how it fits. Applying it is one step of the history.
#include <QAction>
#include <QFileInfo>

#include "app/local_files.h"
#include "app/main_window.h"
#include "app/picture_import_dialog.h"
#include "app/user_dialogs.h"
#include "edit/diff_command.h"
#include "formats/png_file.h"

namespace pelmora::app {
namespace {

const QString kPngFilter = QStringLiteral("PNG picture (*.png)");
constexpr int kLargestPreviewZoom = 2;

}  // namespace

PictureImportDialog* MainWindow::pictureImportDialog() const {
  return pictureImport_;
}

void MainWindow::importPictureAsTitle() {
  const std::optional<QString> chosen = dialogs_.chooseOpenFile(
      this, QStringLiteral("Import Picture as Title"), folderOf(document_.path), kPngFilter);
  if (!chosen || chosen->isEmpty()) return;
  openPictureImport(*chosen);
}

// A picture that cannot be read, or is not 256 x 192 or 256 x 240, is refused before any
// preview. The preview is window-modal and leaves the document alone until Apply.
void MainWindow::openPictureImport(const QString& path) {
  Expected<RgbImage> picture = readPng(localPath(path));
  if (!picture) return showFileError(QStringLiteral("Error loading file!"), picture.error().what);
  if (const Expected<PictureImport> tried = importTitlePicture(document_.state, *picture, {});
      !tried) {
    return showFileError(QStringLiteral("The picture cannot be the title."), tried.error().what);
  }
  delete pictureImport_;
  pictureImport_ = new PictureImportDialog(document_.state, colours_, std::move(picture.value()),
                                           std::min(zoom_, kLargestPreviewZoom), this);
  pictureImport_->setAttribute(Qt::WA_DeleteOnClose);
  connect(pictureImport_, &QDialog::accepted, this, [this, name = QFileInfo(path).fileName()] {
    applyPictureImport(pictureImport_->result(), name);
  });
  pictureImport_->open();
}

void MainWindow::applyPictureImport(const PictureImport& imported, const QString& name) {
  if (!imported.fits) return;
  performCommand(diffCommand(command_name::kImportPicture, document_, imported.state));
  const PictureImportReport& report = imported.report;
  showStatusMessage(QStringLiteral("%1 imported as the title: %2 tiles, %3 new, %4 reused, %5 "
                                   "merged, %6 pixels changed.")
                        .arg(name)
                        .arg(report.tilesUsed)
                        .arg(report.tilesNew)
                        .arg(report.tilesReused)
                        .arg(report.tilesMerged)
                        .arg(report.pixelsChanged),
                    0);
}

}  // namespace pelmora::app
