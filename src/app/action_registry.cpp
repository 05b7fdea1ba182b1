#include "app/action_registry.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

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

}  // namespace

QString actionText(const char* text) {
  return QCoreApplication::translate("Actions", text);
}

ActionRegistry::ActionRegistry(QMainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("actionRegistry"));
}

QAction* ActionRegistry::add(const ActionSpec& spec) {
  auto* action = new QAction(actionText(spec.text), &window_);
  action->setObjectName(QLatin1String(spec.id));
  if (!spec.shortcut.isEmpty()) action->setShortcut(spec.shortcut);
  if (*spec.icon) action->setIcon(QIcon(QLatin1String(spec.icon)));
  action->setCheckable(spec.checkable);
  if (*spec.group) group(spec.group)->addAction(action);
  if (spec.needsDocument) documentActions_.push_back(action);
  actions_.insert(action->objectName(), action);
  return action;
}

QAction* ActionRegistry::adopt(QAction* action, const char* id, const char* text) {
  action->setObjectName(QLatin1String(id));
  action->setText(actionText(text));
  actions_.insert(action->objectName(), action);
  return action;
}

void ActionRegistry::addToPlaceholder(const char* placeholder, QAction* action) {
  placeholders_[QLatin1String(placeholder)].push_back(action);
}

void ActionRegistry::createActions(std::span<const ActionSpec> rows) {
  for (const ActionSpec& row : rows) {
    if (row.kind == ActionSpec::kAction) add(row);
  }
}

void ActionRegistry::buildMenus(std::span<const ActionSpec> rows) {
  for (const ActionSpec& row : rows) {
    QMenu* parent = parentMenu(row.parent);
    switch (row.kind) {
      case ActionSpec::kMenu:
      case ActionSpec::kSubmenu: {
        QMenu* menu = parent ? parent->addMenu(actionText(row.text))
                             : window_.menuBar()->addMenu(actionText(row.text));
        menu->setObjectName(QLatin1String(row.id));
        menus_.insert(menu->objectName(), menu);
        if (row.needsDocument) documentActions_.push_back(menu->menuAction());
        break;
      }
      case ActionSpec::kSeparator:
        parent->addSeparator();
        break;
      case ActionSpec::kAction:
        parent->addAction(find(QLatin1String(row.id)));
        break;
      case ActionSpec::kPlaceholder:
        for (QAction* action : placeholders_.value(QLatin1String(row.id))) parent->addAction(action);
        break;
    }
  }
  // Menus whose actions all come later (or never) stay hidden while they are empty.
  for (QMenu* menu : std::as_const(menus_)) {
    if (menu->objectName() != QLatin1String("recentMenu"))
      menu->installEventFilter(new HideWhileEmpty(menu));
  }
}

QAction* ActionRegistry::find(const QString& id) const { return actions_.value(id); }

QMenu* ActionRegistry::menu(const QString& id) const { return menus_.value(id); }

void ActionRegistry::setDocumentOpen(bool loaded) {
  for (QAction* action : documentActions_) action->setEnabled(loaded);
}

QMenu* ActionRegistry::parentMenu(const char* parent) const {
  return *parent ? menus_.value(QLatin1String(parent)) : nullptr;
}

QActionGroup* ActionRegistry::group(const char* name) {
  QActionGroup*& group = groups_[QLatin1String(name)];
  if (!group) group = new QActionGroup(this);
  return group;
}

}  // namespace pelmora::app
