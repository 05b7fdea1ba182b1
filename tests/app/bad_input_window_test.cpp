// The real main window on an X server, fed files that are not title screens it can show: each
// Open of one says "Error loading file!" once and leaves the screen, the caption and the Save
// command as they were, so the edits made before it are still saved to their own file.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/picture_surface.h"
#include "app_harness.h"
#include "app/colour_square.h"
#include "rom/title_export.h"
#include "rom/title_layout.h"
#include "support/demo_variants.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

constexpr std::size_t kChrBankBytes = 4096;  // the title tiles come in 4 KiB banks

struct BadFile {
  const char* name;
  std::vector<std::uint8_t> bytes;
};

// The demo with no PRG banks in its header, so the title tiles are read from body 0x1E000 (a
// stretch of PRG the title screen does not use, where they are copied). The title data then no
// longer needs the end of the image, so the image can end inside bank 25 and the lists are what
// runs out of bytes rather than the tiles.
RomImage demoWithTilesInPrg() {
  const RomImage demo = buildDemoImage();
  RomImage rom = demo;
  rom.header[4] = 0;
  const std::size_t from = demo.chrOffset() + title::kTitleChrBank * kChrBankBytes;
  const std::size_t to = rom.chrOffset() + title::kTitleChrBank * kChrBankBytes;
  std::copy_n(demo.body.begin() + static_cast<std::ptrdiff_t>(from), kChrBankBytes,
              rom.body.begin() + static_cast<std::ptrdiff_t>(to));
  return rom;
}

void pointSlot(RomImage& rom, int slot, std::int32_t position) {
  const auto pointer = titlePointerBytes(position);
  rom.body.at(static_cast<std::size_t>(title::slotPosition(slot))) = pointer[0];
  rom.body.at(static_cast<std::size_t>(title::slotPosition(slot)) + 1) = pointer[1];
}

// The pointer of `slot` led to the last two bytes of an image that ends with bank 25: they
// hold a record's PPU address, and its control byte lies past the end.
RomImage pointerRunsOffTheEnd(int slot) {
  RomImage rom = demoWithTilesInPrg();
  rom.body.resize(title::kBankEnd);
  rom.body[title::kBankEnd - 2] = 0x20;
  rom.body[title::kBankEnd - 1] = 0x00;
  pointSlot(rom, slot, title::kBankEnd - 2);
  return rom;
}

// List 35 as one complete 13-byte row record that ends on the body's last byte: the end byte
// the decoder looks for next is not in the image.
RomImage listWithoutEndByte() {
  RomImage rom = demoWithTilesInPrg();
  rom.body.resize(title::kBankEnd);
  const std::int32_t start = title::kBankEnd - 16;
  const std::vector<std::uint8_t> record = {0x22, 0xE0, 13, 1, 2,  3,  4,  5,
                                            6,    7,    8,  9, 10, 11, 12, 13};
  std::copy(record.begin(), record.end(), rom.body.begin() + start);
  pointSlot(rom, title::kFirstListSlot, start);
  return rom;
}

RomImage cut(RomImage rom, std::size_t bodySize) {
  rom.body.resize(bodySize);
  return rom;
}

std::vector<BadFile> badFiles() {
  const RomImage demo = buildDemoImage();
  const std::size_t chrBank30 = demo.chrOffset() + title::kTitleChrBank * kChrBankBytes;
  const std::string text = "This is a text file, not a cartridge image.\n";
  std::vector<std::uint8_t> textBytes;
  for (int line = 0; line < 200; ++line)
    textBytes.insert(textBytes.end(), text.begin(), text.end());
  std::vector<std::uint8_t> headerAndOneByte(demo.header.begin(), demo.header.end());
  headerAndOneByte.push_back(0);

  return {
      {"empty file", {}},
      {"text file named .nes", textBytes},
      {"iNES header and one byte", headerAndOneByte},
      {"cut inside the title data", fileBytes(cut(demo, 0x32700))},
      {"cut inside the title data, tiles in PRG", fileBytes(cut(demoWithTilesInPrg(), 0x32700))},
      {"cut inside the title pointers, tiles in PRG",
       fileBytes(cut(demoWithTilesInPrg(), static_cast<std::size_t>(title::slotPosition(20))))},
      {"cut inside CHR bank 30", fileBytes(cut(demo, chrBank30 + kChrBankBytes / 2))},
      // List 35 is played first, list 34 last, after every other list has drawn its row.
      {"first list runs off the end of the image",
       fileBytes(pointerRunsOffTheEnd(title::kFirstListSlot))},
      {"last list runs off the end of the image",
       fileBytes(pointerRunsOffTheEnd(title::kLastScreenSlot))},
      {"list without an end byte at the end of the body", fileBytes(listWithoutEndByte())},
  };
}


// The X server shows every view as its surface holds it (painting catches up asynchronously).
bool serverShowsTheViews(const app::MainWindow& window) {
  const QImage screen = grabWindow(window);
  for (const app::PictureSurface* view :
       {view(window, "PAT0"), view(window, "NAT0"), view(window, "ATT0"), view(window, "NAT1"), view(window, "ATT1"), view(window, "picSelTile")}) {
    if (!screenShowsSurface(screen, *view)) return false;
  }
  return true;
}

// What the user sees of the window and can still do with it.
struct ShownScreen {
  QString caption;
  ScreenViews views;
  QString tileId;
  std::vector<QString> paletteSquares;
  bool saveEnabled = false;
  bool editingEnabled = false;

  explicit ShownScreen(const app::MainWindow& window)
      : caption(window.windowTitle()),
        views(window.views()),
        tileId(control<QLabel>(window, "lblTileID")->text()),
        saveEnabled(control<QPushButton>(window, "cmdSaveFile")->isEnabled()),
        editingEnabled(view(window, "NAT0")->isEnabled() && view(window, "PAT0")->isEnabled()) {
    for (const auto* square : squares(window, "lbl_bkgpal0")) paletteSquares.push_back(square->text());
    for (const auto* square : squares(window, "lbl_bkgpalAlt")) paletteSquares.push_back(square->text());
    for (const auto* square : squares(window, "lbl_coinpal")) paletteSquares.push_back(square->text());
  }

  bool operator==(const ShownScreen& other) const {
    return caption == other.caption && sameSurface(views.PAT0, other.views.PAT0) &&
           sameSurface(views.NAT0, other.views.NAT0) && sameSurface(views.ATT0, other.views.ATT0) &&
           sameSurface(views.NAT1, other.views.NAT1) && sameSurface(views.ATT1, other.views.ATT1) &&
           sameSurface(views.picSelTile, other.views.picSelTile) && tileId == other.tileId &&
           paletteSquares == other.paletteSquares && saveEnabled == other.saveEnabled &&
           editingEnabled == other.editingEnabled;
  }
};

QStringList folderEntries(const QString& folder) {
  return QDir(folder).entryList(
      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

constexpr int kEditedCell = 0x2000 + 12 * 32 + 12;  // name table 0, row 12, column 12

// Opens the demo and places tile FF at row 12, column 12 of the first screen.
QString openDemoAndEdit(WindowHarness& h) {
  const QString demo = h.writeDemo();
  if (h.open(demo) != QStringLiteral("File loaded!")) return {};
  h.window.setShadingShown(false);  // a mark over the pixels, not part of them
  pressAt(view(h.window, "PAT0"), Qt::RightButton, Qt::ShiftModifier, QPoint(255, 255));
  pressAt(view(h.window, "NAT0"), Qt::LeftButton, {}, QPoint(100, 100));
  return demo;
}

}  // namespace

class BadInputWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void badOpensKeepTheScreenAndItsSave();
  void failedSaveOntoReadOnlyFileLosesNothing();
};

void BadInputWindowTest::initTestCase() {
  QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void BadInputWindowTest::badOpensKeepTheScreenAndItsSave() {
  WindowHarness h;
  QVERIFY(QTest::qWaitForWindowExposed(&h.window));
  const QString demo = openDemoAndEdit(h);
  QVERIFY(!demo.isEmpty());
  QCOMPARE(int(h.window.document().state.ppuImage[kEditedCell]), 0xFF);
  const std::vector<std::uint8_t> demoOnDisk = readFileBytes(demo.toStdString());
  QTRY_VERIFY_WITH_TIMEOUT(serverShowsTheViews(h.window), 5000);
  const ShownScreen before(h.window);
  const Document documentBefore = h.window.document();

  // The variants with the tiles in PRG differ from this image only where they are bad.
  const QString sound = h.folder.filePath(QStringLiteral("tiles-in-prg.nes"));
  writeFileBytes(sound.toStdString(), fileBytes(cut(demoWithTilesInPrg(), title::kBankEnd)));
  Document control;
  QVERIFY(openDocument(control, sound.toStdString()).status == OpenStatus::kOpened);

  for (const BadFile& bad : badFiles()) {
    const QString path = h.folder.filePath(QStringLiteral("bad.nes"));
    writeFileBytes(path.toStdString(), bad.bytes);
    h.dialogs.questionAnswers.push_back(QMessageBox::Discard);  // asked first, for the edit
    QVERIFY2(h.open(path) == QStringLiteral("Error loading file!"), bad.name);
    QCOMPARE(h.dialogs.messages.back().title, QStringLiteral("Pelmora 0.80.0"));
    QVERIFY2(ShownScreen(h.window) == before, bad.name);
    QVERIFY2(h.window.document().state == documentBefore.state, bad.name);
    QVERIFY2(h.window.document().rom == documentBefore.rom, bad.name);
    QVERIFY2(h.window.document().path == documentBefore.path, bad.name);
    QVERIFY2(h.window.document().loaded, bad.name);
    // The failed Open wrote nothing: neither the file it was given nor the loaded one.
    QVERIFY2(readFileBytes(path.toStdString()) == bad.bytes, bad.name);
    QVERIFY2(readFileBytes(demo.toStdString()) == demoOnDisk, bad.name);
    QTRY_VERIFY2_WITH_TIMEOUT(serverShowsTheViews(h.window), bad.name, 5000);
  }

  // The edit made before the bad files goes to the file it was loaded from, and comes back.
  QCOMPARE(h.save(), QStringLiteral("File saved!"));
  QVERIFY(readFileBytes(demo.toStdString()) != demoOnDisk);
  QCOMPARE(h.open(demo), QStringLiteral("File loaded!"));
  QCOMPARE(h.window.windowTitle(), QStringLiteral("Pelmora 0.80.0[demo.nes][*]"));
  QCOMPARE(int(h.window.document().state.ppuImage[kEditedCell]), 0xFF);
  QVERIFY(sameSurface(h.window.views().NAT0, before.views.NAT0));
  QVERIFY(sameSurface(h.window.views().ATT0, before.views.ATT0));
  QVERIFY(sameSurface(h.window.views().NAT1, before.views.NAT1));
  QTRY_VERIFY_WITH_TIMEOUT(serverShowsTheViews(h.window), 5000);
}

// Tests run as root in CI: the file is refused for having no write permission bits, which
// holds for root too.
void BadInputWindowTest::failedSaveOntoReadOnlyFileLosesNothing() {
  WindowHarness h;
  QVERIFY(QTest::qWaitForWindowExposed(&h.window));
  const QString demo = openDemoAndEdit(h);
  QVERIFY(!demo.isEmpty());
  const std::vector<std::uint8_t> onDisk = readFileBytes(demo.toStdString());
  const QStringList entries = folderEntries(h.folder.path());
  QVERIFY(QFile::setPermissions(demo, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  const ShownScreen before(h.window);

  QCOMPARE(h.save(), QStringLiteral("Error saving file!"));
  QCOMPARE(h.dialogs.messages.back().title, QStringLiteral("Pelmora 0.80.0"));
  QVERIFY(readFileBytes(demo.toStdString()) == onDisk);
  QCOMPARE(folderEntries(h.folder.path()), entries);
  // The file keeps its mode: the failed save did not replace it with a file of its own.
  const auto mode = std::filesystem::status(demo.toStdString()).permissions();
  QVERIFY(mode == (std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                   std::filesystem::perms::others_read));
  QVERIFY(ShownScreen(h.window) == before);

  // The edit is still there to be saved once the file can be written again.
  QVERIFY(QFile::setPermissions(
      demo, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
  QCOMPARE(h.save(), QStringLiteral("File saved!"));
  QCOMPARE(folderEntries(h.folder.path()), entries);
  QCOMPARE(int(readFileBytes(demo.toStdString()).size()), int(onDisk.size()));
  Document reread;
  QVERIFY(openDocument(reread, demo.toStdString()).status == OpenStatus::kOpened);
  QCOMPARE(int(reread.state.ppuImage[kEditedCell]), 0xFF);
}

QTEST_MAIN(BadInputWindowTest)
#include "bad_input_window_test.moc"
