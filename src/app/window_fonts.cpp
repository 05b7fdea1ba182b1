#include "app/window_fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace pelmora::app {
namespace {

bool isInstalled(const QString& family) {
  // Only a family that is really there counts; a substitute chosen by the font configuration
  // would have other metrics than the layout expects.
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

QFont namedOr(const QString& family, QFont fallback, double pointSize) {
  QFont font = isInstalled(family) ? QFont(family) : fallback;
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace

// Each font is looked up once: a hundred controls ask for the same three.
QFont squareCaptionFont() {
  static const QFont font = namedOr(QStringLiteral("Courier New"),
                                    QFontDatabase::systemFont(QFontDatabase::FixedFont), 8.25);
  return font;
}

QFont controlFont() {
  static const QFont font = namedOr(QStringLiteral("MS Sans Serif"), QApplication::font(), 8.25);
  return font;
}

QFont windowFont() {
  static const QFont font = namedOr(QStringLiteral("Terminal"), QApplication::font(), 9);
  return font;
}

}  // namespace pelmora::app
