// Choosing and placing tiles and setting attribute quadrants through mouse presses on the views.
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "app/picture_surface.h"
#include "app_harness.h"
#include "edit/tile_placement.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

enum ViewIndex { kPat0, kNat0, kAtt0, kNat1, kAtt1, kPreview };

// The views whose repaint count grew since `before`.
std::vector<int> repaintedSince(const app::MainWindow& window, const std::vector<int>& before) {
  const std::vector<int> after = repaintCounts(window);
  std::vector<int> grown;
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (after[i] != before[i]) grown.push_back(static_cast<int>(i));
  }
  return grown;
}

// Addresses where the two PPU images differ.
std::vector<int> changedAddresses(const PpuImage& before, const PpuImage& after) {
  std::vector<int> changed;
  for (std::size_t a = 0; a < before.size(); ++a) {
    if (before[a] != after[a]) changed.push_back(static_cast<int>(a));
  }
  return changed;
}

app::PictureSurface* viewNamed(app::MainWindow& window, const QString& name) {
  if (name == "NAT0") return view(window, "NAT0");
  if (name == "NAT1") return view(window, "NAT1");
  if (name == "ATT0") return view(window, "ATT0");
  if (name == "ATT1") return view(window, "ATT1");
  return view(window, "PAT0");
}

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void tileSheetPressChoosesTile_data();
  void tileSheetPressChoosesTile();
  void screenPressPlacesTile_data();
  void screenPressPlacesTile();
  void attributeQuadrants();
  void attributePressAddressesTheRightByte_data();
  void attributePressAddressesTheRightByte();
  void pressesOutsideAndSecondViewDoNothing_data();
  void pressesOutsideAndSecondViewDoNothing();
  void onlyThePressActs();
  void editsSurviveSaveAndReopen();

 private:
  std::unique_ptr<WindowHarness> h_;
};

void EditingTest::init() {
  h_ = std::make_unique<WindowHarness>();
  QCOMPARE(h_->open(h_->writeDemo()), QStringLiteral("File loaded!"));
}

void EditingTest::cleanup() {
  h_.reset();
}

void EditingTest::tileSheetPressChoosesTile_data() {
  QTest::addColumn<QPoint>("position");
  QTest::addColumn<Qt::MouseButton>("button");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::addColumn<int>("tile");
  QTest::addColumn<QString>("caption");
  QTest::newRow("top left") << QPoint(0, 0) << Qt::LeftButton << Qt::KeyboardModifiers() << 0
                            << "00";
  QTest::newRow("x 17") << QPoint(17, 0) << Qt::LeftButton << Qt::KeyboardModifiers() << 1 << "01";
  QTest::newRow("tile 10, right button")
      << QPoint(175, 15) << Qt::RightButton << Qt::KeyboardModifiers() << 10 << "0A";
  QTest::newRow("bottom right, shift") << QPoint(255, 255) << Qt::LeftButton
                                       << Qt::KeyboardModifiers(Qt::ShiftModifier) << 255 << "FF";
  QTest::newRow("middle, ctrl+alt") << QPoint(130, 97) << Qt::MiddleButton
                                    << (Qt::ControlModifier | Qt::AltModifier) << 0x68 << "68";
}

void EditingTest::tileSheetPressChoosesTile() {
  QFETCH(QPoint, position);
  QFETCH(Qt::MouseButton, button);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QFETCH(int, tile);
  QFETCH(QString, caption);
  app::MainWindow& w = h_->window;
  const PpuImage ppu = w.document().state.ppuImage;
  const std::vector<int> before = repaintCounts(w);

  pressAt(view(w, "PAT0"), button, modifiers, position);
  QCOMPARE(int(w.document().state.selectedTile), tile);
  QCOMPARE(control<QLabel>(w, "lblTileID")->text(), caption);
  QVERIFY(w.document().state.ppuImage == ppu);
  QCOMPARE(repaintedSince(w, before), std::vector<int>{kPreview});
  // The preview is the tile's cell of the tile sheet view, each pixel drawn 2 x 2.
  const Surface& sheet = w.views().PAT0;
  const Surface& preview = w.views().picSelTile;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      QCOMPARE(preview.pixel(x, y), sheet.pixel((tile & 15) * 16 + x / 2, (tile & 0xF0) + y / 2));
    }
  }
}

void EditingTest::screenPressPlacesTile_data() {
  QTest::addColumn<QString>("view");
  QTest::addColumn<QPoint>("position");
  QTest::addColumn<Qt::MouseButton>("button");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::addColumn<int>("address");
  QTest::newRow("NAT0 top left") << "NAT0" << QPoint(0, 0) << Qt::LeftButton
                                 << Qt::KeyboardModifiers() << 0x2000;
  QTest::newRow("NAT0 last stored tile, right button")
      << "NAT0" << QPoint(255, 191) << Qt::RightButton << Qt::KeyboardModifiers() << 0x22FF;
  QTest::newRow("NAT1 row 24 column 1, shift") << "NAT1" << QPoint(8, 192) << Qt::LeftButton
                                               << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0x2B01;
  QTest::newRow("NAT1 last stored tile, ctrl") << "NAT1" << QPoint(255, 223) << Qt::LeftButton
                                               << Qt::KeyboardModifiers(Qt::ControlModifier) << 0x2B7F;
}

void EditingTest::screenPressPlacesTile() {
  QFETCH(QString, view);
  QFETCH(QPoint, position);
  QFETCH(Qt::MouseButton, button);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QFETCH(int, address);
  app::MainWindow& w = h_->window;
  pressAt(pelmora::test::view(w, "PAT0"), Qt::LeftButton, {}, QPoint(0xB * 16, 0xA0));  // tile 0xAB
  const PpuImage before = w.document().state.ppuImage;
  const std::vector<int> counts = repaintCounts(w);

  pressAt(viewNamed(w, view), button, modifiers, position);
  const PpuImage& after = w.document().state.ppuImage;
  QCOMPARE(int(after[address]), 0xAB);
  if (before[address] != 0xAB) QCOMPARE(changedAddresses(before, after), std::vector<int>{address});
  QCOMPARE(repaintedSince(w, counts), std::vector<int>{view == "NAT0" ? kNat0 : kNat1});

  ScreenViews expected;
  redrawViews(expected, w.document().state, w.colourTables());
  QVERIFY(sameSurface(w.views().NAT0, expected.NAT0));
  QVERIFY(sameSurface(w.views().NAT1, expected.NAT1));
}

// With palette 3 the four quadrants fill one by one; palette 0 then clears only its quadrant.
void EditingTest::attributeQuadrants() {
  app::MainWindow& w = h_->window;
  w.document().state.ppuImage[0x23C0] = 0x00;
  QTest::mouseClick(control<QRadioButton>(w, QStringLiteral("optAttSel%1").arg(3)), Qt::LeftButton);
  QCOMPARE(int(w.document().state.attrPaletteSel), 3);

  const std::vector<std::pair<QPoint, int>> steps = {
      {{0, 0}, 0x03}, {{16, 0}, 0x0F}, {{0, 16}, 0x3F}, {{16, 16}, 0xFF}};
  for (const auto& [position, value] : steps) {
    const PpuImage before = w.document().state.ppuImage;
    const std::vector<int> counts = repaintCounts(w);
    pressAt(view(w, "ATT0"), Qt::RightButton, Qt::ShiftModifier, position);
    QCOMPARE(int(w.document().state.ppuImage[0x23C0]), value);
    QCOMPARE(changedAddresses(before, w.document().state.ppuImage), std::vector<int>{0x23C0});
    QCOMPARE(repaintedSince(w, counts), (std::vector<int>{kNat0, kAtt0}));
  }
  QTest::mouseClick(control<QRadioButton>(w, QStringLiteral("optAttSel%1").arg(0)), Qt::LeftButton);
  pressAt(view(w, "ATT0"), Qt::LeftButton, {}, QPoint(20, 20));
  QCOMPARE(int(w.document().state.ppuImage[0x23C0]), 0x3F);

  ScreenViews expected;
  redrawViews(expected, w.document().state, w.colourTables());
  QVERIFY(sameSurface(w.views().NAT0, expected.NAT0));
  QVERIFY(sameSurface(w.views().ATT0, expected.ATT0));
}

void EditingTest::attributePressAddressesTheRightByte_data() {
  QTest::addColumn<QPoint>("position");
  QTest::addColumn<int>("address");
  QTest::addColumn<int>("mask");
  QTest::newRow("last byte, top right") << QPoint(255, 239) << 0x23C0 + 63 << 0xF3;
  QTest::newRow("byte (1, 2), top left") << QPoint(40, 70) << 0x23C0 + 17 << 0xFC;
  QTest::newRow("bottom left") << QPoint(100, 50) << 0x23C0 + 11 << 0xCF;
}

void EditingTest::attributePressAddressesTheRightByte() {
  QFETCH(QPoint, position);
  QFETCH(int, address);
  QFETCH(int, mask);
  app::MainWindow& w = h_->window;
  w.document().state.ppuImage[address] = 0x00;
  QTest::mouseClick(control<QRadioButton>(w, QStringLiteral("optAttSel%1").arg(2)), Qt::LeftButton);
  const PpuImage before = w.document().state.ppuImage;
  pressAt(view(w, "ATT0"), Qt::LeftButton, {}, position);
  const int value = w.document().state.ppuImage[address];
  QCOMPARE(value & mask, 0);
  QCOMPARE(value, (0xAA & ~mask) & 0xFF);  // palette 2 = binary 10 in the chosen quadrant
  QCOMPARE(changedAddresses(before, w.document().state.ppuImage), std::vector<int>{address});
}

void EditingTest::pressesOutsideAndSecondViewDoNothing_data() {
  QTest::addColumn<QString>("view");
  QTest::addColumn<QPoint>("position");
  QTest::newRow("PAT0 right of it") << "PAT0" << QPoint(256, 10);
  QTest::newRow("PAT0 above it") << "PAT0" << QPoint(10, -1);
  QTest::newRow("NAT0 below it") << "NAT0" << QPoint(10, 240);
  QTest::newRow("NAT1 left of it") << "NAT1" << QPoint(-1, 10);
  QTest::newRow("ATT0 below it") << "ATT0" << QPoint(0, 240);
  QTest::newRow("ATT1 inside") << "ATT1" << QPoint(10, 10);
}

void EditingTest::pressesOutsideAndSecondViewDoNothing() {
  QFETCH(QString, view);
  QFETCH(QPoint, position);
  app::MainWindow& w = h_->window;
  pressAt(pelmora::test::view(w, "PAT0"), Qt::LeftButton, {}, QPoint(32, 16));
  QTest::mouseClick(control<QRadioButton>(w, QStringLiteral("optAttSel%1").arg(1)), Qt::LeftButton);
  const EditorState before = w.document().state;
  const QString caption = control<QLabel>(w, "lblTileID")->text();
  const std::vector<int> counts = repaintCounts(w);
  pressAt(viewNamed(w, view), Qt::LeftButton, {}, position);
  QVERIFY(w.document().state == before);
  QCOMPARE(control<QLabel>(w, "lblTileID")->text(), caption);
  QCOMPARE(repaintCounts(w), counts);
}

// Dragging with the button held and releasing elsewhere place nothing further.
void EditingTest::onlyThePressActs() {
  app::MainWindow& w = h_->window;
  pressAt(view(w, "PAT0"), Qt::LeftButton, {}, QPoint(0xC * 16, 0xD0));  // tile 0xDC
  pressAt(view(w, "NAT0"), Qt::LeftButton, {}, QPoint(8, 8));
  const EditorState before = w.document().state;
  QTest::mouseMove(view(w, "NAT0"), QPoint(100, 100));
  QTest::mouseRelease(view(w, "NAT0"), Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseRelease(view(w, "ATT0"), Qt::LeftButton, {}, QPoint(100, 100));
  QVERIFY(w.document().state == before);
  QCOMPARE(int(before.ppuImage[0x2021]), 0xDC);
}

// Edits in the exported rows come back after a save; presses outside them place nothing.
void EditingTest::editsSurviveSaveAndReopen() {
  app::MainWindow& w = h_->window;
  const PpuImage original = w.document().state.ppuImage;
  const QString path = QString::fromStdString(w.document().path.string());
  pressAt(view(w, "PAT0"), Qt::LeftButton, {}, QPoint(0x7 * 16, 0x30));  // tile 0x37
  QCOMPARE(control<QLabel>(w, "lblTileID")->text(), QStringLiteral("37"));
  const std::vector<std::pair<app::PictureSurface*, QPoint>> presses = {
      {view(w, "NAT0"), {0, 0}},      // $2000, row 0
      {view(w, "NAT0"), {255, 191}},  // $22FF, row 23
      {view(w, "NAT0"), {16, 200}},   // $2322, row 25: not exported
      {view(w, "NAT1"), {24, 192}},   // $2B03, row 24
      {view(w, "NAT1"), {255, 223}},  // $2B7F, row 27
      {view(w, "NAT1"), {8, 40}},     // $28A1, row 5: not exported
      {view(w, "NAT1"), {8, 230}},    // $2B81, row 28: not exported
  };
  for (const auto& [view, position] : presses) pressAt(view, Qt::LeftButton, {}, position);
  QTest::mouseClick(control<QRadioButton>(w, QStringLiteral("optAttSel%1").arg(1)), Qt::LeftButton);
  pressAt(view(w, "ATT0"), Qt::LeftButton, {}, QPoint(255, 239));
  pressAt(view(w, "ATT0"), Qt::LeftButton, {}, QPoint(0, 0));
  const std::uint8_t lastAttribute = w.document().state.ppuImage[0x23FF];
  const std::uint8_t firstAttribute = w.document().state.ppuImage[0x23C0];
  QCOMPARE(h_->save(), QStringLiteral("File saved!"));

  app::MainWindow& reopened = h_->window;
  QCOMPARE(h_->open(path), QStringLiteral("File loaded!"));
  const PpuImage& ppu = reopened.document().state.ppuImage;
  for (int address : {0x2000, 0x22FF, 0x2B03, 0x2B7F}) QCOMPARE(int(ppu[address]), 0x37);
  for (int address : {0x2322, 0x28A1, 0x2B81}) {
    QVERIFY(original[address] != 0x37);
    QCOMPARE(ppu[address], original[address]);
  }
  QCOMPARE(ppu[0x23FF], lastAttribute);
  QCOMPARE(ppu[0x23C0], firstAttribute);
  QCOMPARE(firstAttribute & 3, 1);
  QCOMPARE((lastAttribute >> 2) & 3, 1);
}

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
