#pragma once

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <optional>
#include <vector>

#include "app/frm_main.h"
#include "app/user_dialogs.h"
#include "gfx/surface.h"

namespace pelmora::test {

// Answers the Open dialog from a queue (an empty answer or an empty queue cancels) and records
// every message box.
class ScriptedDialogs final : public app::UserDialogs {
 public:
  struct Message {
    QString title;
    QString text;
  };

  std::optional<QString> chooseRomFile(QWidget* parent, const QString& folder,
                                       const QString& filter) override;
  void showMessage(QWidget* parent, const QString& title, const QString& text) override;

  std::deque<QString> answers;
  std::vector<Message> messages;
  QString lastFolder;
  QString lastFilter;
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

  QTemporaryDir folder;
  ScriptedDialogs dialogs;
  app::frmMain window{dialogs};
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
std::vector<int> repaintCounts(const app::frmMain& window);

// A grab of the window as the X server shows it.
QImage grabWindow(const QWidget& window);

// Whether a view's area of the grab shows its surface, pixel for pixel.
bool screenShowsSurface(const QImage& screen, const app::PictureSurface& view);


}  // namespace pelmora::test
