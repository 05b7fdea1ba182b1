// The editor's start: checks that there is a screen to show the window on, then runs the main
// window until it closes.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/app_resources.h"
#include "app/main_window.h"
#include "app/program_files.h"
#include "app/quit_after_first_paint.h"
#include "app/user_dialogs.h"

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

// Why there is no screen to show the window on, or nothing when there is one. A platform named
// explicitly (an off-screen one, for instance) needs no display of its own; a local X display
// (":N" or ":N.S") must have its server's socket; a remote one is left to the toolkit.
std::string missingDisplay() {
  if (isSet("QT_QPA_PLATFORM") || isSet("WAYLAND_DISPLAY")) return {};
  if (!isSet("DISPLAY")) return "DISPLAY and WAYLAND_DISPLAY are not set";
  const std::string display = std::getenv("DISPLAY");
  if (display.front() != ':') return {};
  const std::string socket = "/tmp/.X11-unix/X" + std::to_string(std::atoi(display.c_str() + 1));
  std::error_code error;
  if (std::filesystem::exists(socket, error)) return {};
  return "no X server answers on DISPLAY=" + display;
}

bool hasArgument(int argc, char** argv, const char* wanted) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], wanted) == 0) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::string reason = missingDisplay(); !reason.empty()) {
    std::fprintf(stderr,
                 "pelmora: no display available (%s); to run it without a screen use: "
                 "xvfb-run -a %s\n",
                 reason.c_str(), argv[0]);
    return 1;
  }

  // A save that runs into the file-size limit must fail with an error message, not end the
  // program with the user's edits.
  std::signal(SIGXFSZ, SIG_IGN);

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pelmora"));
  pelmora::app::registerResources();
  // The user's language when a translation for it is installed; English otherwise.
  QTranslator translator;
  if (translator.load(QLocale(), QStringLiteral("pelmora"), QStringLiteral("_"),
                      pelmora::app::translationsFolder()))
    QApplication::installTranslator(&translator);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pelmora.png")));
  pelmora::app::QtUserDialogs dialogs;
  pelmora::app::MainWindow window(dialogs);

  pelmora::app::QuitAfterFirstPaint firstPaint;
  if (hasArgument(argc, argv, "--quit-after-first-paint")) window.installEventFilter(&firstPaint);

  window.show();
  // A file named on the command line opens once the window is up, as the Open command would.
  const QStringList arguments = QApplication::arguments().mid(1);
  QTimer::singleShot(0, &window, [&window, arguments] { window.openStartupArguments(arguments); });
  return application.exec();
}
