#include "app/recent_files_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "app/app_settings.h"

namespace pelmora::app {
namespace {

constexpr int kLongestFolder = 48;  // characters; a longer folder keeps its end

// The folder of `path` as the user knows it: the home folder as "~", native separators, and
// a long one shortened at its start, where the folders the user knows least are.
QString shownFolder(const QString& path) {
  QString folder = QFileInfo(path).absolutePath();
  const QString home = QDir::homePath();
  if (folder == home || folder.startsWith(home + QLatin1Char('/')))
    folder = QLatin1Char('~') + folder.mid(home.size());
  folder = QDir::toNativeSeparators(folder);
  if (folder.size() > kLongestFolder)
    folder = QStringLiteral("\u2026") + folder.right(kLongestFolder - 1);
  return folder;
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(QMenu& menu, AppSettings& settings,
                                 std::function<void(const QString&)> open)
    : QObject(&menu), menu_(menu), settings_(settings), open_(std::move(open)) {
  refresh();
}

void RecentFilesMenu::remember(const QString& path) {
  settings_.addRecentFile(path);
  refresh();
}

void RecentFilesMenu::refresh() {
  menu_.clear();
  const QStringList files = settings_.recentFiles();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    QAction* action = menu_.addAction(QStringLiteral("&%1 %2\t%3")
                                          .arg((i + 1) % 10)
                                          .arg(QFileInfo(path).fileName(), shownFolder(path)));
    action->setToolTip(path);
    action->setData(path);
    connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
  }
  menu_.setEnabled(!files.isEmpty());
}

void RecentFilesMenu::openRecent(const QString& path) {
  if (!QFileInfo::exists(path)) {
    settings_.removeRecentFile(path);
    refresh();
  }
  open_(path);
}

}  // namespace pelmora::app
