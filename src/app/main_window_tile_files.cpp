// The title's tiles taken to other programs and back: File > Export > Tiles as .chr and as PNG,
// File > Import > Tiles from .chr and from PNG. Each import is one step the user can undo; a
// file of the wrong size is refused and changes nothing.
#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "app/local_files.h"
#include "app/main_window.h"
#include "app/user_dialogs.h"
#include "edit/diff_command.h"
#include "formats/chr_file.h"
#include "formats/png_file.h"
#include "picture/tile_sheet_picture.h"

namespace pelmora::app {
namespace {

const QString kChrFilter = QStringLiteral("CHR tiles (*.chr)");
const QString kPngFilter = QStringLiteral("PNG picture (*.png)");

QAction* addNamed(QMenu* menu, const QString& text, const QString& name) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  return action;
}

// The tile sheet as a 128 x 128 picture indexed in the four colours of the palette shown.
IndexedImage tileSheetPicture(const EditorState& state, const ColourTables& colours) {
  const std::array<std::uint32_t, 4> shown = shownPaletteColours(state, colours);
  return {kTileSheetPictureSize,
          kTileSheetPictureSize,
          {shown.begin(), shown.end()},
          tileSheetIndices(state.tileSheet)};
}

}  // namespace

void MainWindow::buildTileFileActions() {
  exportMenu->addSeparator();
  actionExportTilesChr = addNamed(exportMenu, QStringLiteral("Tiles as .&chr…"),
                                  QStringLiteral("actionExportTilesChr"));
  actionExportTilesPng = addNamed(exportMenu, QStringLiteral("Tiles as P&NG…"),
                                  QStringLiteral("actionExportTilesPng"));
  importMenu->addSeparator();
  actionImportTilesChr = addNamed(importMenu, QStringLiteral("Tiles from .&chr…"),
                                  QStringLiteral("actionImportTilesChr"));
  actionImportTilesPng = addNamed(importMenu, QStringLiteral("Tiles from P&NG…"),
                                  QStringLiteral("actionImportTilesPng"));
  actionImportPicture = addNamed(importMenu, QStringLiteral("Picture as &Title…"),
                                 QStringLiteral("actionImportPicture"));
  connect(actionExportTilesChr, &QAction::triggered, this, &MainWindow::exportTilesAsChr);
  connect(actionExportTilesPng, &QAction::triggered, this, &MainWindow::exportTilesAsPng);
  connect(actionImportTilesChr, &QAction::triggered, this, &MainWindow::importTilesFromChr);
  connect(actionImportTilesPng, &QAction::triggered, this, &MainWindow::importTilesFromPng);
  connect(actionImportPicture, &QAction::triggered, this, &MainWindow::importPictureAsTitle);
  connect(this, &MainWindow::historyChanged, this, &MainWindow::refreshTileActions);
  refreshTileActions();
}

// The tile commands need an open image.
void MainWindow::refreshTileActions() {
  for (QAction* action : {actionExportTilesChr, actionExportTilesPng, actionImportTilesChr,
                          actionImportTilesPng, actionImportPicture})
    action->setEnabled(document_.loaded);
}

void MainWindow::exportTilesAsChr() {
  const std::optional<QString> chosen =
      dialogs_.chooseSaveFile(this, QStringLiteral("Export Tiles"),
                              besideRom(document_.path, QStringLiteral(".chr")), kChrFilter);
  if (!chosen || chosen->isEmpty()) return;
  const Status written = writeChrFile(localPath(*chosen), document_.state.tileSheet);
  if (!written) return showFileError(QStringLiteral("Error saving file!"), written.error().what);
  showStatusMessage(QStringLiteral("Tiles written to %1.").arg(QFileInfo(*chosen).fileName()));
}

void MainWindow::exportTilesAsPng() {
  const std::optional<QString> chosen =
      dialogs_.chooseSaveFile(this, QStringLiteral("Export Tiles as PNG"),
                              besideRom(document_.path, QStringLiteral("-tiles.png")), kPngFilter);
  if (!chosen || chosen->isEmpty()) return;
  const Status written =
      writeIndexedPng(tileSheetPicture(document_.state, colours_), localPath(*chosen));
  if (!written) return showFileError(QStringLiteral("Error saving file!"), written.error().what);
  showStatusMessage(QStringLiteral("Tiles written to %1.").arg(QFileInfo(*chosen).fileName()));
}

void MainWindow::importTilesFromChr() {
  const std::optional<QString> chosen = dialogs_.chooseOpenFile(
      this, QStringLiteral("Import Tiles"), folderOf(document_.path), kChrFilter);
  if (!chosen || chosen->isEmpty()) return;
  const Expected<TileSheet> sheet = readChrFile(localPath(*chosen));
  if (!sheet) return showFileError(QStringLiteral("Error loading file!"), sheet.error().what);
  replaceTileSheet(sheet.value(), *chosen);
}

// Each pixel becomes the value of the nearest of the four colours the tile sheet is shown in.
void MainWindow::importTilesFromPng() {
  const std::optional<QString> chosen = dialogs_.chooseOpenFile(
      this, QStringLiteral("Import Tiles from PNG"), folderOf(document_.path), kPngFilter);
  if (!chosen || chosen->isEmpty()) return;
  const Expected<RgbImage> picture = readPng(localPath(*chosen));
  if (!picture) return showFileError(QStringLiteral("Error loading file!"), picture.error().what);
  const Expected<TileSheet> sheet =
      tileSheetFromPicture(picture.value(), shownPaletteColours(document_.state, colours_));
  if (!sheet) return showFileError(QStringLiteral("Error loading file!"), sheet.error().what);
  replaceTileSheet(sheet.value(), *chosen);
}

void MainWindow::replaceTileSheet(const TileSheet& sheet, const QString& path) {
  EditorState imported = document_.state;
  imported.tileSheet = sheet;
  performCommand(diffCommand(command_name::kImportTiles, document_, imported));
  showStatusMessage(QStringLiteral("Tiles imported from %1.").arg(QFileInfo(path).fileName()));
}

}  // namespace pelmora::app
