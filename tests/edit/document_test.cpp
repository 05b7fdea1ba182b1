#include "edit/document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "rom/rom_file.h"
#include "support/layout_image.h"

namespace pelmora {
namespace {

using testing::TemporaryFolder;

class DocumentFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    RomImage rom = testing::blankTitleImage();
    testing::putList(rom, 9, 0x33000, {0x20, 0x20, 0x01, 0x42, 0x00});
    ASSERT_EQ(saveRomFile(rom, folder / "good.nes"), kRomFileOk);
    rom.body.resize(0x33001);  // an iNES file whose title screen is cut off
    ASSERT_EQ(saveRomFile(rom, folder / "cut.nes"), kRomFileOk);
    testing::writeFile(folder / "text.nes", std::vector<std::uint8_t>(100, 'x'));
  }

  TemporaryFolder folder;
};

TEST_F(DocumentFiles, OpenAdoptsOnlyAWholeTitleScreen) {
  Document document;
  document.state.palTarget = kTargetCoinPalette;
  document.state.palTargetIndex = 6;
  document.state.selectedTile = 9;
  const OpenResult opened = openDocument(document, folder / "good.nes");
  ASSERT_EQ(opened.status, OpenStatus::kOpened);
  EXPECT_TRUE(document.loaded);
  EXPECT_EQ(document.path, folder / "good.nes");
  EXPECT_EQ(document.state.ppuImage[0x2020], 0x42);
  EXPECT_EQ(document.state.selectedTile, 0);
  EXPECT_EQ(document.state.palTarget, kTargetCoinPalette) << "an Open keeps the palette target";
  EXPECT_EQ(document.state.palTargetIndex, 6);

  document.state.ppuImage[0x2000] = 0x99;  // an unsaved edit
  const Document before = document;
  const std::vector<std::pair<const char*, OpenStatus>> failures = {
      {"missing.nes", OpenStatus::kLoadFailed},
      {"text.nes", OpenStatus::kLoadFailed},
      {"cut.nes", OpenStatus::kImportFailed}};
  for (const auto& [name, status] : failures) {
    const OpenResult failed = openDocument(document, folder / name);
    EXPECT_EQ(failed.status, status) << name;
    EXPECT_EQ(document.path, before.path);
    EXPECT_EQ(document.rom, before.rom);
    EXPECT_EQ(document.state, before.state);
  }
  EXPECT_EQ(openDocument(document, folder / "text.nes").loadCode, kRomFileNotInes);
  EXPECT_FALSE(openDocument(document, folder / "cut.nes").reason.empty());
}

TEST_F(DocumentFiles, SaveWritesTheShownImageToItsOwnFile) {
  Document document;
  EXPECT_EQ(saveDocument(document).status, SaveStatus::kNoFile);
  ASSERT_EQ(openDocument(document, folder / "good.nes").status, OpenStatus::kOpened);
  document.state.ppuImage[0x2005] = 0x77;
  ASSERT_EQ(saveDocument(document).status, SaveStatus::kSaved);

  Document reopened;
  ASSERT_EQ(openDocument(reopened, folder / "good.nes").status, OpenStatus::kOpened);
  EXPECT_EQ(reopened.state.ppuImage[0x2005], 0x77);
}

TEST_F(DocumentFiles, FailedSavesWriteNothing) {
  Document document;
  ASSERT_EQ(openDocument(document, folder / "good.nes").status, OpenStatus::kOpened);
  const auto original = testing::readFile(folder / "good.nes");

  ::chmod((folder / "good.nes").c_str(), 0444);
  document.state.ppuImage[0x2005] = 0x77;
  EXPECT_EQ(saveDocument(document).status, SaveStatus::kWriteFailed);
  EXPECT_EQ(testing::readFile(folder / "good.nes"), original);
  ::chmod((folder / "good.nes").c_str(), 0644);

  // An image too short for the layout: the export refuses before anything changes.
  document.rom.body.resize(0x33000);
  const RomImage shortImage = document.rom;
  const SaveResult refused = saveDocument(document);
  EXPECT_EQ(refused.status, SaveStatus::kExportFailed);
  EXPECT_FALSE(refused.reason.empty());
  EXPECT_EQ(document.rom, shortImage);
  EXPECT_EQ(testing::readFile(folder / "good.nes"), original);
}

}  // namespace
}  // namespace pelmora
