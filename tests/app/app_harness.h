#pragma once

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <optional>
#include <vector>

#include "app/main_window.h"
#include "app/user_dialogs.h"
#include "gfx/surface.h"
#include "window_lookup.h"

namespace pelmora::test {

// Answers the file dialogs from a queue (an empty answer or an empty queue cancels), the
// questions from another (an empty queue answers Cancel), and records every message box and
// information box.
class ScriptedDialogs final : public app::UserDialogs {
 public:
  struct Message {
    QString title;
    QString text;
    QString detail;
  };

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

  std::deque<QString> answers;
  std::vector<ImageIdentity> imageProperties;
  std::deque<QMessageBox::StandardButton> questionAnswers;
  std::vector<Message> messages;
  std::vector<Message> questions;
  std::vector<Message> information;
  QString lastFolder;
  QString lastFilter;
};

// Points QSettings at a fresh folder of the test's own (never the user's settings) while it
// lives, and enables QStandardPaths' test mode.
struct SettingsSandbox {
  SettingsSandbox();
  QTemporaryDir folder;
};

// A main window with scripted dialogs, and a folder for the files a test writes.
struct WindowHarness {
  WindowHarness();

  // Writes the demo image into the folder under `name` and returns its path.
  QString writeDemo(const QString& name = QStringLiteral("demo.nes")) const;
  // Clicks Open and answers the dialog with `path` (nothing = cancel); returns the one message.
  QString open(const std::optional<QString>& path);
  // Clicks Save; returns the one message.
  QString save();

  SettingsSandbox settings;
  QTemporaryDir folder;
  ScriptedDialogs dialogs;
  app::MainWindow window{dialogs};
};

// A mouse press on `widget` at `position` in its own pixels, sent to the widget as the window
// system would. Unlike QTest::mousePress it also presses at (0, 0), which QTest takes as "the
// centre".
void pressAt(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
             QPoint position);

// Pixel for pixel the same picture.
bool sameSurface(const Surface& left, const Surface& right);

// The colour value 0x00BBGGRR of red, green, blue.
constexpr std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}

// Every pixel of `surface` is `colour`.
bool isUniform(const Surface& surface, std::uint32_t colour);

// How often each view of the window asked to be repainted: PAT0, NAT0, ATT0, NAT1, ATT1,
// picSelTile.
std::vector<int> repaintCounts(const app::MainWindow& window);

// A grab of the window as the X server shows it.
QImage grabWindow(const QWidget& window);

// Whether a view's area of the grab shows its surface, pixel for pixel.
bool screenShowsSurface(const QImage& screen, const app::PictureSurface& view);


}  // namespace pelmora::test
