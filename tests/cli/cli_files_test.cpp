// pelmora-cli's file commands: name tables, palettes and patches in and out, and what every
// command says about the program and about images of another game.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "demo/demo_image.h"
#include "edit/document.h"
#include "patch/patch_across_headers.h"
#include "rom/game_check.h"
#include "rom/title_layout.h"
#include "support/demo_variants.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::fileBytes;
using test::readFileBytes;
using test::writeFileBytes;
using Bytes = std::vector<std::uint8_t>;

class CliFilesTest : public test::CliFolderTest {
 protected:
  void SetUp() override {
    CliFolderTest::SetUp();
    writeFileBytes(folder / "demo.nes", fileBytes(buildDemoImage()));
  }
  std::string demo() const { return path("demo.nes"); }
};

TEST_F(CliFilesTest, EveryCommandHasHelpAndTheProgramAVersion) {
  const CliRun version = run({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "pelmora-cli 0.80.0\n");
  for (const char* command : {"info", "render", "resave", "make-demo", "nam", "pal", "apply",
                              "patch", "chr", "import-png", "diff"}) {
    const CliRun help = run({command, "--help"});
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_NE(help.out.find("Usage: pelmora-cli " + std::string(command)), std::string::npos)
        << help.out;
  }
}

TEST_F(CliFilesTest, NameTableAndPaletteFilesGoInAndComeBackOut) {
  ASSERT_EQ(run({"nam", demo(), "--screen", "0", "-o", path("screen0.nam")}).exitCode, 0);
  ASSERT_EQ(run({"pal", demo(), "-o", path("shown.pal")}).exitCode, 0);
  Bytes nameTable = readFileBytes(folder / "screen0.nam");
  Bytes palette = readFileBytes(folder / "shown.pal");
  ASSERT_EQ(nameTable.size(), 1024u);
  ASSERT_EQ(palette.size(), 32u);

  Bytes edited = nameTable;
  edited[5 * 32 + 7] ^= 0x11;   // row 5: carried
  edited[28 * 32 + 3] ^= 0x22;  // row 28: not carried, dropped
  edited[960 + 9] ^= 0xFF;      // an attribute byte: carried
  writeFileBytes(folder / "edited.nam", edited);
  palette[5] = 0x2A;
  writeFileBytes(folder / "edited.pal", palette);

  const CliRun applied = run({"apply", demo(), "--nam0", path("edited.nam"), "--pal",
                              path("edited.pal"), "-o", path("out.nes")});
  ASSERT_EQ(applied.exitCode, 0) << applied.err;
  EXPECT_EQ(applied.err,
            "pelmora-cli: " + path("edited.nam") +
                ": 1 cells are not stored in the ROM and were dropped\n");

  ASSERT_EQ(run({"nam", path("out.nes"), "--screen", "0", "-o", path("again.nam")}).exitCode, 0);
  ASSERT_EQ(run({"pal", path("out.nes"), "-o", path("again.pal")}).exitCode, 0);
  Bytes expected = edited;
  expected[28 * 32 + 3] = nameTable[28 * 32 + 3];
  EXPECT_EQ(readFileBytes(folder / "again.nam"), expected);
  EXPECT_EQ(readFileBytes(folder / "again.pal"), palette);
}

TEST_F(CliFilesTest, MalformedInputFilesExitWith5AndWriteNothing) {
  writeFileBytes(folder / "short.nam", Bytes(1000, 1));
  writeFileBytes(folder / "odd.pal", Bytes(20, 1));
  writeFileBytes(folder / "noise.ips", Bytes(40, 7));
  for (const auto& [option, file] : std::vector<std::pair<std::string, std::string>>{
           {"--nam1", "short.nam"}, {"--pal", "odd.pal"}, {"--patch", "noise.ips"}}) {
    const CliRun result = run({"apply", demo(), option, path(file), "-o", path("out.nes")});
    EXPECT_EQ(result.exitCode, 5) << file;
    EXPECT_EQ(result.err.rfind("pelmora-cli: " + path(file) + ": ", 0), 0u) << result.err;
  }
  const CliRun missing = run({"apply", demo(), "--pal", path("none.pal"), "-o", path("out.nes")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err,
            "pelmora-cli: " + path("none.pal") + ": Error loading file! No such file or directory\n");
  EXPECT_FALSE(fs::exists(folder / "out.nes"));
}

TEST_F(CliFilesTest, PatchesMadeByPatchTurnTheOriginalIntoTheModified) {
  RomImage modified = buildDemoImage();
  ASSERT_EQ(run({"resave", demo(), "-o", path("modified.nes")}).exitCode, 0);
  Bytes target = readFileBytes(folder / "modified.nes");
  target[0x1000] ^= 0x5A;  // outside the title screen: the patch carries it through
  writeFileBytes(folder / "modified.nes", target);

  for (const std::vector<std::string>& output :
       {std::vector<std::string>{"-o", path("p.ips")}, {"-o", path("p.bps")},
        {"-o", path("p.patch"), "--format", "bps"}}) {
    std::vector<std::string> arguments = {"patch", demo(), path("modified.nes")};
    arguments.insert(arguments.end(), output.begin(), output.end());
    ASSERT_EQ(run(arguments).exitCode, 0) << output[1];
    const CliRun applied = run({"apply", demo(), "--patch", output[1], "-o", path("out.nes")});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_EQ(readFileBytes(folder / "out.nes"), target) << output[1];
  }
  EXPECT_EQ(run({"patch", demo(), path("modified.nes"), "-o", path("p.txt")}).exitCode, 2);

  // A BPS patch for another source is refused, with the reason.
  const CliRun other =
      run({"apply", path("modified.nes"), "--patch", path("p.bps"), "-o", path("x.nes")});
  EXPECT_EQ(other.exitCode, 5);
  EXPECT_NE(other.err.find("made for another file"), std::string::npos) << other.err;
  EXPECT_FALSE(fs::exists(folder / "x.nes"));
}

// A copy of the same image behind an NES 2.0 header takes the BPS patch and keeps its header; a
// patch made for the image without any header is refused with the hint, and nothing is written.
TEST_F(CliFilesTest, ABpsPatchAppliesBehindAnotherHeader) {
  ASSERT_EQ(run({"resave", demo(), "-o", path("modified.nes")}).exitCode, 0);
  Bytes target = readFileBytes(folder / "modified.nes");
  target[0x1000] ^= 0x5A;
  writeFileBytes(folder / "modified.nes", target);
  ASSERT_EQ(run({"patch", demo(), path("modified.nes"), "-o", path("p.bps")}).exitCode, 0);
  Bytes users = fileBytes(buildDemoImage());
  users[7] = 0x08;
  writeFileBytes(folder / "users.nes", users);

  const CliRun applied =
      run({"apply", path("users.nes"), "--patch", path("p.bps"), "-o", path("out.nes")});
  ASSERT_EQ(applied.exitCode, 0) << applied.err;
  EXPECT_NE(applied.err.find(kHeaderKeptMessage), std::string::npos) << applied.err;
  target[7] = 0x08;
  EXPECT_EQ(readFileBytes(folder / "out.nes"), target);

  writeFileBytes(folder / "bare.bin", Bytes(users.begin() + 16, users.end()));
  writeFileBytes(folder / "bare-modified.bin", Bytes(target.begin() + 16, target.end()));
  ASSERT_EQ(
      run({"patch", path("bare.bin"), path("bare-modified.bin"), "-o", path("bare.bps")}).exitCode,
      0);
  const CliRun refused = run({"apply", demo(), "--patch", path("bare.bps"), "-o", path("x.nes")});
  EXPECT_EQ(refused.exitCode, 5);
  EXPECT_NE(refused.err.find("differ by exactly 16 bytes"), std::string::npos) << refused.err;
  EXPECT_FALSE(fs::exists(folder / "x.nes"));
}

TEST_F(CliFilesTest, DiffListsWhatAnotherImageChanged) {
  const CliRun same = run({"diff", demo(), demo()});
  ASSERT_EQ(same.exitCode, 0) << same.err;
  const nlohmann::json none = nlohmann::json::parse(same.out);
  for (const char* count : {"cells", "quadrants", "colours", "tiles"}) EXPECT_EQ(none.at(count), 0);
  EXPECT_TRUE(none.at("changes").empty());

  Document document;
  ASSERT_EQ(openDocument(document, demo()).status, OpenStatus::kOpened);
  const std::uint8_t before = document.state.ppuImage[0x2000 + 2 * 32 + 7];
  document.state.ppuImage[0x2000 + 2 * 32 + 7] ^= 0x40;  // cell (7, 2) of name table 0
  document.state.romPalette[1] ^= 0x01;
  ASSERT_EQ(saveDocumentCopy(document, path("edited.nes")).status, SaveStatus::kSaved);
  const CliRun diff = run({"diff", demo(), path("edited.nes")});
  ASSERT_EQ(diff.exitCode, 0) << diff.err;
  const nlohmann::json changes = nlohmann::json::parse(diff.out);
  EXPECT_EQ(changes.at("cells"), 1);
  EXPECT_EQ(changes.at("colours"), 1);
  EXPECT_EQ(changes.at("tiles"), 0);
  EXPECT_EQ(changes.at("changes").at(0), (nlohmann::json{{"kind", "cell"},
                                                         {"nameTable", 0},
                                                         {"column", 7},
                                                         {"row", 2},
                                                         {"before", before},
                                                         {"after", before ^ 0x40}}));
  EXPECT_EQ(changes.at("changes").at(1).at("palette"), "romPalette");
  EXPECT_EQ(run({"diff", demo(), path("none.nes")}).exitCode, 1);
}

TEST_F(CliFilesTest, AnImageOfAnotherGameIsReportedAndStillRead) {
  RomImage other = buildDemoImage();
  other.body[title::kCoinCallSecond] = 0x4C;
  writeFileBytes(folder / "other.nes", fileBytes(other));
  const CliRun info = run({"info", path("other.nes")});
  EXPECT_EQ(info.exitCode, 0);
  EXPECT_FALSE(info.out.empty());
  EXPECT_EQ(info.err, "pelmora-cli: " + path("other.nes") + ": " +
                          std::string(kUnexpectedGameStatement) + "\n");
  EXPECT_TRUE(run({"info", demo()}).err.empty());
}

}  // namespace
}  // namespace pelmora
