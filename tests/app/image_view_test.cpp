// What the window tells about the image: its identity, the patch across another header, the
// user's master palette and the changes since it was opened or saved.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QLabel>
#include <QTest>

#include "app/colour_square.h"
#include "app/image_properties_dialog.h"
#include "app/picture_surface.h"
#include "app_harness.h"
#include "digest/digests.h"
#include "edit/single_edits.h"
#include "patch/patch_across_headers.h"
#include "patch/patch_file.h"
#include "rom/image_identity.h"
#include "support/demo_variants.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

QString writeBytes(const QTemporaryDir& folder, const QString& name,
                   const std::vector<std::uint8_t>& bytes) {
  const QString path = folder.filePath(name);
  writeFileBytes(path.toStdString(), bytes);
  return path;
}

// Places the tile after the one at (`column`, 2) of name table 0 there.
void placeNextTile(app::MainWindow& window, int column) {
  EditorState& state = window.document().state;
  state.selectedTile = static_cast<std::uint8_t>(*tileAt(state, 0, {column, 2}) + 1);
  window.performCommand(placeTileCommand(state, 0, {column, 2}).value());
}

}  // namespace

class ImageViewTest : public QObject {
  Q_OBJECT

 private slots:
  void propertiesAndAPatchAcrossAnotherHeader();
  void masterPaletteFromAFileIsUsedAndRemembered();
  void changesAreCountedAndTheOpenedImageShownOnBackquote();
};

void ImageViewTest::propertiesAndAPatchAcrossAnotherHeader() {
  WindowHarness h;
  std::vector<std::uint8_t> original = fileBytes(buildDemoImage());
  std::vector<std::uint8_t> modified = original;
  modified[0x1000] ^= 0x5A;
  const QString patch = writeBytes(h.folder, QStringLiteral("p.bps"),
                                   createPatch(PatchFormat::kBps, original, modified).value());
  original[7] = 0x08;  // the user's copy has an NES 2.0 header
  QCOMPARE(h.open(writeBytes(h.folder, QStringLiteral("users.nes"), original)),
           QStringLiteral("File loaded!"));

  action(h.window, "actionImageProperties")->trigger();
  QCOMPARE(h.dialogs.imageProperties.size(), std::size_t{1});
  const ImageIdentity& shown = h.dialogs.imageProperties.front();
  QCOMPARE(QString::fromUtf8(headerKindName(shown.header).data()), QStringLiteral("NES 2.0"));
  QCOMPARE(shown.headerless.sha1, lowerHex(sha1Of(std::span(original).subspan(16))));
  app::ImagePropertiesDialog dialog(shown, QStringLiteral("users.nes"), &h.window);
  control<QPushButton>(dialog, QStringLiteral("copyHeaderlessSha1"))->click();
  QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(shown.headerless.sha1));

  h.dialogs.answers = {patch};
  action(h.window, "actionApplyPatch")->trigger();
  QCOMPARE(h.dialogs.messages.back().text, QString::fromUtf8(kHeaderKeptMessage.data()));
  QCOMPARE(h.window.document().rom.header[7], std::uint8_t{0x08});
  QCOMPARE(h.window.document().rom.body[0x1000 - 16], modified[0x1000]);
}

void ImageViewTest::masterPaletteFromAFileIsUsedAndRemembered() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const std::uint32_t before = h.window.views().NAT0.pixel(0, 0);
  const QString grey =
      writeBytes(h.folder, QStringLiteral("grey.pal"), std::vector<std::uint8_t>(1536 + 4, 0x42));
  h.dialogs.answers = {grey};
  action(h.window, "actionMasterPaletteFile")->trigger();
  QVERIFY(isUniform(h.window.views().NAT0, rgb(0x42, 0x42, 0x42)));
  QCOMPARE(square(h.window, "lbl_bkgpal0", 5)->background(), QColor(0x42, 0x42, 0x42));
  QVERIFY(action(h.window, "actionMasterPaletteFile")->isChecked());

  // Too short: refused with its size, and the colours stay.
  h.dialogs.answers = {
      writeBytes(h.folder, QStringLiteral("short.pal"), std::vector<std::uint8_t>(100, 0))};
  action(h.window, "actionMasterPaletteFile")->trigger();
  QVERIFY(h.dialogs.messages.back().detail.contains(QStringLiteral("this one has 100")));
  QVERIFY(isUniform(h.window.views().NAT0, rgb(0x42, 0x42, 0x42)));

  // The next start draws in the same colours; Built-in Colours brings the old ones back.
  app::MainWindow next(h.dialogs);
  QCOMPARE(next.colourTables().masterPalette[0x16],
           static_cast<ColourValue>(rgb(0x42, 0x42, 0x42)));
  action(h.window, "actionBuiltInMasterPalette")->trigger();
  QCOMPARE(h.window.views().NAT0.pixel(0, 0), before);
  QVERIFY(h.window.settings().masterPaletteFile().isEmpty());
}

void ImageViewTest::changesAreCountedAndTheOpenedImageShownOnBackquote() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const Surface opened = h.window.views().NAT0;
  action(h.window, "actionShowChanges")->trigger();
  auto* count = control<QLabel>(h.window, QStringLiteral("changesCount"));
  QCOMPARE(count->text(), QStringLiteral("0 cells, 0 quadrants, 0 colours, 0 tiles changed"));

  placeNextTile(h.window, 4);
  placeNextTile(h.window, 5);
  QCOMPARE(count->text(), QStringLiteral("2 cells, 0 quadrants, 0 colours, 0 tiles changed"));
  const Surface edited = h.window.views().NAT0;
  QTest::keyPress(&h.window, Qt::Key_QuoteLeft);
  QVERIFY(sameSurface(h.window.views().NAT0, opened));
  QTest::keyRelease(&h.window, Qt::Key_QuoteLeft);
  QVERIFY(sameSurface(h.window.views().NAT0, edited));

  h.window.undoLastEdit();
  QCOMPARE(count->text(), QStringLiteral("1 cell, 0 quadrants, 0 colours, 0 tiles changed"));
  QCOMPARE(h.save(), QStringLiteral("File saved!"));
  QCOMPARE(h.window.changesText(),
           QStringLiteral("1 cell, 0 quadrants, 0 colours, 0 tiles changed"));
  action(h.window, "actionChangesSinceSave")->trigger();
  QCOMPARE(count->text(), QStringLiteral("0 cells, 0 quadrants, 0 colours, 0 tiles changed"));
  action(h.window, "actionShowChanges")->trigger();
  QVERIFY(count->isHidden());
}

QTEST_MAIN(ImageViewTest)
#include "image_view_test.moc"
