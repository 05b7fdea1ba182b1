#include "app/help_texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

#include "app/window_title.h"

namespace pelmora::app {

// Every key sequence of an action, not only its first (Redo answers Ctrl+Shift+Z and Ctrl+Y).
QString shortcutsText(const QWidget& window) {
  QString rows;
  for (const QAction* action : window.findChildren<QAction*>()) {
    QStringList keys;
    for (const QKeySequence& shortcut : action->shortcuts())
      keys.push_back(shortcut.toString(QKeySequence::NativeText));
    if (keys.isEmpty()) continue;
    rows += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>")
                .arg(action->text().remove(QLatin1Char('&')).toHtmlEscaped(),
                     keys.join(QStringLiteral(", ")).toHtmlEscaped());
  }
  return QStringLiteral("<table>%1</table>").arg(rows);
}

QString aboutText() {
  return QCoreApplication::translate(
             "Help",
             "<h3>%1</h3><p>An editor for the title screen of one NES game.</p>"
             "<p>Built with Qt %2.</p><p>Released under the MIT licence.</p>")
      .arg(app::windowTitle(), QString::fromLatin1(qVersion()));
}

}  // namespace pelmora::app
