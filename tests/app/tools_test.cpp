// The tools added on the tool interface (bucket fill, the paint tool's line), editing with the
// keyboard, the name table as assembly, the names a screen reader speaks, and the translation
// template.
#include <QAccessible>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

#include "app/editor_document.h"
#include "app_harness.h"
#include "edit/cell_line.h"
#include "edit/screen_cells.h"
#include "edit/tile_placement.h"
#include "formats/nam_file.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

std::uint8_t& tileAt(app::MainWindow& w, int nameTable, int column, int row) {
  return w.document().state.ppuImage[tileAddress(nameTable, {column, row})];
}

QPoint cellCentre(int column, int row) { return {column * 8 + 4, row * 8 + 4}; }

void chooseTile(app::MainWindow& w, std::uint8_t tile) {
  pressAt(view(w, "PAT0"), Qt::LeftButton, {}, QPoint(tileSheetX(tile) + 4, tileSheetY(tile) + 4));
}

void click(QWidget* view, QPoint at, Qt::KeyboardModifiers modifiers = {}) {
  pressAt(view, Qt::LeftButton, modifiers, at);
  QTest::mouseRelease(view, Qt::LeftButton, modifiers, at);
}

std::size_t undoSteps(const app::MainWindow& w) { return w.document().history.undoCount(); }

}  // namespace

class ToolsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void bucketFillStaysInsideTheSavedRows();
  void shiftPressDrawsALineAsOneStep();
  void keyboardCursorMovesWrapsAndApplies();
  void nameTableExportsAsAssembly();
  void screenReaderNamesCellsAndSquares();
  void everyMenuTextIsInTheTranslationTemplate();

 private:
  std::unique_ptr<WindowHarness> h_;
};

void ToolsTest::init() {
  h_ = std::make_unique<WindowHarness>();
  QCOMPARE(h_->open(h_->writeDemo()), QStringLiteral("File loaded!"));
}

void ToolsTest::cleanup() { h_.reset(); }

// Rows 20-29 of name table 0 hold one tile; only rows 20-23 are saved, so only they fill.
void ToolsTest::bucketFillStaysInsideTheSavedRows() {
  app::MainWindow& w = h_->window;
  for (int column = 0; column < 32; ++column) {
    tileAt(w, 0, column, 19) = 0x22;
    for (int row = 20; row < 30; ++row) tileAt(w, 0, column, row) = 0x11;
  }
  chooseTile(w, 0x33);
  action(w, "actionBucketFillTool")->trigger();
  const std::size_t steps = undoSteps(w);
  click(view(w, "NAT0"), cellCentre(5, 21));
  QCOMPARE(undoSteps(w), steps + 1);
  for (int column = 0; column < 32; ++column) {
    QCOMPARE(tileAt(w, 0, column, 19), std::uint8_t{0x22});
    for (int row = 20; row < 30; ++row)
      QCOMPARE(tileAt(w, 0, column, row), std::uint8_t(row < 24 ? 0x33 : 0x11));
  }
  click(view(w, "NAT0"), cellCentre(5, 26));  // a row Save does not write
  QCOMPARE(undoSteps(w), steps + 1);
  QVERIFY(!w.statusBar()->currentMessage().isEmpty());
  w.undoLastEdit();
  QCOMPARE(tileAt(w, 0, 31, 23), std::uint8_t{0x11});
}

void ToolsTest::shiftPressDrawsALineAsOneStep() {
  app::MainWindow& w = h_->window;
  chooseTile(w, 0x44);
  click(view(w, "NAT0"), cellCentre(2, 2));
  const std::size_t steps = undoSteps(w);
  click(view(w, "NAT0"), cellCentre(10, 6), Qt::ShiftModifier);
  QCOMPARE(undoSteps(w), steps + 1);
  std::vector<CellPosition> line;
  cellsOnLine({2, 2}, {10, 6}, line);
  QCOMPARE(line.size(), std::size_t{9});  // 8-connected: one cell per column
  for (const CellPosition cell : line) QCOMPARE(tileAt(w, 0, cell.column, cell.row), std::uint8_t{0x44});
  w.undoLastEdit();
  QCOMPARE(tileAt(w, 0, 2, 2), std::uint8_t{0x44});
  QVERIFY(tileAt(w, 0, 10, 6) != 0x44);
}

void ToolsTest::keyboardCursorMovesWrapsAndApplies() {
  app::MainWindow& w = h_->window;
  chooseTile(w, 0x55);
  app::PictureSurface* screen = view(w, "NAT0");
  pressAt(screen, Qt::LeftButton, {}, cellCentre(0, 0));  // the cursor follows the press
  QTest::mouseRelease(screen, Qt::LeftButton, {}, cellCentre(0, 0));
  QTest::keyClick(screen, Qt::Key_Left);  // wraps to column 31
  QTest::keyClick(screen, Qt::Key_Up);    // wraps to row 29
  QTest::keyClick(screen, Qt::Key_Down);  // back to row 0
  QVERIFY(w.readoutText().contains(QStringLiteral("31")));
  QTest::keyClick(screen, Qt::Key_Space);
  QCOMPARE(tileAt(w, 0, 31, 0), std::uint8_t{0x55});

  app::PictureSurface* attributes = view(w, "ATT0");
  QTest::mouseClick(control<QRadioButton>(w, QStringLiteral("optAttSel2")), Qt::LeftButton);
  QTest::keyClick(attributes, Qt::Key_Right);  // by quadrant
  QTest::keyClick(attributes, Qt::Key_Return);
  const CellPosition quadrant{1, 0};
  QCOMPARE(quadrantPaletteOf(w.document().state.ppuImage[attributeAddress(0, quadrant)], quadrant),
           std::uint8_t{2});

  action(w, "actionSelectTool")->trigger();
  click(screen, cellCentre(3, 3));
  QTest::keyClick(screen, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(screen, Qt::Key_Down, Qt::ShiftModifier);
  QCOMPARE(w.editorDocument().selection()->rect, (CellRect{3, 3, 2, 2}));
}

void ToolsTest::nameTableExportsAsAssembly() {
  app::MainWindow& w = h_->window;
  const QString path = h_->folder.filePath(QStringLiteral("screen0.s"));
  h_->dialogs.answers.push_back(path);
  action(w, "actionExportNameTableAsm0")->trigger();
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
  QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^name_table_0_row_\\d+:$"))).size(), 30);
  const QStringList bytes = lines.filter(QRegularExpression(QStringLiteral("^  \\.byte ")));
  QCOMPARE(bytes.size(), 30 + 8);
  const std::vector<std::uint8_t> table = exportNameTable(w.document().state, 0);
  QStringList expected;
  for (int i = 0; i < 32; ++i)
    expected << QStringLiteral("$%1").arg(table[std::size_t(i)], 2, 16, QLatin1Char('0')).toUpper();
  QCOMPARE(bytes.front(), QStringLiteral("  .byte ") + expected.join(QLatin1Char(',')));
}

void ToolsTest::screenReaderNamesCellsAndSquares() {
  app::MainWindow& w = h_->window;
  app::PictureSurface* screen = view(w, "NAT0");
  click(view(w, "PAT0"), {});
  action(w, "actionSelectTool")->trigger();  // a press then only moves the cursor
  click(screen, cellCentre(5, 3));
  const QString tile =
      QStringLiteral("%1").arg(tileAt(w, 0, 5, 3), 2, 16, QLatin1Char('0')).toUpper();
  const auto spoken = [](QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
  };
  QCOMPARE(spoken(screen),
           QStringLiteral("Name table 0, column 5, row 3, tile $%1, saved to the ROM").arg(tile));
  app::ColourSquare* square = pelmora::test::square(w, "lbl_bkgpal0", 5);
  QCOMPARE(spoken(square), QStringLiteral("ROM palette entry 5, colour $%1").arg(square->text()));
}

// Every text a menu shows is in the template; texts made per screen match with their %n.
void ToolsTest::everyMenuTextIsInTheTranslationTemplate() {
  QFile file(QStringLiteral(PELMORA_TRANSLATION_TEMPLATE));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString ts = QString::fromUtf8(file.readAll());
  std::vector<QRegularExpression> sources;
  const QRegularExpression source(QStringLiteral("<source>(.*?)</source>"));
  for (auto match = source.globalMatch(ts); match.hasNext();) {
    QString text = match.next().captured(1);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    QString pattern = QRegularExpression::escape(text);
    pattern.replace(QRegularExpression(QStringLiteral("\\\\?%\\d")), QStringLiteral(".+"));
    sources.emplace_back(QRegularExpression::anchoredPattern(pattern));
  }
  std::vector<QMenu*> menus;
  for (QAction* top : h_->window.menuBar()->actions()) menus.push_back(top->menu());
  for (std::size_t i = 0; i < menus.size(); ++i) {
    if (menus[i]->objectName() == QLatin1String("recentMenu")) continue;  // file names
    for (QAction* item : menus[i]->actions()) {
      if (item->menu()) menus.push_back(item->menu());
      if (item->isSeparator() || !item->isVisible()) continue;
      const bool listed = std::any_of(sources.begin(), sources.end(), [&](const auto& pattern) {
        return pattern.match(item->text()).hasMatch();
      });
      QVERIFY2(listed, qPrintable(item->text()));
    }
  }
}

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"
