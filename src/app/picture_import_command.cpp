#include "app/picture_import_command.h"

#include <QFileInfo>
#include <algorithm>

#include "app/editor_document.h"
#include "app/local_files.h"
#include "app/picture_import_dialog.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"
#include "edit/diff_command.h"
#include "formats/png_file.h"

namespace pelmora::app {
namespace {

constexpr int kLargestPreviewZoom = 2;

}  // namespace

PictureImportCommand::PictureImportCommand(EditorDocument& document, UserDialogs& dialogs,
                                           QWidget& window)
    : QObject(&window), document_(document), dialogs_(dialogs), window_(window) {}

PictureImportDialog* PictureImportCommand::dialog() const { return dialog_; }

void PictureImportCommand::run(int zoom) {
  const std::optional<QString> chosen =
      dialogs_.chooseOpenFile(&window_, tr("Import Picture as Title"),
                              folderOf(document_.core().path), tr("PNG picture (*.png)"));
  if (chosen && !chosen->isEmpty()) openPreview(*chosen, zoom);
}

// A picture that cannot be read, or is not 256 x 192 or 256 x 240, is refused before any
// preview. The preview is window-modal and leaves the document alone until Apply.
void PictureImportCommand::openPreview(const QString& path, int zoom) {
  Expected<RgbImage> picture = readPng(localPath(path));
  if (!picture) return showError(tr("Error loading file!"), picture.error().what);
  if (const Expected<PictureImport> tried = importTitlePicture(document_.state(), *picture, {});
      !tried) {
    return showError(tr("The picture cannot be the title."), tried.error().what);
  }
  delete dialog_;
  dialog_ = new PictureImportDialog(document_.state(), document_.colours(),
                                    std::move(picture.value()),
                                    std::min(zoom, kLargestPreviewZoom), &window_);
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog_, &QDialog::accepted, this, [this, name = QFileInfo(path).fileName()] {
    const PictureImport& imported = dialog_->result();
    if (!imported.fits) return;
    document_.perform(diffCommand(command_name::kImportPicture, document_.core(), imported.state));
    const PictureImportReport& report = imported.report;
    emit message(tr("%1 imported as the title: %2 tiles, %3 new, %4 reused, %5 merged, %6 "
                    "pixels changed.")
                     .arg(name)
                     .arg(report.tilesUsed)
                     .arg(report.tilesNew)
                     .arg(report.tilesReused)
                     .arg(report.tilesMerged)
                     .arg(report.pixelsChanged),
                 0);
  });
  dialog_->open();
}

void PictureImportCommand::showError(const QString& text, const std::string& reason) {
  dialogs_.showMessage(&window_, app::windowTitle(), text, QString::fromStdString(reason));
}

}  // namespace pelmora::app
