#include "app/wheel_zoom.h"

#include <QEvent>
#include <QObject>
#include <QWheelEvent>
#include <QWidget>

namespace pelmora::app {
namespace {

constexpr int kNotch = 120;  // the angle of one wheel notch, in eighths of a degree

class ControlWheelFilter : public QObject {
 public:
  ControlWheelFilter(QWidget& target, std::function<void(int)> zoomBy)
      : QObject(&target), zoomBy_(std::move(zoomBy)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!wheel->modifiers().testFlag(Qt::ControlModifier)) {
      pending_ = 0;
      return false;
    }
    pending_ += wheel->angleDelta().y();
    const int steps = pending_ / kNotch;
    pending_ -= steps * kNotch;
    if (steps != 0) zoomBy_(steps);
    return true;
  }

 private:
  std::function<void(int)> zoomBy_;
  int pending_ = 0;
};

}  // namespace

void zoomOnControlWheel(QWidget& target, std::function<void(int steps)> zoomBy) {
  target.installEventFilter(new ControlWheelFilter(target, std::move(zoomBy)));
}

}  // namespace pelmora::app
