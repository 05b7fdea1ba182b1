#pragma once

#include <QLabel>
#include <QString>

namespace pelmora::app {

// The status bar's readout: one line that never cuts a number in two. A text wider than the
// label loses its last parts, whole (the parts end at " · " and ", "), and ends in " …"; the
// whole text is then its tooltip. Its width is what the status bar gives it, so a new text
// never lays the bar out again.
class ReadoutLabel : public QLabel {
 public:
  explicit ReadoutLabel(QWidget* parent);

  void setFullText(const QString& text);
  const QString& fullText() const { return full_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fit();

  QString full_;
};

// The longest beginning of `text`, cut where one of its parts ends, that fits `width` pixels of
// `metrics` with " …" after it; `text` itself when it fits whole.
QString shortenedReadout(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace pelmora::app
