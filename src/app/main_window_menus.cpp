// The menu bar: its menus and actions, the recent files, and the help texts.
#include <QAction>
#include <QActionEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/main_window.h"
#include "app/program_files.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"

namespace pelmora::app {
namespace {

// Hides a menu (or submenu) while it holds no action, so commands added later show it.
class HideWhileEmpty : public QObject {
 public:
  explicit HideWhileEmpty(QMenu* menu) : QObject(menu), menu_(menu) { refresh(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionRemoved)
      refresh();
    return QObject::eventFilter(watched, event);
  }

 private:
  void refresh() { menu_->menuAction()->setVisible(!menu_->actions().isEmpty()); }

  QMenu* menu_;
};

void hideWhileEmpty(QMenu* menu) {
  menu->installEventFilter(new HideWhileEmpty(menu));
}

QAction* namedAction(QMenu* menu, const QString& text, const QString& name,
                   const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  return action;
}

}  // namespace

void MainWindow::buildMenus() {
  buildFileMenu();
  editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
  editMenu->setObjectName(QStringLiteral("editMenu"));
  hideWhileEmpty(editMenu);
  buildHistoryActions();
  buildViewMenu();
  buildEditActions();
  buildHelpMenu();
  buildFileCommands();
  connect(cmdOpenFile, &QPushButton::clicked, actionOpen, &QAction::trigger);
  connect(cmdSaveFile, &QPushButton::clicked, actionSave, &QAction::trigger);
  connect(cmdExitApp, &QPushButton::clicked, actionExit, &QAction::trigger);
  connect(cmdChangePal, &QPushButton::clicked, actionNextPaletteSet, &QAction::trigger);
}

void MainWindow::buildFileMenu() {
  fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
  fileMenu->setObjectName(QStringLiteral("fileMenu"));
  actionOpen = namedAction(fileMenu, QStringLiteral("&Open…"), QStringLiteral("actionOpen"),
                         QKeySequence::Open);
  actionOpen->setIcon(QIcon(QStringLiteral(":/icons/open.png")));
  connect(actionOpen, &QAction::triggered, this, &MainWindow::openFile);
  recentMenu = fileMenu->addMenu(QStringLiteral("Open &Recent"));
  recentMenu->setObjectName(QStringLiteral("recentMenu"));
  actionOpenDemo = namedAction(fileMenu, QStringLiteral("Open &Demo Image"),
                             QStringLiteral("actionOpenDemo"));
  actionOpenDemo->setVisible(!demoImagePath().isEmpty());
  connect(actionOpenDemo, &QAction::triggered, this, &MainWindow::openDemoImage);
  fileMenu->addSeparator();
  actionSave = namedAction(fileMenu, QStringLiteral("&Save"), QStringLiteral("actionSave"),
                         QKeySequence::Save);
  actionSave->setIcon(QIcon(QStringLiteral(":/icons/save.png")));
  connect(actionSave, &QAction::triggered, this, &MainWindow::saveFile);
  fileMenu->addSeparator();
  importMenu = fileMenu->addMenu(QStringLiteral("&Import"));
  importMenu->setObjectName(QStringLiteral("importMenu"));
  hideWhileEmpty(importMenu);
  exportMenu = fileMenu->addMenu(QStringLiteral("&Export"));
  exportMenu->setObjectName(QStringLiteral("exportMenu"));
  hideWhileEmpty(exportMenu);
  fileMenu->addSeparator();
  actionExit = namedAction(fileMenu, QStringLiteral("E&xit"), QStringLiteral("actionExit"),
                           QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(actionExit, &QAction::triggered, this, &MainWindow::exitProgram);
  refreshRecentMenu();
}

void MainWindow::buildViewMenu() {
  viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
  viewMenu->setObjectName(QStringLiteral("viewMenu"));
  actionGrid = namedAction(viewMenu, QStringLiteral("&Grid"), QStringLiteral("actionGrid"),
                         QKeySequence(Qt::Key_G));
  actionGrid->setCheckable(true);
  connect(actionGrid, &QAction::toggled, this, &MainWindow::setGridShown);
  viewMenu->addSeparator();
  actionZoomIn = namedAction(viewMenu, QStringLiteral("Zoom &In"), QStringLiteral("actionZoomIn"),
                           QKeySequence::ZoomIn);
  connect(actionZoomIn, &QAction::triggered, this, &MainWindow::zoomIn);
  actionZoomOut = namedAction(viewMenu, QStringLiteral("Zoom &Out"),
                            QStringLiteral("actionZoomOut"), QKeySequence::ZoomOut);
  connect(actionZoomOut, &QAction::triggered, this, &MainWindow::zoomOut);
  actionActualSize = namedAction(viewMenu, QStringLiteral("&Actual Size"),
                               QStringLiteral("actionActualSize"), QKeySequence(Qt::CTRL | Qt::Key_0));
  connect(actionActualSize, &QAction::triggered, this, &MainWindow::actualSize);
  viewMenu->addSeparator();
  actionNextPaletteSet = namedAction(viewMenu, QStringLiteral("Next &Palette Set"),
                                   QStringLiteral("actionNextPaletteSet"), QKeySequence(Qt::Key_P));
  connect(actionNextPaletteSet, &QAction::triggered, this, &MainWindow::nextPaletteSet);
}

void MainWindow::buildHelpMenu() {
  helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
  helpMenu->setObjectName(QStringLiteral("helpMenu"));
  actionShortcuts = namedAction(helpMenu, QStringLiteral("&Keyboard Shortcuts"),
                              QStringLiteral("actionShortcuts"), QKeySequence::HelpContents);
  connect(actionShortcuts, &QAction::triggered, this, &MainWindow::showShortcuts);
  actionAbout = namedAction(helpMenu, QStringLiteral("&About Pelmora"), QStringLiteral("actionAbout"));
  connect(actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::refreshRecentMenu() {
  recentMenu->clear();
  const QStringList files = settings_.recentFiles();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    QAction* action = recentMenu->addAction(
        QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(QFileInfo(path).fileName()));
    action->setToolTip(path);
    action->setData(path);
    connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
  }
  recentMenu->setEnabled(!files.isEmpty());
}

// A file that is gone is reported as any failed Open is, and leaves the list.
void MainWindow::openRecent(const QString& path) {
  if (!QFileInfo::exists(path)) {
    settings_.removeRecentFile(path);
    refreshRecentMenu();
  }
  openPath(path);
}

void MainWindow::rememberRecent(const QString& path) {
  settings_.addRecentFile(path);
  refreshRecentMenu();
}

void MainWindow::openDemoImage() {
  const QString path = demoImagePath();
  if (!path.isEmpty()) openPath(path);
}

void MainWindow::showShortcuts() {
  QString rows;
  for (const QAction* action : findChildren<QAction*>()) {
    if (action->shortcut().isEmpty()) continue;
    rows += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>")
                .arg(action->text().remove(QLatin1Char('&')).toHtmlEscaped(),
                     action->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped());
  }
  dialogs_.showInformation(this, QStringLiteral("Keyboard Shortcuts"),
                           QStringLiteral("<table>%1</table>").arg(rows));
}

void MainWindow::showAbout() {
  dialogs_.showInformation(
      this, QStringLiteral("About Pelmora"),
      QStringLiteral("<h3>%1</h3><p>An editor for the title screen of one NES game.</p>"
                     "<p>Built with Qt %2.</p><p>Released under the MIT licence.</p>")
          .arg(app::windowTitle(), QString::fromLatin1(qVersion())));
}

}  // namespace pelmora::app
