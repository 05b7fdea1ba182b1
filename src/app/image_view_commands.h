#pragma once
// What the window tells about the image itself: which dump it is (File > Image Properties…), in
// which colours it is drawn (View > Master Palette) and what changed since it was opened or
// saved (View > Show Changes, and the backquote key held down for the image as opened).

#include <QObject>
#include <QString>

class QLabel;
class QMainWindow;

namespace pelmora::app {

class ActionRegistry;
class AppSettings;
class ChangeMarks;
class ControlArea;
class EditorDocument;
class UserDialogs;

class ImageViewCommands : public QObject {
  Q_OBJECT

 public:
  // Connects the commands' actions and adds the count of changes to the window's status bar.
  ImageViewCommands(EditorDocument& document, UserDialogs& dialogs, ActionRegistry& actions,
                    ControlArea& area, AppSettings& settings, QMainWindow& window);

  // View > Show Changes: what is marked and counted.
  const ChangeMarks& changeMarks() const { return *changes_; }
  // The status bar's count of changes while Show Changes is on.
  QString changesText() const;
  // The master palette: a .pal file's colours (remembered for the next start), or the built-in
  // ones for an empty path. A file that cannot be read or is too short is refused with its
  // reason, and the colours stay as they were; whether the file was taken.
  bool useMasterPaletteFile(const QString& path);

 signals:
  void message(const QString& text);

 protected:
  // The backquote key held down on the window shows the image as opened.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showImageProperties();
  void chooseMasterPaletteFile();
  void checkMasterPaletteAction();
  void refreshChangesLabel();

  EditorDocument& document_;
  UserDialogs& dialogs_;
  ActionRegistry& actions_;
  AppSettings& settings_;
  QMainWindow& window_;
  ChangeMarks* changes_ = nullptr;
  QLabel* changesLabel_ = nullptr;
  bool showingOpened_ = false;  // the backquote key is held
};

}  // namespace pelmora::app
