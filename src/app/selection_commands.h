#pragma once

#include <QObject>
#include <optional>

#include "edit/tile_block.h"
#include "rom/codec_result.h"

namespace pelmora::app {

class ActionRegistry;
class EditorDocument;
class ToolManager;

// The selected rectangle's commands: copy (also to the system clipboard as text), cut, delete,
// fill, and paste of the copied block or of a block given as text. Each edit is one command;
// the actions are enabled while there is something to work on.
class SelectionCommands : public QObject {
  Q_OBJECT

 public:
  SelectionCommands(EditorDocument& document, ActionRegistry& actions, const ToolManager& tools,
                    QObject* parent);

  void copySelection();
  void cutSelection();
  void deleteSelection();
  void fillSelection();
  void pasteBlock();
  // The block last copied here.
  const TileBlock& copied() const { return copied_; }

 signals:
  void message(const QString& text);

 private:
  void refreshActions();
  std::optional<TileBlock> clipboardBlock();
  void performBlockCommand(Expected<EditCommand> command);

  EditorDocument& document_;
  ActionRegistry& actions_;
  const ToolManager& tools_;
  TileBlock copied_;
};

}  // namespace pelmora::app
