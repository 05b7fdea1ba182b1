// The editor's start: checks that there is a screen to show the window on, then runs the main
// window until it closes.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/frm_main.h"
#include "app/user_dialogs.h"

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

// A platform named explicitly (an off-screen one, for instance) needs no display of its own.
bool hasDisplay() {
  return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

// Ends the program right after the window has been painted for the first time: how the start-up
// time to a finished window is measured.
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

bool hasArgument(int argc, char** argv, const char* wanted) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], wanted) == 0) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!hasDisplay()) {
    std::fprintf(stderr,
                 "pelmora: no display available (DISPLAY and WAYLAND_DISPLAY are not set); "
                 "to run it without a screen use: xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }

  // A save that runs into the file-size limit must fail with an error message, not end the
  // program with the user's edits.
  std::signal(SIGXFSZ, SIG_IGN);

  QApplication application(argc, argv);
  pelmora::app::QtUserDialogs dialogs;
  pelmora::app::frmMain window(dialogs);

  QuitAfterFirstPaint firstPaint;
  if (hasArgument(argc, argv, "--quit-after-first-paint")) window.installEventFilter(&firstPaint);

  window.show();
  return application.exec();
}
