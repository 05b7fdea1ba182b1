// Files in and out of the window: Save As, patches made and applied, name tables and palettes
// as files, view pictures, and the question before an image of another game is opened or saved.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTest>
#include <tuple>

#include "app/picture_surface.h"
#include "app_harness.h"
#include "state/saved_area.h"
#include "edit/single_edits.h"
#include "formats/png_file.h"
#include "rom/game_check.h"
#include "rom/safe_file_write.h"
#include "rom/title_layout.h"
#include "support/demo_variants.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

QAction* action(app::MainWindow& window, const char* name) {
  auto* found = window.findChild<QAction*>(QString::fromLatin1(name));
  if (!found) qFatal("no action %s", name);
  return found;
}

std::vector<std::uint8_t> bytesOf(const QString& path) { return readFileBytes(path.toStdString()); }

// Two edits Save writes: a tile on a row Save carries, and the coin switched.
void editTheScreen(app::MainWindow& window) {
  int row = 0;
  while (!isTileRowCarried(0, row)) ++row;
  const CellPosition cell{3, row};
  EditorState& state = window.document().state;
  state.selectedTile = static_cast<std::uint8_t>(*tileAt(state, 0, cell) + 1);
  window.performCommand(placeTileCommand(state, 0, cell).value());
  window.performCommand(switchCoinCommand(state, !state.coinEnabled));
}

std::vector<std::uint8_t> imageSaveWrites(const app::MainWindow& window) {
  return fileBytes(exportedImage(window.document()).value());
}

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void saveAsLeavesTheOriginalAndMovesSave();
  void saveThatReadsBackDifferentlyKeepsTheEdits();
  void patchMadeInTheWindowAppliesAsOneStep();
  void nameTableAndPaletteFilesComeBack();
  void refusedFilesChangeNothing();
  void viewPicturesAreWrittenAndCopied();
  void imageOfAnotherGameIsOpenedOnlyWhenWanted();
};

void FileCommandsTest::saveAsLeavesTheOriginalAndMovesSave() {
  WindowHarness h;
  const QString original = h.writeDemo();
  QCOMPARE(h.open(original), QStringLiteral("File loaded!"));
  const std::vector<std::uint8_t> before = bytesOf(original);
  editTheScreen(h.window);
  QVERIFY(h.window.isWindowModified());

  const QString copy = h.folder.filePath(QStringLiteral("copy.nes"));
  h.dialogs.answers.push_back(copy);
  QVERIFY(QTest::qWaitForWindowActive(&h.window));
  QTest::keyClick(&h.window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("File saved!"));
  QVERIFY(bytesOf(original) == before);
  QVERIFY(bytesOf(copy) == imageSaveWrites(h.window));
  QVERIFY(h.window.windowTitle().contains(QStringLiteral("copy.nes")));
  QVERIFY(!h.window.isWindowModified());

  h.window.performCommand(switchCoinCommand(h.window.document().state,
                                            !h.window.document().state.coinEnabled));
  QCOMPARE(h.save(), QStringLiteral("File saved!"));
  QVERIFY(bytesOf(original) == before);
  QVERIFY(bytesOf(copy) == imageSaveWrites(h.window));
}

void FileCommandsTest::saveThatReadsBackDifferentlyKeepsTheEdits() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  editTheScreen(h.window);
  setBeforeWriteCheckHook([](const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes = readFileBytes(path);
    bytes.back() ^= 0xFF;
    writeFileBytes(path, bytes);
  });
  h.dialogs.answers.push_back(h.folder.filePath(QStringLiteral("copy.nes")));
  action(h.window, "actionSaveAs")->trigger();
  setBeforeWriteCheckHook({});
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("Error saving file!"));
  QVERIFY(!h.dialogs.messages.back().detail.isEmpty());
  QVERIFY(h.window.isWindowModified());
  QVERIFY(h.window.windowTitle().contains(QStringLiteral("demo.nes")));
}

// A patch from the image as opened to the edited one, applied to a fresh Open of the same
// file, gives the edited image; the whole patch is undone in one step.
void FileCommandsTest::patchMadeInTheWindowAppliesAsOneStep() {
  for (const char* ending : {"ips", "bps"}) {
    WindowHarness h;
    QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
    editTheScreen(h.window);
    const std::vector<std::uint8_t> edited = imageSaveWrites(h.window);
    const QString patch = h.folder.filePath(QStringLiteral("edits.") + ending);
    h.dialogs.answers.push_back(patch);
    action(h.window, "actionCreatePatch")->trigger();
    QVERIFY2(!bytesOf(patch).empty(), ending);

    h.window.undoLastEdit();
    h.window.undoLastEdit();
    QVERIFY(!h.window.isWindowModified());
    const std::vector<std::uint8_t> unedited = imageSaveWrites(h.window);
    h.dialogs.answers.push_back(patch);
    action(h.window, "actionApplyPatch")->trigger();
    QVERIFY(imageSaveWrites(h.window) == edited);
    QCOMPARE(h.window.document().history.undoName(), QStringLiteral("Apply Patch"));
    h.window.undoLastEdit();
    QVERIFY(!h.window.document().history.canUndo());
    QVERIFY(imageSaveWrites(h.window) == unedited);
  }
}

// Both screens and the palette leave as files and come back over other edits, each import one
// step; cells Save does not carry are dropped and counted in the status bar.
void FileCommandsTest::nameTableAndPaletteFilesComeBack() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const EditorState saved = h.window.document().state;
  const QString screen0 = h.folder.filePath(QStringLiteral("screen0.nam"));
  const QString palette = h.folder.filePath(QStringLiteral("title.pal"));
  h.dialogs.answers = {screen0, palette};
  action(h.window, "actionExportNameTable0")->trigger();
  action(h.window, "actionExportPalette")->trigger();
  QCOMPARE(bytesOf(screen0).size(), std::size_t{1024});
  QCOMPARE(bytesOf(palette).size(), std::size_t{32});

  editTheScreen(h.window);
  h.window.document().state.palTarget = kTargetRomPalette;
  h.window.document().state.palTargetIndex = 1;
  h.window.performCommand(storeColourCommand(h.window.document().state, 0x30));
  h.dialogs.answers = {screen0, palette};
  action(h.window, "actionImportNameTable0")->trigger();
  QCOMPARE(h.window.document().history.undoName(), QStringLiteral("Import Name Table"));
  action(h.window, "actionImportPalette")->trigger();
  QCOMPARE(h.window.document().history.undoName(), QStringLiteral("Import Palette"));
  QVERIFY(h.window.document().state.ppuImage == saved.ppuImage);
  QVERIFY(h.window.document().state.romPalette == saved.romPalette);

  const QString full = h.folder.filePath(QStringLiteral("full.nam"));
  writeFileBytes(full.toStdString(), std::vector<std::uint8_t>(1024, 0x55));
  h.dialogs.answers = {full};
  action(h.window, "actionImportNameTable2")->trigger();
  QVERIFY2(h.window.statusBar()->currentMessage().contains(QStringLiteral("were dropped")),
           qPrintable(h.window.statusBar()->currentMessage()));
}

// A name table or palette of another size and a patch that does not apply say why and leave
// the document and its history as they were.
void FileCommandsTest::refusedFilesChangeNothing() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const std::vector<std::uint8_t> image = imageSaveWrites(h.window);
  const QString wrong = h.folder.filePath(QStringLiteral("wrong.bin"));
  writeFileBytes(wrong.toStdString(), std::vector<std::uint8_t>(1000, 0x01));
  const QString patch = h.folder.filePath(QStringLiteral("broken.ips"));
  writeFileBytes(patch.toStdString(), {'P', 'A', 'T', 'C', 'H', 0x00, 0x10});
  const std::vector<std::tuple<const char*, QString, QString>> refusals = {
      {"actionImportNameTable0", wrong, QStringLiteral("Error loading file!")},
      {"actionImportPalette", wrong, QStringLiteral("Error loading file!")},
      {"actionApplyPatch", patch, QStringLiteral("The patch was not applied.")}};
  for (const auto& [name, file, text] : refusals) {
    h.dialogs.answers = {file};
    action(h.window, name)->trigger();
    QCOMPARE(h.dialogs.messages.back().text, text);
    QVERIFY2(!h.dialogs.messages.back().detail.isEmpty(), name);
  }
  QVERIFY(h.dialogs.messages[1].detail.contains(QStringLiteral("1000")));
  QVERIFY(imageSaveWrites(h.window) == image);
  QVERIFY(!h.window.document().history.canUndo());
}

// At the zoom shown each pixel is repeated; at 1x the picture is the surface itself. The copy
// goes to the clipboard as large as it is shown.
void FileCommandsTest::viewPicturesAreWrittenAndCopied() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  h.window.setZoom(2);
  const QString zoomed = h.folder.filePath(QStringLiteral("zoomed.png"));
  const QString actual = h.folder.filePath(QStringLiteral("actual.png"));
  h.dialogs.answers = {zoomed, actual};
  action(h.window, "actionExportView_screen0")->trigger();
  action(h.window, "actionExportAtActualSize")->trigger();
  action(h.window, "actionExportView_tiles")->trigger();
  QVERIFY(readPng(zoomed.toStdString()).value() == surfaceImage(h.window.views().NAT0, 2));
  QVERIFY(readPng(actual.toStdString()).value() == surfaceImage(h.window.views().PAT0, 1));

  action(h.window, "actionCopyViewImage")->trigger();
  const QImage copied = QGuiApplication::clipboard()->image();
  QCOMPARE(copied.size(), QSize(512, 480));
  const std::uint32_t corner = h.window.views().NAT0.pixel(0, 0);
  QCOMPARE(copied.pixel(1, 1) & 0xFFFFFFu, qRgb(corner & 0xFF, (corner >> 8) & 0xFF,
                                                (corner >> 16) & 0xFF) & 0xFFFFFFu);
}

// Cancel leaves the document as it was; an image opened anyway is marked and each Save asks
// before writing.
void FileCommandsTest::imageOfAnotherGameIsOpenedOnlyWhenWanted() {
  WindowHarness h;
  const QString demo = h.writeDemo();
  RomImage other = buildDemoImage();
  other.body[title::kCoinCallFirst] = 0x4C;
  const QString otherPath = h.folder.filePath(QStringLiteral("other.nes"));
  writeFileBytes(otherPath.toStdString(), fileBytes(other));
  QCOMPARE(h.open(demo), QStringLiteral("File loaded!"));
  const QString caption = h.window.windowTitle();

  h.dialogs.questionAnswers = {QMessageBox::Cancel};
  QCOMPARE(h.open(otherPath), QStringLiteral("<0 messages>"));
  QCOMPARE(h.dialogs.questions.back().text, QString::fromUtf8(kUnexpectedGameWarning.data(),
                                                              kUnexpectedGameWarning.size()));
  QCOMPARE(h.window.windowTitle(), caption);
  QCOMPARE(h.window.document().path.filename().string(), std::string("demo.nes"));

  h.dialogs.questionAnswers = {QMessageBox::Open};
  QCOMPARE(h.open(otherPath), QStringLiteral("File loaded!"));
  QVERIFY(h.window.windowTitle().contains(QStringLiteral("(unverified image)")));
  const std::vector<std::uint8_t> unsaved = bytesOf(otherPath);
  const std::size_t asked = h.dialogs.questions.size();
  h.dialogs.questionAnswers = {QMessageBox::Cancel};
  QCOMPARE(h.save(), QStringLiteral("<0 messages>"));
  QCOMPARE(h.dialogs.questions.size(), asked + 1);
  QVERIFY(bytesOf(otherPath) == unsaved);
  h.dialogs.questionAnswers = {QMessageBox::Save};
  QCOMPARE(h.save(), QStringLiteral("File saved!"));
  QVERIFY(bytesOf(otherPath) != unsaved);
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
