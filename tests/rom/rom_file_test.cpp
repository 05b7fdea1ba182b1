#include "rom/rom_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "rom/safe_file_write.h"
#include "support/layout_image.h"

namespace pelmora {
namespace {

using testing::TemporaryFolder;
using testing::readFile;
using testing::writeFile;

std::vector<std::uint8_t> bytesOf(std::initializer_list<int> values, std::size_t padTo = 0) {
  std::vector<std::uint8_t> bytes;
  for (int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
  if (bytes.size() < padTo) bytes.resize(padTo, 0x77);
  return bytes;
}

TEST(LoadRomFile, ResultCodesFollowLengthAndSignature) {
  TemporaryFolder folder;
  struct Case {
    const char* name;
    std::vector<std::uint8_t> content;
    std::int16_t expected;
  };
  const std::vector<Case> cases = {
      {"empty", {}, kRomFileIoError},
      {"header only", bytesOf({'N', 'E', 'S', 0x1A}, 16), kRomFileIoError},
      {"smallest image", bytesOf({'N', 'E', 'S', 0x1A}, 17), kRomFileOk},
      {"no 0x1A after NES", bytesOf({'N', 'E', 'S', 0x00}, 40), kRomFileOk},
      {"lower case", bytesOf({'n', 'e', 's', 0x1A}, 40), kRomFileNotInes},
      {"text file", std::vector<std::uint8_t>(200, 'a'), kRomFileNotInes},
  };
  for (const Case& c : cases) {
    writeFile(folder / "rom.nes", c.content);
    RomImage rom;
    EXPECT_EQ(loadRomFile(rom, folder / "rom.nes"), c.expected) << c.name;
  }
}

TEST(LoadRomFile, KeepsHeaderAndBodyApartAndHoldsARejectedFile) {
  TemporaryFolder folder;
  writeFile(folder / "one.nes", bytesOf({'N', 'E', 'S', 0x1A, 16}, 17));
  RomImage rom;
  ASSERT_EQ(loadRomFile(rom, folder / "one.nes"), kRomFileOk);
  EXPECT_EQ(rom.body.size(), 1u);
  EXPECT_EQ(rom.prgBanks(), 16);

  auto rejected = bytesOf({'n', 'e', 's', 1, 2, 3}, 64);
  writeFile(folder / "bad.nes", rejected);
  ASSERT_EQ(loadRomFile(rom, folder / "bad.nes"), kRomFileNotInes);
  EXPECT_EQ(testing::fileBytes(rom), rejected);
}

TEST(LoadRomFile, UnreadablePathsLeaveTheImageAlone) {
  TemporaryFolder folder;
  RomImage rom = testing::blankTitleImage();
  const RomImage before = rom;
  EXPECT_EQ(loadRomFile(rom, folder / "missing.nes"), kRomFileIoError);
  EXPECT_EQ(loadRomFile(rom, folder.path()), kRomFileIoError);
  EXPECT_EQ(rom, before);
}

TEST(LoadRomFile, RefusesPipesAndHugeFilesWithoutReadingThem) {
  TemporaryFolder folder;
  RomImage rom = testing::blankTitleImage();
  const RomImage before = rom;
  // A named pipe with no writer would block an ordinary open for ever.
  ASSERT_EQ(::mkfifo((folder / "pipe.nes").c_str(), 0644), 0);
  EXPECT_EQ(loadRomFile(rom, folder / "pipe.nes"), kRomFileIoError);
  // A sparse file larger than any ROM is refused before memory is taken for it.
  writeFile(folder / "huge.nes", bytesOf({'N', 'E', 'S', 0x1A}, 16));
  std::filesystem::resize_file(folder / "huge.nes", (8u << 20) + 1);
  EXPECT_EQ(loadRomFile(rom, folder / "huge.nes"), kRomFileIoError);
  EXPECT_EQ(rom, before);
}

// Files longer than the stretches they are read and checked in: loaded, viewed and saved whole.
TEST(LoadRomFile, LongFilesLoadViewAndSaveExactly) {
  TemporaryFolder folder;
  std::vector<std::uint8_t> file = bytesOf({'N', 'E', 'S', 0x1A, 2}, 16);
  for (std::size_t i = 0; i < 70001; ++i) file.push_back(static_cast<std::uint8_t>(i * 131 >> 3));
  writeFile(folder / "long.nes", file);
  RomImage rom;
  ASSERT_EQ(loadRomFile(rom, folder / "long.nes"), kRomFileOk);
  EXPECT_EQ(testing::fileBytes(rom), file);
  const Expected<FileView> view = viewFileContent(folder / "long.nes");
  ASSERT_TRUE(view);
  EXPECT_TRUE(std::equal(file.begin(), file.end(), view.value().bytes().begin(),
                         view.value().bytes().end()));
  writeFile(folder / "empty.bin", {});
  EXPECT_TRUE(viewFileContent(folder / "empty.bin").value().bytes().empty());
  EXPECT_FALSE(viewFileContent(folder.path()));

  // One byte changed far into the file behind the writer's back fails the read-back check.
  setBeforeWriteCheckHook([](const std::filesystem::path& written) {
    std::vector<std::uint8_t> changed = readFile(written);
    changed[60000] ^= 1;
    writeFile(written, changed);
  });
  const Status saved = saveRomFileChecked(rom, folder / "copy.nes");
  setBeforeWriteCheckHook({});
  EXPECT_FALSE(saved);
  ASSERT_EQ(saveRomFile(rom, folder / "copy.nes"), kRomFileOk);
  EXPECT_EQ(readFile(folder / "copy.nes"), file);
}

class SaveRomFile : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  RomImage rom = [] {
    RomImage image;
    image.header = {'N', 'E', 'S', 0x1A, 1};
    image.body.assign(1000, 0x5A);
    return image;
  }();
  std::vector<std::uint8_t> original = bytesOf({'N', 'E', 'S', 0x1A, 1}, 1016);

  void expectOnlyEntries(std::vector<std::string> names) { EXPECT_EQ(folder.entries(), names); }
};

TEST_F(SaveRomFile, LoadThenSaveLeavesTheFileAsItWas) {
  for (std::size_t i = 16; i < original.size(); ++i) original[i] = static_cast<std::uint8_t>(i * 7);
  writeFile(folder / "game.nes", original);
  ASSERT_EQ(loadRomFile(rom, folder / "game.nes"), kRomFileOk);
  ASSERT_EQ(saveRomFile(rom, folder / "game.nes"), kRomFileOk);
  EXPECT_EQ(readFile(folder / "game.nes"), original);
  expectOnlyEntries({"game.nes"});
}

TEST_F(SaveRomFile, CreatesAMissingFileAndKeepsTheTailOfALongerOne) {
  ASSERT_EQ(saveRomFile(rom, folder / "new.nes"), kRomFileOk);
  EXPECT_EQ(readFile(folder / "new.nes"), testing::fileBytes(rom));

  std::vector<std::uint8_t> longer = original;
  longer.insert(longer.end(), {0xDE, 0xAD, 0xBE, 0xEF});
  writeFile(folder / "long.nes", longer);
  ASSERT_EQ(saveRomFile(rom, folder / "long.nes"), kRomFileOk);
  std::vector<std::uint8_t> expected = testing::fileBytes(rom);
  expected.insert(expected.end(), {0xDE, 0xAD, 0xBE, 0xEF});
  EXPECT_EQ(readFile(folder / "long.nes"), expected);
}

TEST_F(SaveRomFile, KeepsPermissionsAndWritesThroughASymbolicLink) {
  writeFile(folder / "target.nes", original);
  ::chmod((folder / "target.nes").c_str(), 0640);
  std::filesystem::create_symlink("target.nes", folder / "link.nes");
  ASSERT_EQ(saveRomFile(rom, folder / "link.nes"), kRomFileOk);
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.nes"));
  EXPECT_EQ(readFile(folder / "target.nes"), testing::fileBytes(rom));
  struct stat info {};
  ASSERT_EQ(::stat((folder / "target.nes").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  expectOnlyEntries({"link.nes", "target.nes"});
}

TEST_F(SaveRomFile, FailuresLeaveTheTargetUnchangedAndNoTemporaryFile) {
  writeFile(folder / "locked.nes", original);
  ::chmod((folder / "locked.nes").c_str(), 0444);
  EXPECT_EQ(saveRomFile(rom, folder / "locked.nes"), kRomFileIoError);
  EXPECT_EQ(readFile(folder / "locked.nes"), original);

  EXPECT_EQ(saveRomFile(rom, folder / "no-such-folder" / "x.nes"), kRomFileIoError);
  std::filesystem::create_directory(folder / "folder.nes");
  EXPECT_EQ(saveRomFile(rom, folder / "folder.nes"), kRomFileIoError);
  EXPECT_EQ(saveRomFile(rom, ""), kRomFileIoError);
  expectOnlyEntries({"folder.nes", "locked.nes"});
}

// A folder that takes no temporary file: a writable file in it is written in place, a
// read-only one and a new one are refused with the system's reason.
TEST_F(SaveRomFile, ReadOnlyFolderIsWrittenInPlaceOnlyForAWritableFile) {
  std::filesystem::create_directory(folder / "shelf");
  writeFile(folder / "shelf" / "game.nes", original);
  writeFile(folder / "shelf" / "locked.nes", original);
  ::chmod((folder / "shelf" / "locked.nes").c_str(), 0444);
  ::chmod((folder / "shelf").c_str(), 0555);
  EXPECT_EQ(saveRomFile(rom, folder / "shelf" / "game.nes"), kRomFileOk);
  EXPECT_EQ(readFile(folder / "shelf" / "game.nes"), testing::fileBytes(rom));
  const Status locked = saveRomFileChecked(rom, folder / "shelf" / "locked.nes");
  ASSERT_FALSE(locked);
  EXPECT_EQ(locked.error().what, "Permission denied");
  EXPECT_EQ(readFile(folder / "shelf" / "locked.nes"), original);
  EXPECT_FALSE(saveRomFileChecked(rom, folder / "shelf" / "new.nes"));
  ::chmod((folder / "shelf").c_str(), 0755);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "shelf"),
                          std::filesystem::directory_iterator()),
            2);
}

// A file changed between the write and the read-back is a failed save, with the reason.
TEST_F(SaveRomFile, AFileChangedBehindTheWriteFailsTheCheck) {
  setBeforeWriteCheckHook([](const std::filesystem::path& written) {
    testing::writeFile(written, {'N', 'E', 'S', 0x1A, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
  });
  const Status saved = saveRomFileChecked(rom, folder / "game.nes");
  setBeforeWriteCheckHook({});
  ASSERT_FALSE(saved);
  EXPECT_NE(saved.error().what.find("differs"), std::string::npos);
  EXPECT_EQ(saveRomFile(rom, folder / "game.nes"), kRomFileOk);
}

TEST_F(SaveRomFile, AWriteCutShortByTheFileSizeLimitChangesNothing) {
  writeFile(folder / "game.nes", original);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{512, 512};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::_exit(saveRomFile(rom, folder / "game.nes"));
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), kRomFileIoError);
  EXPECT_EQ(readFile(folder / "game.nes"), original);
  expectOnlyEntries({"game.nes"});
}

}  // namespace
}  // namespace pelmora
