#include "app/recent_files_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "app/app_settings.h"

namespace pelmora::app {

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
    QAction* action = menu_.addAction(
        QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(QFileInfo(path).fileName()));
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
