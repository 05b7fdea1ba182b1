#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "edit/document.h"
#include "edit/patched_document.h"
#include "patch/patch_file.h"
#include "rom/rom_file.h"
#include "support/layout_image.h"

namespace pelmora {
namespace {

using testing::TemporaryFolder;

TEST(DocumentSaveAsAndPatch, SaveAsWritesTheNewFileAndAdoptsIt) {
  TemporaryFolder folder;
  ASSERT_EQ(writeRomFile(buildDemoImage(), folder / "demo.nes"), kRomFileOk);
  const auto original = testing::readFile(folder / "demo.nes");
  Document document;
  ASSERT_EQ(openDocument(document, folder / "demo.nes").status, OpenStatus::kOpened);
  EXPECT_EQ(romFileBytes(document.openedRom), original);
  Document withoutCopy;
  ASSERT_EQ(openDocument(withoutCopy, folder / "demo.nes", OpenedCopy::kSkip).status,
            OpenStatus::kOpened);
  EXPECT_EQ(withoutCopy.rom, document.rom);
  EXPECT_TRUE(withoutCopy.openedRom.body.empty());
  document.state.ppuImage[0x2005] ^= 1;

  const Expected<RomImage> exported = exportedImage(document);
  ASSERT_TRUE(exported);
  EXPECT_EQ(romFileBytes(document.rom), original) << "exportedImage changes nothing";
  ASSERT_EQ(saveDocumentAs(document, folder / "copy.nes").status, SaveStatus::kSaved);
  EXPECT_EQ(document.path, folder / "copy.nes");
  EXPECT_EQ(testing::readFile(folder / "demo.nes"), original);
  EXPECT_EQ(testing::readFile(folder / "copy.nes"), romFileBytes(*exported));
  EXPECT_EQ(romFileBytes(document.openedRom), original);

  const SaveResult refused = saveDocumentAs(document, folder / "missing" / "x.nes");
  EXPECT_EQ(refused.status, SaveStatus::kWriteFailed);
  EXPECT_EQ(refused.reason, "No such file or directory");
  EXPECT_EQ(document.path, folder / "copy.nes");
}

// The demo holds its lists where Save writes them: an unedited Save changes no byte, and the
// patch of eleven placed tiles holds eleven one-byte records.
TEST(DocumentSaveAsAndPatch, DemoSavedUneditedIsUnchangedAndAPatchHoldsOnlyTheEdit) {
  TemporaryFolder folder;
  ASSERT_EQ(writeRomFile(buildDemoImage(), folder / "demo.nes"), kRomFileOk);
  const auto original = testing::readFile(folder / "demo.nes");
  Document document;
  ASSERT_EQ(openDocument(document, folder / "demo.nes").status, OpenStatus::kOpened);
  ASSERT_EQ(saveDocument(document).status, SaveStatus::kSaved);
  EXPECT_EQ(testing::readFile(folder / "demo.nes"), original);

  for (int tile = 0; tile < 11; ++tile) document.state.ppuImage[0x2000 + 66 * tile] ^= 1;
  const auto patch = createPatch(PatchFormat::kIps, original, romFileBytes(*exportedImage(document)));
  ASSERT_TRUE(patch);
  constexpr std::size_t kHeaderAndEnd = 5 + 3, kOneByteRecord = 3 + 2 + 1;
  EXPECT_EQ(patch.value().size(), kHeaderAndEnd + 11 * kOneByteRecord);
}

TEST(DocumentSaveAsAndPatch, PatchedDocumentIsTheImportOfThePatchedImage) {
  TemporaryFolder folder;
  ASSERT_EQ(writeRomFile(buildDemoImage(), folder / "demo.nes"), kRomFileOk);
  Document document;
  ASSERT_EQ(openDocument(document, folder / "demo.nes").status, OpenStatus::kOpened);
  Document edited = document;
  edited.state.ppuImage[0x2040] ^= 3;
  edited.state.romPalette[2] = 0x21;
  const RomImage target = *exportedImage(edited);

  for (const PatchFormat format : {PatchFormat::kIps, PatchFormat::kBps}) {
    const auto patch =
        *createPatch(format, romFileBytes(document.openedRom), romFileBytes(target));
    const Document before = document;
    const Expected<PatchedImage> patched = patchedDocument(document, patch);
    ASSERT_TRUE(patched) << patched.error().what;
    EXPECT_EQ(patched.value().state.ppuImage[0x2040], edited.state.ppuImage[0x2040]);
    EXPECT_EQ(patched.value().state.romPalette, edited.state.romPalette);
    EXPECT_EQ(document.state, before.state);
    EXPECT_EQ(document.rom, before.rom);
  }
  EXPECT_FALSE(patchedDocument(document, {'P', 'A', 'T', 'C', 'H'}));
}

}  // namespace
}  // namespace pelmora
