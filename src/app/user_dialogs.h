#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

#include "rom/image_identity.h"

class QWidget;

namespace pelmora::app {

// The modal dialogs the commands show. The editor uses Qt's dialogs; tests answer them from a
// script. A new kind of dialog is one more method here, in QtUserDialogs and in the tests'
// scripted dialogs.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // The Open dialog, starting in `folder` with the one filter entry `filter`. Returns the chosen
  // path, or nothing when the user cancelled.
  virtual std::optional<QString> chooseRomFile(QWidget* parent, const QString& folder,
                                               const QString& filter) = 0;

  // An open-file dialog for any other kind of file (a patch, a name table, a palette), titled
  // `title`, starting in `folder`, with the filter entries `filter` (";;" between them).
  // Returns the chosen path, or nothing when the user cancelled.
  virtual std::optional<QString> chooseOpenFile(QWidget* parent, const QString& title,
                                                const QString& folder, const QString& filter) = 0;

  // A save-file dialog starting at `suggested` (a folder or a file); nothing when cancelled.
  // A name typed without an extension gets the one of the filter entry chosen.
  virtual std::optional<QString> chooseSaveFile(QWidget* parent, const QString& title,
                                                const QString& suggested,
                                                const QString& filter) = 0;

  // A message box with `text`, the title `title`, only an OK button and no icon. `detail`, when
  // not empty, says why (the box's informative text).
  virtual void showMessage(QWidget* parent, const QString& title, const QString& text,
                           const QString& detail) = 0;

  // A question with the buttons `buttons` (e.g. Save, Discard and Cancel); returns the one
  // chosen (Cancel when the box is closed otherwise).
  virtual QMessageBox::StandardButton ask(QWidget* parent, const QString& title,
                                          const QString& text,
                                          QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton) = 0;

  // A box of information in rich text (About, the list of shortcuts).
  virtual void showInformation(QWidget* parent, const QString& title, const QString& richText) = 0;

  // File > Image Properties…: which dump the image in `fileName` is, with buttons that copy
  // each checksum.
  virtual void showImageProperties(QWidget* parent, const ImageIdentity& identity,
                                   const QString& fileName) = 0;
};

class QtUserDialogs final : public UserDialogs {
 public:
  std::optional<QString> chooseRomFile(QWidget* parent, const QString& folder,
                                       const QString& filter) override;
  std::optional<QString> chooseOpenFile(QWidget* parent, const QString& title,
                                        const QString& folder, const QString& filter) override;
  std::optional<QString> chooseSaveFile(QWidget* parent, const QString& title,
                                        const QString& suggested, const QString& filter) override;
  void showMessage(QWidget* parent, const QString& title, const QString& text,
                   const QString& detail) override;
  QMessageBox::StandardButton ask(QWidget* parent, const QString& title, const QString& text,
                                  QMessageBox::StandardButtons buttons,
                                  QMessageBox::StandardButton defaultButton) override;
  void showInformation(QWidget* parent, const QString& title, const QString& richText) override;
  void showImageProperties(QWidget* parent, const ImageIdentity& identity,
                           const QString& fileName) override;
};

}  // namespace pelmora::app
