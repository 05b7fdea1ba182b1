// The title's tiles in the window: the Tile Editor dock, tile usage on the tile sheet, tiles
// in and out as .chr files, and a picture imported as the title through its preview.
#include "app/tile_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <random>

#include "app/picture_import_dialog.h"
#include "app/picture_surface.h"
#include "app/tile_pixel_canvas.h"
#include "app_harness.h"
#include "edit/tile_edit.h"
#include "edit/tile_placement.h"
#include "state/tile_usage.h"
#include "formats/png_file.h"
#include "picture/title_render.h"
#include "rom/title_layout.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

// The first tile some carried cell shows.
std::uint8_t usedTile(const EditorState& state) {
  for (int tile = 0; tile < 256; ++tile) {
    if (!carriedCellsUsing(state.ppuImage, std::uint8_t(tile)).empty()) return std::uint8_t(tile);
  }
  return 0;
}

void chooseTile(app::MainWindow& w, std::uint8_t tile) {
  pressAt(view(w, "PAT0"), Qt::LeftButton, {}, QPoint(tileSheetX(tile) + 4, tileSheetY(tile) + 4));
}

QByteArray fileContent(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the views show exactly what a full redraw of the document draws.
bool viewsMatchDocument(const app::MainWindow& w) {
  ScreenViews fresh;
  redrawViews(fresh, w.document().state, w.colourTables());
  return sameSurface(fresh.PAT0, w.views().PAT0) && sameSurface(fresh.NAT0, w.views().NAT0) &&
         sameSurface(fresh.NAT1, w.views().NAT1);
}

}  // namespace

class TileEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void paintingDragIsOneStepSavedInTheTilesSixteenBytes();
  void tileOperationsAndPicking();
  void hoverCountsUsersAndFreeTilesAreMarked();
  void chrFileRoundTripAndWrongSizeRefused();
  void pictureImportPreviewAppliesAsOneStep();
};

void TileEditorTest::paintingDragIsOneStepSavedInTheTilesSixteenBytes() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  const QString path = h.writeDemo();
  QCOMPARE(h.open(path), QStringLiteral("File loaded!"));
  QCOMPARE(h.save(), QStringLiteral("File saved!"));
  const QByteArray before = fileContent(path);
  const std::uint8_t tile = usedTile(w.document().state);
  chooseTile(w, tile);
  action(w, "actionTileEditor")->trigger();
  QVERIFY(w.tileEditor()->isVisible());
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QVERIFY(w.tileEditor()->canvas()->shownPixels() ==
          tilePixels(w.document().state.tileSheet, tile));
  QTest::keyClick(&w, Qt::Key_4);
  QCOMPARE(w.tileEditor()->currentValue(), 3);

  app::TilePixelCanvas* canvas = w.tileEditor()->canvas();
  const TilePixels old = tilePixels(w.document().state.tileSheet, tile);
  mouse(canvas, QEvent::MouseButtonPress, canvas->centreOf(0, 0), Qt::LeftButton, Qt::LeftButton);
  mouse(canvas, QEvent::MouseMove, canvas->centreOf(7, 0), Qt::NoButton, Qt::LeftButton);
  QVERIFY(viewsMatchDocument(w));  // the views follow while the button is still down
  mouse(canvas, QEvent::MouseMove, canvas->centreOf(7, 7), Qt::NoButton, Qt::LeftButton);
  mouse(canvas, QEvent::MouseButtonRelease, canvas->centreOf(7, 7), Qt::LeftButton, Qt::NoButton);

  TilePixels expected = old;
  for (int i = 0; i < 8; ++i) {
    expected = withPixel(withPixel(expected, i, 0, 3), 7, i, 3);
  }
  QVERIFY(tilePixels(w.document().state.tileSheet, tile) == expected);
  QCOMPARE(w.document().history.undoCount(), std::size_t{1});
  QCOMPARE(action(w, "actionUndo")->text(), QStringLiteral("&Undo Edit Tile"));
  QVERIFY(w.isWindowModified());
  QVERIFY(viewsMatchDocument(w));

  QCOMPARE(h.save(), QStringLiteral("File saved!"));
  const QByteArray after = fileContent(path);
  QCOMPARE(after.size(), before.size());
  const qsizetype tileStart =
      16 + qsizetype(w.document().rom.chrOffset()) + title::kTitleChrBank * 4096 + tile * 16;
  for (qsizetype i = 0; i < after.size(); ++i) {
    if (after[i] != before[i])
      QVERIFY2(i >= tileStart && i < tileStart + 16, qPrintable(QString::number(i)));
  }
  QVERIFY(after.mid(tileStart, 16) != before.mid(tileStart, 16));

  action(w, "actionUndo")->trigger();
  QVERIFY(tilePixels(w.document().state.tileSheet, tile) == old);
  QVERIFY(viewsMatchDocument(w));
}

// Flips, rotation, clearing and pasting are one step each; the right button picks a value; the
// first edit of the session says once that other screens may share the tiles.
void TileEditorTest::tileOperationsAndPicking() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const std::uint8_t tile = usedTile(w.document().state);
  chooseTile(w, tile);
  action(w, "actionTileEditor")->trigger();
  app::TileEditor* editor = w.tileEditor();
  const TilePixels old = tilePixels(w.document().state.tileSheet, tile);

  editor->findChild<QToolButton*>(QStringLiteral("cmdFlipTileH"))->click();
  QVERIFY(tilePixels(w.document().state.tileSheet, tile) == flippedHorizontally(old));
  QVERIFY(w.statusBar()->currentMessage().contains(QStringLiteral("other screens")));
  w.statusBar()->clearMessage();
  editor->findChild<QToolButton*>(QStringLiteral("cmdRotateTile"))->click();
  QVERIFY(w.statusBar()->currentMessage().isEmpty());  // said once only
  editor->findChild<QToolButton*>(QStringLiteral("cmdCopyTile"))->click();
  const TilePixels copied = tilePixels(w.document().state.tileSheet, tile);
  chooseTile(w, std::uint8_t(tile + 1));
  editor->findChild<QToolButton*>(QStringLiteral("cmdPasteTile"))->click();
  QVERIFY(tilePixels(w.document().state.tileSheet, std::uint8_t(tile + 1)) == copied);
  editor->findChild<QToolButton*>(QStringLiteral("cmdClearTile"))->click();
  QVERIFY(tilePixels(w.document().state.tileSheet, std::uint8_t(tile + 1)) == clearedTile());
  QCOMPARE(w.document().history.undoCount(), std::size_t{4});

  chooseTile(w, tile);
  const TilePixels shown = tilePixels(w.document().state.tileSheet, tile);
  mouse(editor->canvas(), QEvent::MouseButtonPress, editor->canvas()->centreOf(2, 5),
        Qt::RightButton, Qt::RightButton);
  QCOMPARE(editor->currentValue(), int(pixelAt(shown, 2, 5)));
  QCOMPARE(w.document().history.undoCount(), std::size_t{4});
}

void TileEditorTest::hoverCountsUsersAndFreeTilesAreMarked() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const EditorState& state = w.document().state;
  const std::uint8_t used = usedTile(state);
  const auto users = carriedCellsUsing(state.ppuImage, used);
  QMouseEvent move(QEvent::MouseMove, QPointF(tileSheetX(used) + 4, tileSheetY(used) + 4),
                   view(w, "PAT0")->mapToGlobal(QPointF(tileSheetX(used) + 4, tileSheetY(used) + 4)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view(w, "PAT0"), &move);
  QVERIFY2(
      w.readoutText().endsWith(
          QStringLiteral("used by %1 cell%2").arg(users.size()).arg(users.size() == 1 ? "" : "s")),
      qPrintable(w.readoutText()));
  const TileCell first = users.front();
  app::PictureSurface* screen = first.nameTable == 0 ? view(w, "NAT0") : view(w, "NAT1");
  const QImage shown = screen->grab().toImage();
  const QRgb marked = shown.pixel(first.column * 8 + 3, first.row * 8 + 3);
  const std::uint32_t drawn = screen->surface().pixel(first.column * 8 + 3, first.row * 8 + 3);
  QVERIFY(rgb(qRed(marked), qGreen(marked), qBlue(marked)) != drawn);

  action(w, "actionShowFreeTiles")->trigger();
  QVERIFY(w.settings().freeTilesShown());
  const auto free = freeTiles(countCarriedTileUses(state.ppuImage));
  QVERIFY(!free[0xFC]);
  const QImage sheet = view(w, "PAT0")->grab().toImage();
  for (int tile = 0; tile < 256; ++tile) {
    const QPoint centre(tileSheetX(std::uint8_t(tile)) + 8, tileSheetY(std::uint8_t(tile)) + 8);
    const QRgb pixel = sheet.pixel(centre);
    const bool changed = rgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) !=
                         view(w, "PAT0")->surface().pixel(centre.x(), centre.y());
    QVERIFY2(changed == free[std::size_t(tile)], qPrintable(QString::number(tile)));
  }
}

void TileEditorTest::chrFileRoundTripAndWrongSizeRefused() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const TileSheet original = w.document().state.tileSheet;
  const QString chr = h.folder.filePath(QStringLiteral("tiles.chr"));
  h.dialogs.answers.push_back(chr);
  action(w, "actionExportTilesChr")->trigger();
  QCOMPARE(QFileInfo(chr).size(), qint64(4096));

  chooseTile(w, usedTile(w.document().state));
  w.tileEditor()->clear();
  QVERIFY(w.document().state.tileSheet != original);
  h.dialogs.answers.push_back(chr);
  action(w, "actionImportTilesChr")->trigger();
  QVERIFY(w.document().state.tileSheet == original);
  QCOMPARE(action(w, "actionUndo")->text(), QStringLiteral("&Undo Import Tiles"));

  const QString shortFile = h.folder.filePath(QStringLiteral("short.chr"));
  QFile file(shortFile);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(4095, '\0'));
  file.close();
  const std::size_t steps = w.document().history.undoCount();
  h.dialogs.answers.push_back(shortFile);
  action(w, "actionImportTilesChr")->trigger();
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("Error loading file!"));
  QVERIFY(h.dialogs.messages.back().detail.contains(QStringLiteral("4095")));
  QVERIFY(w.document().state.tileSheet == original);
  QCOMPARE(w.document().history.undoCount(), steps);
}

void TileEditorTest::pictureImportPreviewAppliesAsOneStep() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  RgbImage noise(256, 240);
  std::mt19937 random(7);
  for (std::uint32_t& pixel : noise.pixels) pixel = (random() & 1u) ? 0xFFFFFFu : 0u;
  const QString noisePath = h.folder.filePath(QStringLiteral("noise.png"));
  QVERIFY(writeRgbPng(noise, noisePath.toStdString()));
  w.openPictureImport(noisePath);
  app::PictureImportDialog* preview = w.pictureImportDialog();
  QVERIFY(preview);
  QVERIFY(!preview->applyButton()->isEnabled());
  QVERIFY(preview->countsText().startsWith(QStringLiteral("Does not fit")));
  preview->reduceTiles()->click();
  QVERIFY(preview->applyButton()->isEnabled());
  QVERIFY(preview->countsText().contains(QStringLiteral("merged")));
  const EditorState expected = preview->result().state;
  preview->applyButton()->click();
  QCOMPARE(action(w, "actionUndo")->text(), QStringLiteral("&Undo Import Picture"));
  QCOMPARE(w.document().history.undoCount(), std::size_t{1});
  QVERIFY(w.document().state.ppuImage == expected.ppuImage);
  QVERIFY(viewsMatchDocument(w));

  h.dialogs.messages.clear();
  const QString small = h.folder.filePath(QStringLiteral("small.png"));
  QVERIFY(writeRgbPng(RgbImage(100, 50), small.toStdString()));
  w.openPictureImport(small);
  QCOMPARE(h.dialogs.messages.size(), std::size_t{1});
  QVERIFY(h.dialogs.messages.back().detail.contains(QStringLiteral("256 x 192")));
}

QTEST_MAIN(TileEditorTest)
#include "tile_editor_test.moc"
