// pelmora-cli diff A.nes B.nes: what B's title screen holds that A's does not, as one JSON
// object, so that a patched image can be reviewed before the patch is shared or applied.

#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "cli/cli_command.h"
#include "edit/title_changes.h"

namespace pelmora::cli {
namespace {

using Json = nlohmann::ordered_json;

Json changeJson(const TitleChange& change) {
  switch (change.kind) {
    case ChangeKind::kCell:
    case ChangeKind::kQuadrant:
      return Json{{"kind", change.kind == ChangeKind::kCell ? "cell" : "quadrant"},
                  {"nameTable", change.nameTable},
                  {"column", change.column},
                  {"row", change.row},
                  {"before", change.before},
                  {"after", change.after}};
    case ChangeKind::kColour:
      return Json{{"kind", "colour"},
                  {"palette", colourArrayName(change.array)},
                  {"index", change.index},
                  {"before", change.before},
                  {"after", change.after}};
    case ChangeKind::kTile:
      break;
  }
  return Json{{"kind", "tile"}, {"tile", change.index}, {"pixels", change.after}};
}

Json report(const TitleChanges& changes) {
  Json list = Json::array();
  for (const TitleChange& change : changes.changes) list.push_back(changeJson(change));
  return Json{{"cells", changes.cells},
              {"quadrants", changes.quadrants},
              {"colours", changes.colours},
              {"tiles", changes.tiles},
              {"changes", std::move(list)}};
}

int runDiff(const std::string& before, const std::string& after, Streams streams) {
  Document first;
  if (const auto failed = openOrReport(first, before, streams.err)) return *failed;
  Document second;
  if (const auto failed = openOrReport(second, after, streams.err)) return *failed;
  streams.out << report(compareTitleScreens(first.state, second.state)).dump(2) << '\n';
  streams.out.flush();
  if (!streams.out)
    return reportFile(streams.err, "standard output", "Error writing the report!",
                      kExitWriteFailed);
  return kExitOk;
}

}  // namespace

Command addDiffCommand(CLI::App& program) {
  auto before = std::make_shared<std::string>();
  auto after = std::make_shared<std::string>();
  CLI::App* command = program.add_subcommand(
      "diff",
      "Print the cells, quadrants, colours and tiles that differ between two images, as JSON");
  command->add_option("A", *before, "The image as it was")->required();
  command->add_option("B", *after, "The image as it is now")->required();
  return {command, [before, after](Streams streams) { return runDiff(*before, *after, streams); }};
}

}  // namespace pelmora::cli
