#include "app/exchange_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>

#include "app/action_registry.h"
#include "app/editor_document.h"
#include "app/local_files.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"
#include "edit/diff_command.h"

namespace pelmora::app {
namespace {

QString exchangeText(const char* text) {
  return QCoreApplication::translate("Exchanges", text);
}

// Screen 0 is name table 0, screen 1 is name table 2.
int nameTableOf(int screen) { return screen == 0 ? 0 : 2; }

// A text of a row made per screen, with its name table's number for %2.
QString perScreenText(const char* text, const FileExchange& exchange, int screen) {
  const QString translated = exchangeText(text);
  return exchange.perScreen ? translated.arg(nameTableOf(screen)) : translated;
}

}  // namespace

ExchangeCommands::ExchangeCommands(EditorDocument& document, UserDialogs& dialogs,
                                   ActionRegistry& actions, QWidget& window)
    : QObject(&window), document_(document), dialogs_(dialogs), window_(window) {
  for (const FileExchange& exchange : fileExchanges()) {
    for (int screen = 0; screen < (exchange.perScreen ? 2 : 1); ++screen) {
      const QString name = QString::fromLatin1(exchange.id);
      const QByteArray id = (exchange.perScreen ? name.arg(nameTableOf(screen)) : name).toLatin1();
      ActionSpec spec;
      spec.id = id.constData();
      spec.needsDocument = true;
      QAction* action = actions.add(spec);
      action->setText(perScreenText(exchange.menuText, exchange, screen));
      actions.addToPlaceholder(exchange.placeholder, action);
      connect(action, &QAction::triggered, this,
              [this, &exchange, screen] { run(exchange, screen); });
    }
  }
}

void ExchangeCommands::run(const FileExchange& exchange, int screen) {
  const ExchangeInput input{document_.state(), document_.colours(), screen, nameTableOf(screen)};
  const QString title = perScreenText(exchange.dialogTitle, exchange, screen);
  if (exchange.direction == FileExchange::kExport) {
    runExport(exchange, input, title);
  } else {
    runImport(exchange, input, title);
  }
}

void ExchangeCommands::runExport(const FileExchange& exchange, const ExchangeInput& input,
                                 const QString& title) {
  const QString suggested =
      besideRom(document_.core().path, QString::fromLatin1(exchange.suffix).arg(input.screen));
  const std::optional<QString> chosen =
      dialogs_.chooseSaveFile(&window_, title, suggested, exchangeText(exchange.filter));
  if (!chosen || chosen->isEmpty()) return;
  const Expected<std::vector<std::uint8_t>> content = exchange.write(input);
  if (!content) return showError(tr("Error saving file!"), content.error().what);
  const Status written = writeMadeFile(*chosen, *content);
  if (!written) return showError(tr("Error saving file!"), written.error().what);
  emit message(doneText(exchange, *chosen, input.nameTable), 5000);
}

// The file's state replaces the document's as one step of the history; a file that cannot be
// read or decoded changes nothing and says why.
void ExchangeCommands::runImport(const FileExchange& exchange, const ExchangeInput& input,
                                 const QString& title) {
  const std::optional<QString> chosen = dialogs_.chooseOpenFile(
      &window_, title, folderOf(document_.core().path), exchangeText(exchange.filter));
  if (!chosen || chosen->isEmpty()) return;
  const Expected<ExchangeImport> imported = exchange.read(localPath(*chosen), input);
  if (!imported) return showError(tr("Error loading file!"), imported.error().what);
  document_.perform(diffCommand(exchange.commandName, document_.core(), imported.value().state));
  emit message(doneText(exchange, *chosen, input.nameTable) +
                   QString::fromStdString(imported.value().note),
               exchange.keepMessage ? 0 : 5000);
}

QString ExchangeCommands::doneText(const FileExchange& exchange, const QString& path,
                                   int nameTable) const {
  const QString text = exchangeText(exchange.doneMessage);
  const QString name = QFileInfo(path).fileName();
  return exchange.perScreen ? text.arg(name, QString::number(nameTable)) : text.arg(name);
}

void ExchangeCommands::showError(const QString& text, const std::string& reason) {
  dialogs_.showMessage(&window_, app::windowTitle(), text, QString::fromStdString(reason));
}

}  // namespace pelmora::app
