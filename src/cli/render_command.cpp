// pelmora-cli render ROM --view VIEW [--palette-set N] -o OUT.png: one picture surface of the
// main window, as it shows after Open and N presses of the palette-cycle button.

#include <QImage>
#include <QSaveFile>
#include <QString>
#include <array>
#include <ostream>
#include <string_view>

#include "cli/cli_command.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "palette/palette_edit.h"

namespace pelmora::cli {
namespace {

struct ViewName {
  std::string_view name;
  Surface ScreenViews::*surface;
};

constexpr std::array<ViewName, 5> kViews = {{
    {"tiles", &ScreenViews::PAT0},
    {"screen0", &ScreenViews::NAT0},
    {"attr0", &ScreenViews::ATT0},
    {"screen1", &ScreenViews::NAT1},
    {"attr1", &ScreenViews::ATT1},
}};

const ViewName* findView(std::string_view name) {
  for (const ViewName& view : kViews) {
    if (view.name == name) return &view;
  }
  return nullptr;
}

// The number of palette-cycle presses: a decimal 0 to 5, or nothing for anything else.
std::optional<int> parsePresses(const std::string* text) {
  if (text == nullptr) return 0;
  if (text->size() != 1 || (*text)[0] < '0' || (*text)[0] >= '0' + kPaletteSetCount)
    return std::nullopt;
  return (*text)[0] - '0';
}

// Surface pixels are 0x00BBGGRR, the bytes R, G, B, X in memory: an RGBX image as it is.
QImage toImage(const Surface& surface) {
  const QImage view(reinterpret_cast<const uchar*>(surface.pixels()), surface.width(),
                    surface.height(), surface.width() * 4, QImage::Format_RGBX8888);
  return view.convertToFormat(QImage::Format_RGB888);
}

// Writes the PNG through a temporary file, so `path` is either untouched or the whole picture.
bool writePng(const QImage& image, const std::filesystem::path& path) {
  QSaveFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!image.save(&file, "PNG")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

int renderUsageError(std::ostream& err, std::string_view problem) {
  err << "pelmora-cli: " << problem << "\n"
      << "Usage: pelmora-cli render ROM --view VIEW [--palette-set N] -o OUT.png\n"
      << "VIEW is one of tiles, screen0, attr0, screen1, attr1; N is 0-5 (default 0).\n";
  return kExitUsage;
}

}  // namespace

int runRender(const Arguments& arguments, Streams streams) {
  const ViewName* view = findView(*arguments.option("--view"));
  if (view == nullptr)
    return renderUsageError(streams.err, "unknown view " + *arguments.option("--view"));
  const std::optional<int> presses = parsePresses(arguments.option("--palette-set"));
  if (!presses) return renderUsageError(streams.err, "--palette-set takes a number from 0 to 5");

  Document document;
  if (const auto failed = openOrReport(document, arguments.positional[0], streams.err))
    return *failed;
  for (int press = 0; press < *presses; ++press) cyclePaletteSet(document.state);

  ColourTables colours;
  buildMasterPalette(PpuRegisters{}, colours);
  ScreenViews views;
  redrawViews(views, document.state, colours);

  if (!writePng(toImage(views.*(view->surface)), *arguments.option("-o"))) {
    streams.err << "Error writing " << *arguments.option("-o") << "!\n";
    return kExitWriteFailed;
  }
  return kExitOk;
}

}  // namespace pelmora::cli
