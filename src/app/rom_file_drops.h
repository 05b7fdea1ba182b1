#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace pelmora::app {

// Lets `window` take .nes files dropped on it: the first local one goes to `open`.
void acceptRomFileDrops(QWidget& window, std::function<void(const QString& path)> open);

}  // namespace pelmora::app
