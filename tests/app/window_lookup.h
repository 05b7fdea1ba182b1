#pragma once

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QMenu>
#include <QString>
#include <QWidget>
#include <vector>

#include "app/colour_square.h"
#include "app/picture_surface.h"

namespace pelmora::test {

// The window's controls and actions as a user's script finds them: by objectName. A name that
// is not there ends the test at once, naming what was missing.
template <class Control = QWidget>
Control* control(const QWidget& window, const QString& name) {
  Control* found = window.findChild<Control*>(name);
  if (!found) qFatal("no %s named %s", Control::staticMetaObject.className(), qPrintable(name));
  return found;
}

inline app::PictureSurface* view(const QWidget& window, const char* name) {
  return control<app::PictureSurface>(window, QLatin1String(name));
}

inline QAction* action(const QWidget& window, const char* id) {
  return control<QAction>(window, QLatin1String(id));
}

inline QMenu* menu(const QWidget& window, const char* name) {
  return control<QMenu>(window, QLatin1String(name));
}

// Square `index` of the row of palette squares `row` ("lbl_bkgpal0", "lbl_bkgpalAlt",
// "lbl_coinpal"), and the whole row in order.
inline app::ColourSquare* square(const QWidget& window, const char* row, int index) {
  return control<app::ColourSquare>(window, QStringLiteral("%1_%2").arg(QLatin1String(row)).arg(index));
}

inline std::vector<app::ColourSquare*> squares(const QWidget& window, const char* row) {
  std::vector<app::ColourSquare*> found;
  for (int index = 0;; ++index) {
    const QString name = QStringLiteral("%1_%2").arg(QLatin1String(row)).arg(index);
    auto* next = window.findChild<app::ColourSquare*>(name);
    if (!next) return found;
    found.push_back(next);
  }
}

}  // namespace pelmora::test
