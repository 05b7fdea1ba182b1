#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <span>
#include <vector>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace pelmora::app {

// One row of the action table: a menu, a submenu, a separator, an action, or a place where the
// actions of a list (the tools, the file exchanges) go. Texts are marked for translation and
// translated when the row is built.
struct ActionSpec {
  enum Kind { kMenu, kSubmenu, kSeparator, kAction, kPlaceholder };

  ActionSpec() = default;
  ActionSpec(Kind kind, const char* id, const char* text, QKeySequence shortcut = {},
             const char* icon = "", const char* parent = "", bool checkable = false,
             bool needsDocument = false, const char* group = "")
      : kind(kind), id(id), text(text), shortcut(std::move(shortcut)), icon(icon),
        parent(parent), checkable(checkable), needsDocument(needsDocument), group(group) {}

  Kind kind = kAction;
  const char* id = "";    // the objectName, by which docks, dialogs and tests find it
  const char* text = "";  // untranslated; the context is "Actions"
  QKeySequence shortcut = {};
  const char* icon = "";     // a resource path, or empty
  const char* parent = "";   // the id of the menu it goes in
  bool checkable = false;
  bool needsDocument = false;  // enabled only while a document is open
  const char* group = "";      // actions of one group exclude each other
};

// Every action and menu of the main window, found by id. Menus are built from a table of rows
// in order; actions made elsewhere (by the tools, the exchanges, the docks) are added by id and
// placed where a placeholder row of their list stands.
class ActionRegistry : public QObject {
  Q_OBJECT

 public:
  explicit ActionRegistry(QMainWindow& window);

  // Makes the action of `spec` (not yet in a menu) and keeps it under its id.
  QAction* add(const ActionSpec& spec);
  // Keeps an action made elsewhere (a dock's toggle) under `id`.
  QAction* adopt(QAction* action, const char* id, const char* text);
  // Actions to put where the placeholder `placeholder` stands when the menus are built.
  void addToPlaceholder(const char* placeholder, QAction* action);
  // Makes the actions of the action rows of `rows`, before anyone connects to them.
  void createActions(std::span<const ActionSpec> rows);
  // Builds the menu bar from `rows`, in order, with the actions made before.
  void buildMenus(std::span<const ActionSpec> rows);

  QAction* find(const QString& id) const;
  QMenu* menu(const QString& id) const;
  // Enables every action that needs a document as `loaded` says.
  void setDocumentOpen(bool loaded);

 private:
  QMenu* parentMenu(const char* parent) const;
  QActionGroup* group(const char* name);

  QMainWindow& window_;
  QHash<QString, QAction*> actions_;
  QHash<QString, QMenu*> menus_;
  QHash<QString, QActionGroup*> groups_;
  QHash<QString, std::vector<QAction*>> placeholders_;
  std::vector<QAction*> documentActions_;
};

// The text of an action row in the user's language.
QString actionText(const char* text);

}  // namespace pelmora::app
