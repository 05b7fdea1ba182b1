#include "app/user_dialogs.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
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

}  // namespace

std::optional<QString> QtUserDialogs::chooseRomFile(QWidget* parent, const QString& folder,
                                                    const QString& filter) {
  // The file name starts empty each time; an empty answer means the user cancelled.
  const QString path = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), folder, filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtUserDialogs::chooseSaveFile(QWidget* parent, const QString& title,
                                                     const QString& suggested,
                                                     const QString& filter) {
  const QString path = QFileDialog::getSaveFileName(parent, title, suggested, filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
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
