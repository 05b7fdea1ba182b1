#include "app/readout_label.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <functional>

namespace pelmora::app {
namespace {

const QString kEllipsis = QStringLiteral(" \u2026");
const QStringList kPartEnds = {QStringLiteral(" \u00B7 "), QStringLiteral(", "),
                               QStringLiteral(": ")};

}  // namespace

QString shortenedReadout(const QString& text, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  // Where the parts end, longest beginning first.
  QList<qsizetype> ends;
  for (const QString& separator : kPartEnds) {
    for (qsizetype at = text.indexOf(separator); at > 0; at = text.indexOf(separator, at + 1))
      ends.push_back(at);
  }
  std::sort(ends.begin(), ends.end(), std::greater<>());
  for (const qsizetype end : ends) {
    const QString shown = text.left(end) + kEllipsis;
    if (metrics.horizontalAdvance(shown) <= width) return shown;
  }
  // Too narrow even for the first part.
  return metrics.elidedText(text, Qt::ElideRight, width);
}

ReadoutLabel::ReadoutLabel(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  setTextFormat(Qt::PlainText);
}

void ReadoutLabel::setFullText(const QString& text) {
  if (text == full_) return;
  full_ = text;
  fit();
}

void ReadoutLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void ReadoutLabel::fit() {
  const QString shown = shortenedReadout(full_, fontMetrics(), contentsRect().width());
  if (shown != text()) setText(shown);
  setToolTip(shown == full_ ? QString() : full_);
}

}  // namespace pelmora::app
