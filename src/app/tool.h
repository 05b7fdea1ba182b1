#pragma once

#include <QCursor>
#include <QString>
#include <functional>

#include "app/action_registry.h"
#include "state/cell_position.h"

namespace pelmora::app {

class EditorDocument;

// Where a pointer event or the keyboard cursor hit a view: the name table (0 or 2) whose screen
// or attribute view it is, the position in surface pixels, and the modifier keys held.
struct ToolEvent {
  int nameTable = 0;
  double x = 0;
  double y = 0;
  Qt::KeyboardModifiers modifiers;
};

// What a tool may use besides the document: the status bar, and the cell last pointed at.
struct ToolContext {
  EditorDocument& document;
  std::function<void(const QString& text)> showMessage;
};

// An editing tool: what a press, a drag and a release on a view do. A screen tool works on the
// two screen views and is chosen with its action; the attribute tool always works on the two
// attribute views. One file per tool, registered with one line in tool_list.cpp.
class Tool {
 public:
  enum Views { kScreens, kAttributes };

  explicit Tool(ToolContext context) : context_(std::move(context)) {}
  virtual ~Tool() = default;
  Tool(const Tool&) = delete;
  Tool& operator=(const Tool&) = delete;

  // The action that chooses the tool (its id, text and shortcut); a tool with an empty id has
  // no action. A one-shot tool's action applies it at the pointer at once and chooses nothing.
  virtual ActionSpec action() const = 0;
  virtual Views views() const { return kScreens; }
  virtual bool oneShot() const { return false; }

  virtual void press(const ToolEvent& event) = 0;
  // The pointer moved with a button held.
  virtual void move(const ToolEvent& /*event*/) {}
  virtual void release() {}
  // Ends what a press started (the history then holds it as one step); called before another
  // tool is chosen, before Undo, Save and Open.
  virtual void finish() {}

  virtual Qt::CursorShape cursor() const { return Qt::ArrowCursor; }
  // What the status bar says while the tool is chosen; empty: nothing.
  virtual QString statusText() const { return {}; }

  // The keyboard's Space or Enter at the cursor's cell: by default a press and a release there.
  virtual void applyAt(const ToolEvent& event) {
    press(event);
    release();
  }

 protected:
  EditorDocument& document() const { return context_.document; }
  void showMessage(const QString& text) const { context_.showMessage(text); }

 private:
  ToolContext context_;
};

// The centre of a tile cell in surface pixels, for events that name a cell rather than a point.
inline ToolEvent cellEvent(int nameTable, CellPosition cell, int cellPixels,
                           Qt::KeyboardModifiers modifiers = {}) {
  return {nameTable, cell.column * cellPixels + cellPixels / 2.0,
          cell.row * cellPixels + cellPixels / 2.0, modifiers};
}

}  // namespace pelmora::app
