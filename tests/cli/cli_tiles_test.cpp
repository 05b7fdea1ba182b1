// pelmora-cli's tile commands: the title's tiles as a .chr file and back through apply, and a
// picture imported as the title with its report and exit codes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>

#include "cli_runner.h"
#include "demo/demo_image.h"
#include "edit/document.h"
#include "formats/png_file.h"
#include "picture/title_render.h"
#include "rom/title_layout.h"
#include "support/demo_variants.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::readFileBytes;
using test::writeFileBytes;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kHeader = 16;
constexpr std::size_t kChrBank = 4096;

class CliTilesTest : public test::CliFolderTest {
 protected:
  void SetUp() override {
    CliFolderTest::SetUp();
    writeFileBytes(folder / "demo.nes", test::fileBytes(buildDemoImage()));
  }
  std::string demo() const { return path("demo.nes"); }

  // Where the title's tile bank starts in a file of the demo image.
  static std::size_t bankStart() {
    return kHeader + buildDemoImage().chrOffset() + title::kTitleChrBank * kChrBank;
  }

  // The demo's title as the editor draws it, 256 x 240.
  RgbImage demoTitle() const {
    Document document;
    openDocument(document, demo());
    ColourTables colours;
    buildMasterPalette(document.state.ppuRegisters, colours);
    return renderTitlePicture(document.state, colours, 240);
  }
};

TEST_F(CliTilesTest, ChrFileComesOutAndGoesBackInThroughApply) {
  ASSERT_EQ(run({"chr", demo(), "-o", path("tiles.chr")}).exitCode, 0);
  const Bytes original = readFileBytes(demo());
  Bytes tiles = readFileBytes(path("tiles.chr"));
  ASSERT_EQ(tiles.size(), kChrBank);
  EXPECT_TRUE(std::equal(tiles.begin(), tiles.end(), original.begin() + bankStart()));

  for (std::size_t i = 0; i < 16; ++i) tiles[0x410 + i] ^= 0xFF;  // tile $41 inverted
  writeFileBytes(path("edited.chr"), tiles);
  ASSERT_EQ(run({"apply", demo(), "-o", path("saved.nes")}).exitCode, 0);
  ASSERT_EQ(run({"apply", demo(), "--chr", path("edited.chr"), "-o", path("out.nes")}).exitCode, 0);
  const Bytes saved = readFileBytes(path("saved.nes"));
  const Bytes out = readFileBytes(path("out.nes"));
  Bytes expected = saved;
  for (std::size_t i = bankStart() + 0x410; i < bankStart() + 0x420; ++i) expected[i] ^= 0xFF;
  EXPECT_TRUE(out == expected);

  writeFileBytes(path("short.chr"), Bytes(tiles.begin(), tiles.end() - 1));
  const CliRun refused = run({"apply", demo(), "--chr", path("short.chr"), "-o", path("no.nes")});
  EXPECT_EQ(refused.exitCode, 5);
  EXPECT_NE(refused.err.find("4095"), std::string::npos) << refused.err;
  EXPECT_FALSE(fs::exists(path("no.nes")));
}

TEST_F(CliTilesTest, ImportPngReportsWhatItDidAndRefusesWhatDoesNotFit) {
  ASSERT_TRUE(writeRgbPng(demoTitle(), path("title.png")));
  const CliRun same =
      run({"import-png", demo(), path("title.png"), "--palettes", "keep", "-o", path("same.nes")});
  ASSERT_EQ(same.exitCode, 0) << same.err;
  const nlohmann::json report = nlohmann::json::parse(same.out);
  for (const char* key : {"tilesUsed", "tilesNew", "tilesReused", "tilesMerged", "pixelsChanged"})
    EXPECT_TRUE(report.contains(key)) << key;
  EXPECT_EQ(report["tilesNew"], 0);
  EXPECT_EQ(report["pixelsChanged"], 0);
  EXPECT_EQ(report["tilesReused"], report["tilesUsed"]);

  // Noise: every cell a tile of its own, far more than are free.
  RgbImage noise(256, 240);
  std::mt19937 random(7);
  for (std::uint32_t& pixel : noise.pixels) pixel = (random() & 1u) ? 0xFFFFFFu : 0u;
  ASSERT_TRUE(writeRgbPng(noise, path("noise.png")));
  const CliRun tooMany = run({"import-png", demo(), path("noise.png"), "-o", path("noise.nes")});
  EXPECT_EQ(tooMany.exitCode, 6);
  EXPECT_GT(nlohmann::json::parse(tooMany.out)["tilesMissing"].get<int>(), 0);
  EXPECT_FALSE(fs::exists(path("noise.nes")));

  // Palettes fitted to the picture unless told otherwise.
  const CliRun reduced =
      run({"import-png", demo(), path("noise.png"), "--reduce", "-o", path("noise.nes")});
  ASSERT_EQ(reduced.exitCode, 0) << reduced.err;
  EXPECT_GT(nlohmann::json::parse(reduced.out)["tilesMerged"].get<int>(), 0);
  EXPECT_GT(nlohmann::json::parse(reduced.out)["pixelsChanged"].get<int>(), 0);
  ASSERT_EQ(run({"import-png", demo(), path("noise.png"), "--palettes", "fit", "--reduce", "-o",
                 path("fit.nes")})
                .exitCode,
            0);
  EXPECT_EQ(readFileBytes(path("noise.nes")), readFileBytes(path("fit.nes")));
}

TEST_F(CliTilesTest, ImportPngRefusesPicturesItCannotUse) {
  ASSERT_TRUE(writeRgbPng(RgbImage(128, 128), path("small.png")));
  writeFileBytes(path("text.png"), Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
  for (const char* picture : {"small.png", "text.png"}) {
    const CliRun refused = run({"import-png", demo(), path(picture), "-o", path("out.nes")});
    EXPECT_EQ(refused.exitCode, 5) << picture << refused.err;
    if (picture == std::string("text.png")) {
      EXPECT_NE(refused.err.find("text.png: The file is not a PNG picture."), std::string::npos)
          << refused.err;
    }
    EXPECT_FALSE(fs::exists(path("out.nes")));
  }
  EXPECT_EQ(
      run({"import-png", demo(), path("small.png"), "--palettes", "some", "-o", path("out.nes")})
          .exitCode,
      2);
}

}  // namespace
}  // namespace pelmora
