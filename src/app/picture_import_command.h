#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace pelmora::app {

class EditorDocument;
class PictureImportDialog;
class UserDialogs;

// File > Import > Picture as Title: a PNG drawn in any image editor becomes the title screen,
// after a preview that shows whether and how it fits. Applying it is one step of the history.
class PictureImportCommand : public QObject {
  Q_OBJECT

 public:
  PictureImportCommand(EditorDocument& document, UserDialogs& dialogs, QWidget& window);

  // Chooses a picture and opens its preview.
  void run(int zoom);
  // The preview of importing the picture at `path`; a picture that cannot be read or is of
  // another size is refused.
  void openPreview(const QString& path, int zoom);
  // The preview while it is open; null otherwise.
  PictureImportDialog* dialog() const;

 signals:
  void message(const QString& text, int timeoutMs);

 private:
  void showError(const QString& text, const std::string& reason);

  EditorDocument& document_;
  UserDialogs& dialogs_;
  QWidget& window_;
  QPointer<PictureImportDialog> dialog_;
};

}  // namespace pelmora::app
