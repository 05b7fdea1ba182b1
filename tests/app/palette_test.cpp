// The palette squares, the palette selector window, set cycling and the coin switch.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/picture_surface.h"
#include "app_harness.h"
#include "gfx/master_palette.h"
#include "app/colour_square.h"
#include "app/palette_selector.h"
#include "rom/title_layout.h"
#include "support/demo_variants.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

// Picks `colour` in the open selector and closes it, which hands the colour back.
void pickAndClose(app::MainWindow& window, int colour) {
  app::PaletteSelector* selector = window.paletteSelector();
  QTest::mouseClick(selector->lblnespal[colour], Qt::LeftButton);
  QVERIFY(selector->close());
}

QRect markAround(const QWidget* square) {
  return square->geometry().adjusted(-3, -3, 3, 3);
}

}  // namespace

class PaletteTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void colourZeroOfThePaletteBlockGoesToAllEight();
  void ordinaryEntryStoresAlone();
  void colourZeroOfASetStaysInThatSet();
  void coinSquareStoresAlone();
  void selectorOpensOnTheSquaresColour_data();
  void selectorOpensOnTheSquaresColour();
  void openingAnotherSquareRetargets();
  void closingHandsBackOncePerClose();
  void cyclingStepsTheViewPalette();
  void setEditShowsOnlyWhileItsSetIsInUse();
  void squareCaptionsAndTextColours_data();
  void squareCaptionsAndTextColours();
  void selectorGrid();
  void coinSwitchIsSaved();
  void exitWithSelectorOpen_data();
  void exitWithSelectorOpen();
  void windowGoneBeforeSelector();
  void recolourSaveAndReopen();

 private:
  std::unique_ptr<WindowHarness> h_;
};

void PaletteTest::init() {
  h_ = std::make_unique<WindowHarness>();
  QCOMPARE(h_->open(h_->writeDemo()), QStringLiteral("File loaded!"));
}

void PaletteTest::cleanup() {
  h_.reset();
}

void PaletteTest::colourZeroOfThePaletteBlockGoesToAllEight() {
  app::MainWindow& w = h_->window;
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 4), Qt::LeftButton);
  QVERIFY(w.paletteSelector() && w.paletteSelector()->isVisible());
  pickAndClose(w, 0x0F);
  const EditorState& state = w.document().state;
  for (int i = 0; i < 32; i += 4) {
    QCOMPARE(int(state.romPalette[i]), 0x0F);
    QCOMPARE(square(w, "lbl_bkgpal0", i)->text(), QStringLiteral("F"));
    QCOMPARE(square(w, "lbl_bkgpal0", i)->textColour(), app::lightTextColour());
  }
  QVERIFY(state.viewPalette == state.romPalette);
}

void PaletteTest::ordinaryEntryStoresAlone() {
  app::MainWindow& w = h_->window;
  const EditorState before = w.document().state;
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 5), Qt::LeftButton);
  pickAndClose(w, 0x21);
  Palette expected = before.romPalette;
  expected[5] = 0x21;
  QVERIFY(w.document().state.romPalette == expected);
  QVERIFY(w.document().state.bkgPalettes == before.bkgPalettes);
  QCOMPARE(square(w, "lbl_bkgpal0", 5)->text(), QStringLiteral("21"));
}

void PaletteTest::colourZeroOfASetStaysInThatSet() {
  app::MainWindow& w = h_->window;
  auto expected = w.document().state.bkgPalettes;
  QTest::mouseDClick(square(w, "lbl_bkgpalAlt", 36), Qt::LeftButton);
  pickAndClose(w, 0x30);
  for (int i : {32, 36, 40, 44}) expected[i] = 0x30;
  QVERIFY(w.document().state.bkgPalettes == expected);
  QCOMPARE(square(w, "lbl_bkgpalAlt", 40)->text(), QStringLiteral("30"));
}

void PaletteTest::coinSquareStoresAlone() {
  app::MainWindow& w = h_->window;
  auto expected = w.document().state.coinPalette;
  const Palette romPalette = w.document().state.romPalette;
  QTest::mouseClick(square(w, "lbl_coinpal", 0), Qt::LeftButton);
  QVERIFY(w.paletteSelector()->isVisible());
  pickAndClose(w, 0x2A);
  expected[0] = 0x2A;
  QVERIFY(w.document().state.coinPalette == expected);
  QVERIFY(w.document().state.romPalette == romPalette);
}

void PaletteTest::selectorOpensOnTheSquaresColour_data() {
  QTest::addColumn<int>("stored");
  QTest::addColumn<int>("marked");
  QTest::addColumn<QString>("caption");
  QTest::newRow("0x30") << 0x30 << 0x30 << "30";
  QTest::newRow("0x40 from a ROM") << 0x40 << 0x00 << "40";
}

// Closing at once stores the marked colour back; a byte above 63 folds into 0-63.
void PaletteTest::selectorOpensOnTheSquaresColour() {
  QFETCH(int, stored);
  QFETCH(int, marked);
  QFETCH(QString, caption);
  app::MainWindow& w = h_->window;
  w.document().state.romPalette[6] = static_cast<std::uint8_t>(stored);
  w.redrawAll();
  QCOMPARE(square(w, "lbl_bkgpal0", 6)->text(), caption);
  if (stored > 64) QCOMPARE(square(w, "lbl_bkgpal0", 6)->background(), QColor(0, 0, 0));

  QTest::mouseDClick(square(w, "lbl_bkgpal0", 6), Qt::LeftButton);
  app::PaletteSelector* selector = w.paletteSelector();
  QCOMPARE(int(selector->selectedColor()), marked);
  QCOMPARE(selector->lblSelector->geometry(), markAround(selector->lblnespal[marked]));
  QCOMPARE(selector->windowTitle(), QStringLiteral("Pelmora 0.80.0"));
  QVERIFY(selector->close());
  QCOMPARE(int(w.document().state.romPalette[6]), marked);
}

void PaletteTest::openingAnotherSquareRetargets() {
  app::MainWindow& w = h_->window;
  const EditorState before = w.document().state;
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 5), Qt::LeftButton);
  app::PaletteSelector* selector = w.paletteSelector();
  QTest::mouseClick(selector->lblnespal[0x0F], Qt::LeftButton);
  QTest::mouseDClick(square(w, "lbl_bkgpalAlt", 17), Qt::LeftButton);
  QCOMPARE(w.paletteSelector(), selector);  // made once and kept
  QCOMPARE(int(selector->selectedColor()), before.bkgPalettes[17] & 0x3F);
  QTest::mouseClick(selector->lblnespal[0x0F], Qt::LeftButton);
  QTest::mouseClick(selector->lblnespal[0x21], Qt::LeftButton);
  QCOMPARE(selector->lblSelector->geometry(), markAround(selector->lblnespal[0x21]));
  QVERIFY(selector->close());
  QCOMPARE(w.document().state.romPalette, before.romPalette);
  QCOMPARE(int(w.document().state.bkgPalettes[17]), 0x21);
}

void PaletteTest::closingHandsBackOncePerClose() {
  app::MainWindow& w = h_->window;
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 9), Qt::LeftButton);
  pickAndClose(w, 0x11);
  QCOMPARE(int(w.document().state.romPalette[9]), 0x11);
  w.document().state.romPalette[9] = 0x22;
  QVERIFY(w.paletteSelector()->close());  // already closed: nothing is handed back
  QCOMPARE(int(w.document().state.romPalette[9]), 0x22);
  // Opened again, it loads again and hands back again.
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 9), Qt::LeftButton);
  QVERIFY(w.paletteSelector()->isVisible());
  pickAndClose(w, 0x12);
  QCOMPARE(int(w.document().state.romPalette[9]), 0x12);
}

void PaletteTest::cyclingStepsTheViewPalette() {
  app::MainWindow& w = h_->window;
  const EditorState& state = w.document().state;
  for (int press = 1; press <= 6; ++press) {
    QTest::mouseClick(control<QPushButton>(w, "cmdChangePal"), Qt::LeftButton);
    const int set = press % 6;
    QCOMPARE(int(state.paletteSet), set);
    Palette expected = state.romPalette;
    if (set > 0) std::copy_n(state.bkgPalettes.begin() + 16 * (set - 1), 16, expected.begin());
    QVERIFY(state.viewPalette == expected);
    ScreenViews drawn;
    redrawViews(drawn, state, w.colourTables());
    QVERIFY(sameSurface(w.views().PAT0, drawn.PAT0));
    QVERIFY(sameSurface(w.views().NAT0, drawn.NAT0));
    QVERIFY(sameSurface(w.views().NAT1, drawn.NAT1));
  }
  QVERIFY(state.viewPalette == state.romPalette);
}

void PaletteTest::setEditShowsOnlyWhileItsSetIsInUse() {
  app::MainWindow& w = h_->window;
  const Surface shownBefore = w.views().NAT0;
  QTest::mouseDClick(square(w, "lbl_bkgpalAlt", 3), Qt::LeftButton);
  pickAndClose(w, (w.document().state.bkgPalettes[3] + 1) & 0x3F);
  QVERIFY(sameSurface(w.views().NAT0, shownBefore));  // set 0 not in use: only the square

  QTest::mouseClick(control<QPushButton>(w, "cmdChangePal"), Qt::LeftButton);  // paletteSet 1 = set 0
  const Surface withSet = w.views().NAT0;
  QTest::mouseDClick(square(w, "lbl_bkgpalAlt", 3), Qt::LeftButton);
  pickAndClose(w, (w.document().state.bkgPalettes[3] + 1) & 0x3F);
  QVERIFY(!sameSurface(w.views().NAT0, withSet));
}

void PaletteTest::squareCaptionsAndTextColours_data() {
  QTest::addColumn<int>("colour");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("light");
  QTest::newRow("0x0D") << 0x0D << "D" << true;
  QTest::newRow("0x2D") << 0x2D << "2D" << false;
  QTest::newRow("0x00") << 0x00 << "0" << false;
  QTest::newRow("0x3F") << 0x3F << "3F" << true;
  QTest::newRow("0x1D") << 0x1D << "1D" << true;
  QTest::newRow("0x30") << 0x30 << "30" << false;
  QTest::newRow("0x40, no colour of its own") << 0x40 << "40" << true;
  QTest::newRow("0xA7, black") << 0xA7 << "A7" << true;
}

void PaletteTest::squareCaptionsAndTextColours() {
  QFETCH(int, colour);
  QFETCH(QString, caption);
  QFETCH(bool, light);
  app::MainWindow& w = h_->window;
  w.document().state.coinPalette[3] = static_cast<std::uint8_t>(colour);
  w.document().state.bkgPalettes[70] = static_cast<std::uint8_t>(colour);
  w.redrawAll();
  const QColor background =
      app::toQColor(w.colourTables().lookup(static_cast<std::uint8_t>(colour)));
  for (app::ColourSquare* square : {square(w, "lbl_coinpal", 3), square(w, "lbl_bkgpalAlt", 70)}) {
    QCOMPARE(square->text(), caption);
    QCOMPARE(square->background(), background);
    QCOMPARE(square->textColour(), light ? app::lightTextColour() : app::darkTextColour());
  }
}

void PaletteTest::selectorGrid() {
  app::MainWindow& w = h_->window;
  QTest::mouseClick(square(w, "lbl_coinpal", 1), Qt::LeftButton);
  app::PaletteSelector* selector = w.paletteSelector();
  QCOMPARE(selector->size(), QSize(398, 111));
  QVERIFY(selector->parentWidget() == nullptr);
  for (int i = 0; i < 64; ++i) {
    app::ColourSquare* square = selector->lblnespal[i];
    QCOMPARE(square->geometry(), QRect(10 + 24 * (i % 16), 10 + 24 * (i / 16), 17, 17));
    QCOMPARE(square->background(),
             app::toQColor(nesColourToRgb(static_cast<std::uint8_t>(i), false, 0)));
    QCOMPARE(square->text(), QStringLiteral("%1").arg(i, 2, 16, QChar('0')).toUpper());
  }
  for (int i : {0x0D, 0x3F, 0x01, 0x2E})
    QCOMPARE(selector->lblnespal[i]->textColour(), app::lightTextColour());
  for (int i : {0x00, 0x20, 0x10})
    QCOMPARE(selector->lblnespal[i]->textColour(), app::darkTextColour());
  QCOMPARE(selector->lblSelector->palette().color(QPalette::Window), QColor(128, 128, 128));
  // The main window stays usable while the selector is open.
  pressAt(view(w, "PAT0"), Qt::LeftButton, {}, QPoint(17, 0));
  QCOMPARE(control<QLabel>(w, "lblTileID")->text(), QStringLiteral("01"));
  QVERIFY(selector->isVisible());
}

void PaletteTest::coinSwitchIsSaved() {
  app::MainWindow& w = h_->window;
  const std::string path = w.document().path.string();
  QVERIFY(control<QCheckBox>(w, "chkEnableCoin")->isChecked());
  const int before = repaintCounts(w)[1];
  QTest::mouseClick(control<QCheckBox>(w, "chkEnableCoin"), Qt::LeftButton);
  QVERIFY(!w.document().state.coinEnabled);
  QCOMPARE(repaintCounts(w)[1], before);  // nothing redrawn
  QCOMPARE(h_->save(), QStringLiteral("File saved!"));
  const std::vector<std::uint8_t> bytes = readFileBytes(path);
  for (int offset : {title::kCoinCallFirst, title::kCoinCallSecond}) {
    for (int k = 0; k < 3; ++k) QCOMPARE(int(bytes.at(16 + offset + k)), 0xEA);
  }
  QCOMPARE(h_->open(QString::fromStdString(path)), QStringLiteral("File loaded!"));
  QVERIFY(!control<QCheckBox>(w, "chkEnableCoin")->isChecked());
  QTest::mouseClick(control<QCheckBox>(w, "chkEnableCoin"), Qt::LeftButton);
  QCOMPARE(h_->save(), QStringLiteral("File saved!"));
  QCOMPARE(int(readFileBytes(path).at(16 + title::kCoinCallFirst)), 0x20);
}

void PaletteTest::exitWithSelectorOpen_data() {
  QTest::addColumn<bool>("byExitButton");
  QTest::newRow("exit button") << true;
  QTest::newRow("window's close control") << false;
}

// The selector closes first and hands its colour back; then both windows are gone and the
// program's event loop ends by itself.
void PaletteTest::exitWithSelectorOpen() {
  QFETCH(bool, byExitButton);
  app::MainWindow& w = h_->window;
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 5), Qt::LeftButton);
  app::PaletteSelector* selector = w.paletteSelector();
  QTest::mouseClick(selector->lblnespal[0x27], Qt::LeftButton);
  h_->dialogs.questionAnswers.push_back(QMessageBox::Discard);  // the stored colour is an edit

  QTimer::singleShot(0, &w, [&w, byExitButton] {
    if (byExitButton) {
      QTest::mouseClick(control<QPushButton>(w, "cmdExitApp"), Qt::LeftButton);
    } else {
      w.close();
    }
  });
  QTimer failsafe;
  failsafe.setSingleShot(true);
  connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  failsafe.start(10000);
  QCOMPARE(QCoreApplication::exec(), 0);
  failsafe.stop();

  QVERIFY(!selector->isVisible());
  QVERIFY(!w.isVisible());
  QCOMPARE(int(w.document().state.romPalette[5]), 0x27);
  QCOMPARE(h_->dialogs.questions.size(), std::size_t{1});
  // Nothing is handed back a second time, and exiting shows no message.
  w.document().state.romPalette[5] = 0;
  QVERIFY(selector->close());
  QCOMPARE(int(w.document().state.romPalette[5]), 0);
  QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
}

// Destroying the main window takes the open selector with it, without calling back.
void PaletteTest::windowGoneBeforeSelector() {
  QTest::mouseDClick(square(h_->window, "lbl_bkgpal0", 1), Qt::LeftButton);
  QVERIFY(h_->window.paletteSelector()->isVisible());
  h_.reset();
  QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void PaletteTest::recolourSaveAndReopen() {
  app::MainWindow& w = h_->window;
  const QString path = QString::fromStdString(w.document().path.string());
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 6), Qt::LeftButton);
  pickAndClose(w, 0x16);
  QTest::mouseDClick(square(w, "lbl_bkgpalAlt", 21), Qt::LeftButton);
  pickAndClose(w, 0x2B);
  QTest::mouseDClick(square(w, "lbl_bkgpalAlt", 1), Qt::LeftButton);
  pickAndClose(w, 0x3C);
  QTest::mouseClick(square(w, "lbl_coinpal", 2), Qt::LeftButton);
  pickAndClose(w, 0x05);
  QTest::mouseClick(control<QCheckBox>(w, "chkEnableCoin"), Qt::LeftButton);
  QTest::mouseClick(control<QPushButton>(w, "cmdChangePal"), Qt::LeftButton);
  const EditorState edited = w.document().state;
  QCOMPARE(h_->save(), QStringLiteral("File saved!"));

  QCOMPARE(h_->open(path), QStringLiteral("File loaded!"));
  const EditorState& state = w.document().state;
  QVERIFY(state.romPalette == edited.romPalette);
  QVERIFY(state.bkgPalettes == edited.bkgPalettes);
  QVERIFY(state.coinPalette == edited.coinPalette);
  QCOMPARE(int(state.romPalette[6]), 0x16);
  QCOMPARE(int(state.bkgPalettes[21]), 0x2B);
  QCOMPARE(int(state.bkgPalettes[1]), 0x3C);
  QCOMPARE(int(state.coinPalette[2]), 0x05);
  QVERIFY(!state.coinEnabled);
  QCOMPARE(int(state.paletteSet), 0);
  QCOMPARE(square(w, "lbl_bkgpalAlt", 21)->text(), QStringLiteral("2B"));
}

QTEST_MAIN(PaletteTest)
#include "palette_test.moc"
