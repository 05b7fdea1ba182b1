// The real main window on an X server: what the server shows is what the core drew.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QAction>
#include <QTest>

#include "app/picture_surface.h"
#include "app/control_area.h"
#include "app_harness.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {


}  // namespace

class XcbWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void showsTheOpenedTitleScreen();
  void showsTheViewsScaledAtTwiceTheSize();
};

void XcbWindowTest::initTestCase() {
  QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void XcbWindowTest::showsTheOpenedTitleScreen() {
  WindowHarness h;
  QVERIFY(QTest::qWaitForWindowExposed(&h.window));
  QCOMPARE(h.window.controlArea()->size(), QSize(823, 554));
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  h.window.setShadingShown(false);  // a mark over the pixels, not part of them
  pressAt(view(h.window, "PAT0"), Qt::RightButton, Qt::ShiftModifier, QPoint(255, 255));
  pressAt(view(h.window, "NAT0"), Qt::LeftButton, {}, QPoint(100, 100));
  QCOMPARE(control<QLabel>(h.window, "lblTileID")->text(), QStringLiteral("FF"));
  QCOMPARE(int(h.window.document().state.ppuImage[0x2000 + 12 * 32 + 12]), 0xFF);

  // Painting is asynchronous on a real server: wait until it has caught up.
  QImage screen;
  QTRY_VERIFY_WITH_TIMEOUT(
      (screen = grabWindow(h.window), screenShowsSurface(screen, *view(h.window, "NAT0"))), 5000);
  QVERIFY(screenShowsSurface(screen, *view(h.window, "PAT0")));
  QVERIFY(screenShowsSurface(screen, *view(h.window, "ATT0")));
  QVERIFY(screenShowsSurface(screen, *view(h.window, "NAT1")));
  QVERIFY(screenShowsSurface(screen, *view(h.window, "picSelTile")));
  h.dialogs.questionAnswers.push_back(QMessageBox::Discard);  // the placed tile is an edit
  QTest::mouseClick(control<QPushButton>(h.window, "cmdExitApp"), Qt::LeftButton);
  QVERIFY(!h.window.isVisible());
}

// At 2x a press lands on the same cell as at 1x, and the server shows each view pixel as a
// 2 x 2 block of the surface's colour.
void XcbWindowTest::showsTheViewsScaledAtTwiceTheSize() {
  WindowHarness h;
  QVERIFY(QTest::qWaitForWindowExposed(&h.window));
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  action(h.window, "actionZoomIn")->trigger();
  h.window.setShadingShown(false);
  QCOMPARE(view(h.window, "NAT0")->size(), QSize(512, 480));
  pressAt(view(h.window, "PAT0"), Qt::LeftButton, {}, QPoint(2 * 40, 2 * 40));
  // The pointer leaves the sheet on its way to the screen, and the cells using the tile under
  // it are no longer marked.
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(view(h.window, "PAT0"), &leave);
  pressAt(view(h.window, "NAT0"), Qt::LeftButton, {}, QPoint(2 * 100, 2 * 100));
  QCOMPARE(int(h.window.document().state.ppuImage[0x2000 + 12 * 32 + 12]), 0x22);
  QImage screen;
  QTRY_VERIFY_WITH_TIMEOUT(
      (screen = grabWindow(h.window), screenShowsSurface(screen, *view(h.window, "NAT0"))), 5000);
}

QTEST_MAIN(XcbWindowTest)
#include "xcb_window_test.moc"
