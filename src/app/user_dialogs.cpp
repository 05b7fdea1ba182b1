#include "app/user_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSpacerItem>

namespace pelmora::app {
namespace {

constexpr int kTitleBarButtonsWidth = 120;  // room for the frame's own buttons beside the title

// The messages are short; without this the title bar would cut the title off.
void keepTitleVisible(QMessageBox& box, const QString& title) {
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    const int titleWidth = box.fontMetrics().horizontalAdvance(title) + kTitleBarButtonsWidth;
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
}

// "name" typed in a dialog whose filter entry is "NES Rom (*.nes)" means "name.nes"; a name
// with an extension of its own is kept as it is.
QString withFilterExtension(const QString& path, const QString& filterEntry) {
  if (!QFileInfo(path).suffix().isEmpty()) return path;
  static const QRegularExpression firstPattern(QStringLiteral("\\*(\\.[A-Za-z0-9]+)"));
  const QRegularExpressionMatch match = firstPattern.match(filterEntry);
  return match.hasMatch() ? path + match.captured(1) : path;
}

}  // namespace

std::optional<QString> QtUserDialogs::chooseRomFile(QWidget* parent, const QString& folder,
                                                    const QString& filter) {
  // The file name starts empty each time; an empty answer means the user cancelled.
  const QString path = QFileDialog::getOpenFileName(parent, QFileDialog::tr("Open"), folder, filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtUserDialogs::chooseOpenFile(QWidget* parent, const QString& title,
                                                     const QString& folder,
                                                     const QString& filter) {
  const QString path = QFileDialog::getOpenFileName(parent, title, folder, filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtUserDialogs::chooseSaveFile(QWidget* parent, const QString& title,
                                                     const QString& suggested,
                                                     const QString& filter) {
  QString chosenFilter;
  const QString path =
      QFileDialog::getSaveFileName(parent, title, suggested, filter, &chosenFilter);
  if (path.isEmpty()) return std::nullopt;
  return withFilterExtension(path, chosenFilter.isEmpty() ? filter : chosenFilter);
}

void QtUserDialogs::showMessage(QWidget* parent, const QString& title, const QString& text,
                                const QString& detail) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  if (!detail.isEmpty()) box.setInformativeText(detail);
  keepTitleVisible(box, title);
  box.exec();
}

QMessageBox::StandardButton QtUserDialogs::ask(QWidget* parent, const QString& title,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton) {
  QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
  box.setDefaultButton(defaultButton);
  keepTitleVisible(box, title);
  const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
  return answer == QMessageBox::NoButton ? QMessageBox::Cancel : answer;
}

void QtUserDialogs::showInformation(QWidget* parent, const QString& title,
                                    const QString& richText) {
  QMessageBox box(QMessageBox::NoIcon, title, richText, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::RichText);
  box.exec();
}

}  // namespace pelmora::app
