// Editing without losing work through the window: the unsaved-edit question, strokes as one
// undo step, picking, rectangles and the clipboard, and an edit session saved and reopened.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include "app/picture_surface.h"
#include "app/editor_document.h"
#include "app/selection_commands.h"
#include "app_harness.h"
#include "edit/clipboard_text.h"
#include "edit/document.h"
#include "edit/screen_cells.h"
#include "edit/single_edits.h"
#include "rom/rom_file.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

// A pointer move over `view` at `position`, with `buttons` held.
void moveOver(QWidget* view, QPoint position, Qt::MouseButtons buttons = Qt::NoButton) {
  QMouseEvent move(QEvent::MouseMove, QPointF(position), view->mapToGlobal(QPointF(position)),
                   Qt::NoButton, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &move);
}

void sendButton(QWidget* view, QEvent::Type type, QPoint position) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, QPointF(position), view->mapToGlobal(QPointF(position)), Qt::LeftButton,
                    held, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &event);
}

// Press at the first point, move through the others with the button held, release at the last.
void drag(QWidget* view, const std::vector<QPoint>& path) {
  sendButton(view, QEvent::MouseButtonPress, path.front());
  for (std::size_t i = 1; i < path.size(); ++i) moveOver(view, path[i], Qt::LeftButton);
  sendButton(view, QEvent::MouseButtonRelease, path.back());
}

QPoint cellCentre(int column, int row) { return {column * 8 + 4, row * 8 + 4}; }

std::uint8_t tileOf(const app::MainWindow& w, int nameTable, int column, int row) {
  return w.document().state.ppuImage[tileAddress(nameTable, {column, row})];
}

void chooseTile(app::MainWindow& w, int tile) {
  pressAt(view(w, "PAT0"), Qt::LeftButton, {}, QPoint((tile & 15) * 16, tile & 0xF0));
}

// Whether the widget shows tile row `row` of its surface exactly as the surface holds it.
bool rowShownAsIs(app::PictureSurface* view, int row) {
  const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int y = row * 8; y < row * 8 + 8; ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb pixel = shown.pixel(x, y);
      if (rgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) != view->surface().pixel(x, y)) return false;
    }
  }
  return true;
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class EditSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void askedBeforeLosingEdits_data();
  void askedBeforeLosingEdits();
  void nothingAskedWithoutEdits();
  void shadingMarksTheRowsNotStored();
  void strokeIsOneUndoStep();
  void pickTakesTheTileUnderThePointer();
  void selectCopyPasteClippedAtTheEdges();
  void clipboardTextRoundTrip();
  void editUndoSaveReopenMatchesTheCore();
};

void EditSessionTest::askedBeforeLosingEdits_data() {
  QTest::addColumn<QString>("route");
  QTest::addColumn<QMessageBox::StandardButton>("answer");
  QTest::addColumn<bool>("saveFails");
  for (const char* route : {"open", "exit", "close"}) {
    QTest::addRow("%s, save", route) << route << QMessageBox::Save << false;
    QTest::addRow("%s, discard", route) << route << QMessageBox::Discard << false;
    QTest::addRow("%s, cancel", route) << route << QMessageBox::Cancel << false;
  }
  QTest::addRow("exit, save fails") << "exit" << QMessageBox::Save << true;
}

// Save and Discard go on (only Save writes the file); Cancel and a failed Save keep the window,
// the document and its edits.
void EditSessionTest::askedBeforeLosingEdits() {
  QFETCH(QString, route);
  QFETCH(QMessageBox::StandardButton, answer);
  QFETCH(bool, saveFails);
  WindowHarness h;
  app::MainWindow& w = h.window;
  const QString path = h.writeDemo();
  const QString other = h.writeDemo(QStringLiteral("other.nes"));
  h.open(path);
  const QByteArray original = fileBytes(path);
  chooseTile(w, 0x37);
  pressAt(view(w, "NAT0"), Qt::LeftButton, {}, cellCentre(0, 0));
  QVERIFY(w.isWindowModified());
  if (saveFails) {  // a folder where the file was: nothing can be written there
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path));
  }

  h.dialogs.questionAnswers.push_back(answer);
  if (route == "open") {
    h.dialogs.answers.push_back(other);
    action(w, "actionOpen")->trigger();
  } else if (route == "exit") {
    action(w, "actionExit")->trigger();
  } else {
    w.close();
  }
  QCOMPARE(h.dialogs.questions.size(), std::size_t{1});
  QCOMPARE(h.dialogs.questions[0].text, QStringLiteral("Save changes to demo.nes before closing?"));

  const bool goesOn = answer != QMessageBox::Cancel && !saveFails;
  if (route == "open") {
    QCOMPARE(h.dialogs.answers.empty(), goesOn);  // the file dialog shows only after the answer
    QCOMPARE(w.document().path.filename().string(), std::string(goesOn ? "other.nes" : "demo.nes"));
  } else {
    QCOMPARE(w.isVisible(), !goesOn);
  }
  if (!goesOn) {
    QCOMPARE(int(tileOf(w, 0, 0, 0)), 0x37);
    QVERIFY(w.isWindowModified());
  }
  if (saveFails) QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("Error saving file!"));
  if (!saveFails) QCOMPARE(fileBytes(path) != original, answer == QMessageBox::Save);
}

// Undoing back to the opened state counts as unmodified: Exit asks nothing.
void EditSessionTest::nothingAskedWithoutEdits() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  h.open(h.writeDemo());
  chooseTile(w, 0x37);
  pressAt(view(w, "NAT0"), Qt::LeftButton, {}, cellCentre(2, 2));
  QCOMPARE(action(w, "actionUndo")->text(), QStringLiteral("&Undo Place Tile"));
  action(w, "actionUndo")->trigger();
  QVERIFY(!w.isWindowModified());
  QVERIFY(!action(w, "actionUndo")->isEnabled());
  QCOMPARE(action(w, "actionRedo")->text(), QStringLiteral("&Redo Place Tile"));
  action(w, "actionExit")->trigger();
  QVERIFY(h.dialogs.questions.empty());
  QVERIFY(!w.isVisible());
}

// The rows Save does not write are shaded over the picture until View switches the shading
// off; the choice is remembered.
void EditSessionTest::shadingMarksTheRowsNotStored() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  h.open(h.writeDemo());
  QVERIFY(action(w, "actionShading")->isChecked());
  QVERIFY(rowShownAsIs(view(w, "NAT0"), 23));
  QVERIFY(!rowShownAsIs(view(w, "NAT0"), 24));
  QVERIFY(!rowShownAsIs(view(w, "NAT1"), 23));
  QVERIFY(rowShownAsIs(view(w, "NAT1"), 24));
  action(w, "actionShading")->trigger();
  QVERIFY(rowShownAsIs(view(w, "NAT0"), 24));
  QVERIFY(!app::AppSettings().shadingShown());
}

// A fast drag leaves no gaps, skips the rows Save does not carry (the status bar says why),
// and one Undo takes all of it back.
void EditSessionTest::strokeIsOneUndoStep() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  h.open(h.writeDemo());
  for (int address = 0x23C0; address < 0x23C4; ++address) w.document().state.ppuImage[address] = 0;
  const PpuImage before = w.document().state.ppuImage;
  chooseTile(w, 0xAB);
  drag(view(w, "NAT0"), {cellCentre(0, 20), cellCentre(20, 20), cellCentre(20, 26)});
  for (int column = 0; column <= 20; ++column) QCOMPARE(int(tileOf(w, 0, column, 20)), 0xAB);
  for (int row = 21; row <= 23; ++row) QCOMPARE(int(tileOf(w, 0, 20, row)), 0xAB);
  for (int row = 24; row <= 26; ++row)
    QCOMPARE(tileOf(w, 0, 20, row), before[tileAddress(0, {20, row})]);
  QCOMPARE(w.statusBar()->currentMessage(),
           QStringLiteral("Row 26 of name table 0 is not stored in the ROM."));
  QCOMPARE(action(w, "actionUndo")->text(), QStringLiteral("&Undo Paint Tiles"));
  QCOMPARE(w.document().history.undoCount(), std::size_t{1});

  QTest::mouseClick(control<QRadioButton>(w, QStringLiteral("optAttSel%1").arg(3)), Qt::LeftButton);
  drag(view(w, "ATT0"), {{8, 8}, {120, 8}});
  QCOMPARE(action(w, "actionUndo")->text(), QStringLiteral("&Undo Paint Attributes"));
  pressAt(view(w, "ATT1"), Qt::LeftButton, {}, QPoint(8, 8));
  QCOMPARE(w.statusBar()->currentMessage(),
           QStringLiteral("The attribute table of name table 2 is not stored in the ROM."));

  action(w, "actionUndo")->trigger();
  action(w, "actionUndo")->trigger();
  QVERIFY(w.document().state.ppuImage == before);
  QVERIFY(!action(w, "actionUndo")->isEnabled());
  ScreenViews expected;
  redrawViews(expected, w.document().state, w.colourTables());
  QVERIFY(sameSurface(w.views().NAT0, expected.NAT0));
  QVERIFY(sameSurface(w.views().ATT0, expected.ATT0));
}

// I over a screen view chooses the tile under the pointer, as the tile sheet would; away from
// the screens it does nothing.
void EditSessionTest::pickTakesTheTileUnderThePointer() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  h.open(h.writeDemo());
  QCOMPARE(action(w, "actionPickTile")->shortcut(), QKeySequence(Qt::Key_I));
  w.document().state.ppuImage[tileAddress(2, {3, 25})] = 0x5E;
  moveOver(view(w, "NAT1"), cellCentre(3, 25));
  action(w, "actionPickTile")->trigger();
  QCOMPARE(int(w.document().state.selectedTile), 0x5E);
  QCOMPARE(control<QLabel>(w, "lblTileID")->text(), QStringLiteral("5E"));
  QVERIFY(!w.document().history.canUndo());

  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(view(w, "NAT1"), &leave);
  chooseTile(w, 0x12);
  action(w, "actionPickTile")->trigger();
  QCOMPARE(int(w.document().state.selectedTile), 0x12);
}

// A dragged rectangle is copied; pasted near the corner of the stored rows it lands only on
// the cells that are on the screen and stored. Cut leaves blanks; each is one undo step.
void EditSessionTest::selectCopyPasteClippedAtTheEdges() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  h.open(h.writeDemo());
  action(w, "actionSelectTool")->trigger();
  drag(view(w, "NAT0"), {cellCentre(3, 2), cellCentre(0, 0), cellCentre(1, 1)});
  QCOMPARE(w.editorDocument().selection()->rect, (CellRect{1, 1, 3, 2}));
  QVERIFY(action(w, "actionCopy")->isEnabled());
  action(w, "actionCopy")->trigger();
  const TileBlock block = w.selectionCommands().copied();
  QCOMPARE(block, copyBlock(w.document().state, 0, CellRect{1, 1, 3, 2}));

  const PpuImage before = w.document().state.ppuImage;
  moveOver(view(w, "NAT0"), cellCentre(30, 23));
  action(w, "actionPaste")->trigger();
  QCOMPARE(action(w, "actionUndo")->text(), QStringLiteral("&Undo Paste"));
  QCOMPARE(tileOf(w, 0, 30, 23), block.at(0, 0));
  QCOMPARE(tileOf(w, 0, 31, 23), block.at(1, 0));
  QCOMPARE(tileOf(w, 0, 30, 24), before[tileAddress(0, {30, 24})]);
  int changed = 0;
  for (std::size_t a = 0; a < before.size(); ++a) changed += before[a] != w.document().state.ppuImage[a];
  QVERIFY(changed <= 2);

  action(w, "actionCut")->trigger();
  for (int column = 1; column <= 3; ++column) QCOMPARE(int(tileOf(w, 0, column, 2)), int(kBlankTile));
  action(w, "actionUndo")->trigger();
  action(w, "actionUndo")->trigger();
  QVERIFY(w.document().state.ppuImage == before);
}

// The copied block goes to the system clipboard as rows of hex numbers; such text, written by
// hand, pastes back; other text pastes nothing and says why.
void EditSessionTest::clipboardTextRoundTrip() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  h.open(h.writeDemo());
  action(w, "actionSelectTool")->trigger();
  drag(view(w, "NAT1"), {cellCentre(4, 24), cellCentre(5, 25)});
  action(w, "actionCopy")->trigger();
  const QString text = QGuiApplication::clipboard()->text();
  QCOMPARE(text.toStdString(), blockText(w.selectionCommands().copied()));

  QGuiApplication::clipboard()->setText(QStringLiteral("fc 01\r\n02 03\n"));
  moveOver(view(w, "NAT0"), cellCentre(0, 0));
  action(w, "actionPaste")->trigger();
  const std::vector<int> pasted = {tileOf(w, 0, 0, 0), tileOf(w, 0, 1, 0), tileOf(w, 0, 0, 1),
                                   tileOf(w, 0, 1, 1)};
  QCOMPARE(pasted, (std::vector<int>{0xFC, 0x01, 0x02, 0x03}));

  const PpuImage before = w.document().state.ppuImage;
  QGuiApplication::clipboard()->setText(QStringLiteral("not tiles"));
  action(w, "actionPaste")->trigger();
  QVERIFY(w.document().state.ppuImage == before);
  QVERIFY(!w.statusBar()->currentMessage().isEmpty());
}

// The window's edits, some undone, then saved, write exactly what the core writes for the
// same commands on the same file.
void EditSessionTest::editUndoSaveReopenMatchesTheCore() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  const QString path = h.writeDemo();
  const QString reference = h.writeDemo(QStringLiteral("reference.nes"));
  h.open(path);
  chooseTile(w, 0x21);
  pressAt(view(w, "NAT0"), Qt::LeftButton, {}, cellCentre(5, 5));
  pressAt(view(w, "NAT1"), Qt::LeftButton, {}, cellCentre(6, 25));
  control<QCheckBox>(w, "chkEnableCoin")->click();
  pressAt(view(w, "NAT0"), Qt::LeftButton, {}, cellCentre(7, 7));
  action(w, "actionUndo")->trigger();
  action(w, "actionUndo")->trigger();
  QVERIFY(w.isWindowModified());
  QCOMPARE(h.save(), QStringLiteral("File saved!"));
  QVERIFY(!w.isWindowModified());

  Document core;
  QVERIFY(openDocument(core, reference.toStdString()).status == OpenStatus::kOpened);
  core.state.selectedTile = 0x21;
  perform(core, placeTileCommand(core.state, 0, {5, 5}).value());
  perform(core, placeTileCommand(core.state, 2, {6, 25}).value());
  QVERIFY(saveDocument(core).status == SaveStatus::kSaved);
  QCOMPARE(fileBytes(path), fileBytes(reference));

  QCOMPARE(h.open(path), QStringLiteral("File loaded!"));
  QVERIFY(w.document().state.ppuImage == core.state.ppuImage);
  QVERIFY(!w.document().history.canUndo());
}

QTEST_MAIN(EditSessionTest)
#include "edit_session_test.moc"
