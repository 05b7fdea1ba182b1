#include "app_harness.h"

#include <QMouseEvent>
#include <QPushButton>
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

void ScriptedDialogs::showMessage(QWidget* /*parent*/, const QString& title, const QString& text) {
  messages.push_back({title, text});
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
  return clickForOneMessage(window.cmdOpenFile, dialogs);
}

QString WindowHarness::save() {
  return clickForOneMessage(window.cmdSaveFile, dialogs);
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

std::vector<int> repaintCounts(const app::frmMain& window) {
  return {window.PAT0->repaintRequests(), window.NAT0->repaintRequests(),
          window.ATT0->repaintRequests(), window.NAT1->repaintRequests(),
          window.ATT1->repaintRequests(), window.picSelTile->repaintRequests()};
}

// Compares a widget's area of the screen grab with its surface, pixel for pixel.
bool screenShowsSurface(const QImage& screen, const app::PictureSurface& view) {
  const QPoint origin = view.mapTo(view.window(), QPoint(0, 0));
  const Surface& surface = view.surface();
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      const QRgb shown = screen.pixel(origin.x() + x, origin.y() + y);
      if (rgb(qRed(shown), qGreen(shown), qBlue(shown)) != surface.pixel(x, y)) return false;
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
