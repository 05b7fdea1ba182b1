#include "app_harness.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <cstring>

#include "app/picture_surface.h"
#include "demo/demo_image.h"
#include "rom/rom_file.h"

namespace pelmora::test {

std::optional<QString> ScriptedDialogs::chooseRomFile(QWidget* /*parent*/, const QString& folder,
                                                      const QString& filter) {
  lastFolder = folder;
  lastFilter = filter;
  if (answers.empty()) return std::nullopt;
  const QString answer = answers.front();
  answers.pop_front();
  if (answer.isEmpty()) return std::nullopt;
  return answer;
}

std::optional<QString> ScriptedDialogs::chooseOpenFile(QWidget* /*parent*/,
                                                       const QString& /*title*/,
                                                       const QString& folder,
                                                       const QString& filter) {
  return chooseRomFile(nullptr, folder, filter);
}

std::optional<QString> ScriptedDialogs::chooseSaveFile(QWidget* /*parent*/,
                                                       const QString& /*title*/,
                                                       const QString& suggested,
                                                       const QString& filter) {
  return chooseRomFile(nullptr, suggested, filter);
}

void ScriptedDialogs::showMessage(QWidget* /*parent*/, const QString& title, const QString& text,
                                  const QString& detail) {
  messages.push_back({title, text, detail});
}

QMessageBox::StandardButton ScriptedDialogs::ask(QWidget* /*parent*/, const QString& title,
                                                 const QString& text,
                                                 QMessageBox::StandardButtons /*buttons*/,
                                                 QMessageBox::StandardButton /*defaultButton*/) {
  questions.push_back({title, text, {}});
  if (questionAnswers.empty()) return QMessageBox::Cancel;
  const QMessageBox::StandardButton answer = questionAnswers.front();
  questionAnswers.pop_front();
  return answer;
}

void ScriptedDialogs::showInformation(QWidget* /*parent*/, const QString& title,
                                      const QString& richText) {
  information.push_back({title, richText, {}});
}

void ScriptedDialogs::showImageProperties(QWidget* /*parent*/, const ImageIdentity& identity,
                                          const QString& /*fileName*/) {
  imageProperties.push_back(identity);
}

SettingsSandbox::SettingsSandbox() {
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

WindowHarness::WindowHarness() {
  window.show();
}

QString WindowHarness::writeDemo(const QString& name) const {
  const QString path = folder.filePath(name);
  if (saveRomFile(buildDemoImage(), path.toStdString()) != kRomFileOk) return {};
  return path;
}

namespace {

QString clickForOneMessage(QPushButton* button, ScriptedDialogs& dialogs) {
  const std::size_t before = dialogs.messages.size();
  QTest::mouseClick(button, Qt::LeftButton);
  if (dialogs.messages.size() != before + 1)
    return QStringLiteral("<%1 messages>").arg(dialogs.messages.size() - before);
  return dialogs.messages.back().text;
}

}  // namespace

QString WindowHarness::open(const std::optional<QString>& path) {
  dialogs.answers.push_back(path.value_or(QString()));
  return clickForOneMessage(control<QPushButton>(window, "cmdOpenFile"), dialogs);
}

QString WindowHarness::save() {
  return clickForOneMessage(control<QPushButton>(window, "cmdSaveFile"), dialogs);
}

void pressAt(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
             QPoint position) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(position),
                    widget->mapToGlobal(QPointF(position)), button, button, modifiers);
  QCoreApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(position),
                      widget->mapToGlobal(QPointF(position)), button, Qt::NoButton, modifiers);
  QCoreApplication::sendEvent(widget, &release);
}

bool sameSurface(const Surface& left, const Surface& right) {
  return left.width() == right.width() && left.height() == right.height() &&
         std::memcmp(left.pixels(), right.pixels(),
                     sizeof(std::uint32_t) * left.width() * left.height()) == 0;
}

bool isUniform(const Surface& surface, std::uint32_t colour) {
  const std::uint32_t* pixels = surface.pixels();
  for (int i = 0; i < surface.width() * surface.height(); ++i) {
    if (pixels[i] != colour) return false;
  }
  return true;
}

std::vector<int> repaintCounts(const app::MainWindow& window) {
  return {view(window, "PAT0")->repaintRequests(), view(window, "NAT0")->repaintRequests(),
          view(window, "ATT0")->repaintRequests(), view(window, "NAT1")->repaintRequests(),
          view(window, "ATT1")->repaintRequests(), view(window, "picSelTile")->repaintRequests()};
}

// Compares a widget's area of the screen grab with its surface scaled up by the view's zoom:
// the first and the last screen pixel of each surface pixel.
bool screenShowsSurface(const QImage& screen, const app::PictureSurface& view) {
  const QPoint origin = view.mapTo(view.window(), QPoint(0, 0));
  const Surface& surface = view.surface();
  const int zoom = view.zoom();
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      for (const int inside : {0, zoom - 1}) {
        const QRgb shown = screen.pixel(origin.x() + x * zoom + inside, origin.y() + y * zoom + inside);
        if (rgb(qRed(shown), qGreen(shown), qBlue(shown)) != surface.pixel(x, y)) return false;
      }
    }
  }
  return true;
}

QImage grabWindow(const QWidget& window) {
  return window.screen()
      ->grabWindow(window.winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace pelmora::test
