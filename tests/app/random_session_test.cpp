// A long random session in the window: thousands of presses, strokes, keys and commands from a
// fixed seed, found by their object names as a user finds them on screen. Afterwards the editor
// must be alive, undoing everything must give back the image as opened, redoing everything the
// final image, and Save must write exactly that image. A failure names the seed; set
// PELMORA_SESSION_SEED to replay it (and PELMORA_SESSION_STEPS for a longer session).
#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <random>

#include "app_harness.h"

using namespace pelmora::test;

namespace {

constexpr unsigned kDefaultSeed = 20261208;
constexpr int kDefaultSteps = 3000;

unsigned settingFromEnvironment(const char* name, unsigned fallback) {
  bool ok = false;
  const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
  return ok ? value : fallback;
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The controls a session uses, found by name.
const char* const kViews[] = {"PAT0", "NAT0", "ATT0", "NAT1", "ATT1", "picSelTile", "tilePixelCanvas"};
// Besides these, every tool's action (its name ends in "Tool").
const char* const kCommands[] = {
    "actionPickTile",      "actionCopy",       "actionCut",         "actionPaste",
    "actionDelete",        "actionFill",       "actionZoomIn",      "actionZoomOut",
    "actionActualSize",    "actionNextPaletteSet", "actionGrid",    "actionShading",
    "actionShowFreeTiles", "actionTileValue1", "actionTileValue2",  "actionTileValue3",
    "actionTileValue4",    "actionUndo",       "actionRedo"};
const int kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,    Qt::Key_Down,  Qt::Key_1,
                     Qt::Key_2,    Qt::Key_3,     Qt::Key_4,     Qt::Key_Space, Qt::Key_Delete,
                     Qt::Key_Escape, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Tab, Qt::Key_Return};

class Session {
 public:
  Session(QWidget& window, unsigned seed) : window_(window), random_(seed) {
    for (const char* name : kViews)
      if (auto* view = window.findChild<QWidget*>(QLatin1String(name))) views_.push_back(view);
    for (const char* name : kCommands)
      if (auto* action = window.findChild<QAction*>(QLatin1String(name))) commands_.push_back(action);
    for (QAction* action : window.findChildren<QAction*>())
      if (action->objectName().endsWith(QLatin1String("Tool"))) commands_.push_back(action);
    // The rows of palette squares, the palette selector's colours and the Tile Editor's swatches.
    for (QWidget* child : window.findChildren<QWidget*>()) {
      const QString name = child->objectName();
      if (name.startsWith(QLatin1String("lbl_")) || name.startsWith(QLatin1String("lblnespal_")) ||
          name.startsWith(QLatin1String("tileSwatch")))
        views_.push_back(child);
    }
  }

  std::size_t viewCount() const { return views_.size(); }
  std::size_t commandCount() const { return commands_.size(); }

  void step() {
    switch (pick(10)) {
      case 0: case 1: case 2: press(); break;
      case 3: case 4: case 5: stroke(); break;
      case 6: key(); break;
      default: command(); break;
    }
  }

 private:
  int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

  QWidget* anyView() { return views_[static_cast<std::size_t>(pick(static_cast<int>(views_.size())))]; }

  QPoint anywhereOn(const QWidget* view) {
    return {pick(std::max(view->width(), 1)), pick(std::max(view->height(), 1))};
  }

  Qt::MouseButton anyButton() { return pick(4) == 0 ? Qt::RightButton : Qt::LeftButton; }

  Qt::KeyboardModifiers anyModifiers() {
    const int choice = pick(8);
    return choice == 0 ? Qt::ShiftModifier : choice == 1 ? Qt::ControlModifier : Qt::NoModifier;
  }

  static void send(QWidget* view, QEvent::Type type, QPoint at, Qt::MouseButton button,
                   Qt::MouseButtons held, Qt::KeyboardModifiers modifiers) {
    QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, held, modifiers);
    QCoreApplication::sendEvent(view, &event);
  }

  void press() {
    QWidget* view = anyView();
    pressAt(view, anyButton(), anyModifiers(), anywhereOn(view));
  }

  // Press, a few moves with the button held (some off the view), release.
  void stroke() {
    QWidget* view = anyView();
    const Qt::MouseButton button = anyButton();
    const Qt::KeyboardModifiers modifiers = anyModifiers();
    QPoint at = anywhereOn(view);
    send(view, QEvent::MouseButtonPress, at, button, button, modifiers);
    for (int moves = pick(12); moves > 0; --moves) {
      at += QPoint(pick(41) - 20, pick(41) - 20);
      send(view, QEvent::MouseMove, at, Qt::NoButton, button, modifiers);
    }
    send(view, QEvent::MouseButtonRelease, at, button, Qt::NoButton, modifiers);
  }

  void key() {
    QWidget* target = pick(2) == 0 ? &window_ : anyView();
    QTest::keyClick(target, static_cast<Qt::Key>(kKeys[pick(std::size(kKeys))]), anyModifiers());
  }

  void command() {
    QAction* action = commands_[static_cast<std::size_t>(pick(static_cast<int>(commands_.size())))];
    if (action->isEnabled()) action->trigger();
  }

  QWidget& window_;
  std::mt19937 random_;
  std::vector<QWidget*> views_;
  std::vector<QAction*> commands_;
};

}  // namespace

class RandomSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void longSessionLosesNothing();
};

void RandomSessionTest::longSessionLosesNothing() {
  const unsigned seed = settingFromEnvironment("PELMORA_SESSION_SEED", kDefaultSeed);
  const int steps = static_cast<int>(settingFromEnvironment("PELMORA_SESSION_STEPS", kDefaultSteps));
  const QByteArray replay = QStringLiteral("seed %1 (replay: PELMORA_SESSION_SEED=%1)").arg(seed).toUtf8();
  WindowHarness h;
  QWidget& window = h.window;
  window.show();
  const auto trigger = [&](const char* name) {
    QAction* action = window.findChild<QAction*>(QLatin1String(name));
    QVERIFY2(action != nullptr, name);
    action->trigger();
  };
  const auto saveAs = [&](const QString& name) {
    h.dialogs.answers.push_back(h.folder.filePath(name));
    trigger("actionSaveAs");
    return fileBytes(h.folder.filePath(name));
  };
  h.dialogs.answers.push_back(h.writeDemo());
  trigger("actionOpen");
  trigger("actionTileEditor");
  const QByteArray opened = saveAs(QStringLiteral("opened.nes"));
  QVERIFY2(!opened.isEmpty(), replay);

  const std::size_t messages = h.dialogs.messages.size();  // Open and Save say they are done
  Session session(window, seed);
  QVERIFY2(session.viewCount() >= 7 && session.commandCount() >= 15, "the controls are found by name");
  for (int i = 0; i < steps; ++i) {
    session.step();
    if (i % 200 == 0) QCoreApplication::processEvents();  // let the views paint now and then
  }
  QCoreApplication::processEvents();
  // The session may end on undone commands; the final image is the end of its history.
  QAction* undo = window.findChild<QAction*>(QStringLiteral("actionUndo"));
  QAction* redo = window.findChild<QAction*>(QStringLiteral("actionRedo"));
  while (redo->isEnabled()) redo->trigger();
  for (std::size_t i = messages; i < h.dialogs.messages.size(); ++i)
    qWarning() << "message box:" << h.dialogs.messages[i].title << h.dialogs.messages[i].text;
  QVERIFY2(window.isVisible() && h.dialogs.messages.size() == messages, "no message box: " + replay);
  const QByteArray final = saveAs(QStringLiteral("final.nes"));
  QVERIFY2(!final.isEmpty() && final != opened, "the session edited the image: " + replay);

  while (undo->isEnabled()) undo->trigger();
  QVERIFY2(saveAs(QStringLiteral("undone.nes")) == opened, "undo to the start: " + replay);
  while (redo->isEnabled()) redo->trigger();
  QVERIFY2(saveAs(QStringLiteral("redone.nes")) == final, "redo to the end: " + replay);
  trigger("actionSave");
  QVERIFY2(fileBytes(h.folder.filePath(QStringLiteral("redone.nes"))) == final, "Save: " + replay);
}

QTEST_MAIN(RandomSessionTest)
#include "random_session_test.moc"
