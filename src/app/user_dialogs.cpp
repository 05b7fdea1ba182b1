#include "app/user_dialogs.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace pelmora::app {
namespace {

constexpr int kTitleBarButtonsWidth = 120;  // room for the frame's own buttons beside the title

}  // namespace

std::optional<QString> QtUserDialogs::chooseRomFile(QWidget* parent, const QString& folder,
                                                    const QString& filter) {
  // The file name starts empty each time; an empty answer means the user cancelled.
  const QString path = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), folder, filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

void QtUserDialogs::showMessage(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
  // The messages are short; without this the title bar would cut the title off.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    const int titleWidth = box.fontMetrics().horizontalAdvance(title) + kTitleBarButtonsWidth;
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

}  // namespace pelmora::app
