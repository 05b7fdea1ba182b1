#include "app/rom_file_drops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace pelmora::app {
namespace {

// The first local .nes file among the dropped ones, or nothing.
QString droppedRomFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".nes"), Qt::CaseInsensitive))
      return url.toLocalFile();
  }
  return {};
}

class RomFileDrops : public QObject {
 public:
  RomFileDrops(QWidget& window, std::function<void(const QString&)> open)
      : QObject(&window), open_(std::move(open)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::DragEnter) {
      auto* enter = static_cast<QDragEnterEvent*>(event);
      if (!droppedRomFile(enter->mimeData()).isEmpty()) enter->acceptProposedAction();
      return true;
    }
    if (event->type() == QEvent::Drop) {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString path = droppedRomFile(drop->mimeData());
      if (path.isEmpty()) return true;
      drop->acceptProposedAction();
      open_(path);
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void(const QString&)> open_;
};

}  // namespace

void acceptRomFileDrops(QWidget& window, std::function<void(const QString& path)> open) {
  window.setAcceptDrops(true);
  window.installEventFilter(new RomFileDrops(window, std::move(open)));
}

}  // namespace pelmora::app
