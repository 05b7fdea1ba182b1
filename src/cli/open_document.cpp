#include <ostream>

#include "cli/cli_command.h"

namespace pelmora::cli {

std::optional<int> openOrReport(Document& document, const std::filesystem::path& path,
                                std::ostream& err) {
  const OpenResult opened = openDocument(document, path);
  switch (opened.status) {
    case OpenStatus::kOpened:
      return std::nullopt;
    case OpenStatus::kLoadFailed:
      err << "Error loading file!\n";
      return kExitLoadFailed;
    case OpenStatus::kImportFailed:
      err << "The title screen could not be read from this image: " << opened.reason << '\n';
      return kExitTitleScreen;
  }
  return kExitLoadFailed;
}

}  // namespace pelmora::cli
