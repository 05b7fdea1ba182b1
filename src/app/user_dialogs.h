#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace pelmora::app {

// The modal dialogs the file commands show. The editor uses Qt's dialogs; tests answer them
// from a script.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // The Open dialog, starting in `folder` with the one filter entry `filter`. Returns the chosen
  // path, or nothing when the user cancelled.
  virtual std::optional<QString> chooseRomFile(QWidget* parent, const QString& folder,
                                               const QString& filter) = 0;

  // A message box with `text`, the title `title`, only an OK button and no icon.
  virtual void showMessage(QWidget* parent, const QString& title, const QString& text) = 0;
};

class QtUserDialogs final : public UserDialogs {
 public:
  std::optional<QString> chooseRomFile(QWidget* parent, const QString& folder,
                                       const QString& filter) override;
  void showMessage(QWidget* parent, const QString& title, const QString& text) override;
};

}  // namespace pelmora::app
