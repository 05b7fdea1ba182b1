// pelmora-cli as a user runs it: exit codes for every failure class, and files and output that
// match what the core produces for the same image.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "demo/demo_image.h"
#include "digest/digests.h"
#include "edit/document.h"
#include "formats/png_file.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "palette/palette_edit.h"
#include "rom/title_export.h"
#include "rom/title_import.h"
#include "rom/title_layout.h"
#include "support/demo_variants.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::fileBytes;
using test::readFileBytes;
using test::writeFileBytes;

class CliTest : public test::CliFolderTest {
 protected:
  std::string writeImage(const std::string& name, const RomImage& rom) const {
    writeFileBytes(folder / name, fileBytes(rom));
    return (folder / name).string();
  }
  std::string demoPath() const { return writeImage("demo.nes", buildDemoImage()); }
  // Renders every view of `image` after 0, 1 and 3 palette-cycle presses and compares the PNGs
  // with the core's surfaces pixel for pixel.
  void expectRendersMatchTheCore(const std::string& image);
};

// The demo image with CHR placed at body 0 and the body cut just past list 35: the import finds
// everything, but the export's fixed layout (up to body 0x33697) no longer fits.
RomImage demoTooShortForTheExport() {
  DemoLayout layout;
  RomImage rom = buildDemoImage(&layout);
  rom.header[4] = 0;
  std::int32_t end = 0;
  for (std::size_t slot = 0; slot < layout.listOffset.size(); ++slot) {
    end = std::max(end, layout.listOffset[slot] + layout.listLength[slot]);
  }
  rom.body.resize(static_cast<std::size_t>(end));
  return rom;
}

// The demo image as Save writes it after an Open: what the core export produces.
std::vector<std::uint8_t> exportedDemoBytes() {
  RomImage rom = buildDemoImage();
  EditorState state;
  EXPECT_TRUE(importTitleScreen(rom, state));
  EXPECT_TRUE(exportTitleScreen(state, rom));
  return fileBytes(rom);
}

TEST_F(CliTest, UsageErrorsExitWith2AndShowTheUsage) {
  const std::string demo = demoPath();
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"frobnicate", demo},
      {"info"},
      {"info", demo, "extra"},
      {"resave", demo},
      {"resave", demo, "-o"},
      {"resave", demo, "-o", path("a.nes"), "-o", path("b.nes")},
      {"make-demo"},
      {"render", demo, "-o", path("x.png")},
      {"render", demo, "--view", "sideways", "-o", path("x.png")},
      {"render", demo, "--view", "tiles", "--palette-set", "6", "-o", path("x.png")},
      {"render", demo, "--view", "tiles", "--palette-set", "one", "-o", path("x.png")},
      {"info", demo, "--view", "tiles"},
  };
  for (const auto& arguments : wrong) {
    const CliRun result = run(arguments);
    EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(arguments);
    EXPECT_NE(result.err.find("Usage"), std::string::npos) << ::testing::PrintToString(arguments);
    EXPECT_TRUE(result.out.empty());
  }
  EXPECT_FALSE(fs::exists(folder / "a.nes"));
  EXPECT_FALSE(fs::exists(folder / "x.png"));
}

TEST_F(CliTest, FilesThatDoNotLoadExitWith1) {
  writeFileBytes(folder / "notes.txt", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd',
                                        ' ', 't', 'e', 'x', 't', ' ', 'f', 'i', 'l', 'e', '\n'});
  for (const std::string& rom : {path("missing.nes"), path("notes.txt")}) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"info", rom},
             {"resave", rom, "-o", path("out.nes")},
             {"render", rom, "--view", "screen0", "-o", path("out.png")}}) {
      const CliRun result = run(arguments);
      EXPECT_EQ(result.exitCode, 1) << ::testing::PrintToString(arguments);
      EXPECT_NE(result.err.find("Error loading file!"), std::string::npos);
      EXPECT_TRUE(result.out.empty());
    }
  }
  EXPECT_FALSE(fs::exists(folder / "out.nes"));
  EXPECT_FALSE(fs::exists(folder / "out.png"));
}

TEST_F(CliTest, TitleScreenOutOfRangeExitsWith3AndWritesNothing) {
  // Cut inside CHR bank 30: the image loads, its title screen cannot be read.
  const std::string cut = writeImage("cut.nes", test::demoCutShort(0x5E800));
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"info", cut},
           {"resave", cut, "-o", path("out.nes")},
           {"render", cut, "--view", "tiles", "-o", path("out.png")}}) {
    const CliRun result = run(arguments);
    EXPECT_EQ(result.exitCode, 3) << ::testing::PrintToString(arguments);
    EXPECT_FALSE(result.err.empty());
    EXPECT_TRUE(result.out.empty());
  }

  // Readable, but too short for the export's layout.
  const std::string tooShort = writeImage("short.nes", demoTooShortForTheExport());
  EXPECT_EQ(run({"info", tooShort}).exitCode, 0);
  const CliRun resave = run({"resave", tooShort, "-o", path("out.nes")});
  EXPECT_EQ(resave.exitCode, 3);
  EXPECT_NE(resave.err.find("written"), std::string::npos) << resave.err;
  EXPECT_FALSE(fs::exists(folder / "out.nes"));
  EXPECT_FALSE(fs::exists(folder / "out.png"));
}

TEST_F(CliTest, UnwritableOutputExitsWith4AndLeavesItAlone) {
  const std::string demo = demoPath();
  const std::string inMissingFolder = path("no-such-folder/out.nes");
  fs::create_directory(folder / "taken");  // a folder where the file should go
  for (const std::string& out : {inMissingFolder, path("taken")}) {
    EXPECT_EQ(run({"resave", demo, "-o", out}).exitCode, 4) << out;
    EXPECT_EQ(run({"make-demo", out}).exitCode, 4) << out;
    EXPECT_EQ(run({"render", demo, "--view", "screen1", "-o", out}).exitCode, 4) << out;
  }
  EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
  EXPECT_TRUE(fs::is_directory(folder / "taken"));
  EXPECT_TRUE(fs::is_empty(folder / "taken"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 4)
      << "demo.nes, taken and the two captured outputs, no temporary files";
}

// Saves that fail part-way or on protected targets: exit code 4, the target byte for byte as it
// was, no temporary file beside it.
TEST_F(CliTest, FaultInjectedResavesExitWith4AndLoseNothing) {
  const std::string demo = demoPath();
  const std::vector<std::uint8_t> original(70000, 0xA5);
  writeFileBytes(folder / "locked.nes", original);
  fs::permissions(folder / "locked.nes", fs::perms::owner_read | fs::perms::group_read);
  fs::create_symlink("locked.nes", folder / "link-to-locked.nes");
  fs::create_directory(folder / "shelf");
  writeFileBytes(folder / "shelf" / "game.nes", original);
  fs::permissions(folder / "shelf", fs::perms::owner_read | fs::perms::owner_exec);

  for (const std::string& out : {path("locked.nes"), path("link-to-locked.nes")}) {
    const CliRun refused = run({"resave", demo, "-o", out});
    EXPECT_EQ(refused.exitCode, 4) << out;
    EXPECT_EQ(refused.err, "pelmora-cli: " + out + ": Error saving file! Permission denied\n");
    EXPECT_EQ(readFileBytes(out), original) << out;
  }
  // A writable file in a folder that takes no new files is written in place.
  EXPECT_EQ(run({"resave", demo, "-o", path("shelf/game.nes")}).exitCode, 0);
  EXPECT_EQ(readFileBytes(path("shelf/game.nes")), exportedDemoBytes());
  fs::permissions(folder / "shelf", fs::perms::owner_all);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / "shelf"), fs::directory_iterator()), 1);

  // A file-size limit that cuts the write short, inherited by the program from a child process.
  writeFileBytes(folder / "limited.nes", original);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{100000, 100000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::_exit(run({"resave", demo, "-o", path("limited.nes")}).exitCode);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 4);
  EXPECT_EQ(readFileBytes(folder / "limited.nes"), original);
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(entry.path().filename().string().find(".save-"), std::string::npos) << entry.path();
  }
}

TEST_F(CliTest, MakeDemoWritesTheBuildersImage) {
  const CliRun result = run({"make-demo", path("made.nes")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(readFileBytes(folder / "made.nes"), fileBytes(buildDemoImage()));

  // Over a longer file the result is the demo image alone, not the demo with the old tail.
  writeFileBytes(folder / "longer.nes", std::vector<std::uint8_t>(500000, 0x11));
  ASSERT_EQ(run({"make-demo", path("longer.nes")}).exitCode, 0);
  EXPECT_EQ(readFileBytes(folder / "longer.nes"), fileBytes(buildDemoImage()));
}

std::vector<int> intArray(const nlohmann::json& value) { return value.get<std::vector<int>>(); }

template <class Bytes>
std::vector<int> ints(const Bytes& bytes) {
  return {bytes.begin(), bytes.end()};
}

TEST_F(CliTest, InfoReportsWhatTheImportRead) {
  DemoLayout layout;
  const RomImage demo = buildDemoImage(&layout);
  EditorState expected;
  ASSERT_TRUE(importTitleScreen(demo, expected));

  const CliRun result = run({"info", writeImage("demo.nes", demo)});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const nlohmann::json info = nlohmann::json::parse(result.out, nullptr, false);
  ASSERT_FALSE(info.is_discarded()) << result.out;

  EXPECT_EQ(info.at("prgBanks"), 16);
  EXPECT_EQ(info.at("chrOffset"), 0x40000);
  EXPECT_EQ(intArray(info.at("romPalette")), ints(expected.romPalette));
  EXPECT_EQ(intArray(info.at("bkgPalettes")), ints(expected.bkgPalettes));
  EXPECT_EQ(intArray(info.at("coinPalette")), ints(expected.coinPalette));
  EXPECT_EQ(info.at("coinEnabled"), true);
  EXPECT_EQ(intArray(info.at("stream35Row")), ints(expected.stream35Row));

  const nlohmann::json& pointers = info.at("titlePointers");
  EXPECT_EQ(pointers.size(), 29u);
  for (int slot : {1, 8, 20, 34, 35}) {
    EXPECT_EQ(pointers.at(std::to_string(slot)), layout.listOffset[static_cast<std::size_t>(slot)])
        << "slot " << slot;
  }
  EXPECT_EQ(pointers.at("35"), title::kExportedList35);
  EXPECT_FALSE(pointers.contains("0"));
  EXPECT_FALSE(pointers.contains("7"));

  const nlohmann::json& image = info.at("image");
  EXPECT_EQ(image.at("header"), "iNES");
  EXPECT_EQ(image.at("prgBytes"), 16 * 16384);
  EXPECT_EQ(image.at("chrBytes"), 16 * 8192);
  EXPECT_EQ(image.at("trainer"), false);
  EXPECT_EQ(image.at("gameCheck"), true);
  const std::vector<std::uint8_t> file = fileBytes(demo);
  EXPECT_EQ(image.at("file").at("sha1"), lowerHex(sha1Of(file)));
  EXPECT_EQ(image.at("headerless").at("crc32"),
            lowerHex(crc32Of(std::span(file).subspan(kRomHeaderSize))));
  EXPECT_EQ(image.at("headerless").at("md5").get<std::string>().size(), 32u);
}

TEST_F(CliTest, RenderDrawsInTheColoursOfAMasterPaletteFile) {
  const std::string demo = demoPath();
  std::vector<std::uint8_t> grey(200, 0x42);
  grey.back() = 0;  // past the first 192 bytes: a trailing tag, not read
  writeFileBytes(folder / "grey.pal", grey);
  const CliRun drawn = run({"render", demo, "--view", "screen0", "--master-palette",
                            path("grey.pal"), "-o", path("grey.png")});
  ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
  const RgbImage image = decodePng(readFileBytes(folder / "grey.png")).value();
  EXPECT_TRUE(std::all_of(image.pixels.begin(), image.pixels.end(),
                          [](std::uint32_t pixel) { return pixel == 0x424242; }));

  writeFileBytes(folder / "short.pal", std::vector<std::uint8_t>(100, 0));
  const CliRun refused = run({"render", demo, "--view", "screen0", "--master-palette",
                              path("short.pal"), "-o", path("short.png")});
  EXPECT_EQ(refused.exitCode, 5);
  EXPECT_NE(refused.err.find("this one has 100"), std::string::npos) << refused.err;
  EXPECT_FALSE(fs::exists(folder / "short.png"));
}

TEST_F(CliTest, ResaveWritesWhatTheExportProducesAndReopensTheSame) {
  const std::string demo = demoPath();
  const CliRun result = run({"resave", demo, "-o", path("saved.nes")});
  ASSERT_EQ(result.exitCode, 0) << result.err;

  EXPECT_EQ(readFileBytes(folder / "saved.nes"), exportedDemoBytes());

  Document original;
  Document saved;
  ASSERT_EQ(openDocument(original, demo).status, OpenStatus::kOpened);
  ASSERT_EQ(openDocument(saved, path("saved.nes")).status, OpenStatus::kOpened);
  EXPECT_EQ(saved.state, original.state);

  // A second resave of the saved file changes nothing.
  ASSERT_EQ(run({"resave", path("saved.nes"), "-o", path("again.nes")}).exitCode, 0);
  EXPECT_EQ(readFileBytes(folder / "again.nes"), readFileBytes(folder / "saved.nes"));
}

TEST_F(CliTest, ResaveOntoALongerFileKeepsItsTail) {
  const std::string demo = demoPath();
  std::vector<std::uint8_t> longer(0x60010 + 300, 0x5A);
  writeFileBytes(folder / "longer.nes", longer);

  ASSERT_EQ(run({"resave", demo, "-o", path("longer.nes")}).exitCode, 0);
  const std::vector<std::uint8_t> written = readFileBytes(folder / "longer.nes");
  ASSERT_EQ(written.size(), longer.size());
  EXPECT_TRUE(std::all_of(written.begin() + 0x60010, written.end(),
                          [](std::uint8_t b) { return b == 0x5A; }));
  EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.begin() + 0x60010),
            exportedDemoBytes());
}

struct RenderCase {
  const char* view;
  Surface ScreenViews::*surface;
  int width;
  int height;
};

// The demo with palette bytes no NES colour has (0x40 and up) in the palette block and in the
// first alternative set: they draw black, never out of a table.
RomImage demoWithUnusualPalettes() {
  RomImage rom = buildDemoImage();
  const std::int32_t block = *titleListOffset(rom.body, title::kPaletteSlot) + 3;
  for (int i = 0; i < 32; i += 3) rom.body[block + i] = static_cast<std::uint8_t>(0x40 + i * 6);
  for (int k = 0; k < 16; k += 2) rom.body[title::kAlternativeSets[0] + k] = 0xFF;
  return rom;
}

TEST_F(CliTest, RenderWritesThePixelsOfTheCoreSurface) {
  for (const std::string& image : {demoPath(), writeImage("unusual.nes", demoWithUnusualPalettes())}) {
    expectRendersMatchTheCore(image);
  }
}

void CliTest::expectRendersMatchTheCore(const std::string& demo) {
  const std::vector<RenderCase> cases = {
      {"tiles", &ScreenViews::PAT0, 256, 256}, {"screen0", &ScreenViews::NAT0, 256, 240},
      {"attr0", &ScreenViews::ATT0, 256, 240}, {"screen1", &ScreenViews::NAT1, 256, 240},
      {"attr1", &ScreenViews::ATT1, 256, 240},
  };
  ColourTables colours;
  buildMasterPalette(PpuRegisters{}, colours);

  for (int presses : {0, 1, 3}) {
    Document document;
    ASSERT_EQ(openDocument(document, demo).status, OpenStatus::kOpened);
    for (int press = 0; press < presses; ++press) cyclePaletteSet(document.state);
    ScreenViews views;
    redrawViews(views, document.state, colours);

    for (const RenderCase& view : cases) {
      const std::string out = path(std::string(view.view) + ".png");
      std::vector<std::string> arguments = {"render", demo, "--view", view.view, "-o", out};
      if (presses != 0)
        arguments.insert(arguments.end(), {"--palette-set", std::to_string(presses)});
      const CliRun result = run(arguments);
      ASSERT_EQ(result.exitCode, 0) << view.view << ": " << result.err;

      // IHDR: bit depth 8 (byte 24), colour type 2, RGB without alpha (byte 25).
      const std::vector<std::uint8_t> png = readFileBytes(out);
      ASSERT_GT(png.size(), 26u);
      EXPECT_EQ(png[24], 8) << view.view;
      EXPECT_EQ(png[25], 2) << view.view;
      const Expected<RgbImage> image = decodePng(png);
      ASSERT_TRUE(image) << view.view;
      ASSERT_EQ(image.value().width, view.width);
      ASSERT_EQ(image.value().height, view.height);
      const Surface& surface = views.*(view.surface);
      int mismatches = 0;
      for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x)
          mismatches += image.value().at(x, y) == (surface.pixel(x, y) & 0xFFFFFF) ? 0 : 1;
      }
      EXPECT_EQ(mismatches, 0) << view.view << " after " << presses << " presses";
      // The command line writes the core's PNG file byte for byte, as the editor's export does.
      EXPECT_EQ(png, encodeRgbPng(surfaceImage(surface)).value()) << view.view;
    }
  }
}

}  // namespace
}  // namespace pelmora
