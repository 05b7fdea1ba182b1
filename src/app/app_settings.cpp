#include "app/app_settings.h"

#include <algorithm>

namespace pelmora::app {
namespace {

const QString kRecentKey = QStringLiteral("recentFiles");
const QString kGridKey = QStringLiteral("view/grid");
const QString kShadingKey = QStringLiteral("view/shadeCellsNotStored");
const QString kMasterPaletteKey = QStringLiteral("view/masterPaletteFile");
const QString kFreeTilesKey = QStringLiteral("view/freeTiles");
const QString kZoomKey = QStringLiteral("view/zoom");
const QString kSelectorKey = QStringLiteral("paletteSelector/position");

}  // namespace

AppSettings::AppSettings()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("pelmora"),
                QStringLiteral("pelmora")) {}

QStringList AppSettings::recentFiles() const {
  QStringList files = settings_.value(kRecentKey).toStringList();
  files.removeAll(QString());
  return files.mid(0, kRecentFileCount);
}

void AppSettings::addRecentFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  files.prepend(path);
  settings_.setValue(kRecentKey, files.mid(0, kRecentFileCount));
}

void AppSettings::removeRecentFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  settings_.setValue(kRecentKey, files);
}

bool AppSettings::gridShown() const { return settings_.value(kGridKey, false).toBool(); }

void AppSettings::setGridShown(bool shown) { settings_.setValue(kGridKey, shown); }

bool AppSettings::freeTilesShown() const { return settings_.value(kFreeTilesKey, false).toBool(); }

void AppSettings::setFreeTilesShown(bool shown) { settings_.setValue(kFreeTilesKey, shown); }

bool AppSettings::shadingShown() const { return settings_.value(kShadingKey, true).toBool(); }

void AppSettings::setShadingShown(bool shown) { settings_.setValue(kShadingKey, shown); }

QString AppSettings::masterPaletteFile() const {
  return settings_.value(kMasterPaletteKey).toString();
}

void AppSettings::setMasterPaletteFile(const QString& path) {
  settings_.setValue(kMasterPaletteKey, path);
}

int AppSettings::zoom() const { return std::clamp(settings_.value(kZoomKey, 1).toInt(), 1, 3); }

void AppSettings::setZoom(int zoom) { settings_.setValue(kZoomKey, zoom); }

std::optional<QPoint> AppSettings::selectorPosition() const {
  const QVariant value = settings_.value(kSelectorKey);
  if (!value.isValid()) return std::nullopt;
  return value.toPoint();
}

void AppSettings::setSelectorPosition(QPoint position) {
  settings_.setValue(kSelectorKey, position);
}

}  // namespace pelmora::app
