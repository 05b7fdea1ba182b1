#pragma once

#include <QObject>

#include "app/file_exchange.h"

class QWidget;

namespace pelmora::app {

class ActionRegistry;
class EditorDocument;
class UserDialogs;

// File > Import and File > Export, made from the exchange table: one action per row (per
// screen for the rows made per screen), all run through one path that chooses the file, reads
// and decodes it, performs the import as one step the user can undo, and reports in the status
// bar; or encodes the document and writes the file whole.
class ExchangeCommands : public QObject {
  Q_OBJECT

 public:
  ExchangeCommands(EditorDocument& document, UserDialogs& dialogs, ActionRegistry& actions,
                   QWidget& window);

 signals:
  void message(const QString& text, int timeoutMs);

 private:
  void run(const FileExchange& exchange, int screen);
  void runExport(const FileExchange& exchange, const ExchangeInput& input, const QString& title);
  void runImport(const FileExchange& exchange, const ExchangeInput& input, const QString& title);
  QString doneText(const FileExchange& exchange, const QString& path, int nameTable) const;
  void showError(const QString& text, const std::string& reason);

  EditorDocument& document_;
  UserDialogs& dialogs_;
  QWidget& window_;
};

}  // namespace pelmora::app
