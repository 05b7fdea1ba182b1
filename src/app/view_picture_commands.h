#pragma once

#include <QObject>

class QWidget;

namespace pelmora::app {

class ActionRegistry;
class ControlArea;
class EditorDocument;
class PictureSurface;
class UserDialogs;

// Each view as a picture: File > Export > View as PNG (one action per view, as large as the
// zoom shows it or one pixel per view pixel) and Edit > Copy View Image.
class ViewPictureCommands : public QObject {
  Q_OBJECT

 public:
  ViewPictureCommands(EditorDocument& document, UserDialogs& dialogs, ActionRegistry& actions,
                      ControlArea& area, QWidget& window);

  void exportViewPicture(const PictureSurface& view, const QString& ending);
  void copyViewImage();

 signals:
  void message(const QString& text, int timeoutMs);

 private:
  EditorDocument& document_;
  UserDialogs& dialogs_;
  ActionRegistry& actions_;
  ControlArea& area_;
  QWidget& window_;
};

}  // namespace pelmora::app
