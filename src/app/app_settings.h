#pragma once

#include <QPoint>
#include <QSettings>
#include <QStringList>
#include <optional>

namespace pelmora::app {

// What the editor remembers across runs: recent files, the grid, the zoom and where the
// palette selector was left. Stored with QSettings in the user's configuration; tests point
// QSettings at a folder of their own.
class AppSettings {
 public:
  static constexpr int kRecentFileCount = 10;

  AppSettings();

  // Newest first, at most kRecentFileCount paths.
  QStringList recentFiles() const;
  void addRecentFile(const QString& path);
  void removeRecentFile(const QString& path);

  bool gridShown() const;
  void setGridShown(bool shown);

  // Whether the tile sheet marks the tiles no carried cell uses.
  bool freeTilesShown() const;
  void setFreeTilesShown(bool shown);

  // Whether the screen views shade the cells Save does not write (on unless switched off).
  bool shadingShown() const;
  void setShadingShown(bool shown);

  // The .pal file the colours are drawn through; empty for the built-in colours.
  QString masterPaletteFile() const;
  void setMasterPaletteFile(const QString& path);

  int zoom() const;  // 1-3
  void setZoom(int zoom);

  std::optional<QPoint> selectorPosition() const;
  void setSelectorPosition(QPoint position);

 private:
  QSettings settings_;
};

}  // namespace pelmora::app
