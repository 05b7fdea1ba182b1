#pragma once
// The Tile Editor dock of the main window, built the first time it is shown or asked for: most
// sessions never open it, and building it would be a noticeable part of the start-up. The
// menu's action stands for it until then and follows the dock's visibility after.

#include <QObject>

class QMainWindow;

namespace pelmora::app {

class ActionRegistry;
class EditorDocument;
class TileEditor;

class TileEditorDock : public QObject {
  Q_OBJECT

 public:
  TileEditorDock(EditorDocument& document, ActionRegistry& actions, QMainWindow& window);

  TileEditor* editor();  // builds it on first use
  TileEditor* built() const { return editor_; }  // null until then

 signals:
  void shownDocked();  // the dock was shown at the window's side, not floating
  void tileEdited();

 private:
  EditorDocument& document_;
  ActionRegistry& actions_;
  QMainWindow& window_;
  TileEditor* editor_ = nullptr;
};

}  // namespace pelmora::app
