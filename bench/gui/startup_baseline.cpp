// The start-up baseline: an empty main window of the editor's size with a menu bar and a
// status bar, ending right after its first paint, as `pelmora --quit-after-first-paint` does.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace {

class QuitAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !quitting_) {
      quitting_ = true;
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool quitting_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  for (const char* title : {"&File", "&View", "&Help"}) window.menuBar()->addMenu(title);
  window.statusBar()->showMessage(QStringLiteral("Ready"));
  auto* area = new QWidget;
  area->setFixedSize(823, 554);
  window.setCentralWidget(area);
  QuitAfterFirstPaint firstPaint;
  window.installEventFilter(&firstPaint);
  window.show();
  return application.exec();
}
