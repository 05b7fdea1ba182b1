// Screens, palettes and views taken to other programs and back: File > Export and Import of
// name tables (.nam) and the palette (.pal), each view as a PNG picture, and Edit > Copy View
// Image. Every import is one step the user can undo.
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <array>

#include "app/local_files.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "app/user_dialogs.h"
#include "edit/diff_command.h"
#include "formats/nam_file.h"
#include "formats/pal_file.h"
#include "formats/png_file.h"
#include "rom/rom_file.h"

namespace pelmora::app {
namespace {

const QString kNameTableFilter = QStringLiteral("Name table (*.nam)");
const QString kPaletteFilter = QStringLiteral("Palette (*.pal)");
const QString kPngFilter = QStringLiteral("PNG picture (*.png)");
constexpr const char* kImportNameTableCommand = "Import Name Table";
constexpr const char* kImportPaletteCommand = "Import Palette";

// A view as the menus name it, and the ending of the file named after the image (the names the
// command line's render uses for the views).
struct ViewPicture {
  PictureSurface* view;
  QString caption;
  QString ending;
};

std::array<ViewPicture, 5> viewPictures(const MainWindow& window) {
  return {{{window.PAT0, QStringLiteral("&Tile Sheet"), QStringLiteral("tiles")},
           {window.NAT0, QStringLiteral("Name Table &0"), QStringLiteral("screen0")},
           {window.ATT0, QStringLiteral("&Attribute Table 0"), QStringLiteral("attr0")},
           {window.NAT1, QStringLiteral("Name Table &2"), QStringLiteral("screen1")},
           {window.ATT1, QStringLiteral("Attribute Table 2"), QStringLiteral("attr1")}}};
}

// Screen 0 is name table 0, screen 1 is name table 2.
int nameTableNumber(int screen) { return screen == 0 ? 0 : 2; }

QString droppedCellsText(const NameTableImport& imported) {
  if (imported.droppedCells == 0 && imported.droppedAttributeBytes == 0) return {};
  QString text = QStringLiteral(" %1 cells Save does not carry were dropped").arg(imported.droppedCells);
  if (imported.droppedAttributeBytes != 0)
    text += QStringLiteral(", and %1 attribute bytes").arg(imported.droppedAttributeBytes);
  return text + QLatin1Char('.');
}

// The picture as the screen shows it, in the clipboard's usual format.
QImage clipboardImage(const Surface& surface, int zoom) {
  const RgbImage picture = surfaceImage(surface, zoom);
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t colour = picture.at(x, y);
      line[x] = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
  }
  return image;
}

QAction* addNamedAction(QMenu* menu, const QString& text, const QString& name) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  return action;
}

}  // namespace

void MainWindow::buildExchangeCommands() {
  for (int screen = 0; screen < 2; ++screen) {
    const int table = nameTableNumber(screen);
    QAction* out = addNamedAction(exportMenu, QStringLiteral("Name Table %1 as .nam…").arg(table),
                                  QStringLiteral("actionExportNameTable%1").arg(table));
    connect(out, &QAction::triggered, this, [this, screen] { exportNameTableFile(screen); });
    QAction* in = addNamedAction(importMenu, QStringLiteral("Name Table %1 from .nam…").arg(table),
                                 QStringLiteral("actionImportNameTable%1").arg(table));
    connect(in, &QAction::triggered, this, [this, screen] { importNameTableFile(screen); });
    documentFileActions_.insert(documentFileActions_.end(), {out, in});
  }
  QAction* out = addNamedAction(exportMenu, QStringLiteral("&Palette as .pal…"),
                                QStringLiteral("actionExportPalette"));
  connect(out, &QAction::triggered, this, &MainWindow::exportPaletteFile);
  QAction* in = addNamedAction(importMenu, QStringLiteral("&Palette from .pal…"),
                               QStringLiteral("actionImportPalette"));
  connect(in, &QAction::triggered, this, &MainWindow::importPaletteFile);
  documentFileActions_.insert(documentFileActions_.end(), {out, in});
  buildViewPictureMenu();
  editMenu->addSeparator();
  actionCopyViewImage = editMenu->addAction(QStringLiteral("Copy &View Image"));
  actionCopyViewImage->setObjectName(QStringLiteral("actionCopyViewImage"));
  actionCopyViewImage->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(actionCopyViewImage, &QAction::triggered, this, &MainWindow::copyViewImage);
  documentFileActions_.push_back(actionCopyViewImage);
}

// File > Export > View as PNG: one entry per view, and whether the picture is as large as the
// zoom shows it or one pixel per surface pixel.
void MainWindow::buildViewPictureMenu() {
  exportViewMenu = exportMenu->addMenu(QStringLiteral("&View as PNG"));
  exportViewMenu->setObjectName(QStringLiteral("exportViewMenu"));
  for (const ViewPicture& picture : viewPictures(*this)) {
    QAction* action = exportViewMenu->addAction(picture.caption + QStringLiteral("…"));
    action->setObjectName(QStringLiteral("actionExportView_") + picture.ending);
    connect(action, &QAction::triggered, this,
            [this, view = picture.view, ending = picture.ending] { exportViewPicture(view, ending); });
    documentFileActions_.push_back(action);
  }
  exportViewMenu->addSeparator();
  auto* sizes = new QActionGroup(exportViewMenu);
  actionExportAtZoomShown = exportViewMenu->addAction(QStringLiteral("At the &Zoom Shown"));
  actionExportAtZoomShown->setObjectName(QStringLiteral("actionExportAtZoomShown"));
  QAction* actualSize = exportViewMenu->addAction(QStringLiteral("At &Actual Size (1×)"));
  actualSize->setObjectName(QStringLiteral("actionExportAtActualSize"));
  for (QAction* action : {actionExportAtZoomShown, actualSize}) {
    action->setCheckable(true);
    sizes->addAction(action);
  }
  actionExportAtZoomShown->setChecked(true);
}

void MainWindow::exportNameTableFile(int screen) {
  const int table = nameTableNumber(screen);
  const std::optional<QString> chosen = dialogs_.chooseSaveFile(
      this, QStringLiteral("Export Name Table %1").arg(table),
      besideRom(document_.path, QStringLiteral("-screen%1.nam").arg(screen)), kNameTableFilter);
  if (!chosen || chosen->isEmpty()) return;
  const Status written = writeMadeFile(*chosen, exportNameTable(document_.state, screen));
  if (!written) return showFileError(QStringLiteral("Error saving file!"), written.error().what);
  showStatusMessage(QStringLiteral("Name table %1 written to %2.")
                        .arg(table)
                        .arg(QFileInfo(*chosen).fileName()));
}

// The file's cells replace the screen's, but only those Save carries; the status bar says how
// many were dropped.
void MainWindow::importNameTableFile(int screen) {
  const int table = nameTableNumber(screen);
  const std::optional<QString> chosen =
      dialogs_.chooseOpenFile(this, QStringLiteral("Import Name Table %1").arg(table),
                              folderOf(document_.path), kNameTableFilter);
  if (!chosen || chosen->isEmpty()) return;
  const Expected<std::vector<std::uint8_t>> content = readFileContent(localPath(*chosen));
  if (!content) return showFileError(QStringLiteral("Error loading file!"), content.error().what);
  const Expected<NameTableImport> imported = importNameTable(document_.state, screen, *content);
  if (!imported) return showFileError(QStringLiteral("Error loading file!"), imported.error().what);
  performCommand(diffCommand(kImportNameTableCommand, document_, imported.value().state));
  showStatusMessage(QStringLiteral("Name table %1 imported from %2.")
                            .arg(table)
                            .arg(QFileInfo(*chosen).fileName()) +
                        droppedCellsText(imported.value()),
                    0);
}

void MainWindow::exportPaletteFile() {
  const std::optional<QString> chosen =
      dialogs_.chooseSaveFile(this, QStringLiteral("Export Palette"),
                              besideRom(document_.path, QStringLiteral(".pal")), kPaletteFilter);
  if (!chosen || chosen->isEmpty()) return;
  const Status written = writeMadeFile(*chosen, pelmora::exportPaletteFile(document_.state));
  if (!written) return showFileError(QStringLiteral("Error saving file!"), written.error().what);
  showStatusMessage(QStringLiteral("Palette written to %1.").arg(QFileInfo(*chosen).fileName()));
}

void MainWindow::importPaletteFile() {
  const std::optional<QString> chosen = dialogs_.chooseOpenFile(
      this, QStringLiteral("Import Palette"), folderOf(document_.path), kPaletteFilter);
  if (!chosen || chosen->isEmpty()) return;
  const Expected<std::vector<std::uint8_t>> content = readFileContent(localPath(*chosen));
  if (!content) return showFileError(QStringLiteral("Error loading file!"), content.error().what);
  const Expected<EditorState> imported = pelmora::importPaletteFile(document_.state, *content);
  if (!imported) return showFileError(QStringLiteral("Error loading file!"), imported.error().what);
  performCommand(diffCommand(kImportPaletteCommand, document_, imported.value()));
  showStatusMessage(QStringLiteral("Palette imported from %1.").arg(QFileInfo(*chosen).fileName()));
}

// The same file pelmora-cli render writes at 1×; at a larger zoom each pixel is repeated.
void MainWindow::exportViewPicture(PictureSurface* view, const QString& ending) {
  const std::optional<QString> chosen = dialogs_.chooseSaveFile(
      this, QStringLiteral("Export View as PNG"),
      besideRom(document_.path, QStringLiteral("-%1.png").arg(ending)), kPngFilter);
  if (!chosen || chosen->isEmpty()) return;
  const int scale = actionExportAtZoomShown->isChecked() ? view->zoom() : 1;
  const Status written = scale == 1
                             ? writeSurfacePng(view->surface(), localPath(*chosen))
                             : writeRgbPng(surfaceImage(view->surface(), scale), localPath(*chosen));
  if (!written) return showFileError(QStringLiteral("Error saving file!"), written.error().what);
  showStatusMessage(QStringLiteral("Picture written to %1.").arg(QFileInfo(*chosen).fileName()));
}

// The view under the pointer when the shortcut is pressed; from the menu (the pointer is on
// the menu then), name table 0.
void MainWindow::copyViewImage() {
  const std::array<ViewPicture, 5> pictures = viewPictures(*this);
  const ViewPicture* chosen = &pictures[1];
  for (const ViewPicture& picture : pictures) {
    if (picture.view->underMouse()) chosen = &picture;
  }
  const PictureSurface& view = *chosen->view;
  QGuiApplication::clipboard()->setImage(clipboardImage(view.surface(), view.zoom()));
  showStatusMessage(
      QStringLiteral("Picture of the %1 copied.").arg(QString(chosen->caption).remove('&').toLower()));
}

}  // namespace pelmora::app
