// The start-up baseline: an empty main window of the editor's size with a menu bar and a
// status bar, ending right after its first paint, as `pelmora --quit-after-first-paint` does.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "app/quit_after_first_paint.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  for (const char* title : {"&File", "&View", "&Help"}) window.menuBar()->addMenu(title);
  window.statusBar()->showMessage(QStringLiteral("Ready"));
  auto* area = new QWidget;
  area->setFixedSize(823, 554);
  window.setCentralWidget(area);
  pelmora::app::QuitAfterFirstPaint firstPaint;
  window.installEventFilter(&firstPaint);
  window.show();
  return application.exec();
}
