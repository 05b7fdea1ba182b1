// The main window as a desktop program: menus and shortcuts, the status bar's readout, zoom,
// recent files, files from the command line and dropped on the window, why a load failed, and
// the palette selector's keys, preview and cancelling.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

#include "app/colour_square.h"
#include "app/control_area.h"
#include "app/palette_selector.h"
#include "app/picture_surface.h"
#include "app_harness.h"
#include "support/demo_variants.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

// A pointer move over `view` at `position` in widget pixels, with no button held.
void moveOver(QWidget* view, QPointF position) {
  QMouseEvent move(QEvent::MouseMove, position, view->mapToGlobal(position), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &move);
}

}  // namespace

class WindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyActionHasItsShortcutAndRuns();
  void buttonsAndMenusRunTheSameCommands();
  void readoutNamesWhatIsUnderThePointerAtEachZoom();
  void readoutIsNeverStale();
  void zoomedPressesHitTheSameTile();
  void windowOpensAtTheSizeOfItsControls();
  void windowsStayOnTheScreen();
  void gridAndZoomAreRemembered();
  void recentFilesKeepTenAndDropAMissingOne();
  void fileArgumentOpensAtStartUp();
  void droppedFileOpens();
  void failedLoadSaysWhy();
  void selectorKeepsOnEnterAndCancelsOnEscape();
  void aboutNamesVersionQtAndLicence();
};

// Each command is reachable from the keyboard with its standard shortcut.
void WindowCommandsTest::everyActionHasItsShortcutAndRuns() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  const std::vector<std::pair<QAction*, QKeySequence>> shortcuts = {
      {action(w, "actionOpen"), QKeySequence(Qt::CTRL | Qt::Key_O)},
      {action(w, "actionSave"), QKeySequence(Qt::CTRL | Qt::Key_S)},
      {action(w, "actionExit"), QKeySequence(Qt::CTRL | Qt::Key_Q)},
      {action(w, "actionGrid"), QKeySequence(Qt::Key_G)},
      {action(w, "actionZoomIn"), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
      {action(w, "actionZoomOut"), QKeySequence(Qt::CTRL | Qt::Key_Minus)},
      {action(w, "actionActualSize"), QKeySequence(Qt::CTRL | Qt::Key_0)},
      {action(w, "actionNextPaletteSet"), QKeySequence(Qt::Key_P)},
  };
  for (const auto& [action, keys] : shortcuts) {
    QVERIFY2(action->shortcuts().contains(keys), qPrintable(action->objectName()));
  }
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));

  QTest::keyClick(&w, Qt::Key_G);
  QVERIFY(w.gridShown());
  QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
  QCOMPARE(w.zoom(), 2);
  QTest::keyClick(&w, Qt::Key_0, Qt::ControlModifier);
  QCOMPARE(w.zoom(), 1);
  QTest::keyClick(&w, Qt::Key_P);
  QCOMPARE(int(w.document().state.paletteSet), 1);
  QCOMPARE(w.paletteSetText(), QStringLiteral("palette set 1 of 5"));
  QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("File saved!"));
  h.dialogs.answers.push_back(QString());
  QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("No file loaded!"));
  action(w, "actionShortcuts")->trigger();
  QVERIFY(h.dialogs.information.back().text.contains(QStringLiteral("Next Palette Set")));
  QVERIFY(h.dialogs.information.back().text.contains(QStringLiteral("Ctrl+Y")));
  QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
  QVERIFY(!w.isVisible());
}

void WindowCommandsTest::buttonsAndMenusRunTheSameCommands() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QVERIFY(!action(w, "actionSave")->isEnabled() && !action(w, "actionNextPaletteSet")->isEnabled());
  QVERIFY(!action(w, "actionUndo")->isEnabled() && !action(w, "actionRedo")->isEnabled());
  QVERIFY(!action(w, "actionSaveAs")->isEnabled() && !action(w, "actionApplyPatch")->isEnabled());
  const QList<QAction*> imports = menu(w, "importMenu")->actions();
  for (QAction* action : imports) menu(w, "importMenu")->removeAction(action);
  QVERIFY(!menu(w, "importMenu")->menuAction()->isVisible());  // empty menus wait for their commands
  menu(w, "importMenu")->addActions(imports);
  QVERIFY(menu(w, "importMenu")->menuAction()->isVisible());
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  QVERIFY(action(w, "actionSave")->isEnabled() && action(w, "actionNextPaletteSet")->isEnabled());
  QTest::mouseClick(control<QPushButton>(w, "cmdChangePal"), Qt::LeftButton);
  QCOMPARE(int(w.document().state.paletteSet), 1);
  action(w, "actionNextPaletteSet")->trigger();
  QCOMPARE(int(w.document().state.paletteSet), 2);
  QCOMPARE(w.paletteSetText(), QStringLiteral("palette set 2 of 5"));
}

// The readout follows the pointer at 1x and 2x alike, and moving never draws a view again.
void WindowCommandsTest::readoutNamesWhatIsUnderThePointerAtEachZoom() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const std::vector<int> before = repaintCounts(w);
  for (const int zoom : {1, 2}) {
    w.setZoom(zoom);
    moveOver(view(w, "NAT0"), QPointF(0, 0));
    QVERIFY(w.readoutText().startsWith(QStringLiteral("Name table 0, col 0, row 0: tile $")));
    QVERIFY(w.readoutText().contains(QStringLiteral("body 0x32770, file 0x32780")));
    moveOver(view(w, "NAT0"), QPointF(255 * zoom, 26 * 8 * zoom));
    QVERIFY(w.readoutText().contains(QStringLiteral("col 31, row 26")));
    QVERIFY(w.readoutText().endsWith(QStringLiteral("not saved to the ROM")));
    moveOver(view(w, "ATT0"), QPointF(16 * zoom, 15 * zoom));
    QVERIFY(w.readoutText().startsWith(QStringLiteral("Attribute $23C0 = $")));
    QVERIFY(w.readoutText().contains(QStringLiteral("top right quadrant")));
    moveOver(view(w, "PAT0"), QPointF(255 * zoom, 0));
    QVERIFY(w.readoutText().startsWith(QStringLiteral("Tile $0F")));
  }
  QCOMPARE(repaintCounts(w), before);
  QEnterEvent hover(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QCoreApplication::sendEvent(square(w, "lbl_coinpal", 6), &hover);
  QVERIFY(w.readoutText().startsWith(QStringLiteral("Coin palette, colour 6: $")));
  QVERIFY(w.readoutText().contains(QStringLiteral("body 0x30AB0")));
}

// A pointer that stays still is described as the cell is after a press and after Undo, and
// at 1x the readout fits beside the palette set, shortened at whole parts.
void WindowCommandsTest::readoutIsNeverStale() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  pressAt(view(w, "PAT0"), Qt::LeftButton, {}, QPoint(40, 24));  // tile $12
  const QPoint cell(8 * 7 + 1, 8 * 3);
  moveOver(view(w, "NAT0"), cell);
  const QString before = w.readoutText();
  QVERIFY(before.startsWith(QStringLiteral("Name table 0, col 7, row 3: tile $")));
  QVERIFY(!before.contains(QStringLiteral("tile $12")));
  pressAt(view(w, "NAT0"), Qt::LeftButton, {}, cell);
  QVERIFY(w.readoutText().contains(QStringLiteral("col 7, row 3: tile $12")));
  action(w, "actionUndo")->trigger();
  QCOMPARE(w.readoutText(), before);
  const QLabel* shown = control<QLabel>(w, "readout");
  QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) <= shown->contentsRect().width());
  QVERIFY(shown->text() == before || (shown->text().endsWith(QStringLiteral(" \u2026")) &&
                                      before.startsWith(shown->text().chopped(2))));
}

// Zooming never makes the window larger than the screen: the control area scrolls inside it.
// Ctrl with the wheel zooms; a selector place remembered from a larger screen comes back onto
// this one.
void WindowCommandsTest::windowsStayOnTheScreen() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  const QRect available = w.screen()->availableGeometry();
  w.setZoom(3);
  QVERIFY(available.contains(w.frameGeometry()));
  QCOMPARE(w.controlArea()->size(), QSize(823, 554) * 3);
  const auto* scroll = w.findChild<QScrollArea*>(QStringLiteral("controlScrollArea"));
  QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
  // A wheel event the test sends is not passed on to parents as the window system's are; it
  // goes where the views' unused wheel events end up.
  QWidget* viewport = scroll->viewport();
  const QPointF inside(10, 10);
  QWheelEvent notch(inside, viewport->mapToGlobal(inside), {}, QPoint(0, -120), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(viewport, &notch);
  QCOMPARE(w.zoom(), 2);

  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  w.settings().setSelectorPosition(available.bottomRight() + QPoint(500, 500));
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 1), Qt::LeftButton);
  QVERIFY(available.contains(w.paletteSelector()->geometry()));
}

// The first window shows the whole control area and nothing more: no scroll bars, no empty band.
void WindowCommandsTest::windowOpensAtTheSizeOfItsControls() {
  WindowHarness h;
  QVERIFY(QTest::qWaitForWindowExposed(&h.window));
  const QWidget* area = h.window.controlArea();
  const auto* scroll = h.window.findChild<QScrollArea*>(QStringLiteral("controlScrollArea"));
  QCOMPARE(scroll->viewport()->size(), area->size());
}

void WindowCommandsTest::zoomedPressesHitTheSameTile() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  for (const int zoom : {1, 2, 3}) {
    w.setZoom(zoom);
    QCOMPARE(view(w, "PAT0")->size(), QSize(256, 256) * zoom);
    QCOMPARE(control<QPushButton>(w, "cmdOpenFile")->geometry(), QRect(QPoint(16, 8) * zoom, QSize(25, 25) * zoom));
    pressAt(view(w, "PAT0"), Qt::LeftButton, {}, QPoint(40, 24) * zoom);
    QCOMPARE(control<QLabel>(w, "lblTileID")->text(), QStringLiteral("12"));
    pressAt(view(w, "NAT0"), Qt::LeftButton, {}, QPoint(8 * zoom * 7 + zoom, 8 * zoom * 3));
    QCOMPARE(int(w.document().state.ppuImage[0x2000 + 3 * 32 + 7]), 0x12);
    pressAt(view(w, "PAT0"), Qt::LeftButton, {}, QPoint(0, 0));
    pressAt(view(w, "NAT0"), Qt::LeftButton, {}, QPoint(8 * zoom * 7 + zoom, 8 * zoom * 3));
    QCOMPARE(int(w.document().state.ppuImage[0x2000 + 3 * 32 + 7]), 0x00);
  }
}

void WindowCommandsTest::gridAndZoomAreRemembered() {
  SettingsSandbox sandbox;
  {
    ScriptedDialogs dialogs;
    app::MainWindow first(dialogs);
    action(first, "actionGrid")->trigger();
    action(first, "actionZoomIn")->trigger();
    action(first, "actionZoomIn")->trigger();
    action(first, "actionZoomIn")->trigger();  // 3x is the largest
    QCOMPARE(first.zoom(), 3);
    QVERIFY(!action(first, "actionZoomIn")->isEnabled());
  }
  ScriptedDialogs dialogs;
  app::MainWindow second(dialogs);
  QVERIFY(second.gridShown());
  QCOMPARE(second.zoom(), 3);
  QCOMPARE(second.controlArea()->size(), QSize(823, 554) * 3);
}

void WindowCommandsTest::recentFilesKeepTenAndDropAMissingOne() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  for (int i = 0; i < 11; ++i) h.open(h.writeDemo(QStringLiteral("demo%1.nes").arg(i)));
  QList<QAction*> recent = menu(w, "recentMenu")->actions();
  QCOMPARE(recent.size(), 10);
  QCOMPARE(recent.front()->data().toString(), h.folder.filePath(QStringLiteral("demo10.nes")));
  QVERIFY(QFile::remove(h.folder.filePath(QStringLiteral("demo5.nes"))));
  const QString lastCaption = w.windowTitle();
  recent.at(5)->trigger();
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("Error loading file!"));
  QVERIFY(h.dialogs.messages.back().detail.contains(QStringLiteral("No such file")));
  QCOMPARE(w.windowTitle(), lastCaption);
  QCOMPARE(menu(w, "recentMenu")->actions().size(), 9);
  menu(w, "recentMenu")->actions().at(3)->trigger();
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("File loaded!"));
  QCOMPARE(w.windowTitle(), QStringLiteral("Pelmora 0.80.0[demo7.nes][*]"));
  QCOMPARE(menu(w, "recentMenu")->actions().front()->data().toString(),
           h.folder.filePath(QStringLiteral("demo7.nes")));
}

void WindowCommandsTest::fileArgumentOpensAtStartUp() {
  WindowHarness h;
  h.window.openStartupArguments({QStringLiteral("--quit-after-first-paint"), h.writeDemo()});
  QCOMPARE(h.dialogs.messages.size(), std::size_t{1});
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("File loaded!"));
  QCOMPARE(h.window.windowTitle(), QStringLiteral("Pelmora 0.80.0[demo.nes][*]"));
}

void WindowCommandsTest::droppedFileOpens() {
  WindowHarness h;
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(h.writeDemo(QStringLiteral("dropped.nes")))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&h.window, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&h.window, &drop);
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("File loaded!"));
  QCOMPARE(h.window.windowTitle(), QStringLiteral("Pelmora 0.80.0[dropped.nes][*]"));
}

void WindowCommandsTest::failedLoadSaysWhy() {
  WindowHarness h;
  const QString bad = h.folder.filePath(QStringLiteral("bad.nes"));
  writeFileBytes(bad.toStdString(), std::vector<std::uint8_t>(4096, 'x'));
  QCOMPARE(h.open(bad), QStringLiteral("Error loading file!"));
  QVERIFY(h.dialogs.messages.back().detail.startsWith(QStringLiteral("The file is not an iNES image")));
  writeFileBytes(bad.toStdString(), fileBytes(demoCutShort(0x32000)));
  QCOMPARE(h.open(bad), QStringLiteral("Error loading file!"));
  QVERIFY(!h.dialogs.messages.back().detail.isEmpty());
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  QVERIFY(h.dialogs.messages.back().detail.isEmpty());
}

// Enter, Escape and a double click each close the selector and hand its colour back; a
// single click previews the colour without storing it.
void WindowCommandsTest::selectorKeepsOnEnterAndCancelsOnEscape() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const std::vector<std::pair<int, std::function<void(app::PaletteSelector*)>>> closings = {
      {0x21, [](app::PaletteSelector* s) { QTest::keyClick(s, Qt::Key_Return); }},
      {0x23, [](app::PaletteSelector* s) { QTest::mouseDClick(s->lblnespal[0x23], Qt::LeftButton); }},
  };
  for (const auto& [colour, close] : closings) {
    QTest::mouseDClick(square(w, "lbl_bkgpal0", 1), Qt::LeftButton);
    app::PaletteSelector* selector = w.paletteSelector();
    QTest::mouseClick(selector->lblnespal[colour], Qt::LeftButton);
    QCOMPARE(square(w, "lbl_bkgpal0", 1)->text(), QString::number(colour, 16).toUpper());  // preview
    QVERIFY(int(w.document().state.romPalette[1]) != colour);
    close(selector);
    QVERIFY(!selector->isVisible());
    QCOMPARE(int(w.document().state.romPalette[1]), colour);
  }
  // Escape takes the tried colour back and records nothing; the place is still remembered.
  const QString undoText = action(w, "actionUndo")->text();
  w.paletteSelector()->move(QPoint(40, 50));
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 1), Qt::LeftButton);
  QTest::mouseClick(w.paletteSelector()->lblnespal[0x22], Qt::LeftButton);
  QTest::keyClick(w.paletteSelector(), Qt::Key_Escape);
  QVERIFY(!w.paletteSelector()->isVisible());
  QCOMPARE(int(w.document().state.romPalette[1]), 0x23);
  QCOMPARE(square(w, "lbl_bkgpal0", 1)->text(), QStringLiteral("23"));
  QCOMPARE(action(w, "actionUndo")->text(), undoText);
  QCOMPARE(w.settings().selectorPosition().value_or(QPoint()), w.paletteSelector()->pos());
}

void WindowCommandsTest::aboutNamesVersionQtAndLicence() {
  WindowHarness h;
  action(h.window, "actionAbout")->trigger();
  const QString text = h.dialogs.information.back().text;
  QVERIFY(text.contains(QStringLiteral("Pelmora 0.80.0")));
  QVERIFY(text.contains(QString::fromLatin1(qVersion())));
  QVERIFY(text.contains(QStringLiteral("Released under the MIT licence.")));
}

QTEST_MAIN(WindowCommandsTest)
#include "window_commands_test.moc"
