#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMenu;

namespace pelmora::app {

class AppSettings;

// File > Open Recent: the files last opened or saved, newest first, each with its folder beside
// its name, and opened with `open`.
// A file that is gone is reported as any failed Open is, and leaves the list.
class RecentFilesMenu : public QObject {
  Q_OBJECT

 public:
  RecentFilesMenu(QMenu& menu, AppSettings& settings, std::function<void(const QString&)> open);

  void remember(const QString& path);

 private:
  void refresh();
  void openRecent(const QString& path);

  QMenu& menu_;
  AppSettings& settings_;
  std::function<void(const QString&)> open_;
};

}  // namespace pelmora::app
