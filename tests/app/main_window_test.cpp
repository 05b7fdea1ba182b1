// The main window's start-up, its file commands and messages, and what it shows after an Open.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <map>

#include "app/control_area.h"
#include "app/picture_surface.h"
#include "app_harness.h"
#include "edit/tile_placement.h"
#include "gfx/screen_views.h"
#include "app/colour_square.h"
#include "support/demo_variants.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

// The program's folder when the demo image lies there, else the user's documents folder.
QString expectedOpenFolder() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  if (QFileInfo::exists(programFolder + QStringLiteral("/demo.nes"))) return programFolder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startsEmptyWithEditingDisabled();
  void controlsStandWhereTheLayoutPutsThem_data();
  void controlsStandWhereTheLayoutPutsThem();
  void startUpViewsShowColourZero();
  void openShowsTheTitleScreen();
  void openResetsTheSelection();
  void viewsAfterOpenAreWhatTheCoreDraws();
  void widgetShowsTheSurfacePixels();
  void cancelledOpenKeepsDocumentAndFile();
  void failedOpenKeepsTheLoadedScreen_data();
  void failedOpenKeepsTheLoadedScreen();
  void saveWritesTheLoadedFile();
  void saveOntoReadOnlyFileFails();
  void saveWithFailingExportWritesNothing();
  void saveBeforeAnyOpen();
  void exitClosesTheWindow();
};

void MainWindowTest::startsEmptyWithEditingDisabled() {
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(w.windowTitle(), QStringLiteral("Pelmora 0.80.0"));
  QCOMPARE(w.controlArea()->size(), QSize(823, 554));
  QCOMPARE(w.openDialogFolder(), expectedOpenFolder());
  QVERIFY(control<QPushButton>(w, "cmdOpenFile")->isEnabled());
  QVERIFY(control<QPushButton>(w, "cmdExitApp")->isEnabled());
  QVERIFY(!control<QPushButton>(w, "cmdSaveFile")->isEnabled());
  for (QWidget* control :
       {static_cast<QWidget*>(control<QPushButton>(w, "cmdChangePal")), static_cast<QWidget*>(view(w, "NAT0")),
        static_cast<QWidget*>(view(w, "NAT1")), static_cast<QWidget*>(view(w, "ATT0")), static_cast<QWidget*>(view(w, "ATT1")),
        static_cast<QWidget*>(view(w, "PAT0")), static_cast<QWidget*>(control<QGroupBox>(w, "fraAttSel")),
        static_cast<QWidget*>(control<QGroupBox>(w, "fraPalEdit"))}) {
    QVERIFY(!control->isEnabled());
  }
  // A disabled frame makes its squares unusable: a double click opens nothing.
  QTest::mouseDClick(square(w, "lbl_bkgpal0", 0), Qt::LeftButton);
  QVERIFY(w.paletteSelector() == nullptr);

  QCOMPARE(control<QLabel>(w, "lblTileID")->text(), QStringLiteral("00"));
  QVERIFY(control<QRadioButton>(w, QStringLiteral("optAttSel%1").arg(0))->isChecked());
  QVERIFY(!control<QCheckBox>(w, "chkEnableCoin")->isChecked());
  for (auto* square : squares(w, "lbl_bkgpal0")) QCOMPARE(square->text(), QStringLiteral("0"));
  for (auto* square : squares(w, "lbl_bkgpalAlt")) QCOMPARE(square->text(), QStringLiteral("0"));
  for (auto* square : squares(w, "lbl_coinpal")) QCOMPARE(square->text(), QStringLiteral("0"));
  QCOMPARE(control<QPushButton>(w, "cmdOpenFile")->toolTip(), QStringLiteral("Open File"));
  QCOMPARE(control<QPushButton>(w, "cmdSaveFile")->toolTip(), QStringLiteral("Save File"));
  QCOMPARE(control<QPushButton>(w, "cmdExitApp")->toolTip(), QStringLiteral("Exit Program"));
  QCOMPARE(control<QPushButton>(w, "cmdChangePal")->text(), QStringLiteral("P"));
  QVERIFY(h.dialogs.messages.empty());
}

// Places and sizes in the client area (or, for controls inside a frame, in the frame), with the
// first and last member of each group, so a wrong step in a grid shows.
void MainWindowTest::controlsStandWhereTheLayoutPutsThem_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QRect>("expected");
  const std::vector<std::pair<const char*, QRect>> rows = {
      {"cmdOpenFile", {16, 8, 25, 25}},       {"cmdSaveFile", {48, 8, 25, 25}},
      {"cmdExitApp", {80, 8, 25, 25}},        {"cmdChangePal", {120, 8, 25, 25}},
      {"NAT0", {16, 40, 256, 240}},           {"NAT1", {16, 280, 256, 240}},
      {"ATT0", {280, 40, 256, 240}},          {"ATT1", {280, 280, 256, 240}},
      {"PAT0", {560, 40, 256, 256}},          {"picSelTile", {576, 300, 32, 32}},
      {"lblTileID", {560, 304, 17, 17}},      {"fraAttSel", {624, 296, 193, 32}},
      {"optAttSel0", {24, 11, 25, 17}},       {"optAttSel3", {144, 11, 25, 17}},
      {"fraPalEdit", {544, 336, 273, 209}},   {"lbl_bkgpal0_0", {8, 16, 16, 16}},
      {"lbl_bkgpal0_31", {248, 32, 16, 16}},  {"lbl_bkgpalAlt_0", {8, 64, 16, 16}},
      {"lbl_bkgpalAlt_79", {248, 160, 16, 16}}, {"lbl_coinpal_0", {104, 184, 16, 16}},
      {"lbl_coinpal_6", {248, 184, 16, 16}},  {"chkEnableCoin", {72, 184, 17, 17}},
      {"Label1", {16, 186, 41, 17}},
  };
  for (const auto& [name, rect] : rows) QTest::newRow(name) << QString(name) << rect;
}

void MainWindowTest::controlsStandWhereTheLayoutPutsThem() {
  QFETCH(QString, control);
  QFETCH(QRect, expected);
  WindowHarness h;
  app::MainWindow& w = h.window;
  QCOMPARE(pelmora::test::control<QWidget>(w, control)->geometry(), expected);
}

void MainWindowTest::startUpViewsShowColourZero() {
  WindowHarness h;
  const ScreenViews& views = h.window.views();
  const std::uint32_t grey = rgb(128, 128, 128);
  const std::uint32_t lightRed = rgb(255, 128, 128);
  QVERIFY(isUniform(views.PAT0, grey));
  QVERIFY(isUniform(views.NAT0, grey));
  QVERIFY(isUniform(views.NAT1, grey));
  QVERIFY(isUniform(views.picSelTile, grey));
  QVERIFY(isUniform(views.ATT0, lightRed));
  QVERIFY(isUniform(views.ATT1, lightRed));
  QCOMPARE(square(h.window, "lbl_bkgpal0", 0)->background(), QColor(128, 128, 128));
  const std::array<QColor, 4> optionColours = {QColor(255, 128, 128), QColor(255, 255, 128),
                                               QColor(128, 128, 255), QColor(255, 128, 255)};
  for (int i = 0; i < 4; ++i) {
    QRadioButton* option = control<QRadioButton>(h.window, QStringLiteral("optAttSel%1").arg(i));
    QCOMPARE(option->palette().color(option->backgroundRole()), optionColours[i]);
  }
}

void MainWindowTest::openShowsTheTitleScreen() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const auto& message = h.dialogs.messages.back();
  QCOMPARE(message.title, QStringLiteral("Pelmora 0.80.0"));
  QCOMPARE(h.dialogs.lastFilter, QStringLiteral("NES Rom (*.nes)"));
  QCOMPARE(h.dialogs.lastFolder, expectedOpenFolder());
  QCOMPARE(h.window.windowTitle(), QStringLiteral("Pelmora 0.80.0[demo.nes][*]"));
  QVERIFY(control<QPushButton>(h.window, "cmdSaveFile")->isEnabled());
  QVERIFY(control<QPushButton>(h.window, "cmdChangePal")->isEnabled());
  QVERIFY(view(h.window, "NAT0")->isEnabled() && view(h.window, "PAT0")->isEnabled());
  QVERIFY(control<QGroupBox>(h.window, "fraAttSel")->isEnabled() && control<QGroupBox>(h.window, "fraPalEdit")->isEnabled());
  const EditorState& state = h.window.document().state;
  QCOMPARE(square(h.window, "lbl_bkgpal0", 1)->text(), QString::number(state.romPalette[1], 16).toUpper());
  QCOMPARE(control<QCheckBox>(h.window, "chkEnableCoin")->isChecked(), state.coinEnabled);
  QVERIFY(!isUniform(h.window.views().NAT0, rgb(128, 128, 128)));
}

void MainWindowTest::openResetsTheSelection() {
  WindowHarness h;
  const QString demo = h.writeDemo();
  QCOMPARE(h.open(demo), QStringLiteral("File loaded!"));
  QTest::mouseClick(control<QRadioButton>(h.window, QStringLiteral("optAttSel%1").arg(2)), Qt::LeftButton);
  pressAt(view(h.window, "PAT0"), Qt::LeftButton, {}, QPoint(40, 40));
  QTest::mouseClick(control<QPushButton>(h.window, "cmdChangePal"), Qt::LeftButton);
  QCOMPARE(control<QLabel>(h.window, "lblTileID")->text(), QStringLiteral("22"));

  QCOMPARE(h.open(demo), QStringLiteral("File loaded!"));
  const EditorState& state = h.window.document().state;
  QCOMPARE(int(state.selectedTile), 0);
  QCOMPARE(int(state.attrPaletteSel), 0);
  QCOMPARE(int(state.paletteSet), 0);
  QCOMPARE(control<QLabel>(h.window, "lblTileID")->text(), QStringLiteral("00"));
  QVERIFY(control<QRadioButton>(h.window, QStringLiteral("optAttSel%1").arg(0))->isChecked());
}

void MainWindowTest::viewsAfterOpenAreWhatTheCoreDraws() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  ScreenViews expected;
  redrawViews(expected, h.window.document().state, h.window.colourTables());
  copyTilePreview(expected.PAT0, 0, expected.picSelTile);
  const ScreenViews& shown = h.window.views();
  QVERIFY(sameSurface(shown.PAT0, expected.PAT0));
  QVERIFY(sameSurface(shown.NAT0, expected.NAT0));
  QVERIFY(sameSurface(shown.ATT0, expected.ATT0));
  QVERIFY(sameSurface(shown.NAT1, expected.NAT1));
  QVERIFY(sameSurface(shown.ATT1, expected.ATT1));
  QVERIFY(sameSurface(shown.picSelTile, expected.picSelTile));
}

// The widget puts the surface's own pixels on the screen, opaque and in their colours.
void MainWindowTest::widgetShowsTheSurfacePixels() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  h.window.setShadingShown(false);  // a mark over the pixels, not part of them
  for (app::PictureSurface* view : {view(h.window, "NAT0"), view(h.window, "PAT0"), view(h.window, "ATT0")}) {
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const Surface& surface = view->surface();
    QCOMPARE(shown.size(), QSize(surface.width(), surface.height()));
    // The selected tile is always framed on the sheet: a mark too.
    const int tile = h.window.document().state.selectedTile;
    const QRect frame = view == pelmora::test::view(h.window, "PAT0")
                            ? QRect(tile % 16 * 16, tile / 16 * 16, 16, 16)
                            : QRect();
    for (int y = 0; y < surface.height(); y += 3) {
      for (int x = 0; x < surface.width(); x += 5) {
        if (frame.contains(x, y)) continue;
        const QRgb pixel = shown.pixel(x, y);
        QCOMPARE(qAlpha(pixel), 255);
        QCOMPARE(rgb(qRed(pixel), qGreen(pixel), qBlue(pixel)), surface.pixel(x, y));
      }
    }
  }
}

// A cancelled Open says so and changes nothing: edits stay, and Save still goes to the file.
void MainWindowTest::cancelledOpenKeepsDocumentAndFile() {
  WindowHarness h;
  const QString demo = h.writeDemo();
  QCOMPARE(h.open(demo), QStringLiteral("File loaded!"));
  pressAt(view(h.window, "PAT0"), Qt::LeftButton, {}, QPoint(16, 0));
  pressAt(view(h.window, "NAT0"), Qt::LeftButton, {}, QPoint(40, 40));
  const EditorState before = h.window.document().state;
  const QString caption = h.window.windowTitle();

  h.dialogs.questionAnswers.push_back(QMessageBox::Discard);  // asked first, for the edits
  QCOMPARE(h.open(std::nullopt), QStringLiteral("No file loaded!"));
  QVERIFY(h.window.document().state == before);
  QCOMPARE(h.window.windowTitle(), caption);
  QVERIFY(control<QPushButton>(h.window, "cmdSaveFile")->isEnabled());
  QCOMPARE(h.save(), QStringLiteral("File saved!"));

  Document reread;
  QVERIFY(openDocument(reread, demo.toStdString()).status == OpenStatus::kOpened);
  QCOMPARE(int(reread.state.ppuImage[0x2000 + 5 * 32 + 5]), 1);
}

void MainWindowTest::failedOpenKeepsTheLoadedScreen_data() {
  QTest::addColumn<int>("kind");
  QTest::newRow("not an iNES file") << 0;
  QTest::newRow("foreign image, cut short") << 1;
  QTest::newRow("missing file") << 2;
}

void MainWindowTest::failedOpenKeepsTheLoadedScreen() {
  QFETCH(int, kind);
  WindowHarness h;
  const QString demo = h.writeDemo();
  QCOMPARE(h.open(demo), QStringLiteral("File loaded!"));
  pressAt(view(h.window, "NAT0"), Qt::LeftButton, {}, QPoint(0, 0));
  const Document before = h.window.document();
  const ScreenViews& views = h.window.views();
  ScreenViews viewsBefore = views;

  const QString bad = h.folder.filePath(QStringLiteral("bad.nes"));
  if (kind == 0) writeFileBytes(bad.toStdString(), std::vector<std::uint8_t>(4096, 'x'));
  if (kind == 1) writeFileBytes(bad.toStdString(), fileBytes(demoCutShort(0x32000)));
  h.dialogs.questionAnswers.push_back(QMessageBox::Discard);
  QCOMPARE(h.open(bad), QStringLiteral("Error loading file!"));
  QCOMPARE(h.window.windowTitle(), QStringLiteral("Pelmora 0.80.0[demo.nes][*]"));
  QVERIFY(h.window.document().state == before.state);
  QVERIFY(h.window.document().rom == before.rom);
  QCOMPARE(h.window.document().path, before.path);
  QVERIFY(sameSurface(views.NAT0, viewsBefore.NAT0));
  QVERIFY(sameSurface(views.PAT0, viewsBefore.PAT0));
  QCOMPARE(h.save(), QStringLiteral("File saved!"));
}

void MainWindowTest::saveWritesTheLoadedFile() {
  WindowHarness h;
  const QString demo = h.writeDemo();
  QCOMPARE(h.open(demo), QStringLiteral("File loaded!"));
  pressAt(view(h.window, "PAT0"), Qt::LeftButton, {}, QPoint(255, 255));
  pressAt(view(h.window, "NAT0"), Qt::LeftButton, {}, QPoint(3 * 8, 5 * 8));
  QCOMPARE(h.save(), QStringLiteral("File saved!"));
  QCOMPARE(h.dialogs.messages.back().title, QStringLiteral("Pelmora 0.80.0"));
  // Slot 13's list holds row 5 from body 0x32821; its tiles follow a 3-byte record header.
  const std::vector<std::uint8_t> bytes = readFileBytes(demo.toStdString());
  QCOMPARE(int(bytes.at(16 + 0x32824 + 3)), 0xFF);
}

// Tests run as root in CI, so the file is refused for having no write permission bits.
void MainWindowTest::saveOntoReadOnlyFileFails() {
  WindowHarness h;
  const QString demo = h.writeDemo();
  QCOMPARE(h.open(demo), QStringLiteral("File loaded!"));
  pressAt(view(h.window, "PAT0"), Qt::LeftButton, {}, QPoint(255, 255));
  pressAt(view(h.window, "NAT0"), Qt::LeftButton, {}, QPoint(0, 0));
  const std::vector<std::uint8_t> onDisk = readFileBytes(demo.toStdString());
  QVERIFY(QFile::setPermissions(demo, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  QCOMPARE(h.save(), QStringLiteral("Error saving file!"));
  QVERIFY(readFileBytes(demo.toStdString()) == onDisk);
}

void MainWindowTest::saveWithFailingExportWritesNothing() {
  WindowHarness h;
  const QString demo = h.writeDemo();
  QCOMPARE(h.open(demo), QStringLiteral("File loaded!"));
  const std::vector<std::uint8_t> onDisk = readFileBytes(demo.toStdString());
  h.window.document().rom.body.resize(0x33000);  // too short for the export's layout
  QCOMPARE(h.save(), QStringLiteral("Error saving file!"));
  QVERIFY(readFileBytes(demo.toStdString()) == onDisk);
}

// The button is disabled until an Open; the command itself still answers sensibly.
void MainWindowTest::saveBeforeAnyOpen() {
  WindowHarness h;
  QTest::mouseClick(control<QPushButton>(h.window, "cmdSaveFile"), Qt::LeftButton);
  QVERIFY(h.dialogs.messages.empty());
  h.window.saveFile();
  QCOMPARE(h.dialogs.messages.size(), std::size_t{1});
  QCOMPARE(h.dialogs.messages.back().text, QStringLiteral("No file loaded!"));
}

void MainWindowTest::exitClosesTheWindow() {
  WindowHarness h;
  QVERIFY(h.window.isVisible());
  QTest::mouseClick(control<QPushButton>(h.window, "cmdExitApp"), Qt::LeftButton);
  QVERIFY(!h.window.isVisible());
  QVERIFY(h.dialogs.messages.empty());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
